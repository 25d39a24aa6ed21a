#include "tools/cli/cli.h"

#include <ostream>

#include "tools/cli/arguments.h"
#include "tools/cli/printable.h"

namespace circumvia::cli {

namespace {

constexpr std::span<const Command> (*kCommandGroups[])() = {
    RulesCommands,  FileCommands,     SearchCommands, GameCommands,   PrintCommands,
    RatingCommands, AnalysisCommands, PuzzleCommands, EndgameCommands};

const Command* FindCommand(const std::string& name) {
    for (auto group : kCommandGroups) {
        for (const Command& command : group()) {
            if (command.name == name) return &command;
        }
    }
    return nullptr;
}

void PrintHelp(std::ostream& out) {
    out << "usage: circumvia-cli COMMAND [ARGUMENTS]\n"
           "       circumvia-cli --help | --version\n\n"
           "POS is a board of 36 characters, cell 1 first: R a Red piece, B a White piece,\n"
           "_ an empty cell. SIDE is 1 (Red) or 2 (White). Cells are numbered 1..36 row by row.\n"
           "Exit status: 0 done; 1 a file that cannot be read or saved, a format error, an\n"
           "illegal move, or output that cannot be written; 2 a malformed call.\n\n"
           "commands:\n";
    for (auto group : kCommandGroups) {
        for (const Command& command : group()) {
            out << "  " << command.name << ' ' << command.usage << "\n      " << command.description
                << '\n';
        }
    }
}

int Dispatch(const std::vector<std::string>& words, std::ostream& out, std::ostream& err) {
    if (!words.empty() && (words[0] == "--help" || words[0] == "-h" || words[0] == "help")) {
        PrintHelp(out);
        return 0;
    }
    if (words.size() == 1 && (words[0] == "--version" || words[0] == "-v")) {
        out << "circumvia-cli " << CIRCUMVIA_VERSION << '\n';
        return 0;
    }
    try {
        if (words.empty()) throw UsageError("missing command (try --help)");
        const Command* command = FindCommand(words[0]);
        if (!command) throw UsageError("unknown command '" + words[0] + "' (try --help)");
        return command->run(Arguments(words.begin() + 1, words.end()), out, err);
    } catch (const UsageError& error) {
        err << "circumvia-cli: " << Printable(error.what()) << '\n';
        return kUsageStatus;
    }
}

}  // namespace

int RunCli(const std::vector<std::string>& words, std::ostream& out, std::ostream& err) {
    const int status = Dispatch(words, out, err);
    // A script must not take a cut-off answer (a full disk, a closed pipe) for a whole one.
    out.flush();
    if (!out) {
        err << "circumvia-cli: cannot write the output\n";
        return kOutputFailedStatus;
    }
    return status;
}

}  // namespace circumvia::cli
