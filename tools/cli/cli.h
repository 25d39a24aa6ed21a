#pragma once
// Dispatch of circumvia-cli: finds the sub-command, runs it, turns usage errors
// into one line on the error stream and exit status 2.

#include <iosfwd>
#include <string>
#include <vector>

namespace circumvia::cli {

inline constexpr int kUsageStatus = 2;

// words: everything after the program name.
int RunCli(const std::vector<std::string>& words, std::ostream& out, std::ostream& err);

}  // namespace circumvia::cli
