#include "model/lessons/lesson.h"

#include <istream>
#include <map>
#include <optional>
#include <sstream>

#include "model/notation.h"

namespace circumvia {

namespace {

constexpr int kMostPar = 6;

std::vector<std::string> Words(const std::string& line) {
    std::istringstream in(line);
    std::vector<std::string> words;
    std::string word;
    while (in >> word) words.push_back(word);
    return words;
}

// A cell written as in a move ("B1"): the move parser reads it as the first half of a move.
std::optional<int> ParseCell(const std::string& word) {
    const std::optional<Move> move = ParseMoveText(word + "-A1");
    if (!move) return std::nullopt;
    return move->From;
}

const std::map<std::string, LessonAim>& AimWords() {
    static const std::map<std::string, LessonAim> words = {
        {"reach", LessonAim::kReach},   {"capture", LessonAim::kCapture}, {"win", LessonAim::kWin},
        {"escape", LessonAim::kEscape}, {"draw", LessonAim::kDraw},
    };
    return words;
}

class LessonReader {
public:
    explicit LessonReader(LessonFile& file) : file_(file) {}

    void Line(const std::string& text) {
        ++number_;
        if (board_rows_left_ > 0) return BoardRow(text);
        const std::vector<std::string> words = Words(text);
        if (words.empty() || words[0][0] == '#') return;
        const std::string& key = words[0];
        const std::vector<std::string> values(words.begin() + 1, words.end());
        if (key == "lesson") return Start(values);
        if (file_.lessons.empty()) return Error("'lesson' must come first");
        Field(key, values);
    }

private:
    Lesson& Current() { return file_.lessons.back(); }

    void Error(const std::string& what) {
        file_.errors.push_back("line " + std::to_string(number_) + ": " + what);
    }

    void Start(const std::vector<std::string>& values) {
        if (values.size() != 1) return Error("a lesson needs one key");
        file_.lessons.emplace_back();
        Current().key = values[0];
    }

    void BoardRow(const std::string& text) {
        const std::vector<std::string> words = Words(text);
        std::string row;
        for (const std::string& word : words) row += word;
        const int r = kBoardSide - board_rows_left_ + 1;
        --board_rows_left_;
        if (row.size() != kBoardSide) return Error("a board row has six cells");
        for (int c = 1; c <= kBoardSide; ++c) {
            const char cell = row[static_cast<std::size_t>(c - 1)];
            if (cell != 'R' && cell != 'W' && cell != '.') return Error("a cell is R, W or .");
            Current().position[CellAt(r, c)] = cell == 'R' ? kRed : cell == 'W' ? kWhite : kEmpty;
        }
    }

    std::vector<int> Cells(const std::vector<std::string>& values) {
        std::vector<int> cells;
        for (const std::string& word : values) {
            if (const std::optional<int> cell = ParseCell(word)) {
                cells.push_back(*cell);
            } else {
                Error("'" + word + "' is not a cell");
            }
        }
        return cells;
    }

    std::vector<Move> Moves(const std::vector<std::string>& values) {
        std::vector<Move> moves;
        for (const std::string& word : values) {
            if (const std::optional<Move> move = ParseMoveText(word)) {
                moves.push_back(*move);
            } else {
                Error("'" + word + "' is not a move");
            }
        }
        return moves;
    }

    void Texts(const std::vector<std::string>& values) {
        if (values.size() != 3) return Error("texts are three caption numbers");
        try {
            Current().texts = {std::stoi(values[0]), std::stoi(values[1]), std::stoi(values[2])};
        } catch (const std::exception&) {
            Error("texts are three caption numbers");
        }
    }

    void Aim(const std::vector<std::string>& values) {
        const auto aim = values.empty() ? AimWords().end() : AimWords().find(values[0]);
        if (aim == AimWords().end()) return Error("unknown aim");
        Current().aim = aim->second;
        Current().aim_cells = Cells({values.begin() + 1, values.end()});
    }

    void Par(const std::vector<std::string>& values) {
        if (values.size() == 1 && values[0].size() == 1 && values[0][0] >= '1' &&
            values[0][0] <= '0' + kMostPar) {
            Current().par = values[0][0] - '0';
        } else {
            Error("par is a number of moves from 1 to 6");
        }
    }

    void Field(const std::string& key, const std::vector<std::string>& values) {
        Lesson& lesson = Current();
        if (key == "texts") return Texts(values);
        if (key == "board") {
            board_rows_left_ = kBoardSide;
            return;
        }
        if (key == "side") {
            if (values.size() == 1 && (values[0] == "red" || values[0] == "white")) {
                lesson.side = values[0] == "red" ? kRed : kWhite;
                return;
            }
            return Error("side is red or white");
        }
        if (key == "aim") return Aim(values);
        if (key == "par") return Par(values);
        if (key == "replies") {
            lesson.replies = Moves(values);
            return;
        }
        if (key == "show") {
            lesson.shown = Cells(values);
            return;
        }
        if (key == "before") {
            lesson.before = Moves(values);
            return;
        }
        if (key == "demo") {
            const std::vector<Move> demo = Moves(values);
            if (demo.size() == 1) lesson.demo = demo[0];
            return;
        }
        Error("unknown field '" + key + "'");
    }

    LessonFile& file_;
    int number_ = 0;
    int board_rows_left_ = 0;
};

}  // namespace

LessonFile ReadLessons(std::istream& in) {
    LessonFile file;
    LessonReader reader(file);
    std::string line;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        reader.Line(line);
    }
    return file;
}

}  // namespace circumvia
