// The largest game file the reader accepts, opened in the real window with the move list
// shown and its record in the print preview. A program of its own, so that the peak memory
// measured is this test's alone.
#include <gtest/gtest.h>

#include <QApplication>
#include <QTemporaryDir>
#include <QTimer>
#include <fstream>
#include <string>

#include "control/record/move_list.h"
#include "tests/control/main_form_fixture.h"
#include "tests/model/game_file_fixtures.h"

namespace circumvia::control {
namespace {

namespace fs = std::filesystem;

constexpr long kLimitKilobytes = 300 * 1024;

// AddressSanitizer's shadow memory, red zones and freed-memory quarantine multiply the
// footprint by a factor that depends on the allocation pattern, so no bound measured there
// says anything about the program's own memory: under it the test only opens, lists and
// previews the file.
#if defined(__SANITIZE_ADDRESS__)
constexpr bool kPeakMeasured = false;
#else
constexpr bool kPeakMeasured = true;
#endif

// The process's peak resident memory so far, in kilobytes.
long PeakKilobytes() {
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);) {
        if (line.starts_with("VmHWM:")) return std::stol(line.substr(6));
    }
    return -1;
}

class LargestGameFile : public testing::MainFormTest {};

TEST_F(LargestGameFile, OpensListsAndPreviewsWithinThreeHundredMegabytes) {
    const QTemporaryDir folder;
    const fs::path path = fs::path(folder.path().toStdString()) / "largest.Cva";
    {
        // A megabyte-long name (shown in every row of the list) and as many moves as fit.
        Tjeu game = circumvia::testing::LongRecord(350000);
        game.Players[kRed].Name = std::string(1 << 20, 'R');
        ASSERT_TRUE(SaveGameFile(game, path));
        ASSERT_LE(fs::file_size(path), kMaxGameFileBytes);
        ASSERT_GT(fs::file_size(path), kMaxGameFileBytes * 9 / 10);
    }
    FileDialogs dialogs = PlatformFileDialogs();
    dialogs.choose_open_name = [&](QWidget*, const QStringList&) {
        return QString::fromStdString(path.string());
    };
    dialogs.ask_save = [](QWidget*, const QString&) { return SaveAnswer::kDiscard; };
    window.SetFileDialogs(dialogs);
    Tick(2);
    window.FileOpen();
    ASSERT_EQ(window.Game().Current, 350000);
    window.MoveList().show();
    Tick();
    EXPECT_EQ(window.MoveList().RowCount(), 350001);

    // The preview, shown until it has painted, then closed.
    QTimer::singleShot(1000, [] {
        if (QWidget* preview = QApplication::activeModalWidget()) preview->close();
    });
    window.FilePrint();
    if (kPeakMeasured) {
        EXPECT_LT(PeakKilobytes(), kLimitKilobytes);
    }
}

}  // namespace
}  // namespace circumvia::control
