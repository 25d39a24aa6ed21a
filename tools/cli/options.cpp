#include "tools/cli/options.h"

#include <algorithm>

#include "tools/cli/arguments.h"

namespace circumvia::cli {

Arguments ParseOptions(const Arguments& args, std::span<const Option> options,
                       std::string_view command) {
    Arguments words;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& word = args[i];
        if (!word.starts_with("--")) {
            words.push_back(word);
            continue;
        }
        const auto option = std::find_if(options.begin(), options.end(),
                                         [&](const Option& o) { return o.name == word; });
        if (option == options.end()) {
            throw UsageError(std::string(command) + ": unknown option '" + word + "'");
        }
        if (option->value.empty()) {
            option->apply(std::string());
            continue;
        }
        if (i + 1 == args.size()) {
            throw UsageError(std::string(command) + ": " + word + " needs a " +
                             std::string(option->value));
        }
        option->apply(args[++i]);
    }
    return words;
}

}  // namespace circumvia::cli
