// Filters, chosen names, captions and the command line of the file commands.
#include "control/files/game_file_names.h"

#include <gtest/gtest.h>

#include <QDir>

#include "model/tjeu.h"

namespace circumvia::control {
namespace {

namespace fs = std::filesystem;

TEST(DialogFilters, EveryPairBecomesOneFilterWithItsPatternInEachCase) {
    const std::pair<std::string, QStringList> cases[] = {
        {"Fichiers Circumvia (*.Cva)|*.Cva", {"Fichiers Circumvia (*.Cva *.cva *.CVA)"}},
        {"Circumvia files (*.Cva)|*.Cva|Text files (*.txt)|*.TXT",
         {"Circumvia files (*.Cva *.cva *.CVA)", "Text files (*.TXT *.txt)"}},
        {"Datei|*.cva", {"Datei (*.cva *.CVA)"}},  // no brackets in the description
        {"", {}},
        {"odd one out", {}},
    };
    for (const auto& [text, filters] : cases) EXPECT_EQ(DialogFilters(text), filters) << text;
}

TEST(GamePathFromChoice, AddsTheExtensionOnlyWhenThereIsNoneAndMakesTheNameFull) {
    const fs::path here = QDir::currentPath().toStdString();
    const std::pair<const char*, fs::path> cases[] = {
        {"partie", here / "partie.Cva"},
        {"partie.Cva", here / "partie.Cva"},
        {"notes.txt", here / "notes.txt"},
        {"/tmp/a/../jeu", "/tmp/jeu.Cva"},
        {"/tmp/dossier.v2/jeu", "/tmp/dossier.v2/jeu.Cva"},  // a dot in the folder only
        {"/tmp/.cache/partie é", "/tmp/.cache/partie é.Cva"},
    };
    for (const auto& [chosen, expected] : cases) {
        EXPECT_EQ(GamePathFromChoice(QString::fromUtf8(chosen)), expected) << chosen;
    }
}

TEST(FileCaption, NamesTheFileOnlyOnceTheGameHasOne) {
    EXPECT_EQ(FileCaption(kNoName), "Circumvia");
    EXPECT_EQ(FileCaption("/home/zoé/partie.Cva"),
              QString::fromUtf8("Circumvia - /home/zoé/partie.Cva"));
}

TEST(ParseCommandLine, TakesOneGameFileAndRefusesTheRest) {
    struct Case {
        QStringList arguments;
        QString game_file;
        bool error;
    };
    const Case cases[] = {
        {{"circumvia"}, "", false},
        {{"circumvia", "Saved Game.Cva"}, "Saved Game.Cva", false},
        {{"circumvia", "/tmp/a.Cva", "/tmp/b.Cva"}, "", true},
        {{"circumvia", "--fullscreen"}, "", true},
        {{"circumvia", "-x"}, "", true},
    };
    for (const Case& c : cases) {
        const CommandLine line = ParseCommandLine(c.arguments);
        EXPECT_EQ(line.game_file, c.game_file) << c.arguments.join(u' ').toStdString();
        EXPECT_EQ(!line.error.isEmpty(), c.error) << c.arguments.join(u' ').toStdString();
    }
}

}  // namespace
}  // namespace circumvia::control
