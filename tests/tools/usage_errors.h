#pragma once
// Checks that malformed calls of circumvia-cli fail as usage errors.

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "tests/tools/cli_run.h"

namespace circumvia::cli::testing {

// Each call exits with status 2, prints nothing and explains itself in one line.
inline void ExpectUsageErrors(const std::vector<std::vector<std::string>>& calls) {
    for (const auto& call : calls) {
        const CliRun run = Cli(call);
        std::string shown;
        for (const auto& word : call) shown += word + ' ';
        EXPECT_EQ(run.status, 2) << shown;
        EXPECT_EQ(run.out, "") << shown;
        EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 1) << shown << run.err;
    }
}

}  // namespace circumvia::cli::testing
