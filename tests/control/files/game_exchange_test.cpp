// The game as text through the clipboard, and the game file's notice: a text that cannot be
// read asks nothing and drops nothing, and the notice is given once, ever.
#include "control/files/game_exchange.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <optional>
#include <vector>

#include "control/settings/settings_store.h"
#include "lang/language.h"
#include "model/game_storage.h"
#include "model/movegen.h"
#include "tests/model/game_fixtures.h"

namespace circumvia::control {
namespace {

class FakeHost : public GameExchangeHost {
public:
    const Tjeu& ExchangedGame() const override { return game; }
    bool MayReplaceGame() override {
        ++asked;
        return agree;
    }
    void ReplaceGame(Tjeu replacement, bool saved) override {
        game = std::move(replacement);
        replaced_saved = saved;
    }
    void TellUser(const QString& text, const QString&) override { told.push_back(text); }
    void ShowStatus(const QString&) override {}

    Tjeu game = testing::ComputerGame(1, 1, 9, 6);
    bool agree = true;
    int asked = 0;
    std::optional<bool> replaced_saved;
    std::vector<QString> told;
};

struct Exchange {
    QTemporaryDir folder;
    SettingsStore settings{folder.filePath("Circumvia.conf")};
    FakeHost host;
    QString clipboard;
    GameExchange exchange{host, settings,
                          ClipboardText{[this] { return clipboard; },
                                        [this](const QString& text) { clipboard = text; }}};
};

TEST(GameExchange, ABadPasteIsToldWithItsPlaceAndAGoodOneAsksFirst) {
    lang::SetLanguageCode('A');
    Exchange e;
    const Tjeu original = e.host.game;
    e.clipboard = QStringLiteral("[Red \"A\"]\n1. E1-D2 A1-A2\n");
    e.exchange.Paste();
    ASSERT_EQ(e.host.told.size(), 1u);
    EXPECT_TRUE(e.host.told[0].contains(QStringLiteral("line 2, column 10")))
        << e.host.told[0].toStdString();
    EXPECT_EQ(e.host.asked, 0);  // nothing to replace the game with: nothing asked
    EXPECT_FALSE(e.host.replaced_saved);

    // A copied game comes back whole once the player agrees to drop the one on the board.
    Tjeu varied = original;
    varied.GoToNode(varied.Tree.Line()[2]);
    const Tlcoup moves = ListAllMoves(varied.Pos, varied.SideToMove);
    varied.ApplyMove(varied.Pos, moves.back().From, moves.back().To);
    std::swap(e.host.game, varied);
    e.exchange.CopyAsText();
    std::swap(e.host.game, varied);
    e.host.agree = false;
    e.exchange.Paste();
    EXPECT_TRUE(SameTree(e.host.game.Tree, original.Tree));
    e.host.agree = true;
    e.exchange.Paste();
    EXPECT_EQ(e.host.asked, 2);
    EXPECT_TRUE(SameTree(e.host.game.Tree, varied.Tree));
    EXPECT_EQ(e.host.replaced_saved, false);  // a pasted game is not saved anywhere yet
}

TEST(GameExchange, TheGameFileNoticeIsGivenOnceAndOnlyWhenSomethingIsLeftOut) {
    Exchange e;
    const std::filesystem::path game_file = "/tmp/a.Cva";
    e.exchange.Saved(game_file);  // a single line: nothing left out
    EXPECT_TRUE(e.host.told.empty());
    e.host.game.Tree.SetComment(e.host.game.CurrentNode(), "note");
    e.exchange.Saved("/tmp/a.cvn");  // the text keeps everything
    EXPECT_TRUE(e.host.told.empty());
    e.exchange.Saved(game_file);
    e.exchange.Saved(game_file);
    EXPECT_EQ(e.host.told.size(), 1u);
    // Kept in the settings: another session does not say it again.
    SettingsStore again(e.folder.filePath("Circumvia.conf"));
    FakeHost host;
    host.game = e.host.game;
    GameExchange later(host, again, ClipboardText{});
    later.Saved(game_file);
    EXPECT_TRUE(host.told.empty());
}

}  // namespace
}  // namespace circumvia::control
