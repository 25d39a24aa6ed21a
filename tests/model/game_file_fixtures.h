#pragma once
// Games and files for the game-file tests.

#include <gtest/gtest.h>
#include <unistd.h>

#include <atomic>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "model/game_file.h"
#include "model/movegen.h"
#include "model/tjeu.h"

namespace circumvia::testing {

using Bytes = std::vector<std::uint8_t>;

inline Bytes BytesOf(std::string_view text) {
    return Bytes(text.begin(), text.end());
}

inline Bytes Concat(std::initializer_list<Bytes> parts) {
    Bytes all;
    for (const Bytes& part : parts) all.insert(all.end(), part.begin(), part.end());
    return all;
}

// A game of `moves` legal moves from the start, always the first capture when there is
// one (so pieces disappear) and otherwise a move picked by the move number. The record
// is written through GameRecord as the game model does. Stops early if a side has no move.
inline Tjeu PlayedGame(int moves) {
    Tjeu game;
    game.Players[kRed].Name = "Rouge";
    game.Players[kWhite].Name = "Blanc";
    for (int k = 1; k <= moves; ++k) {
        const Tlcoup legal = ListAllMoves(game.Pos, game.SideToMove);
        if (legal.empty()) break;
        Move move = legal[static_cast<std::size_t>(k * 7) % legal.size()];
        for (const Move& m : legal) {
            if (game.Pos[m.To] != kEmpty) {
                move = m;
                break;
            }
        }
        const auto mover = static_cast<std::uint8_t>(game.SideToMove);
        ApplyMoveTo(game.Pos, move);
        game.Current = k;
        while (game.History.size() <= static_cast<std::size_t>(k) + 1) game.History.Grow();
        game.History.Set(static_cast<std::size_t>(k),
                         HistoryEntry{game.Pos, mover, move.From, move.To});
        game.SideToMove = Opponent(game.SideToMove);
        game.Players[kRed].Pieces = game.Pos.Count(kRed);
        game.Players[kWhite].Pieces = game.Pos.Count(kWhite);
    }
    return game;
}

// A record of `moves` entries that need not follow the rules: every entry differs, so
// a lost or shifted entry shows.
inline Tjeu LongRecord(int moves) {
    Tjeu game;
    for (int k = 1; k <= moves; ++k) {
        Position cells;
        for (int cell = 1; cell <= kCellCount; ++cell)
            cells[cell] = static_cast<std::uint8_t>((cell * 7 + k * 13) % 3);
        while (game.History.size() <= static_cast<std::size_t>(k) + 1) game.History.Grow();
        game.History.Set(static_cast<std::size_t>(k),
                         HistoryEntry{cells, static_cast<std::uint8_t>(k % 2 ? kRed : kWhite),
                                      static_cast<std::uint8_t>(k % 36 + 1),
                                      static_cast<std::uint8_t>((k * 5) % 36 + 1)});
        game.Pos = cells;
        game.Current = k;
    }
    game.SideToMove = moves % 2 ? kWhite : kRed;
    return game;
}

// Every value LoadGame reports, one line each, as `dump` prints them.
class ValueLog : public GameFileListener {
public:
    void Integer(std::string_view field, std::int32_t value) override {
        lines.push_back(std::string(field) + ' ' + std::to_string(value));
    }
    void Text(std::string_view field, std::string_view text) override {
        lines.push_back(std::string(field) + ' ' + std::string(text));
    }
    void Entry(int index, std::string_view cells, std::int32_t mover, std::int32_t from,
               std::int32_t to) override {
        lines.push_back("entry " + std::to_string(index) + ' ' + std::string(cells) + ' ' +
                        std::to_string(mover) + ' ' + std::to_string(from) + ' ' +
                        std::to_string(to));
    }
    std::vector<std::string> lines;
};

inline bool Load(Tjeu& game, const Bytes& bytes, GameFileListener* listener = nullptr) {
    ValueReader reader(bytes);
    return LoadGame(game, reader, listener);
}

// What must hold after any load, whatever the file: Current names an entry of the
// record and there is room after it, and the side to move is a side.
inline ::testing::AssertionResult ModelIsSound(const Tjeu& game) {
    if (game.Current < 0) return ::testing::AssertionFailure() << "Current " << game.Current;
    if (game.History.size() < static_cast<std::size_t>(game.Current) + 2) {
        return ::testing::AssertionFailure()
               << "Current " << game.Current << " with " << game.History.size() << " entries";
    }
    if (game.SideToMove != kRed && game.SideToMove != kWhite) {
        return ::testing::AssertionFailure() << "side " << game.SideToMove;
    }
    for (std::size_t k = 0; k < game.History.size(); ++k) {
        const HistoryEntry& entry = game.History[k];
        if (entry.Mover > kWhite || entry.From > kCellCount || entry.To > kCellCount) {
            return ::testing::AssertionFailure() << "entry " << k;
        }
    }
    return ::testing::AssertionSuccess();
}

// A fresh folder under the system's temporary folder, removed with everything in it.
class ScratchFolder {
public:
    ScratchFolder() {
        static std::atomic<int> counter{0};
        path_ = std::filesystem::temp_directory_path() /
                ("circumvia-test-" + std::to_string(::getpid()) + "-" + std::to_string(counter++));
        std::filesystem::remove_all(path_);
        std::filesystem::create_directories(path_);
    }
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;
    ~ScratchFolder() {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    const std::filesystem::path& path() const { return path_; }
    std::filesystem::path operator/(std::string_view name) const { return path_ / name; }

private:
    std::filesystem::path path_;
};

inline Bytes FileBytes(const std::filesystem::path& path) {
    std::ifstream file(path, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

inline void WriteFile(const std::filesystem::path& path, const Bytes& bytes) {
    std::ofstream file(path, std::ios::binary);
    file.write(reinterpret_cast<const char*>(bytes.data()),
               static_cast<std::streamsize>(bytes.size()));
}

}  // namespace circumvia::testing
