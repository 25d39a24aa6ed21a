// Writing the text record: the tags, then every line of the tree with its comments and marks.
#include <algorithm>
#include <cstdio>
#include <vector>

#include "game_text.h"
#include "notation.h"
#include "position_text.h"

namespace circumvia {

namespace {

constexpr std::size_t kLineWidth = 79;
constexpr int kDefaultDepth = 7;  // a new game's; any other is written

// Text inside quotes or braces: the closing character and the backslash are escaped, and
// so is every control character, so that the reader takes back exactly what was written.
std::string Escaped(std::string_view text, char closing, bool keep_line_breaks) {
    std::string out;
    out.reserve(text.size());
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == closing || c == '\\') {
            out += '\\';
            out += c;
        } else if ((byte < 0x20 || byte == 0x7F) &&
                   !(keep_line_breaks && (c == '\n' || c == '\t'))) {
            char hex[5];
            std::snprintf(hex, sizeof hex, "\\x%02X", byte);
            out += hex;
        } else {
            out += c;
        }
    }
    return out;
}

std::string SideWord(int side) {
    return side == kWhite ? "White" : "Red";
}

std::string KindWord(int kind) {
    return IsComputer(kind) ? "level " + std::to_string(kind) : "human";
}

// The result tag and, for a resignation, the ending.
struct ResultWords {
    std::string result;
    std::string ending;
};

ResultWords ResultOf(int result) {
    switch (result) {
        case kRedWon:
            return {"Red", ""};
        case kWhiteWon:
            return {"White", ""};
        case kDrawn:
            return {"Draw", ""};
        case kWhiteResigned:
            return {"Red", "resigned"};
        case kRedResigned:
            return {"White", "resigned"};
        default:
            return {"*", ""};
    }
}

int MainLineEnd(const GameTree& tree) {
    int node = kRootNode;
    while (tree.Node(node).FirstChild != kNoNode) node = tree.Node(node).FirstChild;
    return node;
}

// The result where the main line ends: the game's own when it stands there (a resignation
// is only known there), else what the rules say of that position.
int MainLineResult(const Tjeu& game) {
    const int end = MainLineEnd(game.Tree);
    if (game.CurrentNode() == end) return game.Result;
    Tjeu there = game;
    there.GoToNode(end);
    return there.Result;
}

}  // namespace

Side FirstSide(const Tjeu& game) {
    for (const int child : game.Tree.Children(kRootNode)) {
        const HistoryEntry& entry = game.Tree.Node(child).Entry;
        if (entry.IsRecorded()) return entry.Mover;
    }
    // Only a null move (or nothing) from the start: it passed the turn once.
    const bool passed = game.Current > 0 && game.Tree.Node(kRootNode).FirstChild != kNoNode;
    return passed ? Opponent(game.SideToMove) : game.SideToMove;
}

namespace {

std::string CompactCell(int cell) {
    std::string text = CellText(cell);
    text.erase(std::remove(text.begin(), text.end(), ' '), text.end());
    return text;
}

}  // namespace

std::string CompactMoveText(const GameTree& tree, int node) {
    const HistoryEntry& entry = tree.Node(node).Entry;
    if (!entry.IsRecorded()) return "--";
    const Position& before = tree.Node(tree.Node(node).Parent).Entry.Cells;
    return CompactCell(entry.From) + (before[entry.To] != kEmpty ? 'x' : '-') +
           CompactCell(entry.To);
}

void WalkInTextOrder(const GameTree& tree, TextOrderVisitor& visitor) {
    // A stack of what is left to visit, not recursion: a tree may be deep.
    enum class Task { kLine, kVariation, kClose };
    struct Pending {
        Task task;
        int node;
        int ply;
        int level;
    };
    std::vector<Pending> tasks;
    const int first = tree.Node(kRootNode).FirstChild;
    if (first != kNoNode) tasks.push_back({Task::kLine, first, 1, 0});
    std::vector<int> others;
    while (!tasks.empty()) {
        const Pending now = tasks.back();
        tasks.pop_back();
        if (now.task == Task::kClose) {
            visitor.Close();
            continue;
        }
        if (now.task == Task::kVariation) visitor.Open();
        visitor.Move(now.node, now.ply, now.level);
        const int next = tree.Node(now.node).FirstChild;
        if (next != kNoNode) tasks.push_back({Task::kLine, next, now.ply + 1, now.level});
        if (now.task == Task::kVariation) continue;
        // The moves tried instead of this one, each a level deeper, the last pushed first.
        others.clear();
        for (int s = tree.Node(now.node).NextSibling; s != kNoNode; s = tree.Node(s).NextSibling) {
            others.push_back(s);
        }
        for (auto it = others.rbegin(); it != others.rend(); ++it) {
            tasks.push_back({Task::kClose, *it, now.ply, now.level + 1});
            tasks.push_back({Task::kVariation, *it, now.ply, now.level + 1});
        }
    }
}

