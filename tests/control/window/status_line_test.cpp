// The owner-drawn player panels, rendered into images.
#include "control/window/status_line.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>

namespace circumvia::control {
namespace {

const QColor kFace(212, 208, 200);

QImage Render(int panel, const Tjeu& game, const QString& text = {}) {
    QImage image(kPlayerPanelWidth, kStatusLineHeight - 2, QImage::Format_RGB32);
    QPainter painter(&image);
    StatusLineDrawPanel(painter, panel, image.rect(), game, text, kFace);
    return image;
}

// Centre of the disc drawn from (40, 1) with side height - 2.
QColor DiscColour(const QImage& image) {
    const int d = image.height() - 2;
    return image.pixelColor(40 + d / 2, 1 + d / 2);
}

// Darkest pixel in a column range: the colour the text was written in.
QColor DarkestIn(const QImage& image, int from, int to) {
    QColor darkest(255, 255, 255);
    for (int x = from; x < to; ++x) {
        for (int y = 0; y < image.height(); ++y) {
            const QColor c = image.pixelColor(x, y);
            if (c.lightness() < darkest.lightness()) darkest = c;
        }
    }
    return darkest;
}

TEST(StatusLineDrawPanel, WhitePanelShowsAWhiteDiscAndRedPanelARedOne) {
    Tjeu game;
    EXPECT_EQ(DiscColour(Render(1, game)), QColor(255, 255, 255));
    EXPECT_EQ(DiscColour(Render(2, game)), QColor(255, 0, 0));
}

// Glyph edges are blended with the face, so the grey is matched within a margin.
void ExpectGrey(const QColor& c) {
    EXPECT_NEAR(c.lightness(), 128, 16);
    EXPECT_LT(c.hslSaturation(), 30);
}

TEST(StatusLineDrawPanel, SideToMoveIsWrittenInBlackTheOtherInGrey) {
    Tjeu game;  // Red to move
    EXPECT_EQ(DarkestIn(Render(2, game), 23, 40), QColor(0, 0, 0));
    ExpectGrey(DarkestIn(Render(1, game), 23, 40));
    game.SideToMove = kWhite;
    EXPECT_EQ(DarkestIn(Render(1, game, "3:  E 1->D 1"), 70, 150), QColor(0, 0, 0));
    ExpectGrey(DarkestIn(Render(2, game, "4:  B 2->C 3"), 70, 150));
}

TEST(StatusLineDrawPanel, CountFollowsTheModel) {
    Tjeu game;
    const QImage twelve = Render(1, game);
    game.PlayerOf(kWhite).Pieces = 11;  // after a capture
    const QImage eleven = Render(1, game);
    EXPECT_NE(twelve.copy(23, 0, 17, twelve.height()), eleven.copy(23, 0, 17, eleven.height()));
    // The rest of the panel is unchanged.
    EXPECT_EQ(twelve.copy(40, 0, 110, twelve.height()), eleven.copy(40, 0, 110, eleven.height()));
}

TEST(StatusLineDrawPanel, EmptyTextLeavesTheTextAreaBlank) {
    Tjeu game;
    const QImage image = Render(2, game);
    EXPECT_EQ(DarkestIn(image, 72, 150), kFace);
}

TEST(StatusLineDrawPanel, KindIconIsGreyedUnlessThatSideIsToMove) {
    Tjeu game;  // Red human to move, White computer
    const QImage red = Render(2, game);
    game.SideToMove = kWhite;
    const QImage red_waiting = Render(2, game);
    EXPECT_NE(red.copy(0, 0, 22, red.height()), red_waiting.copy(0, 0, 22, red.height()));
    // A greyed icon has no saturated colour left.
    for (int x = 0; x < 22; ++x) {
        for (int y = 0; y < red_waiting.height(); ++y) {
            EXPECT_LT(red_waiting.pixelColor(x, y).hslSaturation(), 60) << x << "," << y;
        }
    }
}

TEST(StatusLine, MessagePanelFollowsTheWindowWidth) {
    EXPECT_EQ(MessagePanelWidth(668), 368);
    EXPECT_EQ(MessagePanelWidth(301), 1);
    EXPECT_EQ(MessagePanelWidth(300), 10);
    EXPECT_EQ(MessagePanelWidth(120), 10);
}

}  // namespace
}  // namespace circumvia::control
