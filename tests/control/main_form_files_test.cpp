// The file commands in the real main window: the dialogs answer through the window's seam,
// the files are real, in a scratch folder.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDropEvent>
#include <QMimeData>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QUrl>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>

#include "control/game_file_names.h"
#include "lang/text_ids.h"
#include "model/game_file.h"
#include "tests/control/main_form_fixture.h"

namespace circumvia::control {
namespace {

namespace fs = std::filesystem;

std::string Bytes(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

int RedTagOnCell(TMainForm& window, int cell) {
    for (int i = scene::kFirstRedPiece; i < scene::kFirstWhitePiece; ++i) {
        if (window.Board().SceneObjects[i]->Tag() == cell) return i;
    }
    return -1;
}

// Red 26-20, White 8-15, Red 20-14: a record of three moves.
Tjeu ThreeMoveGame() {
    Tjeu game;
    game.ApplyMove(game.Pos, 26, 20);
    game.ApplyMove(game.Pos, 8, 15);
    game.ApplyMove(game.Pos, 20, 14);
    return game;
}

class MainFormFilesTest : public testing::MainFormTest {
protected:
    struct Told {
        QString text;
        QString detail;
        bool busy;
        QString counter;  // the move counter behind the message
    };

    MainFormFilesTest() {
        lang::SetLanguageCode('F');
        window.SetFileDialogs({
            .choose_open_name =
                [this](QWidget*, const QStringList& filters) {
                    open_filters = filters;
                    ++dialogs_shown;
                    return Answer();
                },
            .choose_save_name =
                [this](QWidget*, const QStringList& filters) {
                    save_filters = filters;
                    ++dialogs_shown;
                    return Answer();
                },
            .ask =
                [this](QWidget*, const QString& question, const QString& detail) {
                    questions << question + u'|' + detail;
                    return overwrite;
                },
            .tell =
                [this](QWidget*, const QString& text, const QString& detail) {
                    told.push_back(
                        {text, detail, window.Turn().Busy(), window.Menu().P_num->text()});
                },
        });
    }

    QString Answer() {
        EXPECT_TRUE(window.Turn().Busy()) << "no tick may run inside a dialog";
        return chosen;
    }

    fs::path In(const char* name) const { return fs::path(folder.path().toStdString()) / name; }
    QString Name(const char* name) const { return QString::fromStdString(In(name).string()); }
    static QString Unreadable() {
        return QString::fromStdString(lang::LoadText(lang::message::kUnreadableFile));
    }

    QTemporaryDir folder;
    QString chosen;         // what the next dialog returns; empty: cancelled
    bool overwrite = true;  // the answer to "Ecraser"
    int dialogs_shown = 0;
    QStringList open_filters;
    QStringList save_filters;
    QStringList questions;
    std::vector<Told> told;
};

TEST_F(MainFormFilesTest, SaveShowsTheDialogUntilTheGameHasAFileAndSaveAsAlways) {
    StartGame();
    window.PlayMove(26, 20);
    RunUntilHumanTurn();
    chosen = Name("first");
    EXPECT_TRUE(window.FileSave(false));  // a new game has no file yet
    EXPECT_EQ(dialogs_shown, 1);
    EXPECT_EQ(save_filters, QStringList({"Fichiers Circumvia (*.Cva *.cva *.CVA)",
                                         "Fichiers texte (*.TXT *.txt)"}));
    const fs::path first = In("first.Cva");  // the name had no extension
    EXPECT_EQ(window.Game().FileName, first.string());
    EXPECT_EQ(window.windowTitle(), "Circumvia - " + Name("first.Cva"));
    Tjeu read;
    ASSERT_EQ(LoadGameFile(read, first), LoadOutcome::kLoaded);
    EXPECT_EQ(read.Current, 2);

    // Its own file is written over without a dialog or a question.
    window.PlayMove(20, 14);
    RunUntilHumanTurn();
    EXPECT_TRUE(window.FileSave(false));
    EXPECT_EQ(dialogs_shown, 1);
    EXPECT_TRUE(questions.isEmpty());
    ASSERT_EQ(LoadGameFile(read, first), LoadOutcome::kLoaded);
    EXPECT_EQ(read.Current, 4);

    // Save As asks for a name even so; an existing one is only written after Yes.
    chosen = Name("first.Cva");
    EXPECT_TRUE(window.FileSave(true));
    EXPECT_EQ(dialogs_shown, 2);
    EXPECT_EQ(questions, QStringList({"Ecraser|" + Name("first.Cva")}));
    chosen = Name("notes.txt");  // the text filter only changes the name
    EXPECT_TRUE(window.FileSave(true));
    ASSERT_EQ(LoadGameFile(read, In("notes.txt")), LoadOutcome::kLoaded);
    EXPECT_EQ(window.windowTitle(), "Circumvia - " + Name("notes.txt"));
    EXPECT_FALSE(window.Turn().Busy());
    EXPECT_TRUE(told.empty());
}

TEST_F(MainFormFilesTest, RefusedOverwriteOrCancelWritesNothingAndChangesNothing) {
    StartGame();
    const fs::path other = In("other.Cva");
    std::ofstream(other, std::ios::binary) << "someone else's file";
    const std::string before = Bytes(other);
    window.PlayMove(26, 20);
    for (const bool cancel : {false, true}) {
        chosen = cancel ? QString() : Name("other");
        overwrite = false;
        EXPECT_FALSE(window.FileSave(false));
        EXPECT_EQ(Bytes(other), before);
        EXPECT_EQ(window.Game().FileName, kNoName);
        EXPECT_EQ(window.windowTitle(), "Circumvia");
        EXPECT_FALSE(window.Turn().Busy());
        EXPECT_EQ(window.Turn().Phase(), kMoveUnderWay);  // the game goes on
    }
    EXPECT_EQ(questions.size(), 1);
    EXPECT_EQ(dialogs_shown, 2);
}

TEST_F(MainFormFilesTest, AFailedSaveIsToldAndKeepsTheOldFileNameAndCaption) {
    StartGame();
    chosen = Name("kept");
    ASSERT_TRUE(window.FileSave(false));
    const fs::path kept = In("kept.Cva");
    const std::string before = Bytes(kept);
    const QString caption = window.windowTitle();
    window.PlayMove(26, 20);
    RunUntilHumanTurn();

    // A read-only folder, and the file itself read-only, which stops the superuser too.
    fs::permissions(kept, fs::perms::owner_read);
    fs::permissions(In(""), fs::perms::owner_read | fs::perms::owner_exec);
    const bool saved = window.FileSave(false);
    fs::permissions(In(""), fs::perms::owner_all);
    EXPECT_FALSE(saved);
    ASSERT_EQ(told.size(), 1u);
    EXPECT_FALSE(told[0].text.isEmpty());  // the system's reason
    EXPECT_EQ(told[0].detail, Name("kept.Cva"));
    EXPECT_TRUE(told[0].busy);
    EXPECT_FALSE(window.Turn().Busy());
    EXPECT_EQ(Bytes(kept), before);
    EXPECT_EQ(window.Game().FileName, kept.string());
    EXPECT_EQ(window.windowTitle(), caption);

    chosen = Name("no such folder/game.Cva");
    EXPECT_FALSE(window.FileSave(true));
    EXPECT_EQ(told.size(), 2u);
    EXPECT_EQ(window.Game().FileName, kept.string());
    EXPECT_EQ(window.windowTitle(), caption);
}

TEST_F(MainFormFilesTest, OpenReplacesTheGameAndKeepsTheLoopsState) {
    StartGame();
    Tjeu three = ThreeMoveGame();
    ASSERT_TRUE(SaveGameFile(three, In("three.Cva")));
    // A piece selected on the old board: its markers and the selection go.
    const scene::TSceneObject& piece =
        *window.Board().SceneObjects[static_cast<std::size_t>(RedTagOnCell(window, 26))];
    const scene::ScreenPoint at = window.Viewer().View().Project(piece.AbsolutePosition());
    QTest::mouseClick(&window.Viewer(), Qt::LeftButton, Qt::NoModifier,
                      QPoint(static_cast<int>(at.x), static_cast<int>(at.y)));
    ASSERT_EQ(window.Turn().Phase(), kPieceSelected);
    ASSERT_FALSE(window.PossibleMoves().empty());

    chosen = Name("three");  // the extension is added here too
    window.FileOpen();
    EXPECT_EQ(open_filters, QStringList({"Fichiers Circumvia (*.Cva *.cva *.CVA)"}));
    EXPECT_EQ(window.Game().Current, 3);
    EXPECT_EQ(window.Game().SideToMove, kWhite);
    EXPECT_EQ(window.Game().FileName, In("three.Cva").string());
    EXPECT_EQ(window.windowTitle(), "Circumvia - " + Name("three.Cva"));
    EXPECT_TRUE(window.PossibleMoves().empty());
    EXPECT_NE(RedTagOnCell(window, 14), -1);  // the pieces follow the loaded game
    EXPECT_EQ(RedTagOnCell(window, 26), -1);
    EXPECT_EQ(window.Status().PanelText(2), "3:  D 2->C 2");  // each side's last move
    EXPECT_EQ(window.Status().PanelText(1), "2:  B 2->C 3");
    EXPECT_EQ(window.Turn().State(), LoopState::HumanTurn);
    EXPECT_EQ(window.Turn().Phase(), kNoSelection);
    EXPECT_FALSE(window.Board().Select1->Shining());
    EXPECT_TRUE(window.Menu().Coupprcdent1->isEnabled());
    EXPECT_FALSE(window.Turn().Busy());
    EXPECT_TRUE(told.empty());
}

TEST_F(MainFormFilesTest, CancelOrAMissingFileChangesNothingButTheMarkers) {
    StartGame();
    window.PlayMove(26, 20);
    RunUntilHumanTurn();
    for (const char* name : {"", "missing.Cva"}) {
        window.ShowPossibleMoves(20);
        ASSERT_FALSE(window.PossibleMoves().empty());
        chosen = *name ? Name(name) : QString();
        window.FileOpen();
        EXPECT_TRUE(window.PossibleMoves().empty()) << name;
        EXPECT_EQ(window.Game().Current, 2) << name;
        EXPECT_EQ(window.Game().Pos[20], kRed) << name;
        EXPECT_EQ(window.Game().FileName, kNoName) << name;
        EXPECT_EQ(window.Turn().State(), LoopState::HumanTurn) << name;
        EXPECT_FALSE(window.Turn().Busy()) << name;
    }
    EXPECT_TRUE(told.empty());  // a missing file is ignored, as the dialog only offers files
}

TEST_F(MainFormFilesTest, ADamagedFileIsToldAndThePartialReadStays) {
    StartGame();
    const std::vector<std::uint8_t> whole = GameFileBytes(ThreeMoveGame());
    std::ofstream(In("cut.Cva"), std::ios::binary)
        .write(reinterpret_cast<const char*>(whole.data()),
               static_cast<std::streamsize>(whole.size() - 10));  // inside the last entry
    chosen = Name("cut.Cva");
    window.FileOpen();
    ASSERT_EQ(told.size(), 1u);
    EXPECT_EQ(told[0].text, Unreadable());
    EXPECT_EQ(told[0].detail, Name("cut.Cva"));
    EXPECT_TRUE(told[0].busy);
    EXPECT_EQ(told[0].counter, "2");  // the board shows the read part behind the message
    EXPECT_FALSE(window.Turn().Busy());
    // What was read before the damage stays: the position, the side and entries 0..2.
    EXPECT_EQ(window.Game().Pos, ThreeMoveGame().Pos);
    EXPECT_EQ(window.Game().SideToMove, kWhite);
    EXPECT_EQ(window.Game().Current, 2);
    EXPECT_EQ(window.Game().FileName, kNoName);
    EXPECT_EQ(window.windowTitle(), "Circumvia");
    EXPECT_NE(RedTagOnCell(window, 14), -1);
}

TEST_F(MainFormFilesTest, AGameOpenedAfterTheEndOfAnotherIsPlayed) {
    StartGame();
    window.Game().Result = kDrawn;
    Tick();
    ASSERT_EQ(window.Turn().State(), LoopState::GameOver);
    Tjeu fresh;
    ASSERT_TRUE(SaveGameFile(fresh, In("new.Cva")));
    chosen = Name("new.Cva");
    window.FileOpen();
    Tick(2);
    EXPECT_EQ(window.Turn().State(), LoopState::HumanTurn);
}

// At start-up (a command-line argument) and by dropping a file on the window.
TEST_F(MainFormFilesTest, AGameNamedAtStartOrDroppedIsOpened) {
    Tjeu three = ThreeMoveGame();
    ASSERT_TRUE(SaveGameFile(three, In("three.Cva")));
    window.OpenAtStart(Name("three.Cva"));
    Tick();  // the first tick resets, then opens
    EXPECT_EQ(window.Game().Current, 3);
    EXPECT_EQ(window.windowTitle(), "Circumvia - " + Name("three.Cva"));
    Tick();
    EXPECT_EQ(window.Turn().State(), LoopState::ComputerTurn);  // White, the computer
    RunUntilHumanTurn();
    EXPECT_EQ(window.Game().Current, 4);

    Tjeu fresh;
    ASSERT_TRUE(SaveGameFile(fresh, In("new.Cva")));
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(Name("new.Cva"))});
    QDragEnterEvent enter(QPoint(100, 100), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&window, &enter);
    EXPECT_TRUE(enter.isAccepted());
    QDropEvent drop(QPointF(100, 100), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&window, &drop);
    EXPECT_TRUE(drop.isAccepted());
    EXPECT_EQ(window.Game().Current, 0);
    EXPECT_EQ(window.Game().FileName, In("new.Cva").string());
    EXPECT_TRUE(told.empty());
}

class StartFileTest : public MainFormFilesTest,
                      public ::testing::WithParamInterface<const char*> {};

TEST_P(StartFileTest, AnUnreadableStartFileIsToldAndANewGameFollows) {
    const std::vector<std::uint8_t> whole = GameFileBytes(ThreeMoveGame());
    std::ofstream(In("cut.Cva"), std::ios::binary)
        .write(reinterpret_cast<const char*>(whole.data()), 60);
    fs::create_directory(In("folder.Cva"));
    window.OpenAtStart(Name(GetParam()));
    StartGame();
    ASSERT_EQ(told.size(), 1u);
    EXPECT_EQ(told[0].text, Unreadable());
    EXPECT_EQ(told[0].detail, Name(GetParam()));
    EXPECT_TRUE(told[0].busy);
    EXPECT_EQ(window.Game().Pos, Tjeu().Pos);
    EXPECT_EQ(window.Game().Current, 0);
    EXPECT_EQ(window.windowTitle(), "Circumvia");
}

INSTANTIATE_TEST_SUITE_P(MainFormFiles, StartFileTest,
                         ::testing::Values("missing.Cva", "cut.Cva", "folder.Cva"));

// Plays, saves, starts anew, opens the game again and walks back over its record.
TEST_F(MainFormFilesTest, APlayedGameComesBackWholeAfterNewAndOpen) {
    StartGame();
    for (int n = 0; n < 3; ++n) {
        const Tlcoup moves = ListAllMoves(window.Game().Pos, kRed);
        window.PlayMove(moves.front().From, moves.front().To);
        RunUntilHumanTurn();
    }
    ASSERT_EQ(window.Game().Current, 6);
    const Position played = window.Game().Pos;
    chosen = Name("played");
    window.Menu().FileSaveItem->trigger();

    window.Menu().FileNewItem->trigger();
    // The set-up dialog, if the new game shows one, is closed as it comes.
    const QObject scope;
    QTimer::singleShot(0, &scope, [] {
        if (QWidget* dialog = QApplication::activeModalWidget()) dialog->close();
    });
    Tick();
    window.Timer1().stop();
    RunUntilHumanTurn();
    ASSERT_EQ(window.Game().Current, 0);
    EXPECT_EQ(window.windowTitle(), "Circumvia");

    chosen = Name("played.Cva");
    window.Menu().FileOpenItem->trigger();
    EXPECT_EQ(window.Game().Pos, played);
    EXPECT_EQ(window.Game().Current, 6);
    EXPECT_EQ(window.Menu().P_num->text(), "6");
    window.TB_retClick();
    EXPECT_EQ(window.Game().Current, 4);
    EXPECT_EQ(window.Menu().P_num->text(), "4/6");
    window.TB_suivClick();
    EXPECT_EQ(window.Game().Pos, played);
    RunUntilHumanTurn();  // and the game goes on from there
    const Tlcoup moves = ListAllMoves(window.Game().Pos, kRed);
    window.PlayMove(moves.front().From, moves.front().To);
    RunUntilHumanTurn();
    EXPECT_EQ(window.Game().Current, 8);
    EXPECT_TRUE(told.empty());
}

}  // namespace
}  // namespace circumvia::control
