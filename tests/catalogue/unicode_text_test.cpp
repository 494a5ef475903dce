// SPDX-License-Identifier: GPL-3.0-or-later
// The text conversions of the command line, against byte sequences worked out
// by hand from the Unicode encoding forms.
#include "catalogue/unicode_text.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "tests/rows.h"

namespace dialnote::testing {
namespace {

using unicode::DecodeLastUtf8;
using unicode::DecodeUtf8;

// Rows of tests/data/unicode-text.tsv: sequences decoded from the front and
// the back, texts converted both ways, padding trimmed.
TEST(UnicodeText, DecodesConvertsAndTrimsAsTheTableSays) {
  for (const Row& row : Rows("unicode-text.tsv")) {
    SCOPED_TRACE(row[0]);
    const std::string &kind = row.at(1), &input = row.at(2), &expected = row.at(3);
    if (kind == "decode") {
      char32_t first = 0, last = 0;
      const std::size_t length = std::stoul(expected);
      EXPECT_EQ(DecodeUtf8(input, first), length);
      EXPECT_EQ(DecodeLastUtf8(input, last), length);
      if (length != 0) {
        EXPECT_EQ(first, std::stoul(row.at(4), nullptr, 16));
        EXPECT_EQ(last, first);
      }
    } else if (kind == "convert") {
      std::u16string utf16;
      std::istringstream units(input);
      for (unsigned unit = 0; units >> std::hex >> unit;) utf16 += static_cast<char16_t>(unit);
      EXPECT_EQ(unicode::ToUtf8(utf16), expected);
      EXPECT_EQ(unicode::ToUtf16(expected), utf16);
    } else {
      EXPECT_EQ(unicode::TrimPadding(input), expected);
    }
  }
}

TEST(Utf8Sequences, TheLastOfSeveralIsReadAndATailOfStrayContinuationsRefused) {
  char32_t c = 0;
  EXPECT_EQ(DecodeUtf8("\xDB\xB6z", c), 2u);
  EXPECT_EQ(DecodeLastUtf8("z\xDB\xB6", c), 2u);
  EXPECT_EQ(c, 0x06F6u);
  EXPECT_EQ(DecodeLastUtf8("\xF0\x9F\x98\x80\x80", c), 0u);
  EXPECT_EQ(DecodeLastUtf8("\xDB\xB6\xB6", c), 0u);
}

TEST(Conversions, ReplaceWhatCannotBeConvertedOneForOne) {
  // An unpaired surrogate, each way round and at the end, even of a text cut
  // from the middle of a pair.
  EXPECT_EQ(unicode::ToUtf8(std::u16string{0xD83D, u'z', 0xDE00, 0xD800}),
            "\xEF\xBF\xBDz\xEF\xBF\xBD\xEF\xBF\xBD");
  EXPECT_EQ(unicode::ToUtf8(std::u16string_view(u"\xD83D\xDE00", 1)), "\xEF\xBF\xBD");
  // Each byte that starts no sequence is one replacement.
  EXPECT_EQ(unicode::ToUtf16("a\xFF\xC0\xAFz\xE2\x80"),
            (std::u16string{u'a', 0xFFFD, 0xFFFD, 0xFFFD, u'z', 0xFFFD, 0xFFFD}));
}

TEST(Digits, OfTheThreeScriptsAreTheirValuesAndTheirNeighboursNone) {
  for (int d = 0; d < 10; ++d) {
    const auto offset = static_cast<char32_t>(d);
    EXPECT_EQ(unicode::DigitValue(U'0' + offset), d);
    EXPECT_EQ(unicode::DigitValue(0x06F0 + offset), d);
    EXPECT_EQ(unicode::DigitValue(0x0660 + offset), d);
  }
  for (const char32_t c : {U'/', U':', U'\u06EF', U'\u06FA', U'\u065F', U'\u066A', U'\uFF10'}) {
    EXPECT_EQ(unicode::DigitValue(c), -1) << static_cast<unsigned>(c);
  }
}

}  // namespace
}  // namespace dialnote::testing
