// The printed record of a game as a PDF file, without a window or a display: the same
// pages the print preview shows, with a flat top view of the board as its picture.
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QString>
#include <filesystem>
#include <memory>
#include <optional>
#include <ostream>

#include "dialogs/draw_position.h"
#include "dialogs/print/game_sheet.h"
#include "dialogs/print/print_document.h"
#include "dialogs/print/print_output.h"
#include "lang/language.h"
#include "model/endgame/table_location.h"
#include "model/game_file.h"
#include "tools/cli/arguments.h"
#include "tools/cli/options.h"
#include "tools/cli/printable.h"

namespace circumvia::cli {

namespace {

// Drawn large so that it stays sharp once shrunk into the page's picture box; the margin
// leaves room for the corner loops, which reach beyond the diagram's square.
constexpr int kPictureDiagram = 570;
constexpr int kPictureMargin = 30;

QImage TopView(const Position& cells) {
    QImage image(kPictureDiagram + 2 * kPictureMargin, kPictureDiagram + 2 * kPictureMargin,
                 QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    dialogs::DrawPosition(painter, kPictureMargin, kPictureMargin, kPictureDiagram, cells, true);
    return image;
}

char ParseLanguage(const std::string& word) {
    if (word == "F" || word == "A" || word == "E" || word == "D") return word[0];
    throw UsageError("print: LANGUAGE is F (French), A (English), E (Spanish) or D (German)");
}

// Painting text needs a GUI application; the offscreen platform needs no display.
class PaintingContext {
public:
    PaintingContext() {
        if (QGuiApplication::instance() == nullptr)
            app_ = std::make_unique<QGuiApplication>(argc_, argv_);
    }

private:
    int argc_ = 3;
    char program_[14] = "circumvia-cli";
    char option_[10] = "-platform";
    char platform_[10] = "offscreen";
    char* argv_[4] = {program_, option_, platform_, nullptr};
    std::unique_ptr<QGuiApplication> app_;
};

int Print(const Arguments& args, std::ostream&, std::ostream& err) {
    std::optional<char> language;
    bool sheet = false;
    const Option options[] = {
        {"--language", "LANGUAGE", [&](const std::string& v) { language = ParseLanguage(v); }},
        {"--sheet", "", [&](const std::string&) { sheet = true; }},
    };
    const Arguments words = ParseOptions(args, options, "print");
    ExpectCount(words, 2, "print");
    if (language)
        lang::SetLanguageCode(*language);
    else
        lang::LanguageFromLocale();

    Tjeu game;
    switch (LoadGameFile(game, words[0])) {
        case LoadOutcome::kLoaded:
            break;
        case LoadOutcome::kFormatError:
            err << "circumvia-cli: '" << Printable(words[0]) << "' is not a readable game file\n";
            return 1;
        case LoadOutcome::kCannotRead:
            err << "circumvia-cli: cannot read '" << Printable(words[0]) << "'\n";
            return 1;
    }
    const PaintingContext painting;
    // The sheet carries the review's marks, the endgame table's where it holds the position:
    // the game is analysed first.
    AnalysisRun run;
    if (sheet) run.table = endgame::InstalledTable();
    const dialogs::PrintDocument document =
        sheet ? dialogs::ComposeGameSheet(game, AnalyseGame(game.History, run),
                                          dialogs::GameDate(words[0]))
              : dialogs::ComposePrintDocument(TopView(game.Pos), game);
    // The name exactly as given: a name that is not UTF-8 is written byte for byte.
    const WriteResult written = dialogs::WritePdf(document, std::filesystem::path(words[1]));
    if (!written) {
        err << "circumvia-cli: cannot write '" << Printable(words[1])
            << "': " << written.error.message() << '\n';
        return 1;
    }
    return 0;
}

constexpr Command kCommands[] = {
    {"print", "FILE OUT.pdf [--language F|A|E|D] [--sheet]",
     "the printed record of a game (title, board seen from above, one diagram per move) as "
     "an A4 PDF; --sheet prints the game sheet instead (players, result, date, each player's "
     "summary and turning points, the winning-chance graph, the legend, then the analysed "
     "moves with their marks, better moves and capture paths, and the final position)",
     Print},
};

}  // namespace

std::span<const Command> PrintCommands() {
    return kCommands;
}

}  // namespace circumvia::cli
