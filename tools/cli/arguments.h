#pragma once
// Parsing of circumvia-cli's arguments. Every malformed word raises UsageError
// naming what is wrong.

#include <stdexcept>
#include <string>

#include "model/board.h"
#include "tools/cli/command.h"

namespace circumvia::cli {

class UsageError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Exactly `count` arguments, else an error naming the command.
void ExpectCount(const Arguments& args, std::size_t count, std::string_view command);

Position ParsePosition(const std::string& word);
Side ParseSide(const std::string& word);
int ParseCell(const std::string& word);
// A whole number in [min, max]; `what` names it in the error.
int ParseNumber(const std::string& word, int min, int max, std::string_view what);

}  // namespace circumvia::cli
