// Reading the text record strictly: every character checked, every move played from its
// position, and any fault told with its line and column. Nothing recursive: variations are
// a stack of levels, so the text's nesting costs memory in proportion to its length only.
#include <algorithm>
#include <array>
#include <cctype>
#include <optional>
#include <set>
#include <string>
#include <unordered_map>
#include <utility>
#include <vector>

#include "game_text.h"
#include "movegen.h"
#include "position_key.h"
#include "position_text.h"

namespace circumvia {

namespace {

// Where the reader stands: a byte offset and what a person counts (characters from 1).
struct Place {
    std::size_t at = 0;
    int line = 1;
    int column = 1;
};

bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\r';
}

// The length of the valid UTF-8 sequence at `at`, or 0.
std::size_t SequenceLength(std::string_view text, std::size_t at) {
    const auto byte = [&](std::size_t k) { return static_cast<unsigned char>(text[at + k]); };
    const unsigned char lead = byte(0);
    if (lead < 0x80) return 1;
    std::size_t length = 0;
    char32_t code = 0;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
        code = lead & 0x1F;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        code = lead & 0x0F;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        code = lead & 0x07;
    } else {
        return 0;
    }
    if (at + length > text.size()) return 0;
    for (std::size_t k = 1; k < length; ++k) {
        if ((byte(k) & 0xC0) != 0x80) return 0;
        code = (code << 6) | (byte(k) & 0x3F);
    }
    const bool overlong = (length == 3 && code < 0x800) || (length == 4 && code < 0x10000);
    const bool surrogate = code >= 0xD800 && code <= 0xDFFF;
    if (overlong || surrogate || code > 0x10FFFF) return 0;
    return length;
}

int MarkFrom(const std::string& run) {
    const auto mark = MarkFromText(run);
    return mark ? static_cast<int>(*mark) : -1;
}

std::string SideWord(Side side) {
    return side == kWhite ? "White" : "Red";
}

// What the reader keeps per node of the tree it builds.
struct NodeFacts {
    int depth = 0;
    int earlier = 0;  // the node's board among its ancestors' boards
};

// A level of variations: the line being read at that depth of parentheses.
struct Level {
    int last = kNoNode;    // the last move read at this level
    std::size_t base = 0;  // the path's length when the level opened
    Place open;            // its "("
};

class Reader {
public:
    Reader(std::string_view text, const GameTextLimits& limits) : text_(text), limits_(limits) {}

    GameTextError Read(Tjeu& game, GameTextTags* tags) {
        if (text_.size() > limits_.max_bytes) {
            Fail(TextFault::kTooLarge, Place{},
                 "longer than " + std::to_string(limits_.max_bytes) + " bytes");
            return error_;
        }
        if (!CheckCharacters()) return error_;
        if (text_.substr(0, 3) == "\xEF\xBB\xBF") place_.at = 3;  // a byte order mark
        if (!ReadTags() || !ReadMoves() || !CheckResult()) return error_;
        Apply(game);
        if (tags) *tags = std::move(tags_);
        return error_;
    }

private:
    // --- Characters ---

    bool AtEnd() const { return place_.at >= text_.size(); }
    char Peek(std::size_t ahead = 0) const {
        return place_.at + ahead < text_.size() ? text_[place_.at + ahead] : '\0';
    }
    void Advance(std::size_t bytes = 1) {
        for (std::size_t k = 0; k < bytes && !AtEnd(); ++k) {
            const char c = text_[place_.at++];
            if (c == '\n') {
                ++place_.line;
                place_.column = 1;
            } else if ((static_cast<unsigned char>(c) & 0xC0) != 0x80) {
                ++place_.column;
            }
        }
    }
    void SkipBlanks() {
        while (!AtEnd() && IsBlank(Peek())) Advance();
    }

    bool Fail(TextFault fault, const Place& where, std::string what) {
        error_ = GameTextError{fault, where.line, where.column, std::move(what)};
        return false;
    }
    bool Unreadable(const Place& where, std::string what) {
        return Fail(TextFault::kUnreadable, where, std::move(what));
    }

