#pragma once
// One sub-command of circumvia-cli.

#include <iosfwd>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace circumvia::cli {

using Arguments = std::vector<std::string>;  // the words after the sub-command's name

struct Command {
    std::string_view name;
    std::string_view usage;        // the arguments, as shown by --help
    std::string_view description;  // one line
    // Returns the exit status; throws UsageError for a malformed call.
    int (*run)(const Arguments& args, std::ostream& out, std::ostream& err);
};

// Each group of commands lives in its own source file.
std::span<const Command> RulesCommands();
std::span<const Command> FileCommands();
std::span<const Command> SearchCommands();
std::span<const Command> GameCommands();
std::span<const Command> PrintCommands();
std::span<const Command> RatingCommands();
std::span<const Command> AnalysisCommands();
std::span<const Command> EndgameCommands();
std::span<const Command> PuzzleCommands();

}  // namespace circumvia::cli
