#include "dialogs/display_text.h"

#include <QLabel>
#include <QMessageBox>

namespace circumvia::dialogs {

namespace {

// UTF-8 takes at most four bytes a character: enough bytes for `chars` characters.
constexpr std::size_t kMaxBytesPerChar = 4;

bool IsContinuationByte(char byte) {
    return (static_cast<unsigned char>(byte) & 0xC0) == 0x80;
}

// The first `bytes` bytes, cut back to a character boundary.
std::string_view HeadOf(std::string_view text, std::size_t bytes) {
    while (bytes > 0 && bytes < text.size() && IsContinuationByte(text[bytes])) --bytes;
    return text.substr(0, bytes);
}

// The last `bytes` bytes, starting on a character boundary.
std::string_view TailOf(std::string_view text, std::size_t bytes) {
    std::size_t start = text.size() - bytes;
    while (start < text.size() && IsContinuationByte(text[start])) ++start;
    return text.substr(start);
}

QString FromUtf8(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace

QString ShortenedText(std::string_view utf8, int max_chars) {
    const auto limit = static_cast<std::size_t>(max_chars);
    if (utf8.size() <= limit) return FromUtf8(utf8);
    if (utf8.size() <= limit * kMaxBytesPerChar) {
        const QString whole = FromUtf8(utf8);
        if (whole.size() <= max_chars) return whole;
    }
    const std::size_t kept = (limit - 1) / 2;
    const QString head = FromUtf8(HeadOf(utf8, kept * kMaxBytesPerChar)).left(kept);
    const QString tail = FromUtf8(TailOf(utf8, kept * kMaxBytesPerChar)).right(kept);
    return head + QChar(0x2026) + tail;
}

QString ShownName(std::string_view utf8) {
    return ShortenedText(utf8, kLongestShownName);
}

void ShowAsPlainText(QLabel& label) {
    label.setTextFormat(Qt::PlainText);
}

void ShowAsPlainText(QMessageBox& box) {
    box.setTextFormat(Qt::PlainText);
}

}  // namespace circumvia::dialogs
