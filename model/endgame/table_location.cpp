#include "model/endgame/table_location.h"

#include <cstdlib>
#include <string>
#include <system_error>

#include "model/endgame/endgame_table.h"

namespace circumvia::endgame {

namespace {

const std::filesystem::path kTableSubfolder = std::filesystem::path("circumvia") / "endgame";

std::string Environment(const char* name) {
    const char* value = std::getenv(name);
    return value ? value : "";
}

// share/circumvia/endgame beside the running program's bin folder: where the build leaves
// the table and where the package installs it, wherever the program was installed.
std::optional<std::filesystem::path> BesideProgram() {
    std::error_code error;
    const auto program = std::filesystem::read_symlink("/proc/self/exe", error);
    if (error) return std::nullopt;
    return program.parent_path().parent_path() / "share" / kTableSubfolder;
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
    if (const auto beside = BesideProgram()) folders.push_back(*beside);
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

std::optional<std::filesystem::path> MostCompleteTableFolder(
    const std::vector<std::filesystem::path>& folders) {
    std::optional<std::filesystem::path> best;
    int best_pieces = 0;
    for (const auto& folder : folders) {
        const int pieces = EndgameTable(folder).Pieces();
        if (pieces > best_pieces) {
            best = folder;
            best_pieces = pieces;
        }
    }
    return best;
}

std::optional<std::filesystem::path> FindTableFolder() {
    return MostCompleteTableFolder(TableSearchFolders());
}

std::shared_ptr<const EndgameTable> InstalledTable() {
    static const std::shared_ptr<const EndgameTable> table =
        []() -> std::shared_ptr<const EndgameTable> {
        const auto folder = FindTableFolder();
        if (!folder) return nullptr;
        return std::make_shared<const EndgameTable>(*folder);
    }();
    return table;
}

}  // namespace circumvia::endgame
