#include "value_stream.h"

#include <limits>

#include "text_encoding.h"

namespace circumvia {

namespace {

constexpr std::size_t kShortTextLimit = 255;

template <typename T>
constexpr bool Fits(std::int32_t value) {
    return value >= std::numeric_limits<T>::min() && value <= std::numeric_limits<T>::max();
}

std::string_view AsChars(std::span<const std::uint8_t> bytes) {
    return {reinterpret_cast<const char*>(bytes.data()), bytes.size()};
}

// Sign-extends the low `width` bytes of a little-endian number.
std::int32_t SignExtend(std::uint32_t raw, int width) {
    const int unused_bits = 32 - 8 * width;
    return static_cast<std::int32_t>(raw << unused_bits) >> unused_bits;
}

// Bytes after the type code of an integer; 0 for a code that is not an integer's.
int IntegerWidth(std::uint8_t type) {
    switch (static_cast<ValueType>(type)) {
        case ValueType::kInt8:
            return 1;
        case ValueType::kInt16:
            return 2;
        case ValueType::kInt32:
            return 4;
        default:
            return 0;
    }
}

}  // namespace

void ValueWriter::WriteInteger(std::int32_t value) {
    const auto raw = static_cast<std::uint32_t>(value);
    if (Fits<std::int8_t>(value)) {
        PutType(ValueType::kInt8);
        PutLittleEndian(raw, 1);
    } else if (Fits<std::int16_t>(value)) {
        PutType(ValueType::kInt16);
        PutLittleEndian(raw, 2);
    } else {
        PutType(ValueType::kInt32);
        PutLittleEndian(raw, 4);
    }
}

void ValueWriter::WriteText(std::string_view utf8) {
    if (!IsAscii(utf8)) {
        PutType(ValueType::kUtf8Text);
        PutLittleEndian(static_cast<std::uint32_t>(utf8.size()), 4);
    } else if (utf8.size() <= kShortTextLimit) {
        PutType(ValueType::kShortText);
        PutLittleEndian(static_cast<std::uint32_t>(utf8.size()), 1);
    } else {
        PutType(ValueType::kLongText);
        PutLittleEndian(static_cast<std::uint32_t>(utf8.size()), 4);
    }
    PutBytes(utf8);
}

void ValueWriter::PutLittleEndian(std::uint32_t value, int width) {
    for (int i = 0; i < width; ++i) bytes_.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
}

void ValueWriter::PutBytes(std::string_view bytes) {
    bytes_.insert(bytes_.end(), bytes.begin(), bytes.end());
}

std::optional<std::int32_t> ValueReader::ReadInteger() {
    const auto type = TakeBytes(1);
    if (!type) return std::nullopt;
    const int width = IntegerWidth((*type)[0]);
    if (width == 0) return Fail<std::int32_t>();
    const auto raw = TakeLittleEndian(width);
    if (!raw) return std::nullopt;
    return SignExtend(*raw, width);
}

std::optional<std::string> ValueReader::ReadText() {
    const auto type = TakeBytes(1);
    if (!type) return std::nullopt;
    std::optional<std::span<const std::uint8_t>> bytes;
    switch (static_cast<ValueType>((*type)[0])) {
        case ValueType::kShortText:
            if (!(bytes = TakeCountedBytes(1, 1))) return std::nullopt;
            return Latin1ToUtf8(AsChars(*bytes));
        case ValueType::kLongText:
            if (!(bytes = TakeCountedBytes(4, 1))) return std::nullopt;
            return Latin1ToUtf8(AsChars(*bytes));
        case ValueType::kUtf16Text:
            if (!(bytes = TakeCountedBytes(4, 2))) return std::nullopt;
            return Utf16LeToUtf8(*bytes);
        case ValueType::kUtf8Text:
            if (!(bytes = TakeCountedBytes(4, 1))) return std::nullopt;
            return ValidUtf8(AsChars(*bytes));
        default:
            return Fail<std::string>();
    }
}

std::optional<std::uint32_t> ValueReader::TakeLittleEndian(int width) {
    const auto bytes = TakeBytes(static_cast<std::size_t>(width));
    if (!bytes) return std::nullopt;
    std::uint32_t value = 0;
    for (int i = 0; i < width; ++i) value |= std::uint32_t{(*bytes)[i]} << (8 * i);
    return value;
}

std::optional<std::span<const std::uint8_t>> ValueReader::TakeBytes(std::size_t count) {
    if (failed_ || count > Remaining()) return Fail<std::span<const std::uint8_t>>();
    const auto bytes = data_.subspan(offset_, count);
    offset_ += count;
    return bytes;
}

// A length field followed by that many units. The length is checked against the data
// left before anything is taken, so a hostile length cannot cause a large allocation.
std::optional<std::span<const std::uint8_t>> ValueReader::TakeCountedBytes(int length_width,
                                                                           std::size_t unit_size) {
    const auto raw = TakeLittleEndian(length_width);
    if (!raw) return std::nullopt;
    const std::int64_t length =
        length_width == 1 ? std::int64_t{*raw} : std::int64_t{SignExtend(*raw, length_width)};
    if (length < 0 || static_cast<std::uint64_t>(length) > Remaining() / unit_size) {
        return Fail<std::span<const std::uint8_t>>();
    }
    return TakeBytes(static_cast<std::size_t>(length) * unit_size);
}

}  // namespace circumvia
