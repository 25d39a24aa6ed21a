// The text record: every game file converts to text and back to the same bytes, a tree
// with variations, comments and marks comes back equal, and the reader refuses what it
// cannot take with its line and column, leaving the game it was given untouched.
#include "model/game_text.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "model/game_file.h"
#include "tests/model/game_file_fixtures.h"
#include "tests/model/game_fixtures.h"

namespace circumvia {
namespace {

using testing::ComputerGame;
using testing::Play;

// A game file's bytes after passing through the text, the stored file name kept as a tag.
std::vector<std::uint8_t> ThroughText(const Tjeu& game, std::string* text = nullptr) {
    const std::string written = WriteGameText(game, GameTextTags{"", game.FileName});
    if (text) *text = written;
    Tjeu read;
    GameTextTags tags;
    const GameTextError error = ReadGameText(written, read, &tags);
    EXPECT_FALSE(error) << error.line << ':' << error.column << ' ' << error.what << '\n'
                        << written;
    read.FileName = tags.file_name.empty() ? kNoName : tags.file_name;
    return GameFileBytes(read);
}

TEST(GameText, EveryGameFileComesBackByteForByte) {
    std::vector<Tjeu> games;
    // The fuzzer's seeds: files the program wrote (accented names, a null move, long games).
    for (const auto& file : std::filesystem::directory_iterator(CIRCUMVIA_GAME_FILES)) {
        Tjeu game;
        ASSERT_EQ(LoadGameFile(game, file.path()), LoadOutcome::kLoaded) << file.path();
        game.FileName = kNoName;
        games.push_back(game);
    }
    // Games to their end, and what the rules cannot show: a resignation, an old search depth,
    // White first, a stored file name, names that need escaping, a pass at once.
    games.push_back(ComputerGame(1, 2, 7, 400));
    games.push_back(ComputerGame(2, 1, 11, 400));
    Tjeu resigned = ComputerGame(1, 1, 3, 12);
    resigned.Result = kRedResigned;
    resigned.Depth = 3;
    resigned.FileName = "/home/ann/games/old \"one\".Cva";
    resigned.Players[kRed].Name = "Ann \\ \"Quote\"\t\x01 Zoë";
    games.push_back(resigned);
    Tjeu white_first;
    white_first.SideToMove = kWhite;
    white_first.Players[kWhite].Kind = kExpertLevel;
    Play(white_first, 8, 14);
    games.push_back(white_first);
    Tjeu passed;  // the null move first: the turn passes all the same
    Play(passed, 0, 0);
    games.push_back(passed);
    games.push_back(Tjeu{});
    for (const Tjeu& game : games) {
        std::string text;
        EXPECT_EQ(ThroughText(game, &text), GameFileBytes(game)) << text;
    }
}

// A tree with a variation inside a variation, several at one branch, marks, and comments
// that need escaping, before the first move too.
Tjeu TreeGame() {
    Tjeu game;
    Play(game, 25, 19);  // E1-D1
    Play(game, 8, 14);   // B2-C2
    Play(game, 26, 20);
    game.GoToNode(game.Tree.Line()[1]);
    Play(game, 9, 15);  // a variation at move 2
    Play(game, 27, 21);
    const int inner = game.CurrentNode();
    game.GoToNode(game.Tree.Line()[2]);
    Play(game, 28, 22);  // inside it
    game.GoToNode(game.Tree.Line()[1]);
    Play(game, 10, 16);  // a third move at the same branch
    game.Tree.SetComment(kRootNode, "A game {of two}\nwith a \\ backslash");
    game.Tree.SetComment(inner, "é\r");
    game.Tree.SetMark(inner, MoveMark::kInteresting);
    game.Tree.SetMark(game.Tree.Line()[1], MoveMark::kBlunder);
    game.GoToNode(game.Tree.Line()[1]);
    game.Tree.SetComment(game.CurrentNode(), "}");
    game.GoToNode(kRootNode);
    return game;
}

TEST(GameText, TreeWithVariationsCommentsAndMarksComesBackEqual) {
    const Tjeu game = TreeGame();
    const std::string text = WriteGameText(game);
    Tjeu read;
    const GameTextError error = ReadGameText(text, read);
    ASSERT_FALSE(error) << error.line << ':' << error.column << ' ' << error.what << '\n' << text;
    EXPECT_TRUE(SameTree(read.Tree, game.Tree)) << text;
    EXPECT_EQ(WriteGameText(read), text);
    // The record is the main line and the board its end.
    Tjeu main_line;
    for (const auto& [from, to] : {std::pair{25, 19}, {8, 14}, {26, 20}}) Play(main_line, from, to);
    EXPECT_EQ(read.Current, 3);
    EXPECT_EQ(read.Pos, main_line.Pos);
}

TEST(GameText, ReaderTakesTheLooserFormsAndIgnoresMoveNumbers) {
    Tjeu strict;
    Tjeu loose;
    ASSERT_FALSE(ReadGameText("1. E1-D1 B2-C2 2. E2-D2", strict));
    ASSERT_FALSE(
        ReadGameText("\xEF\xBB\xBF"
                     "e1->d1 7...b2-c2\r\n9.E2->D2",
                     loose));
    EXPECT_TRUE(SameTree(strict.Tree, loose.Tree));
}

using std::string_view_literals::operator""sv;

struct Refusal {
    std::string_view text;
    TextFault fault;
    int line;
    int column;
};

constexpr Refusal kRefusals[] = {
    {"1. E1-D1 B2-C2\n2. E1-D2"sv, TextFault::kIllegalMove, 2, 4},  // E1 is empty
    {"E1-D1 B2-C2 D1-A1"sv, TextFault::kIllegalMove, 1, 13},        // not a neighbour
    {"B2-C2"sv, TextFault::kIllegalMove, 1, 1},                     // Red moves first
    {"E1-D1 B2xC2"sv, TextFault::kIllegalMove, 1, 7},               // a step written as x
    {"E1-D7"sv, TextFault::kUnreadable, 1, 1},
    {"E1-D1!!!"sv, TextFault::kUnreadable, 1, 6},
    {"E1-D1 (B2-C2)"sv, TextFault::kIllegalMove, 1, 8},
    {"E1-D1 (E2-D2"sv, TextFault::kUnreadable, 1, 7},
    {"E1-D1 ()"sv, TextFault::kUnreadable, 1, 8},
    {"(E1-D1)"sv, TextFault::kUnreadable, 1, 1},
    {"E1-D1 )"sv, TextFault::kUnreadable, 1, 7},
    {"E1-D1 (E2-D2 {x} {y})"sv, TextFault::kUnreadable, 1, 18},
    {"E1-D1 ( {x} E2-D2)"sv, TextFault::kUnreadable, 1, 9},
    {"{é} E1-D1 {unclosed"sv, TextFault::kUnreadable, 1, 11},
    {"{é} 12 E1-D1"sv, TextFault::kUnreadable, 1, 5},
    {"[Red \"A\"]\n[Red \"B\"]"sv, TextFault::kUnreadable, 2, 1},
    {"[RedKind \"level 9\"]"sv, TextFault::kUnreadable, 1, 10},
    {"[Red \"two\nlines\"]"sv, TextFault::kUnreadable, 1, 10},
    {"[Red \"\\q\"]"sv, TextFault::kUnreadable, 1, 7},
    {"E1-D1\n[Red \"A\"]"sv, TextFault::kUnreadable, 2, 1},
    {"E1-D1 {bad \xC3\x28 byte}"sv, TextFault::kUnreadable, 1, 12},
    {"E1-D1 {a\xC0\xAF}"sv, TextFault::kUnreadable, 1, 9},
    {"E1-D1\n {nul \0}"sv, TextFault::kUnreadable, 2, 7},
    {"E1-D1 \x1B[0m"sv, TextFault::kUnreadable, 1, 7},
    // White has no piece: Red has won, whatever the result tag says.
    {"[Result \"White\"]\n[Setup \"R___________________________________\"]"sv,
     TextFault::kUnreadable, 1, 9},
    {"[Result \"Draw\"]\n[Ending \"resigned\"]"sv, TextFault::kUnreadable, 1, 9},
};

TEST(GameText, RefusalsTellLineAndColumnAndLeaveTheGameAlone) {
    Tjeu game;
    Play(game, 25, 19);
    game.Players[kRed].Name = "Kept";
    const std::vector<std::uint8_t> before = GameFileBytes(game);
    for (const Refusal& refusal : kRefusals) {
        const std::string_view text = refusal.text;
        const GameTextError error = ReadGameText(text, game);
        EXPECT_EQ(error.fault, refusal.fault) << text << ": " << error.what;
        EXPECT_EQ(error.line, refusal.line) << text << ": " << error.what;
        EXPECT_EQ(error.column, refusal.column) << text << ": " << error.what;
        EXPECT_EQ(GameFileBytes(game), before) << text;
    }
}

TEST(GameText, LimitsRefuseBeyondTheirMoveOrByteCount) {
    Tjeu game;
    const GameTextError moves = ReadGameText("E1-D1 B2-C2\nE2-D2 (E2-E1)", game, nullptr, {100, 3});
    EXPECT_EQ(moves.fault, TextFault::kTooLarge);
    EXPECT_EQ(moves.line, 2);
    EXPECT_EQ(moves.column, 8);
    EXPECT_EQ(ReadGameText("E1-D1 B2-C2", game, nullptr, {10, 3}).fault, TextFault::kTooLarge);
}

// Hostile texts are read or refused by structure, never by the stack's depth.
TEST(GameText, HostileTextsAreReadOrRefusedWithinBounds) {
    constexpr int kDepth = 100'000;
    std::string nested;
    for (int k = 0; k < kDepth; ++k) nested += "E1-D1 (";
    nested += "E1-D1";
    nested += std::string(kDepth, ')');
    Tjeu game;
    EXPECT_FALSE(ReadGameText(nested, game));  // every variation repeats the move: one node
    EXPECT_EQ(game.Tree.Size(), 2);
    EXPECT_EQ(ReadGameText(std::string(kDepth, '('), game).column, 1);
    nested.pop_back();
    EXPECT_EQ(ReadGameText(nested, game).column, 7);  // the outermost "(" stays open

    const std::string comment(10 * 1024 * 1024, 'c');
    ASSERT_FALSE(ReadGameText("E1-D1 {" + comment + "}", game));
    EXPECT_EQ(game.Tree.Comment(game.CurrentNode()), comment);

    // A million moves that step back and forth: the fourth repetition ends the game.
    std::string shuffle;
    for (int k = 0; k < 250'000; ++k) shuffle += "E1-D1 B2-C2 D1-E1 C2-B2 ";
    const GameTextError over = ReadGameText(shuffle, game);
    EXPECT_EQ(over.fault, TextFault::kIllegalMove);
    EXPECT_EQ(over.what, "the game is over before this move");
}

}  // namespace
}  // namespace circumvia
