#include "tools/cli/printable.h"

#include <cstdint>

namespace circumvia::cli {

namespace {

constexpr char kHexDigits[] = "0123456789abcdef";

void AppendHex(std::string& out, std::string_view prefix, std::uint8_t byte) {
    out += prefix;
    out += kHexDigits[byte >> 4];
    out += kHexDigits[byte & 0x0F];
}

bool IsContinuation(std::uint8_t byte) {
    return (byte & 0xC0) == 0x80;
}

// The length of the valid UTF-8 sequence at the start of `text`, or 0 when it is not one
// (a stray byte, a truncated or overlong sequence, a surrogate, beyond U+10FFFF).
std::size_t Utf8SequenceLength(std::string_view text) {
    const auto byte = [&](std::size_t i) { return static_cast<std::uint8_t>(text[i]); };
    const std::uint8_t lead = byte(0);
    std::size_t length = 0;
    std::uint8_t low = 0x80, high = 0xBF;  // the range of the second byte
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        if (lead == 0xE0) low = 0xA0;
        if (lead == 0xED) high = 0x9F;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        if (lead == 0xF0) low = 0x90;
        if (lead == 0xF4) high = 0x8F;
    } else {
        return 0;
    }
    if (text.size() < length || byte(1) < low || byte(1) > high) return 0;
    for (std::size_t i = 2; i < length; ++i) {
        if (!IsContinuation(byte(i))) return 0;
    }
    return length;
}

// The code point of a three-byte sequence (already checked valid).
std::uint32_t CodePointOf3(std::string_view text) {
    const auto byte = [&](std::size_t i) { return static_cast<std::uint32_t>(text[i]) & 0xFF; };
    return ((byte(0) & 0x0F) << 12) | ((byte(1) & 0x3F) << 6) | (byte(2) & 0x3F);
}

// Embeddings, overrides and isolates: they reorder the rest of the line on the terminal,
// so a name could make what follows it read differently.
bool IsBidiControl(std::uint32_t code) {
    return (code >= 0x202A && code <= 0x202E) || (code >= 0x2066 && code <= 0x2069);
}

void AppendCodePoint(std::string& out, std::uint32_t code) {
    out += "\\u";
    for (int shift = 12; shift >= 0; shift -= 4) out += kHexDigits[(code >> shift) & 0x0F];
}

}  // namespace

std::string Printable(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    while (!text.empty()) {
        const auto byte = static_cast<std::uint8_t>(text[0]);
        std::size_t length = 1;
        if (byte == '\n') {
            out += "\\n";
        } else if (byte == '\r') {
            out += "\\r";
        } else if (byte == '\t') {
            out += "\\t";
        } else if (byte == '\\') {
            out += "\\\\";
        } else if (byte < 0x20 || byte == 0x7F) {
            AppendHex(out, "\\x", byte);
        } else if (byte < 0x80) {
            out += text[0];
        } else if ((length = Utf8SequenceLength(text)) == 0) {
            length = 1;
            AppendHex(out, "\\x", byte);
        } else if (byte == 0xC2 && static_cast<std::uint8_t>(text[1]) < 0xA0) {
            // U+0080..U+009F: C1 controls, which some terminals obey like escapes.
            AppendHex(out, "\\u00", static_cast<std::uint8_t>(text[1]));
        } else if (length == 3 && IsBidiControl(CodePointOf3(text))) {
            AppendCodePoint(out, CodePointOf3(text));
        } else {
            out += text.substr(0, length);
        }
        text.remove_prefix(length);
    }
    return out;
}

}  // namespace circumvia::cli
