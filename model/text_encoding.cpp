#include "text_encoding.h"

#include <algorithm>

namespace circumvia {

namespace {

constexpr bool IsSurrogate(char32_t c) {
    return c >= 0xD800 && c <= 0xDFFF;
}
constexpr bool IsContinuation(std::uint8_t byte) {
    return (byte & 0xC0) == 0x80;
}

struct LeadByte {
    int length;        // bytes in the sequence, 0 for a byte that cannot start one
    char32_t payload;  // the lead byte's share of the code point
};

LeadByte DecodeLead(std::uint8_t byte) {
    if (byte < 0x80) return {1, byte};
    if (byte >= 0xC2 && byte <= 0xDF) return {2, char32_t{byte} & 0x1Fu};
    if (byte >= 0xE0 && byte <= 0xEF) return {3, char32_t{byte} & 0x0Fu};
    if (byte >= 0xF0 && byte <= 0xF4) return {4, char32_t{byte} & 0x07u};
    return {0, 0};
}

// Smallest code point each length may encode; anything below is an overlong form.
constexpr char32_t kMinimumForLength[] = {0, 0, 0x80, 0x800, 0x10000};

}  // namespace

bool IsAscii(std::string_view text) {
    return std::all_of(text.begin(), text.end(),
                       [](char c) { return static_cast<std::uint8_t>(c) < 0x80; });
}

void AppendUtf8(std::string& out, char32_t c) {
    if (c > 0x10FFFF || IsSurrogate(c)) c = kReplacementCharacter;
    auto put = [&out](char32_t byte) { out += static_cast<char>(byte); };
    if (c < 0x80) {
        put(c);
    } else if (c < 0x800) {
        put(0xC0 | (c >> 6));
        put(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        put(0xE0 | (c >> 12));
        put(0x80 | ((c >> 6) & 0x3F));
        put(0x80 | (c & 0x3F));
    } else {
        put(0xF0 | (c >> 18));
        put(0x80 | ((c >> 12) & 0x3F));
        put(0x80 | ((c >> 6) & 0x3F));
        put(0x80 | (c & 0x3F));
    }
}

std::string Latin1ToUtf8(std::string_view latin1) {
    std::string out;
    out.reserve(latin1.size());
    for (char c : latin1) AppendUtf8(out, static_cast<std::uint8_t>(c));
    return out;
}

std::string Utf16LeToUtf8(std::span<const std::uint8_t> units) {
    std::string out;
    const std::size_t count = units.size() / 2;
    auto unit = [&units](std::size_t i) -> char32_t {
        return char32_t{units[2 * i]} | (char32_t{units[2 * i + 1]} << 8);
    };
    for (std::size_t i = 0; i < count; ++i) {
        const char32_t c = unit(i);
        const bool high = c >= 0xD800 && c <= 0xDBFF;
        if (high && i + 1 < count && unit(i + 1) >= 0xDC00 && unit(i + 1) <= 0xDFFF) {
            AppendUtf8(out, 0x10000 + ((c - 0xD800) << 10) + (unit(i + 1) - 0xDC00));
            ++i;
        } else {
            AppendUtf8(out, IsSurrogate(c) ? kReplacementCharacter : c);
        }
    }
    return out;
}

std::u32string DecodeUtf8(std::string_view utf8) {
    std::u32string out;
    std::size_t i = 0;
    while (i < utf8.size()) {
        const LeadByte lead = DecodeLead(static_cast<std::uint8_t>(utf8[i]));
        char32_t c = lead.payload;
        int taken = 1;
        while (taken < lead.length && i + taken < utf8.size() &&
               IsContinuation(static_cast<std::uint8_t>(utf8[i + taken]))) {
            c = (c << 6) | (static_cast<std::uint8_t>(utf8[i + taken]) & 0x3F);
            ++taken;
        }
        const bool complete = lead.length > 0 && taken == lead.length;
        if (complete && c >= kMinimumForLength[lead.length] && c <= 0x10FFFF && !IsSurrogate(c)) {
            out += c;
            i += static_cast<std::size_t>(taken);
        } else {
            // Skip only the lead byte so that a valid sequence right after it is kept.
            out += kReplacementCharacter;
            ++i;
        }
    }
    return out;
}

std::string ValidUtf8(std::string_view bytes) {
    std::string out;
    out.reserve(bytes.size());
    for (char32_t c : DecodeUtf8(bytes)) AppendUtf8(out, c);
    return out;
}

}  // namespace circumvia