    // Before anything is read: valid UTF-8, no NUL and no control character but blanks.
    bool CheckCharacters() {
        Place scan;
        while (scan.at < text_.size()) {
            const auto byte = static_cast<unsigned char>(text_[scan.at]);
            const std::size_t length = SequenceLength(text_, scan.at);
            if (length == 0) return Unreadable(scan, "not UTF-8");
            if (byte == 0) return Unreadable(scan, "a NUL byte");
            if ((byte < 0x20 || byte == 0x7F) && !IsBlank(static_cast<char>(byte))) {
                return Unreadable(scan, "a control character");
            }
            if (byte == '\n') {
                ++scan.line;
                scan.column = 1;
            } else {
                ++scan.column;
            }
            scan.at += length;
        }
        return true;
    }

    // The text up to `closing`, with \\, \<closing> and \xHH (HH below 80) taken back.
    std::optional<std::string> Quoted(char closing, bool line_breaks, const Place& start,
                                      const char* what) {
        std::string value;
        while (true) {
            if (AtEnd()) {
                Unreadable(start, std::string(what) + " is not closed");
                return std::nullopt;
            }
            const char c = Peek();
            if (c == closing) {
                Advance();
                return value;
            }
            if (!line_breaks && (c == '\n' || c == '\r')) {
                Unreadable(place_, std::string(what) + " ends on its line");
                return std::nullopt;
            }
            if (c != '\\') {
                value += c;
                Advance();
                continue;
            }
            const Place escape = place_;
            const char next = Peek(1);
            if (next == '\\' || next == closing) {
                value += next;
                Advance(2);
                continue;
            }
            const auto hex = [](char h) {
                return h >= '0' && h <= '9'                     ? h - '0'
                       : (h | 0x20) >= 'a' && (h | 0x20) <= 'f' ? (h | 0x20) - 'a' + 10
                                                                : -1;
            };
            if (next == 'x' && hex(Peek(2)) >= 0 && hex(Peek(2)) < 8 && hex(Peek(3)) >= 0) {
                value += static_cast<char>(hex(Peek(2)) * 16 + hex(Peek(3)));
                Advance(4);
                continue;
            }
            Unreadable(escape, "an unknown escape");
            return std::nullopt;
        }
    }

    // --- Tags ---

    bool ReadTags() {
        while (true) {
            SkipBlanks();
            if (Peek() != '[') return StartMoves();
            const Place start = place_;
            Advance();
            std::string name;
            while (std::isalnum(static_cast<unsigned char>(Peek())) || Peek() == '_') {
                name += Peek();
                Advance();
            }
            if (name.empty()) return Unreadable(place_, "a tag without a name");
            if (Peek() != ' ' && Peek() != '\t') return Unreadable(place_, "a tag's name");
            while (Peek() == ' ' || Peek() == '\t') Advance();
            if (Peek() != '"') return Unreadable(place_, "a tag's value is not quoted");
            const Place value_place = place_;
            Advance();
            const auto value = Quoted('"', false, value_place, "a tag's value");
            if (!value) return false;
            while (Peek() == ' ' || Peek() == '\t') Advance();
            if (Peek() != ']') return Unreadable(place_, "a tag is not closed by ]");
            Advance();
            if (!seen_.insert(name).second) return Unreadable(start, "a second " + name + " tag");
            if (!TakeTag(name, *value, value_place)) return false;
        }
    }

    std::optional<int> KindFrom(const std::string& value) const {
        if (value == "human") return kHuman;
        if (value.size() == 7 && value.starts_with("level ") && value[6] >= '1' &&
            value[6] <= '0' + kMaxLevel) {
            return value[6] - '0';
        }
        return std::nullopt;
    }

