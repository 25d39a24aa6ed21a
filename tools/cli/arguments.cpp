#include "tools/cli/arguments.h"

#include <charconv>

#include "model/position_text.h"

namespace circumvia::cli {

void ExpectCount(const Arguments& args, std::size_t count, std::string_view command) {
    if (args.size() < count) {
        throw UsageError(std::string(command) + ": missing argument");
    }
    if (args.size() > count) {
        throw UsageError(std::string(command) + ": unexpected argument '" + args[count] + "'");
    }
}

Position ParsePosition(const std::string& word) {
    if (word.size() != kCellCount) {
        throw UsageError("position '" + word + "' must have 36 characters, not " +
                         std::to_string(word.size()));
    }
    const auto position = ParsePositionText(word);
    if (!position) {
        throw UsageError("position '" + word + "' may only hold R, B and _");
    }
    return *position;
}

int ParseNumber(const std::string& word, int min, int max, std::string_view what) {
    int value = 0;
    const auto [end, error] = std::from_chars(word.data(), word.data() + word.size(), value);
    if (word.empty() || error != std::errc{} || end != word.data() + word.size() || value < min ||
        value > max) {
        throw UsageError(std::string(what) + " '" + word + "' must be a number from " +
                         std::to_string(min) + " to " + std::to_string(max));
    }
    return value;
}

Side ParseSide(const std::string& word) {
    return ParseNumber(word, kRed, kWhite, "side");
}

int ParseCell(const std::string& word) {
    return ParseNumber(word, 1, kCellCount, "cell");
}

}  // namespace circumvia::cli
