// Feeds arbitrary bytes to ReadGameText. Besides the sanitizers' checks it stops when a
// refused text changed the game it was given, and when a text that reads does not write and
// read back to the same tree and the same text.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include "model/game_file.h"
#include "model/game_text.h"

namespace {

using circumvia::Tjeu;

void Require(bool condition, const char* what) {
    if (condition) return;
    std::fprintf(stderr, "game_text_fuzzer: %s\n", what);
    std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    // One model for the whole run, as in the program (a model is costly to create): what
    // the last text left in it is the game a refusal must keep.
    static Tjeu game;
    static Tjeu again;
    const std::vector<std::uint8_t> before = circumvia::GameFileBytes(game);
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    if (circumvia::ReadGameText(text, game)) {
        Require(circumvia::GameFileBytes(game) == before, "a refused text changed the game");
        return 0;
    }
    const std::string written = circumvia::WriteGameText(game);
    Require(!circumvia::ReadGameText(written, again), "a written text does not read");
    Require(circumvia::SameTree(again.Tree, game.Tree), "a written text reads another tree");
    Require(circumvia::WriteGameText(again) == written, "a written text writes otherwise");
    Require(circumvia::GameFileBytes(again) == circumvia::GameFileBytes(game),
            "a written text reads another game");
    return 0;
}
