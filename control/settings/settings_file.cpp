#include "control/settings/settings_file.h"

#include <QFile>
#include <QFileInfo>
#include <algorithm>
#include <string_view>

#include "model/text_encoding.h"

namespace circumvia::control {

namespace {

QString DecodeBytes(const QByteArray& bytes) {
    const std::string_view raw(bytes.constData(), static_cast<std::size_t>(bytes.size()));
    return ValidUtf8(raw) == raw ? QString::fromUtf8(bytes) : QString::fromLatin1(bytes);
}

int HexValue(QChar c) {
    const char16_t u = c.unicode();
    if (u >= '0' && u <= '9') return u - '0';
    if (u >= 'a' && u <= 'f') return u - 'a' + 10;
    if (u >= 'A' && u <= 'F') return u - 'A' + 10;
    return -1;
}

// One escape after a backslash at text[i]; returns the index after it.
qsizetype Unescape(const QString& text, qsizetype i, QString& out) {
    static constexpr std::pair<char16_t, char16_t> kSimple[] = {
        {'a', '\a'}, {'b', '\b'}, {'f', '\f'},  {'n', '\n'}, {'r', '\r'},  {'t', '\t'},
        {'v', '\v'}, {'"', '"'},  {'\'', '\''}, {'?', '?'},  {'\\', '\\'},
    };
    if (i >= text.size()) return i;
    const char16_t c = text[i].unicode();
    for (const auto& [letter, meaning] : kSimple) {
        if (c == letter) {
            out += QChar(meaning);
            return i + 1;
        }
    }
    char32_t value = 0;
    qsizetype next = i;
    if (c == 'x') {
        for (next = i + 1; next < text.size() && HexValue(text[next]) >= 0; ++next)
            value = (value * 16 + static_cast<char32_t>(HexValue(text[next]))) & 0x10FFFF;
    } else if (c >= '0' && c <= '7') {
        for (; next < text.size() && text[next] >= u'0' && text[next] <= u'7'; ++next)
            value = (value * 8 + (text[next].unicode() - '0')) & 0x10FFFF;
    } else {
        out += text[i];  // an unknown escape stands for itself
        return i + 1;
    }
    out += QString::fromUcs4(&value, 1);
    return next;
}

// A value as QSettings writes a text: quoted stretches, backslash escapes, a leading "@"
// doubled. Unquoted blanks at either end are not part of it.
QString UnescapeValue(const QString& raw) {
    QString out;
    bool quoted = false;
    bool started = false;  // a character that counts has been seen
    qsizetype kept = 0;    // the length of `out` up to its last character that counts
    for (qsizetype i = 0; i < raw.size();) {
        const QChar c = raw[i];
        if (c == u'"') {
            quoted = !quoted;
            ++i;
        } else if (c == u'\\') {
            i = Unescape(raw, i + 1, out);
        } else {
            ++i;
            if (!quoted && c.isSpace()) {
                if (started) out += c;
                continue;
            }
            out += c;
        }
        started = true;
        kept = out.size();
    }
    out.truncate(kept);
    if (out.startsWith(QLatin1String("@@"))) out.remove(0, 1);
    return out;
}

bool IsHexDigit(char16_t c) {
    return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
}

// As QSettings writes a text, so that it reads the file back unchanged.
QByteArray EscapeValue(const QString& value) {
    const QString text = value.startsWith(u'@') ? QStringLiteral("@") + value : value;
    QByteArray out;
    bool needs_quotes = false;
    bool escape_next_hex_digit = false;
    for (const QChar qc : text) {
        const char16_t c = qc.unicode();
        if (c == ';' || c == ',' || c == '=') needs_quotes = true;
        if (escape_next_hex_digit && IsHexDigit(c)) {
            out += "\\x" + QByteArray::number(c, 16);
            continue;
        }
        escape_next_hex_digit = false;
        switch (c) {
            case '\0':
                out += "\\0";
                escape_next_hex_digit = true;
                break;
            case '\a':
                out += "\\a";
                break;
            case '\b':
                out += "\\b";
                break;
            case '\f':
                out += "\\f";
                break;
            case '\n':
                out += "\\n";
                break;
            case '\r':
                out += "\\r";
                break;
            case '\t':
                out += "\\t";
                break;
            case '\v':
                out += "\\v";
                break;
            case '"':
                out += "\\\"";
                break;
            case '\\':
                out += "\\\\";
                break;
            default:
                if (c <= 0x1F) {
                    out += "\\x" + QByteArray::number(c, 16);
                    escape_next_hex_digit = true;
                } else {
                    out += QString(qc).toUtf8();
                }
        }
    }
    if (needs_quotes || out.startsWith(' ') || out.endsWith(' ')) out = '"' + out + '"';
    return out;
}

}  // namespace

SettingsValues ParseSettingsFile(const QByteArray& contents, const QString& group,
                                 std::span<const QString> names) {
    SettingsValues values;
    bool in_group = false;
    static constexpr char kByteOrderMark[] = "\xEF\xBB\xBF";
    const QByteArray text = contents.startsWith(kByteOrderMark)
                                ? contents.mid(static_cast<qsizetype>(sizeof kByteOrderMark - 1))
                                : contents;
    for (const QByteArray& raw_line : text.split('\n')) {
        const QByteArray line = raw_line.trimmed();
        if (line.isEmpty() || line.startsWith(';') || line.startsWith('#')) continue;
        if (line.startsWith('[')) {
            in_group = line.endsWith(']') && DecodeBytes(line.mid(1, line.size() - 2)) == group;
            continue;
        }
        const qsizetype equals = line.indexOf('=');
        if (!in_group || equals < 0) continue;
        const QString name = DecodeBytes(line.left(equals).trimmed());
        if (std::find(names.begin(), names.end(), name) == names.end()) continue;
        values[name] = UnescapeValue(DecodeBytes(line.mid(equals + 1)));
    }
    return values;
}

QByteArray SettingsFileText(const QString& group, const SettingsValues& values) {
    QByteArray text = '[' + group.toUtf8() + "]\n";
    for (const auto& [name, value] : values)
        text += name.toUtf8() + '=' + EscapeValue(value) + '\n';
    return text;
}

std::optional<QByteArray> ReadSettingsFileStart(const QString& path) {
    const QFileInfo info(path);
    // A folder holds no settings, and a write to its path fails and is told as any other.
    if ((!info.exists() && !info.isSymLink()) || info.isDir()) return QByteArray();
    if (!info.isFile()) return std::nullopt;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return std::nullopt;
    QByteArray start = file.read(kMaxSettingsFileBytes);
    // A line cut at the limit would give a cut value: it is left out.
    if (start.size() == kMaxSettingsFileBytes) start.truncate(start.lastIndexOf('\n') + 1);
    return start;
}

}  // namespace circumvia::control
