#include "control/files/game_file_names.h"

#include <QFile>
#include <system_error>

#include "model/tjeu.h"

namespace circumvia::control {

namespace fs = std::filesystem;

namespace {

const QString kProgramName = QStringLiteral("Circumvia");

QString PatternsOf(const QString& pattern) {
    QStringList spellings{pattern};
    for (const QString& other : {pattern.toLower(), pattern.toUpper()}) {
        if (!spellings.contains(other)) spellings << other;
    }
    return spellings.join(u' ');
}

}  // namespace

QStringList DialogFilters(const std::string& filter_text) {
    const QStringList parts = QString::fromStdString(filter_text).split(u'|');
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        // The description names its patterns in brackets; the pair's own pattern replaces
        // them, since the dialog reads the patterns from there.
        QString description = parts[i];
        if (const qsizetype bracket = description.lastIndexOf(u'('); bracket > 0) {
            description.truncate(bracket);
        }
        filters << description.trimmed() + QStringLiteral(" (") + PatternsOf(parts[i + 1]) + u')';
    }
    return filters;
}

fs::path FullPathOf(const QString& name) {
    const fs::path path = PathOf(name);
    std::error_code error;
    const fs::path absolute = fs::absolute(path, error);
    return error ? path : absolute.lexically_normal();
}

fs::path GamePathFromChoice(const QString& chosen) {
    if (PathOf(chosen).has_extension()) return FullPathOf(chosen);
    return FullPathOf(chosen + u'.' + QString::fromLatin1(kGameFileExtension));
}

QString FileCaption(const std::string& file_name) {
    if (file_name == kNoName) return kProgramName;
    return kProgramName + QStringLiteral(" - ") + QFile::decodeName(file_name.c_str());
}

QString ShownPath(const fs::path& path) {
    return QFile::decodeName(path.c_str());
}

fs::path PathOf(const QString& name) {
    return fs::path(QFile::encodeName(name).toStdString());
}

CommandLine ParseCommandLine(const QStringList& arguments) {
    const QStringList words = arguments.mid(1);
    if (words.isEmpty()) return {};
    if (words.size() > 1) {
        return {.game_file = {}, .error = QStringLiteral("one game file at most")};
    }
    const QString& word = words.front();
    if (word.startsWith(u'-')) {
        return {.game_file = {}, .error = QStringLiteral("unknown option '%1'").arg(word)};
    }
    return {.game_file = word, .error = {}};
}

}  // namespace circumvia::control