    bool TakeTag(const std::string& name, const std::string& value, const Place& where) {
        if (name == "Red" || name == "White") {
            names_[name == "Red" ? kRed : kWhite] = value;
        } else if (name == "RedKind" || name == "WhiteKind") {
            const auto kind = KindFrom(value);
            if (!kind) return Unreadable(where, "a player is \"human\" or \"level 1\" to 6");
            kinds_[name == "RedKind" ? kRed : kWhite] = *kind;
        } else if (name == "First") {
            if (value != "Red" && value != "White") return Unreadable(where, "Red or White");
            first_ = value == "Red" ? kRed : kWhite;
        } else if (name == "Result") {
            if (value != "Red" && value != "White" && value != "Draw" && value != "*") {
                return Unreadable(where, "a result is Red, White, Draw or *");
            }
            result_word_ = value;
            result_place_ = where;
        } else if (name == "Ending") {
            if (value != "resigned") return Unreadable(where, "the only ending is \"resigned\"");
            resigned_ = true;
        } else if (name == "Setup") {
            const auto start = ParsePositionText(value);
            if (!start) return Unreadable(where, "a board of 36 characters R, B and _");
            start_ = *start;
        } else if (name == "Depth") {
            if (value.size() != 1 || value[0] < '0' || value[0] > '0' + kDeepestSearch) {
                return Unreadable(where, "a depth from 0 to " + std::to_string(kDeepestSearch));
            }
            depth_ = value[0] - '0';
        } else if (name == "Date") {
            tags_.date = value;
        } else if (name == "File") {
            tags_.file_name = value;
        }
        // Any other tag is allowed and not kept.
        return true;
    }

    // --- Moves ---

    bool StartMoves() {
        tree_.Reset(HistoryEntry{start_, 0, 0, 0});
        facts_.assign(1, NodeFacts{});
        Push(kRootNode);
        levels_.push_back(Level{});
        return true;
    }

    void Push(int node) {
        ++counts_[KeyOf(tree_.Node(node).Entry.Cells)];
        path_.push_back(node);
    }
    void Pop() {
        --counts_[KeyOf(tree_.Node(path_.back()).Entry.Cells)];
        path_.pop_back();
    }

    bool ReadMoves() {
        while (true) {
            SkipBlanks();
            if (AtEnd()) break;
            const char c = Peek();
            const Place start = place_;
            bool ok = true;
            if (c == '[') {
                ok = Unreadable(start, "a tag after the moves");
            } else if (c == '{') {
                ok = ReadComment();
            } else if (c == '(') {
                ok = OpenVariation();
            } else if (c == ')') {
                ok = CloseVariation();
            } else if (c >= '0' && c <= '9') {
                while (Peek() >= '0' && Peek() <= '9') Advance();
                if (Peek() != '.') return Unreadable(start, "a move number ends with a dot");
                while (Peek() == '.') Advance();
            } else if (std::isalpha(static_cast<unsigned char>(c)) || c == '-') {
                ok = ReadMove();
            } else {
                ok = Unreadable(start, "not a move");
            }
            if (!ok) return false;
        }
        if (levels_.size() > 1) return Unreadable(levels_.back().open, "a variation is not closed");
        return true;
    }

    bool ReadComment() {
        const Place start = place_;
        Advance();
        auto comment = Quoted('}', true, start, "a comment");
        if (!comment) return false;
        const Level& level = levels_.back();
        int node = level.last;
        if (node == kNoNode) {
            if (levels_.size() > 1) return Unreadable(start, "a comment follows a move");
            node = kRootNode;
        }
        if (!tree_.Comment(node).empty()) return Unreadable(start, "a second comment");
        tree_.SetComment(node, std::move(*comment));
        return true;
    }

    bool OpenVariation() {
        const Place start = place_;
        Advance();
        if (levels_.back().last == kNoNode) {
            return Unreadable(start, "a variation follows the move it replaces");
        }
        Pop();  // back to the position before that move
        levels_.push_back(Level{kNoNode, path_.size(), start});
        return true;
    }

