#include "dialogs/rules_help.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QPointer>
#include <QRegularExpression>
#include <QSet>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextFragment>

#include "assets/asset_paths.h"

namespace circumvia::dialogs {
namespace {

TEST(RulesHelp, TopicFollowsTheLanguageAndFallsBackToEnglish) {
    const std::pair<char, const char*> cases[] = {
        {'D', "Circumvia.chm::/Circumvia_DE.htm"}, {'E', "Circumvia.chm::/Circumvia_ES.htm"},
        {'F', "Circumvia.chm::/Circumvia_FR.htm"}, {'A', "Circumvia.chm::/Circumvia_EN.htm"},
        {'x', "Circumvia.chm::/Circumvia_EN.htm"}, {'\0', "Circumvia.chm::/Circumvia_EN.htm"},
    };
    for (const auto& [code, topic] : cases) {
        EXPECT_EQ(HelpTopic(code), QString::fromLatin1(topic)) << "language " << code;
    }
}

TEST(RulesHelp, OnlyTopicsOfTheHelpFileNameAPage) {
    EXPECT_EQ(HelpPageUrl(QStringLiteral("Circumvia.chm::/Circumvia_ES.htm")),
              QUrl(QStringLiteral("qrc:/help/Circumvia_ES.htm")));
    for (const char* bad : {"", "Circumvia_ES.htm", "Other.chm::/Circumvia_ES.htm",
                            "Circumvia.chm::/", "Circumvia.chm::/../assets/click.wav"}) {
        EXPECT_TRUE(HelpPageUrl(QString::fromLatin1(bad)).isEmpty()) << bad;
    }
}

// The pictures a shown page refers to, as the browser resolves them.
QList<QUrl> PicturesOf(const THelpWindow& window) {
    QList<QUrl> pictures;
    for (QTextBlock block = window.document()->begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextCharFormat format = it.fragment().charFormat();
            if (format.isImageFormat()) {
                pictures.append(window.source().resolved(QUrl(format.toImageFormat().name())));
            }
        }
    }
    return pictures;
}

struct Page {
    char language;
    const char* title;    // the caption given to the window
    const char* heading;  // words the page must show, accents intact
};

class RulesPages : public ::testing::TestWithParam<Page> {};

TEST_P(RulesPages, PageShowsItsTextAndEveryPicture) {
    const Page page = GetParam();
    QWidget owner;
    THelpWindow window(&owner);
    window.ShowTopic(HelpTopic(page.language), QString::fromUtf8(page.title));

    EXPECT_TRUE(window.isWindow());
    EXPECT_EQ(window.windowTitle(), QString::fromUtf8(page.title));
    EXPECT_EQ(window.Topic(), HelpTopic(page.language));
    const QString text = window.document()->toPlainText();
    EXPECT_GT(text.size(), 4000) << "a page of rules, not a stub";
    EXPECT_TRUE(text.contains(QString::fromUtf8(page.heading))) << text.left(200).toStdString();
    // Moves are written as the status bar writes them.
    EXPECT_TRUE(text.contains(QStringLiteral("E 1->D 1")));

    // Every picture of the rules folder is shown, and each one decodes.
    QSet<QString> shown;
    for (const QUrl& url : PicturesOf(window)) {
        const QByteArray data =
            window.loadResource(QTextDocument::ImageResource, url).toByteArray();
        EXPECT_FALSE(QImage::fromData(data).isNull()) << url.toString().toStdString();
        shown.insert(url.fileName());
    }
    const QStringList files =
        QDir(QString::fromLatin1(assets::kRulesFolder)).entryList({QStringLiteral("*.png")});
    EXPECT_EQ(shown, QSet<QString>(files.begin(), files.end()));
    EXPECT_EQ(files.size(), 5);
}

TEST_P(RulesPages, EveryLinkOfThePageLeadsToOneOfItsSections) {
    QFile file(HelpPageUrl(HelpTopic(GetParam().language)).toString().mid(3));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QString html = QString::fromUtf8(file.readAll());
    QSet<QString> anchors;
    for (const auto& m :
         QRegularExpression(QStringLiteral("name=\"([^\"]+)\"")).globalMatch(html)) {
        anchors.insert(m.captured(1));
    }
    int links = 0;
    for (const auto& m :
         QRegularExpression(QStringLiteral("href=\"([^\"]*)\"")).globalMatch(html)) {
        const QString target = m.captured(1);
        ASSERT_TRUE(target.startsWith(QLatin1Char('#'))) << "a link out of the page";
        EXPECT_TRUE(anchors.contains(target.mid(1))) << target.toStdString();
        ++links;
    }
    EXPECT_EQ(links, 8);  // one a section
}

INSTANTIATE_TEST_SUITE_P(AllLanguages, RulesPages,
                         ::testing::Values(Page{'F', "Règles du jeu",
                                                "La prise le long d'un circuit"},
                                           Page{'A', "Rules", "Captures along a circuit"},
                                           Page{'E', "Reglas", "La captura por un circuito"},
                                           Page{'D', "Spielregeln", "Schlagen auf einem Rundweg"}),
                         [](const auto& info) { return std::string(1, info.param.language); });

TEST(RulesHelp, ClosingTheWindowReleasesIt) {
    QWidget owner;
    QPointer<THelpWindow> window = new THelpWindow(&owner);
    window->ShowTopic(HelpTopic('F'), QStringLiteral("Règles"));
    window->show();
    window->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(window.isNull());
}

}  // namespace
}  // namespace circumvia::dialogs
