#include "dialogs/print/print_layout.h"

#include <gtest/gtest.h>

#include "model/tjeu.h"

namespace circumvia::dialogs {
namespace {

const PageGeometry kA4 = A4Portrait(96);

TEST(PrintLayout, A4At96PerInchIs794By1123WithMarginsOf38) {
    EXPECT_EQ(kA4.width, 794);
    EXPECT_EQ(kA4.height, 1123);
    EXPECT_EQ(kA4.margin_x, 38);
    EXPECT_EQ(kA4.margin_y, 38);
    const PageGeometry large = A4Portrait(120);
    EXPECT_EQ(large.width, 992);
    EXPECT_EQ(large.margin_y, 47);
}

TEST(PrintLayout, PlacesTitlePictureAndFileNameAsTheFirstPageWants) {
    const PrintLayout layout = LayOutPrint(kA4, 0);
    EXPECT_EQ(layout.printable.left, 38);
    EXPECT_EQ(layout.printable.right, 756);
    EXPECT_EQ(layout.printable.top, 38);
    EXPECT_EQ(layout.printable.bottom, 1085);
    EXPECT_EQ(layout.title_centre, 397);
    EXPECT_EQ(layout.picture_box.left, 38);
    EXPECT_EQ(layout.picture_box.top, 88);
    EXPECT_EQ(layout.picture_box.right, 756);
    EXPECT_EQ(layout.picture_box.bottom, 278);
    EXPECT_EQ(layout.file_name_x, 400);
    EXPECT_EQ(layout.file_name_y, 88);
}

TEST(PrintLayout, GameWithoutMovesHasOnePageAndNoDiagram) {
    const PrintLayout layout = LayOutPrint(kA4, 0);
    EXPECT_EQ(layout.page_count, 1);
    EXPECT_TRUE(layout.diagrams.empty());
}

struct SlotCase {
    int move;
    int page;
    int x;
    int y;
};

TEST(PrintLayout, DiagramsFillTwoColumnsOf11OnPage1And15OnLaterPages) {
    const PrintLayout layout = LayOutPrint(kA4, 60);
    ASSERT_EQ(layout.diagrams.size(), 60u);
    const SlotCase cases[] = {
        {1, 0, 38, 298},    {2, 0, 38, 368}, {11, 0, 38, 998},  {12, 0, 435, 298},
        {22, 0, 435, 998},  {23, 1, 38, 38}, {37, 1, 38, 1018}, {38, 1, 435, 38},
        {52, 1, 435, 1018}, {53, 2, 38, 38}, {60, 2, 38, 528},
    };
    for (const SlotCase& c : cases) {
        const DiagramSlot& slot = layout.diagrams[static_cast<std::size_t>(c.move - 1)];
        EXPECT_EQ(slot.move, c.move);
        EXPECT_EQ(slot.page, c.page) << "move " << c.move;
        EXPECT_EQ(slot.x, c.x) << "move " << c.move;
        EXPECT_EQ(slot.y, c.y) << "move " << c.move;
    }
}

TEST(PrintLayout, OnlyTheFirstDiagramCarriesCoordinates) {
    const PrintLayout layout = LayOutPrint(kA4, 40);
    for (const DiagramSlot& slot : layout.diagrams)
        EXPECT_EQ(slot.with_coordinates, slot.move == 1) << "move " << slot.move;
}

TEST(PrintLayout, PageCountFollowsTheMovesAndAFullLastPageAddsNoBlankOne) {
    const std::pair<int, int> cases[] = {{1, 1},  {22, 1}, {23, 2}, {52, 2},
                                         {53, 3}, {60, 3}, {82, 3}, {83, 4}};
    for (auto [moves, pages] : cases)
        EXPECT_EQ(LayOutPrint(kA4, moves).page_count, pages) << moves << " moves";
}

void Play(Tjeu& game, int from, int to) {
    game.ApplyMove(game.Pos, from, to);
}

TEST(RecordedMoveCount, CountsEveryRecordedMoveEvenAfterSteppingBack) {
    Tjeu game;
    EXPECT_EQ(RecordedMoveCount(game.History), 0);
    game.Players[kRed].Kind = 0;
    game.Players[kWhite].Kind = 0;
    Play(game, 25, 19);  // E 1->D 1
    Play(game, 8, 15);   // B 2->C 3
    Play(game, 26, 20);  // E 2->D 2
    EXPECT_EQ(RecordedMoveCount(game.History), 3);
    game.StepBack();
    game.StepBack();
    ASSERT_LT(game.Current, 3);
    EXPECT_EQ(RecordedMoveCount(game.History), 3);
}

}  // namespace
}  // namespace circumvia::dialogs
