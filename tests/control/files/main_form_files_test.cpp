// The file commands in the real main window: the dialogs answer through the window's seam,
// the files are real, in a scratch folder.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDropEvent>
#include <QLabel>
#include <QMimeData>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTextDocument>
#include <QTimer>
#include <QUrl>
#include <QWindow>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>

#include "control/files/game_file_names.h"
#include "control/record/move_list.h"
#include "dialogs/display_text.h"
#include "dialogs/setup_dialog.h"
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

// Confirms the set-up dialog shown modally, as it comes.
void ConfirmSetUp() {
    if (auto* setup = qobject_cast<dialogs::TFSetup*>(QApplication::activeModalWidget())) {
        setup->BitBtn1->click();
    }
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
        QString status;   // the status line behind it
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
                    told.push_back({text, detail, window.Turn().Busy(), window.Menu().P_num->text(),
                                    window.Status().StatusText()});
                },
            .ask_save =
                [this](QWidget*, const QString& question) {
                    EXPECT_TRUE(window.Turn().Busy());
                    save_questions << question;
                    return save_answer;
                },
            .confirm = [](QWidget*, const QString&, const QString&) { return true; },
        });
    }

    // Closed here, while the answers' members still exist: closing may ask "Save the game?".
    ~MainFormFilesTest() override { window.close(); }

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
    SaveAnswer save_answer = SaveAnswer::kDiscard;  // the answer to "Save the game?"
    QStringList save_questions;
};

