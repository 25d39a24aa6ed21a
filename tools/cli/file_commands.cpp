// Commands over game files: every value of a file as read, the game for a person, and the
// conversion between game files and text records.
#include "tools/cli/file_commands.h"

#include <ostream>

#include "model/game_file.h"
#include "model/game_text.h"
#include "model/notation.h"
#include "tools/cli/arguments.h"
#include "tools/cli/game_input.h"
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

// Every move of the tree, a variation indented under the move it replaces, with its mark and
// comment. The null move records no mover: it was the side after the previous mover.
class TreePrinter : public TextOrderVisitor {
public:
    TreePrinter(const Tjeu& game, std::ostream& out) : game_(game), out_(out) {}
    void Move(int node, int ply, int level) override {
        const GameTree& tree = game_.Tree;
        const TreeNode& at = tree.Node(node);
        const std::string move = MoveText(at.Entry.From, at.Entry.To);
        out_ << std::string(static_cast<std::size_t>(level) * 4, ' ') << ply << ". "
             << SideName(SideOf(node)) << ' ' << (move.empty() ? "no move" : move)
             << MarkText(at.Mark);
        if (!tree.Comment(node).empty()) out_ << " {" << Printable(tree.Comment(node)) << '}';
        out_ << '\n';
    }

private:
    Side SideOf(int node) const {
        const TreeNode& at = game_.Tree.Node(node);
        if (at.Entry.IsRecorded()) return at.Entry.Mover;
        if (at.Parent == kRootNode) return FirstSide(game_);
        return Opponent(game_.Tree.Node(at.Parent).Entry.Mover);
    }
    const Tjeu& game_;
    std::ostream& out_;
};

void ShowGame(const Tjeu& game, std::ostream& out) {
    for (Side side : {kRed, kWhite}) {
        const Player& player = game.Players[side];
        out << SideName(side) << ": " << Printable(player.Name) << ", " << KindText(player.Kind)
            << ", " << player.Pieces << " pieces\n";
    }
    out << "result: " << ResultText(game.Result);
    if (game.Result == kInProgress) out << ", " << SideName(game.SideToMove) << " to move";
    out << "\nmoves: " << game.Current << '\n';
    const std::string& about = game.Tree.Comment(kRootNode);
    if (!about.empty()) out << '{' << Printable(about) << "}\n";
    TreePrinter printer(game, out);
    WalkInTextOrder(game.Tree, printer);
}

int Show(const Arguments& args, std::ostream& out, std::ostream& err) {
    ExpectCount(args, 1, "show");
    Tjeu game;
    if (const int status = ReadGameInput(args[0], game, err)) return status;
    ShowGame(game, out);
    return 0;
}

// By the names' extensions: a text record (.cvn) or a game file. A game file's stored file
// name travels in the text's File tag, so a game file converted to text and back is the same.
int Convert(const Arguments& args, std::ostream&, std::ostream& err) {
    ExpectCount(args, 2, "convert");
    Tjeu game;
    GameTextTags tags;
    if (const int status = ReadGameInput(args[0], game, err, &tags)) return status;
    const std::string& path = args[1];
    WriteResult saved;
    if (IsGameTextName(path)) {
        const std::string text = WriteGameText(game, tags);
        saved = ReplaceFileContents(
            path, std::span(reinterpret_cast<const std::uint8_t*>(text.data()), text.size()));
    } else {
        game.FileName = tags.file_name.empty() ? kNoName : tags.file_name;
        saved = SaveGameFile(game, path);
    }
    if (saved) return 0;
    err << "circumvia-cli: cannot save '" << Printable(path) << "': " << saved.error.message()
        << '\n';
    return 1;
}

constexpr Command kCommands[] = {
    {"dump", "FILE",
     "every value of a game file as read, one per line, then ok or error format (status 1); "
     "control characters in texts are escaped (\\n, \\t, \\\\, \\x1b, \\u009b)",
     Dump},
    {"show", "GAME",
     "a game file (.Cva) or game text (.cvn) for a person: players, result and the numbered "
     "moves, each variation indented under the move it replaces, with marks and {comments}; "
     "names and comments escaped as by dump",
     Show},
    {"convert", "IN OUT",
     "converts between game files and game texts by the names' extensions (.cvn a text, any "
     "other a game file); a game file converted to text and back is the same file",
     Convert},
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
