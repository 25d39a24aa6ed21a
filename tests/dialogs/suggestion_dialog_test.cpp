#include "dialogs/suggestion_dialog.h"

#include <gtest/gtest.h>

#include <QGroupBox>
#include <QPushButton>

#include "dialogs/paint_box.h"
#include "lang/language.h"
#include "model/tjeu.h"

namespace circumvia::dialogs {
namespace {

Position Board(std::initializer_list<std::pair<int, std::uint8_t>> pieces) {
    Position p;
    for (auto [cell, value] : pieces) p[cell] = value;
    return p;
}

// The cells where two positions differ.
std::vector<int> Changed(const Position& a, const Position& b) {
    std::vector<int> cells;
    for (int n = 1; n <= kCellCount; ++n) {
        if (a[n] != b[n]) cells.push_back(n);
    }
    return cells;
}

class SuggestionDialogTest : public ::testing::Test {
protected:
    ~SuggestionDialogTest() override { lang::SetLanguageCode('F'); }
    Tjeu game;
};

TEST(ProposedPosition, MovesThePieceReplacingAVictimAndIgnoresTheNullMove) {
    const Position before = Board({{8, kRed}, {10, kWhite}, {30, kWhite}});
    const Position after = ProposedPosition(before, Move{8, 10});
    EXPECT_EQ(after, Board({{10, kRed}, {30, kWhite}}));
    EXPECT_EQ(ProposedPosition(before, kNullMove), before);
    EXPECT_EQ(ProposedPosition(before, Move{8, 0}), before);
    EXPECT_EQ(ProposedPosition(before, Move{0, 10}), before);
    EXPECT_EQ(ProposedPosition(before, Move{8, 37}), before);  // not a cell
}

TEST_F(SuggestionDialogTest, AtTheStartRedIsProposedOnePieceMovedOneStep) {
    TFPropo dialog(game);
    const Position& now = game.Pos;
    EXPECT_EQ(dialog.ProposedMove(), (Move{26, 21}));
    const std::vector<int> changed = Changed(now, dialog.Proposal());
    ASSERT_EQ(changed.size(), 2u);
    const int from = changed[0] == dialog.ProposedMove().From ? changed[0] : changed[1];
    const int to = changed[0] == from ? changed[1] : changed[0];
    EXPECT_EQ(now[from], kRed);
    EXPECT_EQ(dialog.Proposal()[from], kEmpty);
    EXPECT_EQ(dialog.Proposal()[to], kRed);
    EXPECT_EQ(std::max(std::abs(RowOf(from) - RowOf(to)), std::abs(ColumnOf(from) - ColumnOf(to))),
              1);
    EXPECT_EQ(game.Pos, Position::Start()) << "the game itself is not changed";
}

TEST_F(SuggestionDialogTest, ProposalForWhiteWhenWhiteIsToMove) {
    game.SideToMove = kWhite;
    TFPropo dialog(game);
    EXPECT_EQ(dialog.ProposedMove(), (Move{8, 15}));
    EXPECT_EQ(dialog.Proposal()[15], kWhite);
}

TEST_F(SuggestionDialogTest, ACaptureRemovesOneEnemyPieceUnderTheCapturingPiece) {
    game.Pos = Board({{8, kRed}, {32, kRed}, {3, kWhite}, {10, kWhite}, {30, kWhite}});
    TFPropo dialog(game);
    const Move move = dialog.ProposedMove();
    ASSERT_FALSE(move.IsNull());
    EXPECT_EQ(game.Pos[move.To], kWhite) << "a capture was expected";
    EXPECT_EQ(dialog.Proposal().Count(kWhite), 2);
    EXPECT_EQ(dialog.Proposal().Count(kRed), 2);
    EXPECT_EQ(dialog.Proposal()[move.To], kRed);
    EXPECT_EQ(dialog.Proposal()[move.From], kEmpty);
}

TEST_F(SuggestionDialogTest, WithoutAnyMoveTheProposalIsTheCurrentPosition) {
    // Red's only piece sits in a corner, on neither circuit, walled in by White.
    game.Pos = Board({{1, kRed}, {2, kWhite}, {7, kWhite}, {8, kWhite}});
    TFPropo dialog(game);
    EXPECT_TRUE(dialog.ProposedMove().IsNull());
    EXPECT_EQ(dialog.Proposal(), game.Pos);
}

TEST_F(SuggestionDialogTest, ProposalDoesNotDependOnThePlayersLevels) {
    game.Pos = Board({{8, kRed}, {20, kRed}, {27, kRed}, {3, kWhite}, {15, kWhite}, {30, kWhite}});
    Move first{};
    bool have_first = false;
    for (int red_kind : {0, 1, 5}) {
        for (int white_kind : {0, 2, 3, 4, 5}) {
            game.PlayerOf(kRed).Kind = red_kind;
            game.PlayerOf(kWhite).Kind = white_kind;
            const Move move = TFPropo(game).ProposedMove();
            EXPECT_EQ(game.Depth, TFPropo::kSearchDepth);
            if (!have_first) first = move;
            have_first = true;
            EXPECT_EQ(move, first) << red_kind << " " << white_kind;
        }
    }
}

TEST_F(SuggestionDialogTest, LayoutHasTheDesignedSizesAndCaptionsFollowTheLanguage) {
    const struct {
        char code;
        const char *title, *current, *proposal, *close;
    } cases[] = {
        {'F', "Proposer un coup", "Position actuelle", "Proposition", "Fermer"},
        {'A', "Suggest a move", "Current position", "Suggestion", "Close"},
        {'D', "Zug vorschlagen", "Aktuelle Stellung", "Vorschlag", "Schließen"},
    };
    for (const auto& c : cases) {
        lang::SetLanguageCode(c.code);
        TFPropo dialog(game);
        EXPECT_EQ(dialog.windowTitle(), QString::fromUtf8(c.title));
        EXPECT_EQ(dialog.GroupBox1->title(), QString::fromUtf8(c.current));
        EXPECT_EQ(dialog.GroupBox2->title(), QString::fromUtf8(c.proposal));
        EXPECT_EQ(dialog.BitBtn1->text(), QString::fromUtf8(c.close));
        EXPECT_EQ(dialog.BitBtn1->toolTip(), QString::fromUtf8(c.close));
        EXPECT_EQ(dialog.size(), QSize(395, 256));
        EXPECT_EQ(dialog.GroupBox1->size(), QSize(185, 193));
        EXPECT_EQ(dialog.GroupBox2->size(), QSize(185, 193));
        EXPECT_EQ(dialog.Pb_actu->size(), QSize(160, 160));
        EXPECT_EQ(dialog.PB_propo->size(), QSize(160, 160));
        EXPECT_LT(dialog.GroupBox1->geometry().right(), dialog.GroupBox2->geometry().left());
        EXPECT_GT(dialog.BitBtn1->geometry().top(), dialog.GroupBox1->geometry().bottom());
        EXPECT_LE(dialog.BitBtn1->geometry().bottom(), 255);
    }
}

TEST_F(SuggestionDialogTest, CurrentDiagramIsReadAtEveryRepaintTheProposalOnce) {
    TFPropo dialog(game);
    // Cell 36's grid point in the 160-pixel box: the diagram's square runs from 38 to 122.
    const auto centre_of_cell_36 = [](TPaintBox* box) {
        return box->grab().toImage().pixelColor(122, 122);
    };
    EXPECT_EQ(centre_of_cell_36(dialog.Pb_actu), QColor(Qt::red));
    EXPECT_EQ(centre_of_cell_36(dialog.PB_propo), QColor(Qt::red));
    game.Pos[36] = kWhite;
    EXPECT_EQ(centre_of_cell_36(dialog.Pb_actu), QColor(Qt::white));
    EXPECT_EQ(centre_of_cell_36(dialog.PB_propo), QColor(Qt::red));
    // Both boxes wear a black frame.
    EXPECT_EQ(dialog.Pb_actu->grab().toImage().pixelColor(0, 80), QColor(Qt::black));
    EXPECT_EQ(dialog.PB_propo->grab().toImage().pixelColor(159, 80), QColor(Qt::black));
}

}  // namespace
}  // namespace circumvia::dialogs