    bool CloseVariation() {
        const Place start = place_;
        Advance();
        if (levels_.size() == 1) return Unreadable(start, "no variation to close");
        if (levels_.back().last == kNoNode) return Unreadable(start, "an empty variation");
        while (path_.size() > levels_.back().base) Pop();
        levels_.pop_back();
        Push(levels_.back().last);
        return true;
    }

    // A cell "E1" (either case) at the reader, or 0.
    int ReadCell() {
        const char letter = static_cast<char>(Peek() & ~0x20);
        const char digit = Peek(1);
        if (letter < 'A' || letter > 'F' || digit < '1' || digit > '6') return 0;
        Advance(2);
        return CellAt(letter - 'A' + 1, digit - '0');
    }

    bool ReadMove() {
        const Place start = place_;
        bool null_move = false;
        int from = 0;
        int to = 0;
        char joint = 0;  // '-' a step, 'x' a capture, '>' either
        if (Peek() == '-' && Peek(1) == '-') {
            null_move = true;
            Advance(2);
        } else {
            from = ReadCell();
            if (from == 0) return Unreadable(start, "not a move");
            if (Peek() == '-' && Peek(1) == '>') {
                joint = '>';
                Advance(2);
            } else if (Peek() == '-' || Peek() == 'x' || Peek() == 'X') {
                joint = Peek() == '-' ? '-' : 'x';
                Advance();
            } else {
                return Unreadable(start, "not a move");
            }
            to = ReadCell();
            if (to == 0) return Unreadable(start, "not a move");
        }
        const Place mark_place = place_;
        std::string marks;
        while (Peek() == '!' || Peek() == '?') {
            marks += Peek();
            Advance();
        }
        const int mark = marks.empty() ? 0 : MarkFrom(marks);
        if (mark < 0) return Unreadable(mark_place, "an unknown mark");
        if (!AtEnd() && !IsBlank(Peek()) && Peek() != '(' && Peek() != ')' && Peek() != '{') {
            return Unreadable(start, "not a move");
        }
        return PlayMove(start, null_move, from, to, joint, static_cast<MoveMark>(mark));
    }

    // Whether the game is over at `node`: the null move, a side without pieces, or the
    // fourth repetition of the position before it.
    int ResultAt(int node) const {
        const TreeNode& at = tree_.Node(node);
        const int red = at.Entry.Cells.Count(kRed);
        const int white = at.Entry.Cells.Count(kWhite);
        if (white == 0 && red > 0) return kRedWon;
        if (red == 0 && white > 0) return kWhiteWon;
        if (red == 0 && white == 0) return kDrawn;
        const NodeFacts& facts = facts_[static_cast<std::size_t>(node)];
        if (facts.depth >= kFirstRepetitionMove &&
            facts_[static_cast<std::size_t>(at.Parent)].earlier >= kRepetitionsForDraw) {
            return kDrawn;
        }
        if (node != kRootNode && !at.Entry.IsRecorded()) return kDrawn;
        return kInProgress;
    }

    Side SideAt(int node) const {
        return node == kRootNode ? first_ : Opponent(tree_.Node(node).Entry.Mover);
    }

