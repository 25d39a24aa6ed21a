// circumvia-cli as a script runs it: a separate process whose output may fail and whose
// file-size limit may be lowered.
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

namespace circumvia::cli {
namespace {

namespace fs = std::filesystem;

constexpr char kStart[] = "BBBBBBBBBBBB____________RRRRRRRRRRRR";

struct ProcessRun {
    int status;       // the exit status, or 128 + the signal that ended the shell's child
    std::string err;  // what the tool wrote to its error stream
};

class CliProcess : public ::testing::Test {
protected:
    void SetUp() override {
        folder_ = fs::temp_directory_path() /
                  ("circumvia-cli-process-" + std::to_string(::getpid()) + "-" +
                   ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(folder_);
        fs::create_directories(folder_);
    }
    void TearDown() override { fs::remove_all(folder_); }

    // Runs `before; circumvia-cli ARGUMENTS REDIRECTIONS` in a shell.
    ProcessRun Run(const std::string& arguments, const std::string& before = ":") {
        const fs::path err_file = folder_ / "stderr.txt";
        const std::string line = "sh -c '" + before + "; exec " CIRCUMVIA_CLI_PATH " " + arguments +
                                 "' 2>" + err_file.string();
        const int raw = std::system(line.c_str());
        std::ostringstream err;
        err << std::ifstream(err_file).rdbuf();
        return {WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, err.str()};
    }

    fs::path folder_;
};

int LineCount(const std::string& text) {
    return static_cast<int>(std::count(text.begin(), text.end(), '\n'));
}

TEST_F(CliProcess, OutputThatCannotBeWrittenIsAFailure) {
    const std::string save = (folder_ / "game.Cva").string();
    ASSERT_EQ(Run(std::string("replay --save ") + save + " 25 19 >/dev/null").status, 0);
    const std::string calls[] = {
        std::string("moves ") + kStart + " 1",
        "selfplay --red 1 --white 1 --max-moves 4",
        "--help",
        "dump " + save,
        "show " + save,
    };
    for (const std::string& call : calls) {
        for (const char* output : {" >/dev/full", " >&-"}) {
            const ProcessRun run = Run(call + output);
            EXPECT_EQ(run.status, 1) << call << output;
            EXPECT_EQ(run.err, "circumvia-cli: cannot write the output\n") << call << output;
        }
    }
}

// With standard output closed, the saved file must not receive the moves printed.
TEST_F(CliProcess, AClosedOutputNeverEndsUpInTheSavedGame) {
    const fs::path save = folder_ / "game.Cva";
    const ProcessRun run =
        Run("selfplay --red 1 --white 1 --max-moves 30 --save " + save.string() + " >&-");
    EXPECT_EQ(run.status, 1);
    ASSERT_EQ(Run("dump " + save.string() + " >/dev/null").status, 0);
}

TEST_F(CliProcess, AFileSizeLimitGivesCannotSaveAndLeavesNoTemporaryFile) {
    const fs::path save = folder_ / "game.Cva";
    const ProcessRun run =
        Run("selfplay --red 1 --white 1 --max-moves 200 --save " + save.string() + " >/dev/null",
            "ulimit -f 1");
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.err.find("cannot save"), std::string::npos) << run.err;
    EXPECT_EQ(LineCount(run.err), 1) << run.err;
    for (const auto& entry : fs::directory_iterator(folder_)) {
        EXPECT_EQ(entry.path().filename(), "stderr.txt");
    }
}

}  // namespace
}  // namespace circumvia::cli