TEST_F(MainFormFilesTest, SaveShowsTheDialogUntilTheGameHasAFileAndSaveAsAlways) {
    StartGame();
    window.PlayMove(26, 20);
    RunUntilHumanTurn();
    chosen = Name("first");
    EXPECT_TRUE(window.FileSave(false));  // a new game has no file yet
    EXPECT_EQ(dialogs_shown, 1);
    // The designed filters, then the game text's.
    EXPECT_EQ(save_filters,
              QStringList({"Fichiers Circumvia (*.Cva *.cva *.CVA)", "Fichiers texte (*.TXT *.txt)",
                           "Textes de partie Circumvia (*.cvn *.CVN)"}));
    const fs::path first = In("first.Cva");  // the name had no extension
    EXPECT_EQ(window.Game().FileName, first.string());
    EXPECT_EQ(window.windowTitle(), "Circumvia - " + Name("first.Cva"));
    Tjeu read;
    ASSERT_EQ(LoadGameFile(read, first), LoadOutcome::kLoaded);
    EXPECT_EQ(read.Current, 2);

    // Its own file is written over without a dialog or a question. The computer's reply
    // varies, so the second move is one the position allows.
    Tjeu& game = window.Game();
    const Move second = game.SuggestMove(game.Pos, game.SideToMove, 1);
    window.PlayMove(second.From, second.To);
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
        EXPECT_EQ(window.windowTitle(), "Circumvia[*]");  // still unsaved
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
    // The system's reason, after a text of the player's language.
    const QString wrapper = QStringLiteral("La partie n'a pas pu être enregistrée : ");
    EXPECT_TRUE(told[0].text.startsWith(wrapper) && told[0].text.size() > wrapper.size());
    EXPECT_EQ(told[0].detail, Name("kept.Cva"));
    EXPECT_TRUE(told[0].busy);
    EXPECT_FALSE(window.Turn().Busy());
    EXPECT_EQ(Bytes(kept), before);
    EXPECT_EQ(window.Game().FileName, kept.string());
    EXPECT_EQ(window.windowTitle(), caption + "[*]");  // the moves are still unsaved

    chosen = Name("no such folder/game.Cva");
    EXPECT_FALSE(window.FileSave(true));
    EXPECT_EQ(told.size(), 2u);
    EXPECT_EQ(window.Game().FileName, kept.string());
    EXPECT_EQ(window.windowTitle(), caption + "[*]");
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
    EXPECT_EQ(open_filters,
              QStringList({"Fichiers Circumvia (*.Cva *.cva *.CVA)",
                           "Textes de partie Circumvia (*.cvn *.CVN)",
                           "Toutes les parties Circumvia (*.Cva *.cvn *.cva *.CVA *.CVN)"}));
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

TEST_F(MainFormFilesTest, ADamagedFileIsToldAndTheGameOnTheBoardStays) {
    StartGame();
    window.PlayMove(26, 20);
    FinishAnimations();
    const Tjeu before = window.Game();
    const QString title = window.windowTitle();
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
    EXPECT_FALSE(window.Turn().Busy());
    // Nothing of the game on the board is lost: its moves, its place, its file and caption.
    EXPECT_TRUE(SameTree(window.Game().Tree, before.Tree));
    EXPECT_EQ(window.Game().Pos, before.Pos);
    EXPECT_EQ(window.Game().Current, before.Current);
    EXPECT_EQ(window.Game().FileName, before.FileName);
    EXPECT_EQ(window.windowTitle(), title);
}

// A kind no save holds made the computer search at the file's depth 19, for ever.
TEST_F(MainFormFilesTest, AnUnknownKindIsRefusedAndASearchNeverHoldsTheWindow) {
    StartGame();
    // Made in memory, such a kind still searches for ages: the ticks go on meanwhile.
    window.Game().PlayerOf(kWhite).Kind = kMaxLevel + 1;
    window.Game().Depth = kMaxDepth;
    window.PlayMove(26, 20);
    FinishAnimations();
    Tick(3);  // the move ends, White's turn starts and is announced
    window.Timer1Timer();
    window.Timer1Timer();
    EXPECT_TRUE(window.ComputerIsThinking());
    EXPECT_EQ(window.Turn().Phase(), kSearch);

    // A file holding such a kind is refused, and the game on the board goes on as it was.
    Tjeu hostile = ThreeMoveGame();
    hostile.Players[kRed].Kind = kMaxLevel + 1;
    hostile.Depth = 19;
    ASSERT_TRUE(SaveGameFile(hostile, In("hostile.Cva")));
    chosen = Name("hostile.Cva");
    window.FileOpen();
    ASSERT_EQ(told.size(), 1u);
    EXPECT_EQ(told[0].text, Unreadable());
    EXPECT_EQ(window.Game().Current, 1);
    EXPECT_FALSE(window.Turn().Busy());
    // A game that opens gives the search up.
    ASSERT_TRUE(SaveGameFile(hostile = ThreeMoveGame(), In("good.Cva")));
    chosen = Name("good.Cva");
    window.FileOpen();
    EXPECT_FALSE(window.ComputerIsThinking());
    EXPECT_LE(window.Game().PlayerOf(kRed).Kind, kMaxLevel);
    EXPECT_EQ(window.Game().Current, 3);
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

    // Dropped on the board itself, which is a native window of its own.
    data.setUrls({QUrl::fromLocalFile(Name("three.Cva"))});
    QDragEnterEvent over_board(QPoint(100, 100), Qt::CopyAction, &data, Qt::LeftButton,
                               Qt::NoModifier);
    QApplication::sendEvent(&window.Viewer().Window(), &over_board);
    EXPECT_TRUE(over_board.isAccepted());
    QDropEvent on_board(QPointF(100, 100), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&window.Viewer().Window(), &on_board);
    EXPECT_TRUE(on_board.isAccepted());
    EXPECT_EQ(window.Game().Current, 3);
    EXPECT_TRUE(told.empty());

    // Over the board as the window system delivers a drag: to the top-level window, which
    // hands it to the board's container and so to the board's own window. Any file at all
    // passes over the board on its way; only a game is taken.
    data.setUrls({QUrl::fromLocalFile(Name("new.Cva"))});
    QWindow& top = *window.windowHandle();
    const QPoint board = window.Viewer().mapTo(&window, window.Viewer().rect().center());
    QDragEnterEvent enter_top(board, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&top, &enter_top);
    EXPECT_TRUE(enter_top.isAccepted());
    QDragMoveEvent move_top(board + QPoint(5, 5), Qt::CopyAction, &data, Qt::LeftButton,
                            Qt::NoModifier);
    QApplication::sendEvent(&top, &move_top);
    QDropEvent drop_top(board + QPoint(5, 5), Qt::CopyAction, &data, Qt::LeftButton,
                        Qt::NoModifier);
    QApplication::sendEvent(&top, &drop_top);
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

TEST_F(MainFormFilesTest, MovesMarkTheCaptionUntilTheGameIsSavedOrOpened) {
    StartGame();
    EXPECT_FALSE(window.isWindowModified());
    window.PlayMove(26, 20);
    EXPECT_TRUE(window.isWindowModified());
    EXPECT_EQ(window.windowTitle(), "Circumvia[*]");  // shown as "Circumvia*"
    RunUntilHumanTurn();                              // the computer's reply keeps the mark
    chosen = Name("marked");
    ASSERT_TRUE(window.FileSave(false));
    EXPECT_FALSE(window.isWindowModified());
    EXPECT_EQ(window.windowTitle(), "Circumvia - " + Name("marked.Cva"));
    window.TB_retClick();  // walking the record plays nothing
    EXPECT_FALSE(window.isWindowModified());
    window.Menu().Anglais1->trigger();  // a language change keeps the file in the caption
    EXPECT_EQ(window.windowTitle(), "Circumvia - " + Name("marked.Cva"));
    chosen = Name("marked.Cva");
    window.FileOpen();  // nothing unsaved: nothing asked
    EXPECT_TRUE(save_questions.isEmpty());
    ASSERT_EQ(window.Game().Current, 2);

    const Move move = ListAllMoves(window.Game().Pos, kRed).front();
    window.PlayMove(move.From, move.To);
    EXPECT_EQ(window.windowTitle(), "Circumvia - " + Name("marked.Cva") + "[*]");
    window.FileOpen();  // discarding the new move, as answered
    EXPECT_EQ(save_questions.size(), 1);
    EXPECT_FALSE(window.isWindowModified());
    EXPECT_EQ(window.Game().Current, 2);
    EXPECT_TRUE(told.empty());
}

// The question before New, Open and Exit drop a game with unsaved moves, and its answers.
TEST_F(MainFormFilesTest, SaveDiscardOrCancelBeforeNewOpenAndExit) {
    Tjeu three = ThreeMoveGame();
    ASSERT_TRUE(SaveGameFile(three, In("three.Cva")));
    enum Command { kNew, kOpen, kExit };
    struct Case {
        Command command;
        SaveAnswer answer;
        bool goes_on;  // the command did its work
        bool saved;
    };
    const Case cases[] = {
        {kNew, SaveAnswer::kCancel, false, false},  {kNew, SaveAnswer::kDiscard, true, false},
        {kNew, SaveAnswer::kSave, true, true},      {kOpen, SaveAnswer::kCancel, false, false},
        {kOpen, SaveAnswer::kDiscard, true, false}, {kOpen, SaveAnswer::kSave, true, true},
        {kExit, SaveAnswer::kCancel, false, false}, {kExit, SaveAnswer::kDiscard, true, false},
        {kExit, SaveAnswer::kSave, true, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message()
                     << "command " << c.command << " answer " << static_cast<int>(c.answer));
        TMainForm form([this] { return now; });
        form.show();
        form.Timer1().stop();
        int asked = 0;
        FileDialogs dialogs{
            .choose_open_name = [&](QWidget*, const QStringList&) { return Name("three.Cva"); },
            .choose_save_name = [&](QWidget*, const QStringList&) { return Name("saved.Cva"); },
            .ask = [](QWidget*, const QString&, const QString&) { return true; },
            .tell = [](QWidget*, const QString&, const QString&) { ADD_FAILURE(); },
            .ask_save =
                [&](QWidget*, const QString& text) {
                    ++asked;
                    EXPECT_EQ(text,
                              QString::fromStdString(lang::LoadText(lang::message::kSaveQuestion)));
                    return c.answer;
                },
            .confirm = [](QWidget*, const QString&, const QString&) { return true; },
        };
        form.SetFileDialogs(dialogs);
        form.Timer1Timer();
        form.Timer1Timer();
        form.PlayMove(26, 20);
        ASSERT_TRUE(form.HasUnsavedMoves());
        fs::remove(In("saved.Cva"));
        switch (c.command) {
            case kNew: {
                // The question comes once the set-up is confirmed.
                form.Menu().FileNewItem->trigger();
                const QObject scope;
                QTimer::singleShot(0, &scope, [] { ConfirmSetUp(); });
                form.Timer1Timer();
                form.Timer1().stop();
                EXPECT_EQ(form.Turn().State() == LoopState::TurnStart, c.goes_on);
                EXPECT_EQ(form.Game().Current, c.goes_on ? 0 : 1);
                break;
            }
            case kOpen:
                form.Menu().FileOpenItem->trigger();
                EXPECT_EQ(form.Game().Current, c.goes_on ? 3 : 1);
                break;
            case kExit:
                form.Menu().FileExitItem->trigger();
                EXPECT_EQ(form.isVisible(), !c.goes_on);
                EXPECT_EQ(form.Turn().State() == LoopState::Closing, c.goes_on);
                break;
        }
        EXPECT_EQ(asked, 1);
        EXPECT_EQ(fs::exists(In("saved.Cva")), c.saved);
        // A closed window is busy for good and keeps its (discarded or saved) game as it was.
        if (c.command != kExit || !c.goes_on) {
            EXPECT_EQ(form.HasUnsavedMoves(), !c.goes_on);
            EXPECT_FALSE(form.Turn().Busy());
        }
        if (c.saved) {
            Tjeu read;
            ASSERT_EQ(LoadGameFile(read, In("saved.Cva")), LoadOutcome::kLoaded);
            EXPECT_EQ(read.Current, 1);
        }
        if (!c.goes_on) {
            EXPECT_EQ(form.Game().Pos[20], kRed);  // Cancel changed nothing
        }
    }
}

// Only a human's move is worth a question: a game the computer alone has moved in goes
// without one; the human's first move makes it worth saving.
TEST_F(MainFormFilesTest, MovesOfTheComputerAloneAreNotWorthAskingAbout) {
    Tick();
    window.Game().SideToMove = kWhite;  // the computer opens
    RunUntilHumanTurn();
    ASSERT_EQ(window.Game().Current, 1);
    EXPECT_FALSE(window.HasUnsavedMoves());  // nothing to ask before New, Open or quitting
    const Move move = window.Game().SuggestMove(window.Game().Pos, kRed, 1);
    window.PlayMove(move.From, move.To);
    EXPECT_TRUE(window.HasUnsavedMoves());
    save_answer = SaveAnswer::kDiscard;
}

// A save that does not happen keeps the game: the command stops there.
TEST_F(MainFormFilesTest, ASaveCancelledInItsDialogKeepsTheGame) {
    StartGame();
    window.PlayMove(26, 20);
    save_answer = SaveAnswer::kSave;
    chosen = QString();  // the save dialog is cancelled
    window.FileNew();
    const QObject scope;
    QTimer::singleShot(0, &scope, [] { ConfirmSetUp(); });
    Tick();
    window.Timer1().stop();
    EXPECT_EQ(window.Turn().State(), LoopState::HumanTurn);
    EXPECT_EQ(window.Game().Current, 1);
    EXPECT_TRUE(window.HasUnsavedMoves());
    save_answer = SaveAnswer::kDiscard;
}

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
    const QObject scope;
    QTimer::singleShot(0, &scope, [] { ConfirmSetUp(); });
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
    EXPECT_TRUE(window.Status().PanelText(2).startsWith("3:"));  // the moves of the board shown
    EXPECT_TRUE(window.Status().PanelText(1).startsWith("4:"));
    window.TB_suivClick();
    EXPECT_EQ(window.Game().Pos, played);
    RunUntilHumanTurn();  // and the game goes on from there
    const Tlcoup moves = ListAllMoves(window.Game().Pos, kRed);
    window.PlayMove(moves.front().From, moves.front().To);
    RunUntilHumanTurn();
    EXPECT_EQ(window.Game().Current, 8);
    EXPECT_TRUE(told.empty());
}

// Every label of every window that holds text which Qt could take for markup shows it as
// it is. Rich text from a file's names is what lets a name read /dev/zero or nest tables
// until the stack overflows.
void ExpectNoLabelReadsMarkup() {
    for (QWidget* top : QApplication::topLevelWidgets()) {
        for (const QLabel* label : top->findChildren<QLabel*>()) {
            if (Qt::mightBeRichText(label->text())) {
                EXPECT_EQ(label->textFormat(), Qt::PlainText) << label->text().toStdString();
            }
        }
    }
}

TEST_F(MainFormFilesTest, NamesAndPathsWithMarkupAreShownAsTheyAre) {
    std::string nested_tables;
    for (int k = 0; k < 3000; ++k) nested_tables += "<table><tr><td>";
    const struct {
        std::string player;
        const char* file;
    } cases[] = {
        {"<b>Bob</b>", "<b>Bob [*].Cva"},
        {"<img src=\"/dev/zero\">", "<img src=zero>.Cva"},
        {nested_tables, "<table><tr><td><table><tr><td>.Cva"},
    };
    StartGame();
    for (const auto& c : cases) {
        SCOPED_TRACE(c.file);
        Tjeu game = ThreeMoveGame();
        game.Players[kRed].Name = c.player;
        game.Players[kWhite].Name = c.player;
        ASSERT_TRUE(SaveGameFile(game, In(c.file)));
        chosen = Name(c.file);
        window.FileOpen();
        window.MoveList().show();
        Tick();
        const QString shown = dialogs::ShownName(c.player);
        EXPECT_TRUE(window.Status().StatusText().contains(shown));
        ASSERT_EQ(window.MoveList().RowCount(), 4);
        EXPECT_EQ(window.MoveList().Text(1, 1), shown);
        // As the window system shows it, a "[*]" of the name included.
        EXPECT_EQ(window.windowHandle()->title(), "Circumvia - " + Name(c.file));
        EXPECT_EQ(window.Game().Players[kRed].Name, c.player);  // kept whole
        ExpectNoLabelReadsMarkup();
    }

    // A damaged file with markup in its name, told in the platform's own message box.
    const char* damaged = "<h1><font color=red>damaged.Cva";
    std::ofstream(In(damaged)) << "not a game";
    FileDialogs dialogs = PlatformFileDialogs();
    dialogs.choose_open_name = [&](QWidget*, const QStringList&) { return Name(damaged); };
    dialogs.ask_save = [](QWidget*, const QString&) { return SaveAnswer::kDiscard; };
    window.SetFileDialogs(dialogs);
    bool told_plainly = false;
    QTimer::singleShot(0, [&] {
        QWidget* box = QApplication::activeModalWidget();
        ASSERT_NE(box, nullptr);
        told_plainly = !box->findChildren<QLabel*>().isEmpty();
        ExpectNoLabelReadsMarkup();
        box->close();
    });
    window.FileOpen();
    EXPECT_TRUE(told_plainly);
}

}  // namespace
}  // namespace circumvia::control
