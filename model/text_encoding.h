#pragma once
// Conversions between the text encodings a game file may hold and the UTF-8 the model
// keeps. Malformed input never fails: each broken sequence becomes U+FFFD.

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace circumvia {

inline constexpr char32_t kReplacementCharacter = 0xFFFD;

bool IsAscii(std::string_view text);

// ISO-8859-1: every byte is the code point of the same number.
std::string Latin1ToUtf8(std::string_view latin1);

// Little-endian 16-bit units; an unpaired surrogate becomes U+FFFD.
std::string Utf16LeToUtf8(std::span<const std::uint8_t> units);

// The code points of a UTF-8 text; a byte that starts no valid sequence becomes U+FFFD.
std::u32string DecodeUtf8(std::string_view utf8);

// The same text with every malformed sequence replaced, so it is safe to show.
std::string ValidUtf8(std::string_view bytes);

void AppendUtf8(std::string& out, char32_t code_point);

}  // namespace circumvia
