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

// Rows of tests/data/unicode-text.tsv: sequences decoded from the front and the back (or one
// of them), texts converted both ways (or one), padding trimmed.
TEST(UnicodeText, DecodesConvertsAndTrimsAsTheTableSays) {
  for (const Row& row : Rows("unicode-text.tsv")) {
    SCOPED_TRACE(row[0]);
    const std::string &kind = row.at(1), &input = row.at(2), &expected = row.at(3);
    if (kind == "decode" || kind == "front" || kind == "back") {
      const std::size_t length = std::stoul(expected);
      for (const bool from_front : {true, false}) {
        if (kind == (from_front ? "back" : "front")) continue;
        char32_t c = 0;
        EXPECT_EQ(from_front ? DecodeUtf8(input, c) : DecodeLastUtf8(input, c), length);
        if (length != 0) {
          EXPECT_EQ(c, std::stoul(row.at(4), nullptr, 16));
        }
      }
    } else if (kind == "trim") {
      EXPECT_EQ(unicode::TrimPadding(input), expected);
    } else {
      std::u16string utf16;
      std::istringstream units(input);
      for (unsigned unit = 0; units >> std::hex >> unit;) utf16 += static_cast<char16_t>(unit);
      // A low surrogate just past the end, which the conversion may not pair.
      const std::u16string followed = utf16 + u'\xDE00';
      const auto text = std::u16string_view(followed).substr(0, utf16.size());
      if (kind != "to16") {
        EXPECT_EQ(unicode::ToUtf8(text), expected);
      }
      if (kind != "to8") {
        EXPECT_EQ(unicode::ToUtf16(expected), utf16);
      }
    }
  }
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
