// circumvia-cli analyse: the review of a saved game as lines and as JSON read back by a
// JSON reader, and its errors.
#include <gtest/gtest.h>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <cmath>
#include <filesystem>

#include "model/analysis/move_class.h"
#include "model/evaluation.h"
#include "model/game_file.h"
#include "model/position_text.h"
#include "tests/tools/cli_run.h"
#include "tests/tools/usage_errors.h"

namespace circumvia::cli {
namespace {

namespace fs = std::filesystem;

using testing::Cli;
using testing::CliRun;

class AnalyseCommand : public ::testing::Test {
protected:
    void SetUp() override {
        folder_ = fs::temp_directory_path() /
                  ("circumvia-analyse-test-" +
                   std::to_string(::testing::UnitTest::GetInstance()->random_seed()) + "-" +
                   ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(folder_);
        fs::create_directories(folder_);
    }
    void TearDown() override { fs::remove_all(folder_); }

    // Red steps its last piece where White can take it (a blunder); White lets it live
    // (a missed win).
    std::string SavedBlunderGame() {
        Tjeu game;
        const Position start = *ParsePositionText("__B____R____________________________");
        game.Pos = start;
        game.History.Set(0, HistoryEntry{start, 0, 0, 0});
        game.ApplyMove(game.Pos, 8, 13);
        game.ApplyMove(game.Pos, 3, 2);
        const fs::path path = folder_ / "blunder.Cva";
        EXPECT_TRUE(SaveGameFile(game, path));
        return path.string();
    }

    fs::path folder_;
};

QJsonObject ParsedJson(const CliRun& run) {
    QJsonParseError error;
    const QJsonDocument document =
        QJsonDocument::fromJson(QByteArray::fromStdString(run.out), &error);
    EXPECT_EQ(error.error, QJsonParseError::NoError) << run.out;
    return document.object();
}

TEST_F(AnalyseCommand, JsonHoldsEveryMoveOfTheRecordAndBothSummaries) {
    const std::string path = (folder_ / "game.Cva").string();
    ASSERT_EQ(Cli({"selfplay", "--red", "2", "--white", "3", "--seed", "4", "--max-moves", "30",
                   "--save", path})
                  .status,
              0);
    Tjeu game;
    ASSERT_EQ(LoadGameFile(game, path), LoadOutcome::kLoaded);
    const CliRun run = Cli({"analyse", path, "--json", "--depth", "3"});
    ASSERT_EQ(run.status, 0) << run.err;
    const QJsonObject root = ParsedJson(run);
    EXPECT_EQ(root["depth"].toInt(), 3);
    const QJsonArray moves = root["moves"].toArray();
    ASSERT_EQ(moves.size(), 30);
    int red_moves = 0;
    QJsonArray turning;
    for (int i = 0; i < moves.size(); ++i) {
        const QJsonObject move = moves[i].toObject();
        const HistoryEntry& entry = game.History[static_cast<std::size_t>(i + 1)];
        EXPECT_EQ(move["number"].toInt(), i + 1);
        EXPECT_EQ(move["mover"].toInt(), entry.Mover);
        EXPECT_EQ(move["from"].toInt(), entry.From);
        EXPECT_EQ(move["to"].toInt(), entry.To);
        EXPECT_GE(move["value_best"].toDouble(), move["value_played"].toDouble());
        EXPECT_TRUE(ClassFromWord(move["class"].toString().toStdString())) << i;
        // The readable fields follow the raw ones: a piece is 50 units, chances in percent.
        if (std::abs(move["value_played"].toDouble()) < kWinScore) {
            EXPECT_NEAR(move["pieces_played"].toDouble(), move["value_played"].toDouble() / 50,
                        0.01);
        }
        EXPECT_GE(move["chance_before"].toDouble(), move["chance_after"].toDouble() - 0.05);
        EXPECT_LE(move["chance_before"].toDouble(), 100);
        EXPECT_TRUE(move["turning_point"].isBool());
        if (move["turning_point"].toBool()) turning.append(move["number"].toInt());
        red_moves += entry.Mover == kRed;
    }
    const QJsonObject summary = root["summary"].toObject();
    QJsonArray listed;
    for (const auto point : summary["turning_points"].toArray()) {
        listed.append(point.toObject()["number"].toInt());
    }
    EXPECT_EQ(listed, turning);
    EXPECT_TRUE(summary["missed_wins"].isArray());
    EXPECT_EQ(summary["red"].toObject()["moves"].toInt(), red_moves);
    EXPECT_EQ(summary["white"].toObject()["moves"].toInt(), 30 - red_moves);
}

// The search's judgement: an empty folder for the endgame table, which would call White's
// move a blunder too.
TEST_F(AnalyseCommand, TheKnownBlunderAndMissedWinShowInBothForms) {
    const std::string path = SavedBlunderGame();
    const std::string no_table = (folder_ / "no-table").string();
    const QJsonObject root = ParsedJson(Cli({"analyse", "--json", path, "--table", no_table}));
    EXPECT_EQ(root["depth"].toInt(), 5);
    const QJsonArray moves = root["moves"].toArray();
    ASSERT_EQ(moves.size(), 2);
    EXPECT_EQ(moves[0].toObject()["class"].toString(), "blunder");
    EXPECT_EQ(moves[0].toObject()["value_played"].toDouble(), kLossScore);
    EXPECT_EQ(moves[1].toObject()["class"].toString(), "missed-win");
    EXPECT_EQ(moves[1].toObject()["best_to"].toInt(), 13);
    EXPECT_EQ(root["summary"].toObject()["red"].toObject()["blunders"].toInt(), 1);

    const CliRun text = Cli({"analyse", path, "--table", no_table});
    EXPECT_EQ(text.status, 0);
    EXPECT_NE(text.out.find("  1. Red   B 2->C 1 "), std::string::npos) << text.out;
    EXPECT_NE(text.out.find("played loses in 1 chance "), std::string::npos) << text.out;
    EXPECT_NE(text.out.find("\nmissed wins: 2. White (best A 3->C 1)\n"), std::string::npos);
    EXPECT_NE(text.out.find("\nRed: 0 inaccuracies, 0 mistakes, 1 blunders"), std::string::npos);
    EXPECT_NE(text.out.find("\nWhite: "), std::string::npos);
}

// With an endgame table the blunder is judged exactly: Red's step loses in two moves.
TEST_F(AnalyseCommand, MovesTheTableHoldsCarryItsExactValues) {
    const std::string path = SavedBlunderGame();
    ASSERT_EQ(Cli({"endgame", "build", "--pieces", "2", "--out", folder_.string()}).status, 0);
    const CliRun json = Cli({"analyse", "--json", path, "--table", folder_.string()});
    const QJsonObject exact = ParsedJson(json)["moves"].toArray()[0].toObject()["exact"].toObject();
    EXPECT_EQ(exact["played"].toString(), "loss") << json.out;
    EXPECT_EQ(exact["played_distance"].toInt(), 2) << json.out;
    const CliRun text = Cli({"analyse", path, "--table", folder_.string()});
    EXPECT_NE(text.out.find(" blunder exact "), std::string::npos) << text.out;
    EXPECT_NE(text.out.find(" played loss 2 turning-point reply A 3->C 1\n"), std::string::npos)
        << text.out;
}

TEST_F(AnalyseCommand, AnUnreadableGameIsStatusOneAndAMalformedCallStatusTwo) {
    const CliRun missing = Cli({"analyse", (folder_ / "none.Cva").string()});
    EXPECT_EQ(missing.status, 1);
    EXPECT_EQ(missing.out, "");
    const std::string path = SavedBlunderGame();
    testing::ExpectUsageErrors({{"analyse"},
                                {"analyse", path, path},
                                {"analyse", path, "--depth", "0"},
                                {"analyse", path, "--depth", "8"},
                                {"analyse", path, "--depth"},
                                {"analyse", path, "--jsn"}});
}

// A file name printed raw could clear the terminal or fake a line of output.
TEST_F(AnalyseCommand, ErrorsShowFileNamesEscaped) {
    const std::string name = (folder_ / "a\nok\x1b[2J.Cva").string();
    const std::string escaped = (folder_ / "a\\nok\\x1b[2J.Cva").string();
    const CliRun analyse = Cli({"analyse", name});
    EXPECT_NE(analyse.err.find("'" + escaped + "'"), std::string::npos) << analyse.err;
    const CliRun tally = Cli({"analyse-survey", "--tally", name});
    EXPECT_NE(tally.err.find("'" + escaped + "'"), std::string::npos) << tally.err;
}

// The moves of a survey to a full disk: the tables are shown, the failure is told.
TEST_F(AnalyseCommand, ASurveyWhoseMovesCannotBeWrittenIsStatusOne) {
    const CliRun run =
        Cli({"analyse-survey", "--games", "1", "--depth", "1", "--moves", "/dev/full"});
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.err.find("cannot write '/dev/full': No space left on device"), std::string::npos)
        << run.err;
    EXPECT_NE(run.out.find("| class"), std::string::npos);
}

}  // namespace
}  // namespace circumvia::cli
