#include "control/access/mnemonics.h"

#include <QMenu>
#include <QMenuBar>
#include <optional>
#include <set>

namespace circumvia::control {

namespace {

// Where the text's own mnemonic letter is ("&&" is a plain ampersand), if it has one.
std::optional<qsizetype> OwnMnemonic(const QString& text) {
    for (qsizetype i = 0; i + 1 < text.size(); ++i) {
        if (text[i] != u'&') continue;
        if (text[i + 1] != u'&') return i + 1;
        ++i;
    }
    return std::nullopt;
}

bool StartsWord(const QString& text, qsizetype i) {
    return i == 0 || !text[i - 1].isLetterOrNumber();
}

std::optional<qsizetype> FreeLetter(const QString& text, const std::set<QChar>& taken,
                                    bool word_starts_only) {
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (!text[i].isLetterOrNumber() || (word_starts_only && !StartsWord(text, i))) continue;
        if (taken.count(text[i].toLower()) == 0) return i;
    }
    return std::nullopt;
}

void AssignIn(const QList<QAction*>& actions) {
    QStringList texts;
    QList<QAction*> named;
    for (QAction* action : actions) {
        if (action->isSeparator() || action->text().isEmpty()) continue;
        texts << action->text();
        named << action;
    }
    const QStringList marked = WithMnemonics(texts);
    for (qsizetype i = 0; i < named.size(); ++i) {
        if (named[i]->text() != marked[i]) named[i]->setText(marked[i]);
        if (QMenu* submenu = named[i]->menu()) AssignIn(submenu->actions());
    }
}

}  // namespace

QStringList WithMnemonics(const QStringList& texts) {
    std::set<QChar> taken;
    for (const QString& text : texts) {
        if (const std::optional<qsizetype> own = OwnMnemonic(text))
            taken.insert(text[*own].toLower());
    }
    QStringList marked;
    for (const QString& text : texts) {
        if (OwnMnemonic(text)) {
            marked << text;
            continue;
        }
        std::optional<qsizetype> at = FreeLetter(text, taken, true);
        if (!at) at = FreeLetter(text, taken, false);
        if (!at) {
            marked << text;
            continue;
        }
        taken.insert(text[*at].toLower());
        marked << QString(text).insert(*at, u'&');
    }
    return marked;
}

void AssignMenuMnemonics(QMenuBar& bar) {
    AssignIn(bar.actions());
}

}  // namespace circumvia::control
