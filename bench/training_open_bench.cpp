// How long Help > Learn to play and Help > Puzzles take to open, from the command to the
// first frame of the board showing the lesson or the puzzle, in the real main window.
// First each is opened once in the window just started, then many times one from the other
// (the panel shown, a new position set on the board, its first frame drawn); the start-up
// reading of the shipped puzzles is timed apart.
// Needs a display:
// xvfb-run -a -s '-screen 0 1280x1024x24' build/bin/circumvia_training_open_bench
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QEventLoop>
#include <QFile>
#include <QSurfaceFormat>
#include <QTemporaryDir>
#include <QTest>
#include <chrono>
#include <memory>
#include <sstream>

#include "control/training/puzzle_trainer.h"
#include "control/window/application_identity.h"
#include "control/window/main_form.h"
#include "scene/gl/scene_viewer.h"

namespace {

namespace control = circumvia::control;

struct ShownWindow {
    control::TMainForm window;

    ShownWindow() {
        control::FileDialogs dialogs = control::PlatformFileDialogs();
        dialogs.ask_save = [](QWidget*, const QString&) { return control::SaveAnswer::kDiscard; };
        window.SetFileDialogs(dialogs);
        window.show();
        exposed = QTest::qWaitForWindowExposed(&window);
        window.Timer1().stop();
        window.Timer1Timer();  // sets up the first game
        window.Timer1Timer();
    }
    ~ShownWindow() { window.close(); }
    // Runs `open`, then waits until the board's next frame has been drawn and shown.
    double OpenSeconds(void (control::TMainForm::*open)()) {
        QEventLoop loop;
        QObject::connect(&window.Viewer().Window(), &circumvia::scene::TSceneWindow::FrameSwapped,
                         &loop, &QEventLoop::quit);
        const auto start = std::chrono::steady_clock::now();
        (window.*open)();
        window.Viewer().Redraw();
        loop.exec();
        return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    }

    bool exposed = false;
};

// Made at the first use and closed before the application ends.
std::unique_ptr<ShownWindow> shown_window;

ShownWindow& Shown() {
    if (!shown_window) shown_window = std::make_unique<ShownWindow>();
    return *shown_window;
}

void Open(benchmark::State& state, void (control::TMainForm::*open)(),
          void (control::TMainForm::*other)()) {
    ShownWindow& shown = Shown();
    if (!shown.exposed) state.SkipWithError("the window was not shown");
    for (auto _ : state) {
        shown.OpenSeconds(other);  // not timed: so that each opening starts afresh
        state.SetIterationTime(shown.OpenSeconds(open));
    }
}

// The first opening of each in a window just started: the panels laid out for the first
// time.
void BM_FirstOpenPuzzles(benchmark::State& state) {
    for (auto _ : state) {
        state.SetIterationTime(Shown().OpenSeconds(&control::TMainForm::ShowPuzzles));
    }
}
BENCHMARK(BM_FirstOpenPuzzles)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(1);

void BM_FirstOpenLessons(benchmark::State& state) {
    for (auto _ : state) {
        state.SetIterationTime(Shown().OpenSeconds(&control::TMainForm::ShowLessons));
    }
}
BENCHMARK(BM_FirstOpenLessons)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(1);

void BM_OpenLessons(benchmark::State& state) {
    Open(state, &control::TMainForm::ShowLessons, &control::TMainForm::ShowPuzzles);
}
BENCHMARK(BM_OpenLessons)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(20);

void BM_OpenPuzzles(benchmark::State& state) {
    Open(state, &control::TMainForm::ShowPuzzles, &control::TMainForm::ShowLessons);
}
BENCHMARK(BM_OpenPuzzles)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(20);

// What the program does once, at start: the shipped puzzles read and checked.
void BM_ReadShippedPuzzles(benchmark::State& state) {
    for (auto _ : state) {
        QFile file(QStringLiteral(":/puzzles/puzzles.tsv"));
        file.open(QIODevice::ReadOnly);
        std::istringstream in(file.readAll().toStdString());
        benchmark::DoNotOptimize(circumvia::ReadPuzzles(in));
    }
}
BENCHMARK(BM_ReadShippedPuzzles)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char* argv[]) {
    QSurfaceFormat::setDefaultFormat(circumvia::scene::ViewerSurfaceFormat());
    const QTemporaryDir settings_home;  // the user's settings stay untouched
    qputenv("XDG_CONFIG_HOME", settings_home.path().toLocal8Bit());
    QApplication app(argc, argv);
    control::SetApplicationIdentity();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    shown_window.reset();
    return 0;
}
