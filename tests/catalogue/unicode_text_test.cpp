// SPDX-License-Identifier: GPL-3.0-or-later
// The text conversions of the command line, against byte sequences worked out
// by hand from the Unicode encoding forms.
#include "catalogue/unicode_text.h"

#include <gtest/gtest.h>

#include <string>

namespace dialnote::testing {
namespace {

using unicode::DecodeLastUtf8;
using unicode::DecodeUtf8;

TEST(Utf8Sequences, DecodeToTheirCodePointOrAreRefused) {
  struct Sequence {
    const char* name;
    std::string bytes;
    std::size_t length;  // 0: not well-formed
    char32_t code_point;
  };
  const Sequence kSequences[] = {
      {"ASCII", "A", 1, U'A'},
      {"null", std::string(1, '\0'), 1, 0},
      {"the lowest of two bytes", "\xC2\x80", 2, 0x80},
      {"a Persian six", "\xDB\xB6", 2, 0x06F6},
      {"a right-to-left mark", "\xE2\x80\x8F", 3, 0x200F},
      {"a byte-order mark", "\xEF\xBB\xBF", 3, 0xFEFF},
      {"four bytes", "\xF0\x9F\x98\x80", 4, 0x1F600},
      {"the highest code point", "\xF4\x8F\xBF\xBF", 4, 0x10FFFF},
      {"nothing", "", 0, 0},
      {"a lone continuation", "\x80", 0, 0},
      {"an overlong slash", "\xC0\xAF", 0, 0},
      {"an overlong of three bytes", "\xE0\x80\xAF", 0, 0},
      {"a surrogate", "\xED\xA0\x80", 0, 0},
      {"past the highest code point", "\xF4\x90\x80\x80", 0, 0},
      {"a lead F8", "\xF8\x88\x80\x80\x80", 0, 0},
      {"cut short", "\xE2\x80", 0, 0},
      {"a lead alone", "\xDB", 0, 0},
  };
  for (const Sequence& row : kSequences) {
    SCOPED_TRACE(row.name);
    char32_t first = 0, last = 0;
    EXPECT_EQ(DecodeUtf8(row.bytes, first), row.length);
    EXPECT_EQ(DecodeLastUtf8(row.bytes, last), row.length);
    if (row.length != 0) {
      EXPECT_EQ(first, row.code_point);
      EXPECT_EQ(last, row.code_point);
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

TEST(Conversions, GoBothWaysAndReplaceWhatCannotBeConvertedOneForOne) {
  struct Conversion {
    const char* name;
    std::u16string utf16;
    std::string utf8;
  };
  const Conversion kConversions[] = {
      {"nothing", u"", ""},
      {"ASCII", u"691\t", "691\t"},
      {"Persian", {0x062F, 0x0627, 0x06CC}, "\xD8\xAF\xD8\xA7\xDB\x8C"},
      {"every length",
       {0x7F, 0x80, 0x7FF, 0x800, 0xFFFF},
       "\x7F\xC2\x80\xDF\xBF\xE0\xA0\x80\xEF\xBF\xBF"},
      {"a surrogate pair", {0xD83D, 0xDE00}, "\xF0\x9F\x98\x80"},
      {"the highest pair", {0xDBFF, 0xDFFF}, "\xF4\x8F\xBF\xBF"},
  };
  for (const Conversion& row : kConversions) {
    EXPECT_EQ(unicode::ToUtf8(row.utf16), row.utf8) << row.name;
    EXPECT_EQ(unicode::ToUtf16(row.utf8), row.utf16) << row.name;
  }
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

TEST(Padding, IsTrimmedAtBothEndsOnly) {
  struct Padded {
    const char* name;
    std::string text, trimmed;
  };
  const Padded kTexts[] = {
      {"nothing", "", ""},
      {"blanks", " \t691\t ", "691"},
      {"no-break spaces", "\u00A0691\u202F", "691"},
      {"marks before", "\u200B\u200C\u200D\u200E\u200F\u061C\u202A\u202B\u202C\u202D\u202Ea", "a"},
      {"isolates and a byte-order mark after", "a\u2066\u2067\u2068\u2069\uFEFF", "a"},
      {"inside stays", "\u200F6\u200F91\u200F", "6\u200F91"},
      {"only padding", "\u200F \u00A0", ""},
      {"neighbours stay", "\u200Aa\u2010\u2065\u206A\u2029", "\u200Aa\u2010\u2065\u206A\u2029"},
      {"a newline stays", "\n691\n", "\n691\n"},
      {"stray bytes stay", "\xA0z\xE2\x80", "\xA0z\xE2\x80"},
  };
  for (const Padded& row : kTexts) {
    EXPECT_EQ(unicode::TrimPadding(row.text), row.trimmed) << row.name;
  }
}

}  // namespace
}  // namespace dialnote::testing
