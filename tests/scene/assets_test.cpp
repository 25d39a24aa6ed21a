// The compiled-in pictures and sample: their formats and their character.
#include <gtest/gtest.h>

#include <QFile>
#include <QImage>
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>

#include "assets/asset_paths.h"
#include "scene/board/board_resources.h"

namespace circumvia::scene {
namespace {

QByteArray ReadResource(const char* path) {
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path;
    return file.readAll();
}

std::uint32_t U32(const QByteArray& bytes, int at) {
    std::uint32_t value = 0;
    for (int i = 3; i >= 0; --i) value = value << 8 | static_cast<std::uint8_t>(bytes[at + i]);
    return value;
}
std::uint16_t U16(const QByteArray& bytes, int at) {
    return static_cast<std::uint16_t>(static_cast<std::uint8_t>(bytes[at]) |
                                      static_cast<std::uint8_t>(bytes[at + 1]) << 8);
}

TEST(WoodPictures, Are96By96PaletteBitmapsStoredRunLengthCompressed) {
    for (const char* path : {assets::kDarkWoodPicture, assets::kLightWoodPicture}) {
        const QByteArray bytes = ReadResource(path);
        ASSERT_GT(bytes.size(), 54) << path;
        EXPECT_EQ(bytes.left(2), "BM");
        EXPECT_EQ(U16(bytes, 28), 8) << "bits per pixel";
        EXPECT_EQ(U32(bytes, 30), 1u) << "BI_RLE8";
        const QImage image(path);
        EXPECT_EQ(image.size(), QSize(96, 96));
        EXPECT_EQ(image.format(), QImage::Format_Indexed8);
        EXPECT_EQ(image.colorCount(), 256);
    }
}

struct PictureTraits {
    double red = 0, green = 0, blue = 0;
    double along_rows = 0;   // mean change between horizontal neighbours
    double across_rows = 0;  // mean change between vertical neighbours
};

PictureTraits Traits(const char* path) {
    const QImage image = QImage(path).convertToFormat(QImage::Format_RGB32);
    PictureTraits t;
    const int n = image.width() * image.height();
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QColor c = image.pixelColor(x, y);
            t.red += c.red() / double(n);
            t.green += c.green() / double(n);
            t.blue += c.blue() / double(n);
            const int here = c.lightness();
            t.along_rows +=
                std::abs(image.pixelColor((x + 1) % 96, y).lightness() - here) / double(n);
            t.across_rows +=
                std::abs(image.pixelColor(x, (y + 1) % 96).lightness() - here) / double(n);
        }
    }
    return t;
}

TEST(WoodPictures, SlabWoodIsDarkReddishBrownWithHorizontalGrain) {
    const PictureTraits t = Traits(assets::kDarkWoodPicture);
    EXPECT_GT(t.red, t.green * 1.5);
    EXPECT_GT(t.green, t.blue);
    EXPECT_LT((t.red + t.green + t.blue) / 3, 90);
    EXPECT_LT(t.along_rows * 1.5, t.across_rows);
}

TEST(WoodPictures, TopPlateWoodIsLightYellowWithHorizontalGrain) {
    const PictureTraits t = Traits(assets::kLightWoodPicture);
    EXPECT_GT((t.red + t.green + t.blue) / 3, 170);
    EXPECT_GT(t.red, t.blue + 40);
    EXPECT_GT(t.green, t.blue + 30);
    EXPECT_LT(t.along_rows * 1.5, t.across_rows);
}

TEST(WoodPictures, DecodeIntoScenePictures) {
    const BoardPictures pictures = LoadBoardPictures();
    ASSERT_TRUE(pictures.dark_wood && pictures.light_wood);
    EXPECT_EQ(pictures.dark_wood->width, 96);
    EXPECT_EQ(pictures.light_wood->rgba.size(), 96u * 96u * 4u);
    EXPECT_EQ(LoadPicture(":/no/such/picture.bmp")->width, 0);
}

TEST(ClickSample, IsMonoSixteenBitPcmAt22050HzWith1258Samples) {
    const QByteArray wav = ReadResource(assets::kClickSound);
    ASSERT_EQ(wav.size(), 2572);
    EXPECT_EQ(wav.left(4), "RIFF");
    EXPECT_EQ(U32(wav, 4), 2564u);
    EXPECT_EQ(wav.mid(8, 8), "WAVEfmt ");
    EXPECT_EQ(U16(wav, 20), 1) << "PCM";
    EXPECT_EQ(U16(wav, 22), 1) << "channels";
    EXPECT_EQ(U32(wav, 24), 22050u);
    EXPECT_EQ(U16(wav, 34), 16) << "bits";
    const int data = wav.indexOf("data");
    ASSERT_GT(data, 0);
    EXPECT_EQ(U32(wav, data + 4), 2516u);
    EXPECT_EQ(data + 8 + 2516, wav.size());
}

// Loudest sample between two times, in milliseconds.
int Peak(const QByteArray& wav, double from_ms, double to_ms) {
    const int data = wav.indexOf("data") + 8;
    int peak = 0;
    for (int i = int(from_ms * 22.05); i < std::min(1258, int(to_ms * 22.05)); ++i) {
        peak = std::max(peak, std::abs(static_cast<std::int16_t>(U16(wav, data + 2 * i))));
    }
    return peak;
}

TEST(ClickSample, IsASharpKnockFollowedByAWeakerOne30msLater) {
    const QByteArray wav = ReadResource(assets::kClickSound);
    const int first = Peak(wav, 0, 5);
    const int gap = Peak(wav, 20, 27);
    const int second = Peak(wav, 29, 36);
    EXPECT_GT(first, 16000);
    EXPECT_LT(second, first);
    EXPECT_GT(second, 2 * gap);
    EXPECT_LT(Peak(wav, 56, 57.1), 200);  // it ends on silence
}

}  // namespace
}  // namespace circumvia::scene
