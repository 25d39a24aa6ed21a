#pragma once
// A lesson of the course that teaches the rules: a small position, the side the learner
// plays, an aim and a par in moves, the other side's scripted replies, the cells to show and
// the texts (caption numbers) that introduce it and explain a wrong move. The course is one
// readable file (assets/lessons/lessons.txt), read by ReadLessons:
//
//   lesson steps            the lesson's key (kept with the learner's progress)
//   texts 600 601 602       captions: title, goal sentence, explanation of a wrong move
//   board                   six rows follow: R a Red piece, W a White piece, . empty
//   side red                the learner's side: red or white
//   aim reach B1            reach CELL..., capture [CELL...], win, escape or draw
//   par 2                   moves the learner needs
//   replies A1-A2 A2-A1     the other side's answers, one per learner's move
//   show B1 C2              cells marked on the board
//   before E1-E2 E2-E1      moves already played (both sides), for the draw
//   demo C2-B5              a capture whose path is shown moving before the lesson starts

#include <iosfwd>
#include <string>
#include <vector>

#include "model/board.h"
#include "model/move.h"

namespace circumvia {

enum class LessonAim {
    kReach,    // a piece of the learner's steps or captures onto one of the cells
    kCapture,  // a capture, onto one of the cells when any are named
    kWin,      // the other side has no piece left
    kEscape,   // after the move no piece of the learner's can be taken
    kDraw,     // the game is drawn by repetition
};

struct LessonTexts {
    int title = 0;
    int goal = 0;
    int wrong = 0;
};

struct Lesson {
    std::string key;
    LessonTexts texts;
    Position position;
    Side side = kRed;
    LessonAim aim = LessonAim::kReach;
    std::vector<int> aim_cells;
    int par = 1;
    std::vector<Move> replies;
    std::vector<int> shown;
    std::vector<Move> before;
    Move demo;  // null: none
};

struct LessonFile {
    std::vector<Lesson> lessons;
    std::vector<std::string> errors;  // "line N: what is wrong"
};

LessonFile ReadLessons(std::istream& in);

}  // namespace circumvia
