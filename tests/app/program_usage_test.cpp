// The game program started with a wrong command line where there is no display: it says
// how to call it and ends with status 2, before it needs a display at all.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

TEST(ProgramCommandLine, AWrongCommandLineGivesUsageAndStatusTwoWithoutADisplay) {
    const struct {
        const char* arguments;
        const char* told;
    } cases[] = {
        {"-x", "unknown option '-x'"},
        {"a b", "one game file at most"},
        {"-platform xcb -x", "unknown option '-x'"},  // Qt's own options are passed over
        {"-style=fusion a b", "one game file at most"},
    };
    for (const auto& c : cases) {
        const std::string line =
            std::string("env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM ") + CIRCUMVIA_PATH +
            " " + c.arguments + " 2>&1";
        FILE* pipe = popen(line.c_str(), "r");
        ASSERT_NE(pipe, nullptr);
        std::string said;
        for (int ch; (ch = std::fgetc(pipe)) != EOF;) said += static_cast<char>(ch);
        const int status = pclose(pipe);
        ASSERT_TRUE(WIFEXITED(status)) << c.arguments;
        EXPECT_EQ(WEXITSTATUS(status), 2) << c.arguments << ": " << said;
        EXPECT_NE(said.find(c.told), std::string::npos) << said;
        EXPECT_NE(said.find("usage: circumvia [FILE]\n"), std::string::npos) << said;
    }
}

}  // namespace
