#include "dialogs/print/game_sheet.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "lang/language.h"
#include "model/notation.h"

namespace circumvia::dialogs {
namespace {

class GameSheetTest : public ::testing::Test {
protected:
    GameSheetTest() { lang::SetLanguageCode('A'); }
    ~GameSheetTest() override { lang::SetLanguageCode('F'); }
};

// Eight moves of a game; the analysis covers the first seven, one class each.
TEST_F(GameSheetTest, CaptionsCarryTheNumberTheMarkAndForMistakesTheBetterMove) {
    Tjeu game;
    for (int k = 0; k < 8; ++k) {
        const Move move = game.SuggestMove(game.Pos, game.SideToMove, 1);
        game.ApplyMove(game.Pos, move.From, move.To);
    }
    const Move better{1, 2};
    const struct {
        MoveClass move_class;
        QString mark;
        bool shows_better;
    } kCases[] = {
        {MoveClass::kBest, "", false},         {MoveClass::kGood, "", false},
        {MoveClass::kInaccuracy, "?!", false}, {MoveClass::kMistake, "?", true},
        {MoveClass::kBlunder, "??", true},     {MoveClass::kMissedWin, "#?", true},
        {MoveClass::kForced, "", false},
    };
    GameAnalysis analysis;
    for (const auto& c : kCases) {
        MoveAnalysis move;
        move.number = static_cast<int>(analysis.moves.size()) + 1;
        move.move_class = c.move_class;
        move.best = better;
        analysis.moves.push_back(move);
    }
    for (int number = 1; number <= 8; ++number) {
        const HistoryEntry& entry = game.History[static_cast<std::size_t>(number)];
        QString first =
            QString::number(number) + ". " + MoveCaption(entry.Mover, entry.From, entry.To);
        const bool analysed = number <= 7;
        const auto& c = kCases[analysed ? number - 1 : 0];
        if (!c.mark.isEmpty()) first += " " + c.mark;
        QStringList expected{first};
        if (c.shows_better)
            expected << "better: " + QString::fromStdString(MoveText(better.From, better.To));
        EXPECT_EQ(SheetCaption(game, analysis, number), expected) << number;
    }
}

TEST_F(GameSheetTest, HeaderNamesThePlayersTheirKindsTheResultAndTheDate) {
    Tjeu game;
    game.Players[kRed] = {"Ada", 12, kHuman};
    game.Players[kWhite] = {"Bob", 12, 3};
    const QDate date(2026, 12, 7);
    EXPECT_EQ(SheetHeader(game, date).at(1),
              "Red: Ada (Human player)   White: Bob (Computer Amateur)");
    EXPECT_EQ(SheetHeader(game, date).at(2), "Result: Game in progress   Date: 2026-12-07");
    game.ApplyMove(game.Pos, 0, 0);  // the side to move had no move: a draw, and why
    EXPECT_EQ(SheetHeader(game, date).at(2),
              "Result: Draw: Ada has no move left.   Date: 2026-12-07");

    // An override left open stays inside its name; a line separator breaks no line.
    game.Players[kRed].Name = "\u202EAda";
    game.Players[kWhite].Name = "Bob\u2028Smith";
    EXPECT_EQ(SheetHeader(game, date).at(1),
              "Red: \u2068\u202EAda\u2069 (Human player)   White: Bob Smith (Computer Amateur)");
}

// An analysed game's sheet opens with the summary, the graph and the legend of the marks;
// an unanalysed one says how to get them. Each diagram names its position, the last the final.
TEST_F(GameSheetTest, LegendAndGraphFollowTheAnalysisAndTheDiagramsEndOnTheFinalPosition) {
    Tjeu game;
    for (int k = 0; k < 2; ++k) {
        const Move move = game.SuggestMove(game.Pos, game.SideToMove, 1);
        game.ApplyMove(game.Pos, move.From, move.To);
    }
    GameAnalysis analysis;
    analysis.moves.resize(2);
    const auto has = [](const std::vector<SheetBlock>& blocks, SheetBlock::Kind kind,
                        const QString& text) {
        return std::any_of(blocks.begin(), blocks.end(), [&](const SheetBlock& b) {
            return b.kind == kind && (text.isEmpty() || b.text.contains(text));
        });
    };
    const std::vector<SheetBlock> analysed = SheetIntro(game, analysis);
    EXPECT_TRUE(has(analysed, SheetBlock::kText, "?? blunder"));
    EXPECT_TRUE(has(analysed, SheetBlock::kGraph, {}));
    const std::vector<SheetBlock> bare = SheetIntro(game, GameAnalysis{});
    EXPECT_FALSE(has(bare, SheetBlock::kText, "?? blunder") || has(bare, SheetBlock::kGraph, {}));
    EXPECT_TRUE(has(bare, SheetBlock::kText, "not analysed"));
    const QString first = game.History[1].Mover == kRed ? "Red" : "White";
    EXPECT_EQ(SheetDiagramTitle(game, 1), "Before move 1 (" + first + " to play)");
    EXPECT_EQ(SheetDiagramTitle(game, 3), "Final position, after move 2");
}

}  // namespace
}  // namespace circumvia::dialogs
