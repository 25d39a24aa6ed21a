#pragma once
// The remembered player names: the list the set-up dialog offers in its name boxes, and
// the rule that decides which typed names join it. Plain functions over Qt strings, so
// the rule is tested without a dialog.

#include <QString>
#include <QStringList>

namespace circumvia::dialogs {

// A sorted list of names that ignores a name already present in any case.
class NamesList {
public:
    // False (and nothing changes) when the name is already there, compared without case.
    bool Add(const QString& name);
    void Clear() { names_.clear(); }
    const QStringList& Names() const { return names_; }

private:
    QStringList names_;
};

// The names of a stored list ("Anna;Marc;"): each piece up to a ";" trimmed, empty pieces
// dropped.
NamesList ParsePlayerNames(const QString& player_names);

// The stored form of a list: each name trimmed and followed by ";".
QString JoinPlayerNames(const NamesList& names);

// Whether a trimmed name may be remembered at all: two to 64 characters, ordering from
// "0A" on (by character codes), no ";". Names such as "-x" or "(ab)" are used for one game
// only.
bool IsRememberableName(const QString& name);

// Remembers a typed name as the set-up dialog's confirm button does. A name failing
// IsRememberableName changes nothing; otherwise it joins `names` unless it equals one of
// the (trimmed) player kinds of the dialog's kind list, and `player_names` is rebuilt from
// `names` either way.
void RememberName(const QString& typed, const QStringList& kind_entries, NamesList& names,
                  QString& player_names);

}  // namespace circumvia::dialogs
