#pragma once
// Options of the form `--name VALUE`, or flags `--name`, anywhere among a command's words. Each
// command lists its options in a table; adding one is one more row.

#include <functional>
#include <span>
#include <string>
#include <string_view>

#include "tools/cli/command.h"

namespace circumvia::cli {

struct Option {
    std::string_view name;   // with the dashes: "--first"
    std::string_view value;  // the value's name in messages: "SIDE"; empty for a flag
    std::function<void(const std::string& value)> apply;  // may throw UsageError
};

// Applies every option in `args` through its row of `options` and returns the other words
// in order. An unknown option, or one without its value, is a UsageError naming `command`.
Arguments ParseOptions(const Arguments& args, std::span<const Option> options,
                       std::string_view command);

}  // namespace circumvia::cli
