#include "dialogs/rules_help.h"

#include <QShortcut>

#include "assets/asset_paths.h"
#include "dialogs/dialog_placement.h"
#include "lang/language.h"
#include "lang/text_ids.h"

namespace circumvia::dialogs {

namespace {
const QString kHelpFile = QStringLiteral("Circumvia.chm::/");
constexpr int kWidth = 640;
constexpr int kHeight = 560;
}  // namespace

QString HelpTopic(char languageCode) {
    const char* page = "Circumvia_EN.htm";
    switch (languageCode) {
        case 'D':
            page = "Circumvia_DE.htm";
            break;
        case 'E':
            page = "Circumvia_ES.htm";
            break;
        case 'F':
            page = "Circumvia_FR.htm";
            break;
        default:
            break;
    }
    return kHelpFile + QString::fromLatin1(page);
}

QUrl HelpPageUrl(const QString& topic) {
    if (!topic.startsWith(kHelpFile)) return {};
    const QString page = topic.mid(kHelpFile.size());
    if (page.isEmpty() || page.contains(QLatin1Char('/'))) return {};
    // ":/help/" becomes "qrc:/help/", so the pages' pictures resolve beside them.
    return QUrl(QStringLiteral("qrc") + QString::fromLatin1(assets::kRulesFolder) + page);
}

THelpWindow::THelpWindow(QWidget* owner) : QTextBrowser(owner) {
    setWindowFlag(Qt::Window);
    setObjectName(QStringLiteral("HelpWindow"));
    setAttribute(Qt::WA_DeleteOnClose);
    setOpenExternalLinks(false);
    setOpenLinks(true);
    resize(kWidth, kHeight);
    CentreOnOwner(*this);
    auto* close_key = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(close_key, &QShortcut::activated, this, &QWidget::close);
}

void THelpWindow::ShowTopic(const QString& topic, const QString& title) {
    topic_ = topic;
    setWindowTitle(title);
    setSource(HelpPageUrl(topic), QTextDocument::HtmlResource);
}

void THelpWindow::Relabel() {
    ShowTopic(
        HelpTopic(lang::LanguageCode()),
        QString::fromStdString(lang::Caption(lang::CaptionBase() + lang::caption::kRulesItem)));
}

}  // namespace circumvia::dialogs
