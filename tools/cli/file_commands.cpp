// Commands over game files: every value of a file as read, and the game for a person.
#include "tools/cli/file_commands.h"

#include <ostream>

#include "model/game_file.h"
#include "model/notation.h"
#include "tools/cli/arguments.h"
#include "tools/cli/printable.h"

namespace circumvia::cli {

namespace {

// Prints each value the moment LoadGame reads it, so a damaged file shows up to the
// point where it breaks. Texts are escaped, so every value stays on its own line.
class ValuePrinter : public GameFileListener {
public:
    explicit ValuePrinter(std::ostream& out) : out_(out) {}
    void Integer(std::string_view field, std::int32_t value) override {
        out_ << field << ' ' << value << '\n';
    }
    void Text(std::string_view field, std::string_view text) override {
        out_ << field << ' ' << Printable(text) << '\n';
    }
    void Entry(int index, std::string_view cells, std::int32_t mover, std::int32_t from,
               std::int32_t to) override {
        out_ << "entry " << index << ' ' << Printable(cells) << ' ' << mover << ' ' << from << ' '
             << to << '\n';
    }

private:
    std::ostream& out_;
};

int CannotRead(const std::string& path, std::ostream& err) {
    err << "circumvia-cli: cannot read '" << Printable(path) << "'\n";
    return 1;
}

int Dump(const Arguments& args, std::ostream& out, std::ostream& err) {
    ExpectCount(args, 1, "dump");
    Tjeu game;
    ValuePrinter printer(out);
    switch (LoadGameFile(game, args[0], &printer)) {
        case LoadOutcome::kLoaded:
            out << "ok\n";
            return 0;
        case LoadOutcome::kFormatError:
            out << "error format\n";
            return 1;
        case LoadOutcome::kCannotRead:
            break;
    }
    return CannotRead(args[0], err);
}

std::string_view SideName(int side) {
    return side == kRed ? "Red" : side == kWhite ? "White" : "-";
}

std::string KindText(int kind) {
    return IsComputer(kind) ? "computer level " + std::to_string(kind) : "human";
}

struct ResultName {
    int result;
    std::string_view text;
};

constexpr ResultName kResultNames[] = {
    {kInProgress, "in progress"},           {kRedWon, "Red has won"},
    {kWhiteWon, "White has won"},           {kDrawn, "drawn"},
    {kWhiteResigned, "White has resigned"}, {kRedResigned, "Red has resigned"},
};

std::string ResultText(int result) {
    for (const ResultName& name : kResultNames) {
        if (name.result == result) return std::string(name.text);
    }
    return "unknown (" + std::to_string(result) + ")";
}

// The null move records no mover: it was the side after the previous mover, or for the
// last move, the side that no longer has the move.
Side MoverOf(const Tjeu& game, int k) {
    const HistoryEntry& entry = game.History[static_cast<std::size_t>(k)];
    if (entry.IsRecorded()) return entry.Mover;
    const HistoryEntry& previous = game.History[static_cast<std::size_t>(k - 1)];
    if (previous.IsRecorded()) return Opponent(previous.Mover);
    return Opponent(game.SideToMove);
}

void ShowGame(const Tjeu& game, std::ostream& out) {
    for (Side side : {kRed, kWhite}) {
        const Player& player = game.Players[side];
        out << SideName(side) << ": " << Printable(player.Name) << ", " << KindText(player.Kind)
            << ", " << player.Pieces << " pieces\n";
    }
    out << "result: " << ResultText(game.Result);
    if (game.Result == kInProgress) out << ", " << SideName(game.SideToMove) << " to move";
    out << "\nmoves: " << game.Current << '\n';
    for (int k = 1; k <= game.Current; ++k) {
        const HistoryEntry& entry = game.History[static_cast<std::size_t>(k)];
        const std::string move = MoveText(entry.From, entry.To);
        out << k << ". " << SideName(MoverOf(game, k)) << ' ' << (move.empty() ? "no move" : move)
            << '\n';
    }
}

int Show(const Arguments& args, std::ostream& out, std::ostream& err) {
    ExpectCount(args, 1, "show");
    Tjeu game;
    switch (LoadGameFile(game, args[0])) {
        case LoadOutcome::kLoaded:
            ShowGame(game, out);
            return 0;
        case LoadOutcome::kFormatError:
            err << "circumvia-cli: '" << Printable(args[0]) << "' is not a readable game file\n";
            return 1;
        case LoadOutcome::kCannotRead:
            break;
    }
    return CannotRead(args[0], err);
}

constexpr Command kCommands[] = {
    {"dump", "FILE",
     "every value of a game file as read, one per line, then ok or error format (status 1); "
     "control characters in texts are escaped (\\n, \\t, \\\\, \\x1b, \\u009b)",
     Dump},
    {"show", "FILE",
     "a game file for a person: players, result and the numbered moves; names escaped as "
     "by dump",
     Show},
};

}  // namespace

int SaveIfAsked(Tjeu& game, const std::string& path, std::ostream& err) {
    if (path.empty()) return 0;
    const WriteResult saved = SaveGameFile(game, path);
    if (saved) return 0;
    err << "circumvia-cli: cannot save '" << Printable(path) << "': " << saved.error.message()
        << '\n';
    return 1;
}

std::span<const Command> FileCommands() {
    return kCommands;
}

}  // namespace circumvia::cli