namespace {

// Words joined by blanks into lines of at most kLineWidth (a longer word stands alone).
class WordWriter {
public:
    explicit WordWriter(std::string& out) : out_(out) {}
    void Word(const std::string& word) {
        if (column_ > 0 && column_ + 1 + word.size() > kLineWidth) {
            out_ += '\n';
            column_ = 0;
        } else if (column_ > 0) {
            out_ += ' ';
            ++column_;
        }
        out_ += word;
        const std::size_t line_break = word.rfind('\n');
        column_ =
            line_break == std::string::npos ? column_ + word.size() : word.size() - line_break - 1;
    }
    // Joined to the previous word without a blank.
    void Attach(const std::string& word) {
        out_ += word;
        column_ += word.size();
    }
    void End() {
        if (column_ > 0) out_ += '\n';
    }

private:
    std::string& out_;
    std::size_t column_ = 0;
};

class MoveWriter : public TextOrderVisitor {
public:
    MoveWriter(const GameTree& tree, std::string& out) : tree_(tree), words_(out) {}

    void WriteAll() {
        if (!tree_.Comment(kRootNode).empty()) Comment(kRootNode);
        WalkInTextOrder(tree_, *this);
        words_.End();
    }

    void Open() override {
        opens_ = true;
        need_number_ = true;
    }
    void Close() override {
        words_.Attach(")");
        need_number_ = true;
    }
    void Move(int node, int ply, int) override {
        const TreeNode& at = tree_.Node(node);
        std::string word;
        if (opens_) word += '(';
        opens_ = false;
        if (ply % 2 == 1) {
            word += std::to_string((ply + 1) / 2) + ". ";
        } else if (need_number_) {
            word += std::to_string(ply / 2) + "... ";
        }
        word += CompactMoveText(tree_, node);
        word += MarkText(at.Mark);
        words_.Word(word);
        need_number_ = false;
        if (!tree_.Comment(node).empty()) Comment(node);
    }

private:
    void Comment(int node) {
        std::string word(1, '{');
        word += Escaped(tree_.Comment(node), '}', true);
        word += '}';
        words_.Word(word);
        need_number_ = true;
    }

    const GameTree& tree_;
    WordWriter words_;
    bool opens_ = false;  // "(" goes before the next move, the first of a variation
    bool need_number_ = true;
};

void Tag(std::string& out, std::string_view name, std::string_view value) {
    out += '[';
    out += name;
    out += " \"";
    out += Escaped(value, '"', false);
    out += "\"]\n";
}

}  // namespace

std::string WriteGameText(const Tjeu& game, const GameTextTags& tags) {
    std::string out;
    Tag(out, "Red", game.Players[kRed].Name);
    Tag(out, "White", game.Players[kWhite].Name);
    Tag(out, "RedKind", KindWord(game.Players[kRed].Kind));
    Tag(out, "WhiteKind", KindWord(game.Players[kWhite].Kind));
    Tag(out, "First", SideWord(FirstSide(game)));
    const ResultWords result = ResultOf(MainLineResult(game));
    Tag(out, "Result", result.result);
    Tag(out, "Date", tags.date.empty() ? "????.??.??" : tags.date);
    if (!result.ending.empty()) Tag(out, "Ending", result.ending);
    const Position& start = game.Tree.Node(kRootNode).Entry.Cells;
    if (start != Position::Start()) Tag(out, "Setup", PositionText(start));
    if (game.Depth != kDefaultDepth) Tag(out, "Depth", std::to_string(game.Depth));
    if (!tags.file_name.empty() && tags.file_name != kNoName) Tag(out, "File", tags.file_name);
    out += '\n';
    MoveWriter(game.Tree, out).WriteAll();
    return out;
}

bool IsGameTextName(std::string_view file_name) {
    if (file_name.size() < 4) return false;
    std::string extension(file_name.substr(file_name.size() - 4));
    for (char& c : extension) c = static_cast<char>(c | 0x20);
    return extension == ".cvn";
}

}  // namespace circumvia
