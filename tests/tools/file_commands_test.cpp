#include <gtest/gtest.h>
#include <sys/stat.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <future>
#include <sstream>

#include "model/game_file.h"
#include "tests/tools/cli_run.h"

namespace circumvia::cli {
namespace {

namespace fs = std::filesystem;

using testing::Cli;
using testing::CliRun;

constexpr char kStart[] = "BBBBBBBBBBBB____________RRRRRRRRRRRR";
// `show` of the game Zoé (Red) against Blanc after E 1->D 1 and B 2->C 3.
constexpr char kTwoMovesShown[] =
    "Red: Zo\u00e9, human, 12 pieces\n"
    "White: Blanc, computer level 3, 12 pieces\n"
    "result: in progress, Red to move\n"
    "moves: 2\n"
    "1. Red E 1->D 1\n"
    "2. White B 2->C 3\n";
constexpr char kAfterTwoMoves[] = "BBBBBBB_BBBB__B___R______RRRRRRRRRRR";

class FileCommands : public ::testing::Test {
protected:
    void SetUp() override {
        folder_ = fs::temp_directory_path() /
                  ("circumvia-cli-test-" +
                   std::to_string(::testing::UnitTest::GetInstance()->random_seed()) + "-" +
                   ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(folder_);
        fs::create_directories(folder_);
    }
    void TearDown() override { fs::remove_all(folder_); }

    // Red E 1->D 1, White B 2->C 3, saved with the names Zoé and Blanc.
    std::string SavedGame(const std::string& red_name = "Zo\u00e9") {
        Tjeu game;
        game.Players[kRed].Name = red_name;
        game.Players[kWhite].Name = "Blanc";
        Position cells = game.Pos;
        const HistoryEntry moves[] = {{cells, kRed, 25, 19}, {cells, kWhite, 8, 15}};
        for (const HistoryEntry& move : moves) {
            cells[move.To] = cells[move.From];
            cells[move.From] = kEmpty;
            game.History.Set(static_cast<std::size_t>(++game.Current),
                             HistoryEntry{cells, move.Mover, move.From, move.To});
        }
        game.Pos = cells;
        const fs::path path = folder_ / "game.Cva";
        EXPECT_TRUE(SaveGameFile(game, path));
        return path.string();
    }

    fs::path folder_;
};

TEST_F(FileCommands, DumpPrintsEveryValueThenOk) {
    const CliRun run = Cli({"dump", SavedGame()});
    EXPECT_EQ(run.status, 0);
    const std::string expected = std::string("format 21\nfilename Noname\nside 1\ndepth 7\n") +
                                 "position " + kAfterTwoMoves + "\ncurrent 2\nresult 0\n" +
                                 "red_name Zo\u00e9\nred_pieces 12\nred_kind 0\n" +
                                 "white_name Blanc\nwhite_pieces 12\nwhite_kind 3\n" + "entry 0 " +
                                 kStart + " 0 0 0\n" +
                                 "entry 1 BBBBBBBBBBBB______R______RRRRRRRRRRR 1 25 19\n" +
                                 "entry 2 " + kAfterTwoMoves + " 2 8 15\nok\n";
    EXPECT_EQ(run.out, expected);
    EXPECT_EQ(run.err, "");
}

TEST_F(FileCommands, DumpOfADamagedFileStopsWithErrorFormat) {
    const std::string path = SavedGame();
    fs::resize_file(path, fs::file_size(path) - 3);
    const CliRun run = Cli({"dump", path});
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.out.find("entry 1 "), std::string::npos);
    EXPECT_EQ(run.out.find("entry 2 "), std::string::npos);
    EXPECT_TRUE(run.out.ends_with("white_kind 3\nentry 0 " + std::string(kStart) + " 0 0 0\n" +
                                  "entry 1 BBBBBBBBBBBB______R______RRRRRRRRRRR 1 25 19\n" +
                                  "error format\n"));
}

TEST_F(FileCommands, ShowGivesPlayersResultAndNumberedMoves) {
    const CliRun run = Cli({"show", SavedGame()});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out, kTwoMovesShown);
}

TEST_F(FileCommands, UnreadableFilesExitWithStatusOne) {
    const std::string garbage = (folder_ / "garbage.Cva").string();
    std::ofstream(garbage) << "not a game";
    for (const char* command : {"dump", "show"}) {
        const CliRun missing = Cli({command, (folder_ / "none.Cva").string()});
        EXPECT_EQ(missing.status, 1) << command;
        EXPECT_NE(missing.err.find("cannot read"), std::string::npos) << command;
        EXPECT_EQ(Cli({command, garbage}).status, 1) << command;
        EXPECT_EQ(Cli({command}).status, 2) << command;
    }
    EXPECT_EQ(Cli({"dump", garbage}).out, "error format\n");
}

TEST_F(FileCommands, ReplaySavesTheGameItPlayed) {
    const std::string path = (folder_ / "replayed.Cva").string();
    const CliRun replay = Cli({"replay", "--red-name", "Zo\u00e9", "--white-name", "Blanc",
                               "--save", path, "25", "19", "8", "15"});
    ASSERT_EQ(replay.status, 0) << replay.err;
    EXPECT_EQ(Cli({"show", path}).out, kTwoMovesShown);
    const CliRun dump = Cli({"dump", path});
    EXPECT_EQ(dump.status, 0);
    EXPECT_NE(dump.out.find("filename Noname\n"), std::string::npos);
}

TEST_F(FileCommands, ReplayWithoutMovesSavesTheNewGame) {
    const std::string path = (folder_ / "new.Cva").string();
    const CliRun replay = Cli({"replay", "--red-name", "Rouge", "--save", path});
    ASSERT_EQ(replay.status, 0) << replay.err;
    EXPECT_EQ(replay.out, "");
    const CliRun dump = Cli({"dump", path});
    EXPECT_EQ(dump.status, 0);
    EXPECT_NE(dump.out.find("current 0\n"), std::string::npos) << dump.out;
    EXPECT_NE(dump.out.find("red_name Rouge\n"), std::string::npos) << dump.out;
}

TEST_F(FileCommands, SelfplaySavesTheWholeGame) {
    const std::string path = (folder_ / "selfplay.Cva").string();
    const CliRun play = Cli({"selfplay", "--red", "1", "--white", "1", "--seed", "3", "--max-moves",
                             "40", "--save", path});
    ASSERT_EQ(play.status, 0) << play.err;
    const CliRun show = Cli({"show", path});
    ASSERT_EQ(show.status, 0);
    // The numbered moves shown from the file are the moves selfplay printed.
    std::string played;
    for (std::size_t start = 0, end; (end = play.out.find('\n', start)) != std::string::npos;
         start = end + 1) {
        const std::string line = play.out.substr(start, end - start);
        if (!line.starts_with("result")) played += line + '\n';
    }
    EXPECT_TRUE(show.out.ends_with(played)) << show.out << "\n---\n" << played;
}

TEST_F(FileCommands, ShowNamesTheSideOfANullMove) {
    const std::string path = (folder_ / "drawn.Cva").string();
    ASSERT_EQ(Cli({"replay", "--save", path, "25", "19", "0", "0"}).status, 0);
    const CliRun show = Cli({"show", path});
    EXPECT_NE(show.out.find("result: drawn\n"), std::string::npos) << show.out;
    EXPECT_TRUE(show.out.ends_with("1. Red E 1->D 1\n2. White no move\n")) << show.out;
}

TEST_F(FileCommands, AFailedSaveExitsWithStatusOneAndKeepsTheOldFile) {
    const std::string path = SavedGame();
    const auto before = fs::file_size(path);
    const CliRun blocked =
        Cli({"replay", "--save", (fs::path(path) / "inside.Cva").string(), "25", "19"});
    EXPECT_EQ(blocked.status, 1);
    EXPECT_NE(blocked.err.find("cannot save"), std::string::npos);
    EXPECT_EQ(fs::file_size(path), before);
}

// A pipe would make the reader wait for a writer; it is refused at once as a format error.
TEST_F(FileCommands, APipeIsRefusedAtOnce) {
    const fs::path fifo = folder_ / "game.Cva";
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    for (const char* command : {"dump", "show"}) {
        auto run = std::async(std::launch::async, [&] { return Cli({command, fifo.string()}); });
        if (run.wait_for(std::chrono::seconds(10)) != std::future_status::ready) {
            std::ofstream(fifo).close();  // frees the blocked reader so the test can end
            FAIL() << command << " waited for a writer";
        }
        EXPECT_EQ(run.get().status, 1) << command;
    }
    EXPECT_EQ(Cli({"dump", fifo.string()}).out, "error format\n");
}

// A name can hold anything; printed raw, a newline could fake an ok line and an escape
// sequence would reach the terminal.
TEST_F(FileCommands, ControlCharactersInNamesAreEscaped) {
    const std::string path = SavedGame("Eve\nok\n\x1b[2J\\");
    const std::string escaped = "Eve\\nok\\n\\x1b[2J\\\\";
    EXPECT_NE(Cli({"dump", path}).out.find("\nred_name " + escaped + "\n"), std::string::npos);
    EXPECT_TRUE(Cli({"show", path}).out.starts_with("Red: " + escaped + ", human"));
    fs::resize_file(path, fs::file_size(path) - 3);
    const CliRun damaged = Cli({"dump", path});
    EXPECT_EQ(damaged.out.find("\nok\n"), std::string::npos) << damaged.out;
    EXPECT_TRUE(damaged.out.ends_with("\nerror format\n"));
}

TEST_F(FileCommands, SavingRefusesAWriteProtectedFileAndFollowsADanglingLink) {
    const std::string protected_game = SavedGame();
    const auto before = fs::file_size(protected_game);
    fs::permissions(protected_game, fs::perms::owner_read);
    const CliRun refused = Cli({"replay", "--save", protected_game, "25", "19"});
    EXPECT_EQ(refused.status, 1);
    EXPECT_EQ(refused.err,
              "circumvia-cli: cannot save '" + protected_game + "': Permission denied\n");
    EXPECT_EQ(fs::file_size(protected_game), before);

    const fs::path link = folder_ / "link.Cva";
    fs::create_symlink("named.Cva", link);
    ASSERT_EQ(Cli({"replay", "--save", link.string(), "25", "19"}).status, 0);
    EXPECT_TRUE(fs::is_symlink(link));
    EXPECT_EQ(Cli({"show", (folder_ / "named.Cva").string()}).status, 0);

    const fs::path nowhere = folder_ / "nowhere.Cva";
    fs::create_symlink("missing/named.Cva", nowhere);
    const CliRun dangling = Cli({"replay", "--save", nowhere.string(), "25", "19"});
    EXPECT_EQ(dangling.status, 1);
    EXPECT_NE(dangling.err.find("cannot save"), std::string::npos);
    EXPECT_TRUE(fs::is_symlink(nowhere));
}

std::string Contents(const fs::path& path) {
    std::ifstream file(path, std::ios::binary);
    std::stringstream bytes;
    bytes << file.rdbuf();
    return bytes.str();
}

void Write(const fs::path& path, const std::string& text) {
    std::ofstream(path, std::ios::binary) << text;
}

TEST_F(FileCommands, ShowIndentsATextsVariationsUnderTheMoveTheyReplace) {
    const fs::path text = folder_ / "game.cvn";
    Write(text,
          "[Red \"Zo\u00e9\"]\n[White \"Blanc\"]\n[WhiteKind \"level 3\"]\n"
          "1. E1-D1?? {slow} B2-C3 (1... B2-C2 2. E2-D2) 2. E3-D3\n");
    const CliRun run = Cli({"show", text.string()});
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out,
              "Red: Zo\u00e9, human, 12 pieces\n"
              "White: Blanc, computer level 3, 12 pieces\n"
              "result: in progress, White to move\n"
              "moves: 3\n"
              "1. Red E 1->D 1?? {slow}\n"
              "2. White B 2->C 3\n"
              "    2. White B 2->C 2\n"
              "    3. Red E 2->D 2\n"
              "3. Red E 3->D 3\n");
}

