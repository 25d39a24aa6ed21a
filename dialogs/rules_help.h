#pragma once
// The rules of the game, one page per language, shown in the program's own help window.
// Each page keeps the topic name of the help file it stands in for
// ("Circumvia.chm::/Circumvia_FR.htm" ...), so the choice of page by language is the same.

#include <QString>
#include <QTextBrowser>
#include <QUrl>

#include "dialogs/relabelled_dialog.h"

namespace circumvia::dialogs {

// The topic for a language letter: 'D' German, 'E' Spanish, 'F' French, anything else
// English.
QString HelpTopic(char languageCode);

// Where the page of a topic lives among the program's resources (qrc:/help/...); an empty
// URL for a topic that names no page of the help file.
QUrl HelpPageUrl(const QString& topic);

// The help window: a resizable, non-modal browser of the rules pages. It remembers nothing
// between openings: size, place and page come afresh each time it is made. Like the
// dialogs, it follows a change of language while open: page and title.
class THelpWindow : public QTextBrowser, public RelabelledDialog {
    Q_OBJECT
public:
    // `owner` keeps the window above it and closes it with itself.
    explicit THelpWindow(QWidget* owner);

    // Shows the page of `topic` from its top, with `title` as the window's caption.
    void ShowTopic(const QString& topic, const QString& title);
    const QString& Topic() const { return topic_; }
    // The page and title of the current language.
    void Relabel() override;

private:
    QString topic_;
};

}  // namespace circumvia::dialogs
