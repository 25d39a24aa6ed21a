#include "dialogs/display_text.h"

#include <QLabel>
#include <QMessageBox>
#include <algorithm>

namespace circumvia::dialogs {

namespace {

constexpr std::string_view kEllipsis = "\u2026";

// Every byte but a UTF-8 continuation byte starts a character.
bool StartsCharacter(char byte) {
    return (static_cast<unsigned char>(byte) & 0xC0) != 0x80;
}

// Characters that end a line wherever they stand.
bool IsLineBreak(char16_t c) {
    return c == u'\n' || c == u'\r' || c == u'\v' || c == u'\f' || c == u'\u0085' ||
           c == u'\u2028' || c == u'\u2029';
}

constexpr QChar kFirstStrongIsolate{0x2068};
constexpr QChar kPopDirectionalIsolate{0x2069};

// Right-to-left letters and digits, and the controls that embed, override or isolate.
bool MayReorderText(QChar c) {
    switch (c.direction()) {
        case QChar::DirR:
        case QChar::DirAL:
        case QChar::DirAN:
        case QChar::DirLRE:
        case QChar::DirLRO:
        case QChar::DirRLE:
        case QChar::DirRLO:
        case QChar::DirPDF:
        case QChar::DirLRI:
        case QChar::DirRLI:
        case QChar::DirFSI:
        case QChar::DirPDI:
            return true;
        default:
            return false;
    }
}

}  // namespace

std::string ShortenedUtf8(std::string_view utf8, int max_chars) {
    const auto limit = static_cast<std::size_t>(max_chars);
    if (utf8.size() <= limit || static_cast<std::size_t>(std::count_if(utf8.begin(), utf8.end(),
                                                                       StartsCharacter)) <= limit) {
        return std::string(utf8);
    }
    const std::size_t tail_kept = (limit - 1) / 2;
    const std::size_t head_kept = limit - 1 - tail_kept;
    std::size_t head_end = 0;
    for (std::size_t seen = 0; head_end < utf8.size(); ++head_end) {
        if (StartsCharacter(utf8[head_end]) && seen++ == head_kept) break;
    }
    std::size_t tail_start = utf8.size();
    for (std::size_t seen = 0; tail_start > head_end && seen < tail_kept;) {
        if (StartsCharacter(utf8[--tail_start])) ++seen;
    }
    std::string shortened(utf8.substr(0, head_end));
    shortened += kEllipsis;
    shortened += utf8.substr(tail_start);
    return shortened;
}

QString ShortenedText(std::string_view utf8, int max_chars) {
    const std::string shown = ShortenedUtf8(utf8, max_chars);
    return QString::fromUtf8(shown.data(), static_cast<qsizetype>(shown.size()));
}

QString ShownName(std::string_view utf8) {
    QString name = ShortenedText(utf8, kLongestShownName);
    for (QChar& c : name) {
        if (IsLineBreak(c.unicode())) c = u' ';
    }
    return name;
}

std::string ShownNameUtf8(std::string_view utf8) {
    return ShownName(utf8).toStdString();
}

std::string NameInTextUtf8(std::string_view utf8) {
    const QString name = ShownName(utf8);
    if (std::none_of(name.begin(), name.end(), MayReorderText)) return name.toStdString();
    return (kFirstStrongIsolate + name + kPopDirectionalIsolate).toStdString();
}

void ShowAsPlainText(QLabel& label) {
    label.setTextFormat(Qt::PlainText);
}

void ShowAsPlainText(QMessageBox& box) {
    box.setTextFormat(Qt::PlainText);
    // The informative text has a label of its own, which still guesses.
    for (QLabel* label : box.findChildren<QLabel*>()) label->setTextFormat(Qt::PlainText);
}

}  // namespace circumvia::dialogs
