// The manual page keeps up with --help: a command or an option added to the tool without its
// entry in circumvia-cli(6) fails here.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <fstream>
#include <set>
#include <sstream>
#include <vector>

#include "tests/tools/cli_run.h"

namespace circumvia::cli {
namespace {

std::string ReplaceAll(std::string text, const std::string& from, const std::string& to) {
    for (std::size_t at = text.find(from); at != std::string::npos; at = text.find(from, at)) {
        text.replace(at, from.size(), to);
        at += to.size();
    }
    return text;
}

// The page as a reader sees it: roff's escaped hyphens and font changes removed.
std::string ReadManualPage() {
    std::ifstream file(CIRCUMVIA_CLI_MANUAL_PAGE);
    std::stringstream text;
    text << file.rdbuf();
    std::string page = ReplaceAll(text.str(), "\\-", "-");
    for (const char* font : {"\\fB", "\\fI", "\\fR", "\\fP"}) page = ReplaceAll(page, font, "");
    return page;
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
        std::replace_if(
            line.begin(), line.end(), [](char c) { return c == '"' || c == ','; }, ' ');
        std::istringstream line_words(line);
        std::string word;
        while (line_words >> word) words.insert(word);
    }
    return words;
}

// The "--name" options a line of --help mentions.
std::vector<std::string> Options(const std::string& line) {
    std::vector<std::string> options;
    for (std::size_t at = line.find("--"); at != std::string::npos; at = line.find("--", at + 2)) {
        std::size_t end = at + 2;
        while (end < line.size() &&
               (std::islower(static_cast<unsigned char>(line[end])) || line[end] == '-'))
            ++end;
        if (end > at + 2) options.push_back(line.substr(at, end - at));
    }
    return options;
}

TEST(ManualPage, NamesEveryCommandAndOptionThatHelpLists) {
    const std::string help = testing::Cli({"--help"}).out;
    const std::string page = ReadManualPage();
    ASSERT_NE(page.find(".SH COMMANDS"), std::string::npos) << CIRCUMVIA_CLI_MANUAL_PAGE;
    const std::set<std::string> command_words = CommandSectionWords(page);

    // A command's line is "  name usage", its description indented further.
    int commands = 0;
    std::istringstream lines(help);
    std::string line;
    while (std::getline(lines, line)) {
        if (line.size() < 3 || line.compare(0, 2, "  ") != 0 ||
            !std::islower(static_cast<unsigned char>(line[2])))
            continue;
        const std::string command = line.substr(2, line.find(' ', 2) - 2);
        ++commands;
        EXPECT_TRUE(command_words.count(command)) << "command " << command;
        for (const std::string& option : Options(line)) {
            EXPECT_NE(page.find(option), std::string::npos)
                << "option " << option << " of " << command;
        }
    }
    EXPECT_GT(commands, 10) << "--help no longer lists its commands as '  name usage'";
}

}  // namespace
}  // namespace circumvia::cli
