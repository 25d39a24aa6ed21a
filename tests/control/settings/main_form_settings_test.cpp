// Settings read at the first show and written at close, through the real window.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QSettings>
#include <QSignalSpy>
#include <QStatusBar>

#include "control/window/main_form.h"
#include "lang/language.h"
#include "scene/material_library.h"

namespace circumvia::control {
namespace {

class MainFormSettings : public ::testing::Test {
protected:
    void SetUp() override {
        Store().clear();
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    }
    void TearDown() override {
        Store().clear();
        QLocale::setDefault(QLocale::c());
        lang::SetLanguageCode('F');
    }
    static QSettings& Store() {
        static QSettings settings;
        settings.sync();
        return settings;
    }
    static QString Stored(const char* name) {
        QSettings settings;
        return settings.value(QStringLiteral("Parameters/") + name).toString();
    }
    static void StoreValue(const char* name, const QString& value) {
        QSettings settings;
        settings.setValue(QStringLiteral("Parameters/") + name, value);
    }
    // Opens the window (reading settings), lets the test look, closes it (writing them).
    template <typename Look>
    void RunWindow(Look look) {
        TMainForm window;
        window.show();
        look(window);
        window.close();
    }
};

TEST_F(MainFormSettings, FirstRunTakesTheLocaleLanguageAndWritesItBack) {
    RunWindow([](TMainForm& window) {
        EXPECT_EQ(lang::LanguageCode(), 'D');
        EXPECT_TRUE(window.Menu().Allemand1->isChecked());
        EXPECT_FALSE(window.Menu().Franais1->isChecked());
        EXPECT_EQ(window.Menu().FileMenu->title(), "&Datei");
        EXPECT_EQ(window.SettingsText(), "11D13000000000000000");
    });
    EXPECT_EQ(Stored("Default"), "11D13000000000000000");
    EXPECT_EQ(Stored("Players"), "Anke;Bernd;Clara;Dieter;Emma;Felix;Greta");
}

TEST_F(MainFormSettings, StoredUnknownLetterGivesFrench) {
    StoreValue("Default", "11x13000000000000000");
    RunWindow([](TMainForm& window) {
        EXPECT_EQ(lang::LanguageCode(), 'F');
        EXPECT_TRUE(window.Menu().Franais1->isChecked());
        EXPECT_EQ(window.Menu().FileMenu->title(), "&Fichier");
    });
    EXPECT_EQ(Stored("Default"), "11F13000000000000000");
}

TEST_F(MainFormSettings, OptionsAndViewRoundTrip) {
    StoreValue("Default", "01A02000000000000000");
    RunWindow([](TMainForm& window) {
        EXPECT_FALSE(window.Menu().Son1->isChecked());
        EXPECT_TRUE(window.Menu().TextureItem->isChecked());
        EXPECT_FALSE(window.Menu().Coupsposs->isChecked());
        EXPECT_TRUE(window.Menu().Anglais1->isChecked());
        EXPECT_EQ(window.Menu().Rotation1->text().remove(u'&'), "Rotate board");  // mnemonic
        EXPECT_EQ(window.Menu().Zoomavant1->toolTip(), "Zoom +");
    });
    // The view is applied by the first tick; with no tick the perspective view stays ticked.
    EXPECT_EQ(Stored("Default"), "01A03000000000000000");
}

TEST_F(MainFormSettings, SoundAndTexturesLeftOffStayOffAtTheNextStart) {
    StoreValue("Default", "00F13000000000000000");
    RunWindow([](TMainForm& window) {
        EXPECT_FALSE(window.Menu().Son1->isChecked());
        EXPECT_FALSE(window.Menu().TextureItem->isChecked());
        const scene::TMaterialLibrary& materials = window.Board().Scene().Materials();
        for (int i = 0; i < materials.Count(); ++i) {
            EXPECT_FALSE(materials.At(i).texture.enabled) << i;
        }
    });
    EXPECT_TRUE(Stored("Default").startsWith(QStringLiteral("00")));
}

TEST_F(MainFormSettings, PlayerNamesLandInWhiteAndRed) {
    StoreValue("P1", QString::fromUtf8("Zoé"));
    StoreValue("P2", QStringLiteral("Marc"));
    StoreValue("Players", QStringLiteral("Zoé;Marc"));
    RunWindow([](TMainForm& window) {
        EXPECT_EQ(window.Game().PlayerOf(kWhite).Name, "Zoé");
        EXPECT_EQ(window.Game().PlayerOf(kRed).Name, "Marc");
        EXPECT_EQ(window.PlayerNames(), QString::fromUtf8("Zoé;Marc"));
    });
}

TEST_F(MainFormSettings, MissingNamesTakeTheFixedDefaults) {
    RunWindow([](TMainForm& window) {
        EXPECT_EQ(window.Game().PlayerOf(kWhite).Name, kDefaultWhiteName);
        EXPECT_EQ(window.Game().PlayerOf(kRed).Name, kDefaultRedName);
    });
}

TEST_F(MainFormSettings, LanguageMenuRelabelsAtOnceAndIsStoredAtClose) {
    RunWindow([](TMainForm& window) {
        window.Menu().Anglais1->trigger();
        EXPECT_EQ(window.Menu().FileMenu->title(), "&File");
        EXPECT_TRUE(window.Menu().Anglais1->isChecked());
        EXPECT_FALSE(window.Menu().Allemand1->isChecked());
        EXPECT_EQ(window.windowTitle(), "Circumvia");
    });
    EXPECT_EQ(Stored("Default").at(2), 'A');
}

// A settings file full of junk (as if another program wrote into it), a name stored in
// Latin-1 and accented letters at the start of the settings text: the window reads only its
// own values from the start of the file, keeps every letter of the name, takes the
// defaults for the accents, and writes back its own values alone.
TEST_F(MainFormSettings, AFileOfJunkLatin1NamesAndAccentsAreReadSafely) {
    const QString path = Store().fileName();
    QDir().mkpath(QFileInfo(path).absolutePath());
    {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(
            "[Parameters]\nDefault=\xc3\xa9\xc3\xa9"
            "A0\nP2=Zo\xe9\n[Junk]\n");
        const QByteArray junk = "k=" + QByteArray(1000, 'j') + '\n';
        for (int i = 0; i < 4 * 1024; ++i) file.write(junk);  // 4 MB
    }
    RunWindow([](TMainForm& window) {
        EXPECT_TRUE(window.Menu().Son1->isChecked());
        EXPECT_TRUE(window.Menu().TextureItem->isChecked());
        EXPECT_TRUE(window.Menu().Anglais1->isChecked());
        EXPECT_FALSE(window.Menu().Coupsposs->isChecked());
        EXPECT_EQ(window.Game().PlayerOf(kRed).Name, "Zo\u00e9");
    });
    EXPECT_LT(QFileInfo(path).size(), 1000);
    EXPECT_EQ(Stored("Default"), "11A03000000000000000");
    EXPECT_EQ(Stored("P2"), QString::fromUtf8("Zo\u00e9"));
}

// Settings that cannot be written: the player is told, in the status bar and once, though
// closing writes several values.
TEST_F(MainFormSettings, SettingsThatCannotBeWrittenAreToldOnce) {
    const QString path = Store().fileName();
    QFile::remove(path);
    ASSERT_TRUE(QDir().mkpath(path));  // a folder where the file belongs
    {
        TMainForm window;
        window.show();
        lang::SetLanguageCode('A');
        window.Menu().Son1->trigger();  // a change to keep
        QSignalSpy messages(window.statusBar(), &QStatusBar::messageChanged);
        window.close();
        ASSERT_EQ(messages.count(), 1);
        EXPECT_EQ(messages.front().front().toString(), "The settings cannot be saved");
    }
    QDir(path).removeRecursively();
}

}  // namespace
}  // namespace circumvia::control
