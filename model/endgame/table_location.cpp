#include "model/endgame/table_location.h"

#include <cstdlib>
#include <string>
#include <system_error>

#include "model/endgame/table_file.h"

namespace circumvia::endgame {

namespace {

const std::filesystem::path kTableSubfolder = std::filesystem::path("circumvia") / "endgame";

std::string Environment(const char* name) {
    const char* value = std::getenv(name);
    return value ? value : "";
}

}  // namespace

std::filesystem::path UserTableFolder() {
    std::filesystem::path base = Environment("XDG_DATA_HOME");
    if (base.empty() || base.is_relative()) {
        base = std::filesystem::path(Environment("HOME")) / ".local" / "share";
    }
    return base / kTableSubfolder;
}

std::vector<std::filesystem::path> TableSearchFolders() {
    std::vector<std::filesystem::path> folders{UserTableFolder()};
    std::string dirs = Environment("XDG_DATA_DIRS");
    if (dirs.empty()) dirs = "/usr/local/share:/usr/share";
    std::size_t start = 0;
    while (start <= dirs.size()) {
        const std::size_t end = std::min(dirs.find(':', start), dirs.size());
        const std::filesystem::path dir = dirs.substr(start, end - start);
        if (dir.is_absolute()) folders.push_back(dir / kTableSubfolder);
        start = end + 1;
    }
    return folders;
}

std::optional<std::filesystem::path> FindTableFolder() {
    for (const auto& folder : TableSearchFolders()) {
        std::error_code error;
        if (std::filesystem::is_regular_file(folder / MaterialFileName({1, 1}), error)) {
            return folder;
        }
    }
    return std::nullopt;
}

}  // namespace circumvia::endgame
