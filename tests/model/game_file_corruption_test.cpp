// Damaged game files: whatever the bytes, loading ends with success or a format error,
// the model stays sound, and what was read before the damage is what the file said.
#include <gtest/gtest.h>

#include <random>

#include "model/game_file.h"
#include "tests/model/game_file_fixtures.h"

namespace circumvia {
namespace {

using testing::Bytes;
using testing::Load;
using testing::ModelIsSound;
using testing::ValueLog;

class DamagedFile : public ::testing::Test {
protected:
    void SetUp() override {
        Tjeu game = testing::PlayedGame(24);
        game.Players[kRed].Name = "Ren\u00e9e";  // one type-20 value among them
        original_ = GameFileBytes(game);
        Tjeu loaded;
        ASSERT_TRUE(Load(loaded, original_, &original_values_));
    }

    Bytes original_;
    ValueLog original_values_;
};

TEST_F(DamagedFile, EveryTruncationIsAFormatErrorKeepingTheValuesBeforeIt) {
    for (std::size_t length = 0; length < original_.size(); ++length) {
        const Bytes cut(original_.begin(), original_.begin() + static_cast<long>(length));
        Tjeu game;
        ValueLog values;
        EXPECT_FALSE(Load(game, cut, &values)) << length;
        EXPECT_TRUE(ModelIsSound(game)) << length;
        ASSERT_LT(values.lines.size(), original_values_.lines.size()) << length;
        EXPECT_TRUE(
            std::equal(values.lines.begin(), values.lines.end(), original_values_.lines.begin()))
            << length;
    }
}

TEST_F(DamagedFile, ByteFlipsNeverBreakTheModelAndLoadedGamesRoundTrip) {
    std::mt19937 random(20240611);
    std::uniform_int_distribution<std::size_t> offset(0, original_.size() - 1);
    std::uniform_int_distribution<int> mask(1, 255);
    int loaded_count = 0;
    for (int trial = 0; trial < 4000; ++trial) {
        Bytes damaged = original_;
        const std::size_t at = offset(random);
        damaged[at] ^= static_cast<std::uint8_t>(mask(random));
        Tjeu game;
        const bool loaded = Load(game, damaged);
        ASSERT_TRUE(ModelIsSound(game)) << "byte " << at;
        if (!loaded) continue;
        ++loaded_count;
        // What loads saves again, and that file loads to the same game.
        const Bytes saved = GameFileBytes(game);
        Tjeu again;
        ASSERT_TRUE(Load(again, saved)) << "byte " << at;
        EXPECT_EQ(GameFileBytes(again), saved) << "byte " << at;
    }
    // Most flips inside position texts and counts still give a readable game.
    EXPECT_GT(loaded_count, 1000);
}

TEST(HostileFile, HugeOrNegativeCountsEndTheReadWithoutAllocating) {
    const Bytes bytes = GameFileBytes(Tjeu{});
    // current, 02 00 at offset 52, becomes 04 and 5,000,000
    const Bytes huge = {0x04, 0x40, 0x4B, 0x4C, 0x00};
    Bytes millions = bytes;
    millions.erase(millions.begin() + 52, millions.begin() + 54);
    millions.insert(millions.begin() + 52, huge.begin(), huge.end());
    Tjeu loaded;
    ValueLog values;
    EXPECT_FALSE(Load(loaded, millions, &values));
    EXPECT_TRUE(ModelIsSound(loaded));
    EXPECT_EQ(loaded.Current, 0);
    EXPECT_EQ(loaded.History.size(), 100u);
    EXPECT_EQ(values.lines.back().substr(0, 8), "entry 0 ");
    EXPECT_EQ(loaded.Players[kWhite].Kind, 3);  // the players before the record were read

    Bytes negative = bytes;
    negative[53] = 0xFF;  // current -1
    EXPECT_FALSE(Load(loaded, negative));
    EXPECT_EQ(loaded.Current, 0);
    EXPECT_TRUE(ModelIsSound(loaded));
}

TEST(HostileFile, ValuesOutsideTheirRangeAreFormatErrors) {
    const Bytes good = GameFileBytes(testing::PlayedGame(2));
    const std::size_t last_entry = good.size() - 44;
    const struct {
        std::size_t offset;
        std::uint8_t value;
        const char* what;
    } damage[] = {
        {11, 0x00, "side 0"},
        {11, 0x03, "side 3"},
        {last_entry + 39, 0x03, "mover 3"},
        {last_entry + 41, 37, "from 37"},
        {last_entry + 43, 0xFF, "to 255"},
        {last_entry + 1, 35, "entry text of 35 characters"},
    };
    for (const auto& d : damage) {
        Bytes bytes = good;
        bytes[d.offset] = d.value;
        Tjeu loaded;
        EXPECT_FALSE(Load(loaded, bytes)) << d.what;
        EXPECT_TRUE(ModelIsSound(loaded)) << d.what;
    }
}

}  // namespace
}  // namespace circumvia
