#include "model/value_stream.h"

#include <gtest/gtest.h>

#include <climits>

#include "model/text_encoding.h"
#include "tests/model/game_file_fixtures.h"

namespace circumvia {
namespace {

using testing::Bytes;
using testing::BytesOf;
using testing::Concat;

Bytes Written(std::int32_t value) {
    ValueWriter writer;
    writer.WriteInteger(value);
    return writer.Bytes();
}

Bytes Written(std::string_view text) {
    ValueWriter writer;
    writer.WriteText(text);
    return writer.Bytes();
}

std::optional<std::int32_t> IntegerFrom(const Bytes& bytes) {
    ValueReader reader(bytes);
    return reader.ReadInteger();
}

std::optional<std::string> TextFrom(const Bytes& bytes) {
    ValueReader reader(bytes);
    return reader.ReadText();
}

TEST(ValueWriter, IntegersTakeTheSmallestWidth) {
    EXPECT_EQ(Written(0), (Bytes{0x02, 0x00}));
    EXPECT_EQ(Written(21), (Bytes{0x02, 0x15}));
    EXPECT_EQ(Written(-1), (Bytes{0x02, 0xFF}));
    EXPECT_EQ(Written(127), (Bytes{0x02, 0x7F}));
    EXPECT_EQ(Written(-128), (Bytes{0x02, 0x80}));
    EXPECT_EQ(Written(128), (Bytes{0x03, 0x80, 0x00}));
    EXPECT_EQ(Written(200), (Bytes{0x03, 0xC8, 0x00}));
    EXPECT_EQ(Written(-129), (Bytes{0x03, 0x7F, 0xFF}));
    EXPECT_EQ(Written(32767), (Bytes{0x03, 0xFF, 0x7F}));
    EXPECT_EQ(Written(-32768), (Bytes{0x03, 0x00, 0x80}));
    EXPECT_EQ(Written(32768), (Bytes{0x04, 0x00, 0x80, 0x00, 0x00}));
    EXPECT_EQ(Written(-32769), (Bytes{0x04, 0xFF, 0x7F, 0xFF, 0xFF}));
    EXPECT_EQ(Written(INT_MIN), (Bytes{0x04, 0x00, 0x00, 0x00, 0x80}));
}

TEST(ValueWriter, AsciiTextsAreShortOrLongAndOthersUtf8) {
    EXPECT_EQ(Written("Rouge"), Concat({{0x06, 0x05}, BytesOf("Rouge")}));
    EXPECT_EQ(Written(""), (Bytes{0x06, 0x00}));
    const std::string longest_short(255, 'x');
    EXPECT_EQ(Written(longest_short), Concat({{0x06, 0xFF}, BytesOf(longest_short)}));
    const std::string shortest_long(256, 'x');
    EXPECT_EQ(Written(shortest_long),
              Concat({{0x0C, 0x00, 0x01, 0x00, 0x00}, BytesOf(shortest_long)}));
    EXPECT_EQ(Written("Zo\u00e9"), (Bytes{0x14, 0x04, 0x00, 0x00, 0x00, 'Z', 'o', 0xC3, 0xA9}));
}

TEST(ValueReader, IntegersOfEveryWidthRoundTrip) {
    for (std::int32_t value :
         {0, 1, -1, 127, -128, 128, 200, 32767, -32768, 32768, -32769, INT_MAX, INT_MIN}) {
        EXPECT_EQ(IntegerFrom(Written(value)), value);
    }
}

TEST(ValueReader, AcceptsAnyWidthWhateverTheValue) {
    EXPECT_EQ(IntegerFrom({0x04, 0x05, 0x00, 0x00, 0x00}), 5);
    EXPECT_EQ(IntegerFrom({0x03, 0xFF, 0xFF}), -1);
    EXPECT_EQ(IntegerFrom({0x03, 0x15, 0x00}), 21);
}

TEST(ValueReader, TextsOfEveryWrittenKindRoundTrip) {
    for (const std::string& text :
         {std::string(), std::string("Noname"), std::string(255, 'a'), std::string(300, 'b'),
          std::string("Ren\u00e9e"), std::string("\u00c7a \u4e2d \U0001F600")}) {
        EXPECT_EQ(TextFrom(Written(text)), text);
    }
}

TEST(ValueReader, ShortAndLongTextsAreLatin1) {
    EXPECT_EQ(TextFrom({0x06, 0x03, 'Z', 'o', 0xEB}), "Zo\u00eb");
    EXPECT_EQ(TextFrom({0x0C, 0x02, 0x00, 0x00, 0x00, 0xC9, 'a'}), "\u00c9a");
}

TEST(ValueReader, ReadsUtf16Texts) {
    EXPECT_EQ(TextFrom({0x12, 0x03, 0x00, 0x00, 0x00, 'Z', 0x00, 'o', 0x00, 0xEB, 0x00}),
              "Zo\u00eb");
    // A surrogate pair is one character; a lone surrogate becomes U+FFFD.
    EXPECT_EQ(TextFrom({0x12, 0x02, 0x00, 0x00, 0x00, 0x3D, 0xD8, 0x00, 0xDE}), "\U0001F600");
    EXPECT_EQ(TextFrom({0x12, 0x02, 0x00, 0x00, 0x00, 0x3D, 0xD8, 'a', 0x00}), "\ufffda");
    EXPECT_EQ(TextFrom({0x12, 0x00, 0x00, 0x00, 0x00}), "");
}

TEST(ValueReader, MalformedUtf8IsReplacedNotRejected) {
    EXPECT_EQ(TextFrom({0x14, 0x03, 0x00, 0x00, 0x00, 'a', 0xFF, 'b'}), "a\ufffdb");
}

TEST(ValueReader, UnknownTypeCodesAreFormatErrors) {
    for (std::uint8_t type : {0, 1, 5, 7, 11, 13, 17, 19, 21, 255}) {
        EXPECT_EQ(IntegerFrom({type, 0x00, 0x00, 0x00, 0x00, 0x00}), std::nullopt) << int{type};
        EXPECT_EQ(TextFrom({type, 0x00, 0x00, 0x00, 0x00, 0x00}), std::nullopt) << int{type};
    }
    // A text where an integer belongs, and the other way round.
    EXPECT_EQ(IntegerFrom({0x06, 0x00}), std::nullopt);
    EXPECT_EQ(TextFrom({0x02, 0x00}), std::nullopt);
}

TEST(ValueReader, DataEndingInsideAValueIsAFormatError) {
    const Bytes whole = Concat({Written(-40000), Written("Blanc"), Written("\u00e9t\u00e9")});
    for (std::size_t cut = 0; cut < whole.size(); ++cut) {
        ValueReader reader(std::span<const std::uint8_t>(whole).first(cut));
        const bool all = reader.ReadInteger() && reader.ReadText() && reader.ReadText();
        EXPECT_FALSE(all) << cut;
        EXPECT_TRUE(reader.Failed()) << cut;
    }
}

TEST(ValueReader, NegativeOrOversizedLengthsAreFormatErrors) {
    EXPECT_EQ(TextFrom({0x0C, 0xFF, 0xFF, 0xFF, 0xFF, 'a'}), std::nullopt);
    EXPECT_EQ(TextFrom({0x14, 0x00, 0x00, 0x00, 0x80, 'a'}), std::nullopt);
    EXPECT_EQ(TextFrom({0x12, 0xFF, 0xFF, 0xFF, 0xFF, 'a', 0}), std::nullopt);
    EXPECT_EQ(TextFrom({0x0C, 0xFF, 0xFF, 0xFF, 0x7F, 'a'}), std::nullopt);
    EXPECT_EQ(TextFrom({0x06, 0x04, 'a', 'b', 'c'}), std::nullopt);
    // Two UTF-16 units need four bytes, not three.
    EXPECT_EQ(TextFrom({0x12, 0x02, 0x00, 0x00, 0x00, 'a', 0, 'b'}), std::nullopt);
}

TEST(ValueReader, AFormatErrorIsFinal) {
    const Bytes bytes = Concat({{0x09}, Written(5), Written("ok")});
    ValueReader reader(bytes);
    EXPECT_EQ(reader.ReadInteger(), std::nullopt);
    EXPECT_EQ(reader.ReadInteger(), std::nullopt);
    EXPECT_EQ(reader.ReadText(), std::nullopt);
    EXPECT_TRUE(reader.Failed());
}

TEST(ValueReader, ReadsValuesInSequenceAndCountsWhatIsLeft) {
    const Bytes bytes = Concat({Written(7), Written("abc"), Written(300)});
    ValueReader reader(bytes);
    EXPECT_EQ(reader.ReadInteger(), 7);
    EXPECT_EQ(reader.Remaining(), 8u);
    EXPECT_EQ(reader.ReadText(), "abc");
    EXPECT_EQ(reader.ReadInteger(), 300);
    EXPECT_EQ(reader.Remaining(), 0u);
    EXPECT_FALSE(reader.Failed());
}

TEST(TextEncoding, DecodingReplacesEachBrokenSequence) {
    EXPECT_EQ(DecodeUtf8("a\xC3\xA9"), U"a\u00e9");
    EXPECT_EQ(DecodeUtf8("\xF0\x9F\x98\x80"), U"\U0001F600");
    EXPECT_EQ(DecodeUtf8("\xC0\xAF"), U"\ufffd\ufffd");            // overlong '/'
    EXPECT_EQ(DecodeUtf8("\xED\xA0\x80"), U"\ufffd\ufffd\ufffd");  // encoded surrogate
    EXPECT_EQ(DecodeUtf8("\xE2\x82"), U"\ufffd\ufffd");            // cut short
    EXPECT_EQ(DecodeUtf8("\xC3"
                         "a"),
              U"\ufffda");                                                   // keeps what follows
    EXPECT_EQ(DecodeUtf8("\xF4\x90\x80\x80"), U"\ufffd\ufffd\ufffd\ufffd");  // above U+10FFFF
}

TEST(TextEncoding, ValidTextIsKeptAsItIs) {
    const std::string text = "Gr\u00fc\u00dfe \u4e2d \U0001F600";
    EXPECT_EQ(ValidUtf8(text), text);
    EXPECT_EQ(Latin1ToUtf8("Gr\xFC\xDF"
                           "e"),
              "Gr\u00fc\u00dfe");
    EXPECT_TRUE(IsAscii("Noname"));
    EXPECT_FALSE(IsAscii("Ren\u00e9e"));
}

}  // namespace
}  // namespace circumvia
