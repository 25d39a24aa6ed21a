#include "tools/cli/game_input.h"

#include <cstdint>
#include <ostream>

#include "model/file_io.h"
#include "model/game_file.h"
#include "tools/cli/printable.h"

namespace circumvia::cli {

namespace {

// Keeps the file name a game file stored: a conversion writes it back.
class StoredName : public GameFileListener {
public:
    void Integer(std::string_view, std::int32_t) override {}
    void Text(std::string_view field, std::string_view text) override {
        if (field == "filename") name = text;
    }
    void Entry(int, std::string_view, std::int32_t, std::int32_t, std::int32_t) override {}
    std::string name;
};

int CannotRead(const std::string& path, std::ostream& err) {
    err << "circumvia-cli: cannot read '" << Printable(path) << "'\n";
    return 1;
}

int ReadText(const std::string& path, Tjeu& game, std::ostream& err, GameTextTags* tags) {
    const FileContents contents = ReadWholeFile(path, kMaxGameTextBytes);
    if (contents.status == ReadStatus::kTooLarge || contents.status == ReadStatus::kNotRegular) {
        err << "circumvia-cli: '" << Printable(path) << "' is not a game text"
            << (contents.status == ReadStatus::kTooLarge ? " (larger than 16 MiB)" : "") << '\n';
        return 1;
    }
    if (contents.status != ReadStatus::kOk) return CannotRead(path, err);
    const std::string_view text(reinterpret_cast<const char*>(contents.bytes.data()),
                                contents.bytes.size());
    const GameTextError error = ReadGameText(text, game, tags);
    if (!error) return 0;
    err << "circumvia-cli: " << Printable(path) << ':' << error.line << ':' << error.column << ": "
        << error.what << '\n';
    return 1;
}

}  // namespace

int ReadGameInput(const std::string& path, Tjeu& game, std::ostream& err, GameTextTags* tags) {
    if (IsGameTextName(path)) return ReadText(path, game, err, tags);
    StoredName stored;
    switch (LoadGameFile(game, path, &stored)) {
        case LoadOutcome::kLoaded:
            if (tags) *tags = GameTextTags{"", stored.name};
            return 0;
        case LoadOutcome::kFormatError:
            err << "circumvia-cli: '" << Printable(path) << "' is not a readable game file\n";
            return 1;
        case LoadOutcome::kCannotRead:
            break;
    }
    return CannotRead(path, err);
}

}  // namespace circumvia::cli
