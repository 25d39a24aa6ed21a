// The Help menu through the real window: the rules in the chosen language, the about box.
#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "dialogs/about_box.h"
#include "dialogs/rules_help.h"
#include "tests/control/main_form_fixture.h"

namespace circumvia::control {
namespace {

using testing::MainFormTest;

using MainFormHelpTest = MainFormTest;

TEST_F(MainFormHelpTest, F1OpensTheRulesOfTheChosenLanguageInOneWindow) {
    StartGame();
    const MainMenu& menu = window.Menu();
    EXPECT_TRUE(menu.HelprulesItem->isEnabled());
    EXPECT_EQ(menu.HelprulesItem->shortcut(), QKeySequence(Qt::Key_F1));

    struct Case {
        QAction* language;
        const char* topic;
        const char* title;
    };
    const Case cases[] = {
        {menu.Espagnol1, "Circumvia.chm::/Circumvia_ES.htm", "Reglas"},
        {menu.Anglais1, "Circumvia.chm::/Circumvia_EN.htm", "Rules"},
        {menu.Allemand1, "Circumvia.chm::/Circumvia_DE.htm", "Spielregeln"},
        {menu.Franais1, "Circumvia.chm::/Circumvia_FR.htm", "Règles du jeu"},
    };
    dialogs::THelpWindow* first = nullptr;
    for (const Case& c : cases) {
        c.language->trigger();
        menu.HelprulesItem->trigger();
        dialogs::THelpWindow* help = window.HelpWindow();
        ASSERT_NE(help, nullptr);
        if (first == nullptr) first = help;
        EXPECT_EQ(help, first) << "a second rules window";
        EXPECT_EQ(help->Topic(), QString::fromLatin1(c.topic));
        EXPECT_EQ(help->source().fileName(), help->Topic().section(QLatin1Char('/'), -1));
        EXPECT_EQ(help->windowTitle(), QString::fromUtf8(c.title));
        EXPECT_TRUE(help->isVisible());
        EXPECT_FALSE(help->isModal());
    }

    // The game goes on beside it: a move can still be played and answered.
    window.PlayMove(26, 20);
    RunUntilHumanTurn();
    EXPECT_EQ(window.Game().Current, 2);

    first->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(window.HelpWindow(), nullptr);
}

TEST_F(MainFormHelpTest, AnOpenRulesWindowFollowsALanguageChangeAtOnce) {
    StartGame();
    const MainMenu& menu = window.Menu();
    menu.Franais1->trigger();
    menu.HelprulesItem->trigger();
    const std::pair<QAction*, const char*> cases[] = {
        {menu.Allemand1, "Spielregeln"}, {menu.Anglais1, "Rules"}, {menu.Espagnol1, "Reglas"}};
    for (const auto& [language, title] : cases) {
        language->trigger();
        dialogs::THelpWindow* help = window.HelpWindow();
        ASSERT_NE(help, nullptr);
        EXPECT_EQ(help->Topic(), dialogs::HelpTopic(lang::LanguageCode()));
        EXPECT_EQ(help->windowTitle(), QString::fromUtf8(title));
    }
}

TEST_F(MainFormHelpTest, AboutBoxShowsTheVersionModallyAndIsReleasedWhenConfirmed) {
    StartGame();
    EXPECT_TRUE(window.Menu().HelpAboutItem->isEnabled());
    QPointer<dialogs::TFAbout> seen;
    QString version;
    bool modal = false;
    QPoint centre;
    QTimer::singleShot(0, [&] {
        auto* box = qobject_cast<dialogs::TFAbout*>(QApplication::activeModalWidget());
        if (box == nullptr) {
            // Never leave a box open behind a failed check: the test would hang.
            for (QWidget* top : QApplication::topLevelWidgets()) {
                if (auto* other = qobject_cast<dialogs::TFAbout*>(top)) other->reject();
            }
            return;
        }
        seen = box;
        version = box->Label_version->text();
        modal = box->isModal();
        centre = box->frameGeometry().center();
        QTest::mouseClick(box->BitBtn1, Qt::LeftButton);
    });
    window.Menu().HelpAboutItem->trigger();

    ASSERT_FALSE(version.isEmpty()) << "no modal about box was shown";
    EXPECT_EQ(version, window.Version());
    EXPECT_TRUE(modal);
    EXPECT_EQ(centre, window.geometry().center());
    EXPECT_TRUE(seen.isNull()) << "the box outlives its closing";
}

}  // namespace
}  // namespace circumvia::control
