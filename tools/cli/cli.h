#pragma once
// Dispatch of circumvia-cli: finds the sub-command, runs it, turns usage errors
// into one line on the error stream and exit status 2, and checks that the output was
// written.

#include <iosfwd>
#include <string>
#include <vector>

namespace circumvia::cli {

inline constexpr int kUsageStatus = 2;
inline constexpr int kOutputFailedStatus = 1;

// words: everything after the program name. When `out` cannot be written the status is
// kOutputFailedStatus, with one line on `err`, whatever the command returned.
int RunCli(const std::vector<std::string>& words, std::ostream& out, std::ostream& err);

}  // namespace circumvia::cli