    bool PlayMove(const Place& start, bool null_move, int from, int to, char joint, MoveMark mark) {
        const int parent = path_.back();
        if (ResultAt(parent) != kInProgress) {
            return Fail(TextFault::kIllegalMove, start, "the game is over before this move");
        }
        const Side side = SideAt(parent);
        HistoryEntry entry{tree_.Node(parent).Entry.Cells, 0, 0, 0};
        if (!null_move) {
            MoveList moves;
            if (entry.Cells[from] == side) AppendDestinations(from, entry.Cells, moves);
            if (std::find(moves.begin(), moves.end(),
                          Move{static_cast<std::uint8_t>(from), static_cast<std::uint8_t>(to)}) ==
                moves.end()) {
                return Fail(TextFault::kIllegalMove, start,
                            "not a move " + SideWord(side) + " can play here");
            }
            const bool capture = entry.Cells[to] != kEmpty;
            if ((joint == 'x' && !capture) || (joint == '-' && capture)) {
                return Fail(TextFault::kIllegalMove, start,
                            capture ? "a capture is written with x" : "a step is written with -");
            }
            ApplyMoveTo(entry.Cells,
                        Move{static_cast<std::uint8_t>(from), static_cast<std::uint8_t>(to)});
            entry = HistoryEntry{entry.Cells, static_cast<std::uint8_t>(side),
                                 static_cast<std::uint8_t>(from), static_cast<std::uint8_t>(to)};
        }
        const int before = tree_.Size();
        const int node = tree_.AddChild(parent, entry);
        if (tree_.Size() > before) {
            if (before > limits_.max_moves) {
                return Fail(TextFault::kTooLarge, start,
                            "more than " + std::to_string(limits_.max_moves) + " moves");
            }
            facts_.push_back(
                NodeFacts{static_cast<int>(path_.size()), counts_[KeyOf(entry.Cells)]});
        }
        Push(node);
        if (mark != MoveMark::kNone) tree_.SetMark(node, mark);
        levels_.back().last = node;
        return true;
    }

    // --- The whole game ---

    int MainLineEnd() const {
        int node = kRootNode;
        while (tree_.Node(node).FirstChild != kNoNode) node = tree_.Node(node).FirstChild;
        return node;
    }

    // A result tag the moves contradict is refused; where the moves leave the game open,
    // the tag tells how it ended (a resignation, or a result agreed).
    bool CheckResult() {
        const int played = ResultAt(MainLineEnd());
        int told = result_word_ == "Red"     ? kRedWon
                   : result_word_ == "White" ? kWhiteWon
                   : result_word_ == "Draw"  ? kDrawn
                                             : kInProgress;
        if (resigned_) {
            if (told != kRedWon && told != kWhiteWon) {
                return Unreadable(result_place_, "a resignation needs a winner");
            }
            told = told == kRedWon ? kWhiteResigned : kRedResigned;
        }
        if (played != kInProgress && told != kInProgress && told != played) {
            return Unreadable(result_place_, "the moves end the game otherwise");
        }
        result_ = played != kInProgress ? played : told;
        return true;
    }

    void Apply(Tjeu& game) {
        const std::string file_name = game.FileName;
        game.ResetGame();
        game.FileName = file_name;
        for (Side side : {kRed, kWhite}) {
            game.Players[side].Name = names_[side];
            game.Players[side].Kind = kinds_[side];
        }
        game.Depth = depth_;
        game.SideToMove = first_;
        game.AdoptTree(std::move(tree_));
        // Every move passed the turn, a null move too, as when the game was played.
        game.SideToMove = game.Current % 2 == 0 ? first_ : Opponent(first_);
        game.Result = result_;
    }

    std::string_view text_;
    GameTextLimits limits_;
    Place place_;
    GameTextError error_;

    // From the tags.
    GameTextTags tags_;
    std::set<std::string> seen_;
    std::array<std::string, 3> names_{"", kDefaultRedName, kDefaultWhiteName};
    std::array<int, 3> kinds_{kHuman, kHuman, kHuman};
    Side first_ = kRed;
    std::string result_word_ = "*";
    Place result_place_;
    bool resigned_ = false;
    Position start_ = Position::Start();
    int depth_ = 7;
    int result_ = kInProgress;

    // From the moves.
    GameTree tree_;
    std::vector<NodeFacts> facts_;
    std::vector<int> path_;  // the root to the position the next move is played from
    std::unordered_map<PositionKey, int> counts_;  // boards on the path
    std::vector<Level> levels_;
};

}  // namespace

GameTextError ReadGameText(std::string_view text, Tjeu& game, GameTextTags* tags,
                           const GameTextLimits& limits) {
    return Reader(text, limits).Read(game, tags);
}

}  // namespace circumvia
