// SPDX-License-Identifier: GPL-3.0-or-later
// The text conversions of the command line, against byte sequences worked out
// by hand from the Unicode encoding forms.
#include "catalogue/unicode_text.h"

#include <gtest/gtest.h>

#include <string>

#include "tests/row_name.h"

namespace dialnote::testing {
namespace {

using testing::PrintTo;

using unicode::DecodeLastUtf8;
using unicode::DecodeUtf8;

struct Sequence {  // bytes, and what decoding the first or the last finds
  const char* name;
  std::string bytes;
  std::size_t length;  // 0: not well-formed
  char32_t code_point;
};

class Utf8Sequences : public ::testing::TestWithParam<Sequence> {};

TEST_P(Utf8Sequences, DecodeToTheirCodePointOrAreRefused) {
  char32_t first = 0, last = 0;
  EXPECT_EQ(DecodeUtf8(GetParam().bytes, first), GetParam().length);
  EXPECT_EQ(DecodeLastUtf8(GetParam().bytes, last), GetParam().length);
  if (GetParam().length != 0) {
    EXPECT_EQ(first, GetParam().code_point);
    EXPECT_EQ(last, GetParam().code_point);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Bytes, Utf8Sequences,
    ::testing::Values(Sequence{"Ascii", "A", 1, U'A'}, Sequence{"Null", std::string(1, '\0'), 1, 0},
                      Sequence{"TwoBytesLowest", "\xC2\x80", 2, 0x80},
                      Sequence{"PersianSix", "\xDB\xB6", 2, 0x06F6},
                      Sequence{"RightToLeftMark", "\xE2\x80\x8F", 3, 0x200F},
                      Sequence{"ByteOrderMark", "\xEF\xBB\xBF", 3, 0xFEFF},
                      Sequence{"FourBytes", "\xF0\x9F\x98\x80", 4, 0x1F600},
                      Sequence{"Highest", "\xF4\x8F\xBF\xBF", 4, 0x10FFFF},
                      Sequence{"Empty", "", 0, 0}, Sequence{"LoneContinuation", "\x80", 0, 0},
                      Sequence{"OverlongSlash", "\xC0\xAF", 0, 0},
                      Sequence{"OverlongThreeBytes", "\xE0\x80\xAF", 0, 0},
                      Sequence{"Surrogate", "\xED\xA0\x80", 0, 0},
                      Sequence{"PastTheLast", "\xF4\x90\x80\x80", 0, 0},
                      Sequence{"LeadF8", "\xF8\x88\x80\x80\x80", 0, 0},
                      Sequence{"CutShort", "\xE2\x80", 0, 0}, Sequence{"LeadAlone", "\xDB", 0, 0}),
    RowName<Sequence>);

TEST(Utf8Decoding, ReadsTheLastOfSeveralAndRefusesATailOfStrayContinuations) {
  char32_t c = 0;
  EXPECT_EQ(DecodeUtf8("\xDB\xB6"
                       "1",
                       c),
            2u);
  EXPECT_EQ(DecodeLastUtf8("1\xDB\xB6", c), 2u);
  EXPECT_EQ(c, 0x06F6u);
  EXPECT_EQ(DecodeLastUtf8("\xF0\x9F\x98\x80\x80", c), 0u);
  EXPECT_EQ(DecodeLastUtf8("\xDB\xB6\xB6", c), 0u);
}

struct Conversion {
  const char* name;
  std::u16string utf16;
  std::string utf8;
};

class Conversions : public ::testing::TestWithParam<Conversion> {};

TEST_P(Conversions, GoBothWays) {
  EXPECT_EQ(unicode::ToUtf8(GetParam().utf16), GetParam().utf8);
  EXPECT_EQ(unicode::ToUtf16(GetParam().utf8), GetParam().utf16);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, Conversions,
    ::testing::Values(Conversion{"Empty", u"", ""}, Conversion{"Ascii", u"691\t", "691\t"},
                      Conversion{"Persian", {0x062F, 0x0627, 0x06CC}, "\xD8\xAF\xD8\xA7\xDB\x8C"},
                      Conversion{"EveryLength",
                                 {0x7F, 0x80, 0x7FF, 0x800, 0xFFFF},
                                 "\x7F\xC2\x80\xDF\xBF\xE0\xA0\x80\xEF\xBF\xBF"},
                      Conversion{"SurrogatePair", {0xD83D, 0xDE00}, "\xF0\x9F\x98\x80"},
                      Conversion{"HighestPair", {0xDBFF, 0xDFFF}, "\xF4\x8F\xBF\xBF"}),
    RowName<Conversion>);

TEST(Conversions, ReplaceWhatCannotBeConvertedOneForOne) {
  // An unpaired surrogate, each way round and at the end.
  EXPECT_EQ(unicode::ToUtf8(std::u16string{0xD83D, u'a', 0xDE00, 0xD800}),
            "\xEF\xBF\xBD"
            "a\xEF\xBF\xBD\xEF\xBF\xBD");
  // Each byte that starts no sequence is one replacement.
  EXPECT_EQ(unicode::ToUtf16("a\xFF\xC0\xAF"
                             "b\xE2\x80"),
            (std::u16string{u'a', 0xFFFD, 0xFFFD, 0xFFFD, u'b', 0xFFFD, 0xFFFD}));
}

TEST(Digits, OfTheThreeScriptsAreTheirValuesAndTheirNeighboursNone) {
  for (int d = 0; d < 10; ++d) {
    const auto offset = static_cast<char32_t>(d);
    EXPECT_EQ(unicode::DigitValue(U'0' + offset), d);
    EXPECT_EQ(unicode::DigitValue(0x06F0 + offset), d);
    EXPECT_EQ(unicode::DigitValue(0x0660 + offset), d);
  }
  for (const char32_t c : {U'/', U':', char32_t{0x06EF}, char32_t{0x06FA}, char32_t{0x065F},
                           char32_t{0x066A}, char32_t{0xFF10}, char32_t{0x0966}}) {
    EXPECT_EQ(unicode::DigitValue(c), -1) << static_cast<unsigned>(c);
  }
}

struct Padded {
  const char* name;
  std::string text;
  std::string trimmed;
};

class Padding : public ::testing::TestWithParam<Padded> {};

TEST_P(Padding, IsTrimmedAtBothEndsOnly) {
  EXPECT_EQ(unicode::TrimPadding(GetParam().text), GetParam().trimmed);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, Padding,
    ::testing::Values(Padded{"Nothing", "", ""}, Padded{"Blanks", " \t691\t ", "691"},
                      Padded{"NoBreakSpaces",
                             "\u00A0"
                             "691\u202F",
                             "691"},
                      Padded{"EveryMark",
                             "\u200B\u200C\u200D\u200E\u200F\u061C\u202A\u202B\u202C\u202D\u202E"
                             "a"
                             "\u2066\u2067\u2068\u2069\uFEFF",
                             "a"},
                      Padded{"InsideStays",
                             "\u200F"
                             "6\u200F"
                             "91\u200F",
                             "6\u200F"
                             "91"},
                      Padded{"OnlyPadding", "\u200F \u00A0", ""},
                      Padded{"NeighboursOfTheMarksStay",
                             "\u200A"
                             "a\u2010\u2065\u206A\u2029",
                             "\u200A"
                             "a\u2010\u2065\u206A\u2029"},
                      Padded{"NewlineStays", "\n691\n", "\n691\n"},
                      Padded{"StrayBytesStay",
                             "\xA0"
                             "691\xE2\x80",
                             "\xA0"
                             "691\xE2\x80"}),
    RowName<Padded>);

}  // namespace
}  // namespace dialnote::testing
