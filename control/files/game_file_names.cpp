#include "control/files/game_file_names.h"

#include <algorithm>
#include <iterator>
#include <string>
#include <string_view>

#include <QFile>
#include <system_error>

#include "lang/language.h"
#include "lang/text_ids.h"
#include "model/tjeu.h"

namespace circumvia::control {

namespace fs = std::filesystem;

namespace {

const QString kProgramName = QStringLiteral("Circumvia");

QString PatternsOf(const QString& pattern) {
    const QStringList words = pattern.split(u' ', Qt::SkipEmptyParts);
    QStringList spellings;
    for (const QString& word : words) spellings << word;
    for (const bool lower : {true, false}) {
        for (const QString& word : words) {
            const QString other = lower ? word.toLower() : word.toUpper();
            if (!spellings.contains(other)) spellings << other;
        }
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

namespace {

std::string FilterOf(int caption, const std::string& patterns) {
    return lang::Caption(lang::CaptionBase() + caption) + '|' + patterns;
}

const std::string kTextPattern = std::string("*.") + kGameTextExtension;

}  // namespace

QStringList OpenDialogFilters() {
    const std::string both = std::string("*.") + kGameFileExtension + ' ' + kTextPattern;
    return DialogFilters(lang::LoadText(lang::message::kGameFileFilter)) +
           DialogFilters(FilterOf(lang::caption::kGameTextFilter, kTextPattern)) +
           DialogFilters(FilterOf(lang::caption::kAllGamesFilter, both));
}

QStringList SaveDialogFilters() {
    return DialogFilters(lang::LoadText(lang::message::kSaveFileFilter)) +
           DialogFilters(FilterOf(lang::caption::kGameTextFilter, kTextPattern));
}

QString DefaultSuffixFor(const QString& filter) {
    const bool text =
        filter.contains(QString::fromStdString(kTextPattern), Qt::CaseInsensitive) &&
        !filter.contains(u'.' + QString::fromLatin1(kGameFileExtension), Qt::CaseInsensitive);
    return QString::fromLatin1(text ? kGameTextExtension : kGameFileExtension);
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

namespace {

// Qt's own options, taken with one or two leading hyphens; those that take a value take
// the next word, or the text after "=".
constexpr std::string_view kQtOptionsWithValue[] = {"platform",        "platformpluginpath",
                                                    "platformtheme",   "plugin",
                                                    "qwindowgeometry", "geometry",
                                                    "qwindowtitle",    "title",
                                                    "qwindowicon",     "icon",
                                                    "display",         "name",
                                                    "session",         "style",
                                                    "stylesheet",      "qmljsdebugger",
                                                    "qwindowstyle"};
constexpr std::string_view kQtFlags[] = {"reverse", "widgetcount", "nograb",
                                         "dograb",  "sync",        "testability"};

}  // namespace

QStringList WithoutQtOptions(const QStringList& arguments) {
    QStringList kept;
    for (qsizetype k = 0; k < arguments.size(); ++k) {
        const QString& word = arguments[k];
        if (k == 0 || !word.startsWith(u'-') || word == QStringLiteral("-")) {
            kept << word;
            continue;
        }
        const QString bare = word.mid(word.startsWith(QStringLiteral("--")) ? 2 : 1);
        const QString option = bare.section(u'=', 0, 0);
        const std::string name = option.toStdString();
        const bool takes_value =
            std::find(std::begin(kQtOptionsWithValue), std::end(kQtOptionsWithValue), name) !=
            std::end(kQtOptionsWithValue);
        const bool is_flag =
            std::find(std::begin(kQtFlags), std::end(kQtFlags), name) != std::end(kQtFlags);
        if (takes_value && !bare.contains(u'=')) {
            ++k;  // its value
        } else if (!takes_value && !is_flag) {
            kept << word;  // not Qt's: the game's own check refuses it
        }
    }
    return kept;
}

}  // namespace circumvia::control
