#pragma once
// The typed value stream of game files: every value is a one-byte type code followed by
// its data, little-endian. Integers take the smallest of three widths; texts carry their
// length. The model keeps texts as UTF-8; types 6 and 12 hold ISO-8859-1 (Latin-1) text.

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace circumvia {

enum class ValueType : std::uint8_t {
    kInt8 = 2,
    kInt16 = 3,
    kInt32 = 4,
    kShortText = 6,   // 1-byte length, Latin-1 bytes
    kLongText = 12,   // 4-byte length, Latin-1 bytes
    kUtf16Text = 18,  // 4-byte length in 16-bit units, UTF-16LE; only ever read
    kUtf8Text = 20,   // 4-byte length in bytes, UTF-8
};

class ValueWriter {
public:
    // Type 2, 3 or 4, whichever is the smallest that holds the value.
    void WriteInteger(std::int32_t value);
    // Type 20 when the text has any byte outside 7-bit ASCII, else type 6 up to 255
    // characters and type 12 beyond.
    void WriteText(std::string_view utf8);

    const std::vector<std::uint8_t>& Bytes() const { return bytes_; }

private:
    void PutType(ValueType type) { bytes_.push_back(static_cast<std::uint8_t>(type)); }
    void PutLittleEndian(std::uint32_t value, int width);
    void PutBytes(std::string_view bytes);

    std::vector<std::uint8_t> bytes_;
};

// Reads values from a byte buffer it does not own. The first format error (a type code
// that does not fit, a negative length, data ending inside a value) is final: that read
// and every later one give nothing. No read allocates more than the data left could hold.
class ValueReader {
public:
    explicit ValueReader(std::span<const std::uint8_t> data) : data_(data) {}

    // Accepts types 2, 3 and 4 whatever the value.
    std::optional<std::int32_t> ReadInteger();
    // Accepts types 6, 12, 18 and 20 and gives the text as UTF-8.
    std::optional<std::string> ReadText();

    bool Failed() const { return failed_; }
    std::size_t Remaining() const { return data_.size() - offset_; }

private:
    std::optional<std::uint32_t> TakeLittleEndian(int width);
    std::optional<std::span<const std::uint8_t>> TakeBytes(std::size_t count);
    std::optional<std::span<const std::uint8_t>> TakeCountedBytes(int length_width,
                                                                  std::size_t unit_size);
    template <typename T>
    std::optional<T> Fail() {
        failed_ = true;
        return std::nullopt;
    }

    std::span<const std::uint8_t> data_;
    std::size_t offset_ = 0;
    bool failed_ = false;
};

}  // namespace circumvia
