#include "dialogs/names_list.h"

#include "dialogs/display_text.h"

#include <algorithm>

namespace circumvia::dialogs {

namespace {

constexpr QChar kSeparator = u';';

bool OrdersBefore(const QString& a, const QString& b) {
    return QString::compare(a, b, Qt::CaseInsensitive) < 0;
}

}  // namespace

bool NamesList::Add(const QString& name) {
    const auto place = std::lower_bound(names_.begin(), names_.end(), name, OrdersBefore);
    if (place != names_.end() && QString::compare(*place, name, Qt::CaseInsensitive) == 0) {
        return false;
    }
    names_.insert(place, name);
    return true;
}

NamesList ParsePlayerNames(const QString& player_names) {
    NamesList names;
    for (const QString& piece : player_names.split(kSeparator)) {
        const QString name = piece.trimmed();
        if (!name.isEmpty()) names.Add(name);
    }
    return names;
}

QString JoinPlayerNames(const NamesList& names) {
    QString joined;
    for (const QString& name : names.Names()) joined += name.trimmed() + kSeparator;
    return joined;
}

bool IsRememberableName(const QString& name) {
    // Counted in characters, so that a letter outside the basic plane counts once. A name
    // too long to be shown whole is not offered again either.
    const qsizetype characters = name.toUcs4().size();
    if (characters < 2 || characters > kLongestShownName) return false;
    // Compared on UTF-16 codes: for the ASCII "0A" that orders exactly as the code points.
    const QString lowest = QStringLiteral("0A");
    if (std::lexicographical_compare(name.begin(), name.end(), lowest.begin(), lowest.end(),
                                     [](QChar a, QChar b) { return a.unicode() < b.unicode(); })) {
        return false;
    }
    return !name.contains(kSeparator);
}

void RememberName(const QString& typed, const QStringList& kind_entries, NamesList& names,
                  QString& player_names) {
    const QString name = typed.trimmed();
    if (!IsRememberableName(name)) return;
    const bool is_kind = std::any_of(kind_entries.begin(), kind_entries.end(),
                                     [&](const QString& kind) { return kind.trimmed() == name; });
    if (!is_kind) names.Add(name);
    player_names = JoinPlayerNames(names);
}

}  // namespace circumvia::dialogs
