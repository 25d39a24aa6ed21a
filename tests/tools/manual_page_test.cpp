// The manual page keeps up with --help: a command or an option added to the tool without its
// entry in circumvia-cli(6) fails here.
#include <gtest/gtest.h>

#include <fstream>
#include <regex>
#include <set>
#include <sstream>

#include "tests/tools/cli_run.h"

namespace circumvia::cli {
namespace {

// The page as a reader sees it: roff's escaped hyphens and font changes removed.
std::string ReadManualPage() {
    std::ifstream file(CIRCUMVIA_CLI_MANUAL_PAGE);
    std::stringstream text;
    text << file.rdbuf();
    std::string page = std::regex_replace(text.str(), std::regex(R"(\\-)"), "-");
    return std::regex_replace(page, std::regex(R"(\\f[BIRP])"), "");
}

// The words of the page's directive lines (.B, .BI, .BR, .TP, ...) in its COMMANDS section.
std::set<std::string> CommandSectionWords(const std::string& page) {
    const std::size_t start = page.find(".SH COMMANDS");
    const std::size_t end = page.find(".SH ", start + 1);
    std::istringstream section(page.substr(start, end - start));
    std::set<std::string> words;
    std::string line;
    while (std::getline(section, line)) {
        if (line.empty() || line.front() != '.') continue;
        std::istringstream line_words(std::regex_replace(line, std::regex(R"([",])"), " "));
        std::string word;
        while (line_words >> word) words.insert(word);
    }
    return words;
}

TEST(ManualPage, NamesEveryCommandAndOptionThatHelpLists) {
    const std::string help = testing::Cli({"--help"}).out;
    const std::string page = ReadManualPage();
    ASSERT_NE(page.find(".SH COMMANDS"), std::string::npos) << CIRCUMVIA_CLI_MANUAL_PAGE;
    const std::set<std::string> command_words = CommandSectionWords(page);

    const std::regex command_line(R"(^  ([a-z-]+) )");
    const std::regex option(R"(--[a-z][a-z-]*)");
    int commands = 0;
    std::istringstream lines(help);
    std::string line;
    while (std::getline(lines, line)) {
        std::smatch command;
        if (!std::regex_search(line, command, command_line)) continue;
        ++commands;
        EXPECT_TRUE(command_words.count(command[1])) << "command " << command[1];
        for (std::sregex_iterator it(line.begin(), line.end(), option), end; it != end; ++it) {
            EXPECT_NE(page.find(it->str()), std::string::npos)
                << "option " << it->str() << " of " << command[1];
        }
    }
    EXPECT_GT(commands, 10) << "--help no longer lists its commands as '  name usage'";
}

}  // namespace
}  // namespace circumvia::cli