// A game file that stores its own earlier name goes to text and back unchanged, and a text
// converted to text is written as the writer writes it.
TEST_F(FileCommands, ConvertGoesToTextAndBackByteForByte) {
    const std::string saved = SavedGame();
    Tjeu game;
    ASSERT_EQ(LoadGameFile(game, saved), LoadOutcome::kLoaded);
    ASSERT_TRUE(SaveGameFile(game, saved));  // now it holds its own path
    const fs::path text = folder_ / "game.CVN";
    const fs::path back = folder_ / "back.Cva";
    ASSERT_EQ(Cli({"convert", saved, text.string()}).status, 0);
    ASSERT_EQ(Cli({"convert", text.string(), back.string()}).status, 0);
    EXPECT_EQ(Contents(back), Contents(saved));
    EXPECT_NE(Contents(text).find("[File \"" + saved + "\"]"), std::string::npos);
    EXPECT_EQ(Cli({"show", text.string()}).out, Cli({"show", saved}).out);
}

TEST_F(FileCommands, TextFaultsExitWithStatusOneAndTheirLineAndColumn) {
    const fs::path text = folder_ / "bad.cvn";
    Write(text, "E1-D1\nB2-C3 E1-D2\n");
    for (const std::vector<std::string>& words :
         {std::vector<std::string>{"show", text.string()},
          {"analyse", text.string(), "--depth", "1"},
          {"convert", text.string(), (folder_ / "out.Cva").string()}}) {
        const CliRun run = Cli(words);
        EXPECT_EQ(run.status, 1) << words[0];
        EXPECT_EQ(run.err,
                  "circumvia-cli: " + text.string() + ":2:7: not a move Red can play here\n")
            << words[0];
    }
    EXPECT_FALSE(fs::exists(folder_ / "out.Cva"));
}

}  // namespace
}  // namespace circumvia::cli
