// Feeds arbitrary bytes to LoadGame. Besides the sanitizers' checks it stops on a model
// left unsound by a failed load, and on a loaded game that does not save and load back
// to the very same file.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <span>

#include "model/game_file.h"

namespace {

using circumvia::Tjeu;

void Require(bool condition, const char* what) {
    if (condition) return;
    std::fprintf(stderr, "game_file_fuzzer: %s\n", what);
    std::abort();
}

void CheckSound(const Tjeu& game) {
    Require(game.Current >= 0, "negative Current");
    Require(game.History.size() >= static_cast<std::size_t>(game.Current) + 2,
            "Current beyond the record");
    Require(game.SideToMove == circumvia::kRed || game.SideToMove == circumvia::kWhite,
            "side to move is not a side");
    for (std::size_t k = 0; k < game.History.size(); ++k) {
        const circumvia::HistoryEntry& entry = game.History[k];
        Require(entry.Mover <= circumvia::kWhite && entry.From <= circumvia::kCellCount &&
                    entry.To <= circumvia::kCellCount,
                "entry out of range");
    }
}

// Like the program, one model for the whole run, reset before every load (a model is
// costly to create: it holds the search's tables).
Tjeu& ResetModel(Tjeu& game) {
    game.Players[circumvia::kRed].Name = circumvia::kDefaultRedName;
    game.Players[circumvia::kWhite].Name = circumvia::kDefaultWhiteName;
    game.ResetGame();
    return game;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static Tjeu game;
    static Tjeu again;
    circumvia::ValueReader reader(std::span<const std::uint8_t>(data, size));
    const bool loaded = circumvia::LoadGame(ResetModel(game), reader);
    CheckSound(game);
    if (!loaded) return 0;

    const std::vector<std::uint8_t> saved = circumvia::GameFileBytes(game);
    circumvia::ValueReader saved_reader(saved);
    Require(circumvia::LoadGame(ResetModel(again), saved_reader), "a saved game does not load");
    Require(circumvia::GameFileBytes(again) == saved, "a saved game does not load the same");
    return 0;
}
