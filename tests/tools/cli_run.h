#pragma once
// Runs circumvia-cli in-process and captures what it prints.

#include <sstream>
#include <string>
#include <vector>

#include "tools/cli/cli.h"

namespace circumvia::cli::testing {

struct CliRun {
    int status;
    std::string out;
    std::string err;
};

inline CliRun Cli(const std::vector<std::string>& words) {
    std::ostringstream out, err;
    const int status = RunCli(words, out, err);
    return {status, out.str(), err.str()};
}

}  // namespace circumvia::cli::testing
