#include "model/game_storage.h"

#include <string>
#include <system_error>
#include <utility>

#include "model/game_file.h"

namespace circumvia {

namespace fs = std::filesystem;

namespace {

std::string FullPathOf(const fs::path& path) {
    std::error_code error;
    const fs::path absolute = fs::absolute(path, error);
    return (error ? path : absolute.lexically_normal()).string();
}

// A game file's first byte is the type of its first value, a control character no text
// record holds.
bool LooksLikeGameFile(const std::vector<std::uint8_t>& bytes) {
    return bytes.empty() || bytes.front() < 0x09;
}

}  // namespace

OpenedGame OpenGame(Tjeu& game, const fs::path& path) {
    const FileContents contents = ReadWholeFile(path, kMaxGameTextBytes);
    if (contents.status == ReadStatus::kCannotOpen || contents.status == ReadStatus::kReadFailed ||
        contents.status == ReadStatus::kNotRegular) {
        return {OpenOutcome::kCannotRead, {}};
    }
    Tjeu read = game;
    if (IsGameTextName(path.string()) || !LooksLikeGameFile(contents.bytes)) {
        read.ResetGame();
        const std::string_view text(reinterpret_cast<const char*>(contents.bytes.data()),
                                    contents.bytes.size());
        // A text beyond the limit reads as too large, where it stops.
        const GameTextError error =
            contents.status == ReadStatus::kTooLarge
                ? GameTextError{TextFault::kTooLarge, 1, 1, "larger than 16 MiB"}
                : ReadGameText(text, read);
        if (error) return {OpenOutcome::kTextFault, error};
        read.FileName = FullPathOf(path);
    } else {
        switch (LoadGameFile(read, path)) {
            case LoadOutcome::kLoaded:
                break;
            case LoadOutcome::kFormatError:
                return {OpenOutcome::kDamagedFile, {}};
            case LoadOutcome::kCannotRead:
                return {OpenOutcome::kCannotRead, {}};
        }
    }
    game = std::move(read);
    return {OpenOutcome::kOpened, {}};
}

WriteResult SaveGameAs(Tjeu& game, const fs::path& path, const GameTextTags& tags) {
    if (!IsGameTextName(path.string())) return SaveGameFile(game, path);
    const std::string text = WriteGameText(game, tags);
    const WriteResult result = ReplaceFileContents(
        path, std::span(reinterpret_cast<const std::uint8_t*>(text.data()), text.size()));
    if (result) game.FileName = FullPathOf(path);
    return result;
}

GameTextError PasteGameText(Tjeu& game, std::string_view text) {
    Tjeu read = game;
    read.ResetGame();
    const GameTextError error = ReadGameText(text, read);
    if (error) return error;
    read.FileName = kNoName;
    game = std::move(read);
    return error;
}

bool GameFileLosesPart(const Tjeu& game) {
    const GameTree& tree = game.Tree;
    if (tree.Size() > static_cast<int>(tree.Line().size())) return true;
    for (const int node : tree.Line()) {
        if (!tree.Comment(node).empty() || tree.Node(node).Mark != MoveMark::kNone) return true;
    }
    return false;
}

}  // namespace circumvia
