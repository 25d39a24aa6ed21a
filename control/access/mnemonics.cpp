#include "control/access/mnemonics.h"

#include <QMenu>
#include <QMenuBar>
#include <algorithm>
#include <map>
#include <optional>
#include <set>
#include <utility>
#include <vector>

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
    // Each text's letters in the order of choice: word starts first, then the others.
    const auto n = static_cast<std::size_t>(texts.size());
    std::vector<std::vector<QChar>> choices(n);
    for (std::size_t i = 0; i < n; ++i) {
        const QString& text = texts[static_cast<qsizetype>(i)];
        if (OwnMnemonic(text)) continue;
        for (const bool word_starts : {true, false}) {
            for (qsizetype k = 0; k < text.size(); ++k) {
                if (!text[k].isLetterOrNumber() || StartsWord(text, k) != word_starts) continue;
                const QChar letter = text[k].toLower();
                if (taken.count(letter) == 0 &&
                    std::find(choices[i].begin(), choices[i].end(), letter) == choices[i].end()) {
                    choices[i].push_back(letter);
                }
            }
        }
    }
    // In order, each text takes its first free choice; a text left without one then takes a
    // letter from an earlier text that can move to another of its own (an augmenting path),
    // so that as many texts as the letters allow get one.
    std::vector<std::optional<QChar>> chosen(n);
    std::map<QChar, std::size_t> owner;
    for (std::size_t i = 0; i < n; ++i) {
        for (const QChar letter : choices[i]) {
            if (owner.count(letter) == 0) {
                owner[letter] = i;
                chosen[i] = letter;
                break;
            }
        }
    }
    for (std::size_t i = 0; i < n; ++i) {
        if (chosen[i] || choices[i].empty()) continue;
        std::set<QChar> visited;
        // Without recursion: a path of (text, next choice to try) from the text left over.
        std::vector<std::pair<std::size_t, std::size_t>> path{{i, 0}};
        std::vector<QChar> letters;
        while (!path.empty()) {
            auto& [text, next] = path.back();
            if (next == choices[text].size()) {
                path.pop_back();
                if (!letters.empty()) letters.pop_back();
                continue;
            }
            const QChar letter = choices[text][next++];
            if (!visited.insert(letter).second) continue;
            letters.push_back(letter);
            const auto found = owner.find(letter);
            if (found == owner.end()) {
                // Every text on the path takes the letter it reached.
                for (std::size_t k = 0; k < path.size(); ++k) {
                    owner[letters[k]] = path[k].first;
                    chosen[path[k].first] = letters[k];
                }
                break;
            }
            path.push_back({found->second, 0});
        }
    }
    QStringList marked;
    for (std::size_t i = 0; i < n; ++i) {
        const QString& text = texts[static_cast<qsizetype>(i)];
        if (!chosen[i]) {
            marked << text;
            continue;
        }
        // Underlined where a word starts with it, else at its first place.
        qsizetype at = -1;
        for (qsizetype k = 0; k < text.size() && at < 0; ++k) {
            if (text[k].toLower() == *chosen[i] && StartsWord(text, k)) at = k;
        }
        for (qsizetype k = 0; k < text.size() && at < 0; ++k) {
            if (text[k].toLower() == *chosen[i]) at = k;
        }
        marked << QString(text).insert(at, u'&');
    }
    return marked;
}

void AssignMenuMnemonics(QMenuBar& bar) {
    AssignIn(bar.actions());
}

}  // namespace circumvia::control
