// SPDX-License-Identifier: GPL-3.0-or-later
// The catalogue against its reviewed copy: every code from 600 to 800 found
// with its own explanation, nothing else found, and the house style of the
// texts.
#include <gtest/gtest.h>

#include <fstream>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "catalogue/error_catalogue.h"

namespace dialnote::testing {
namespace {

using namespace std::literals;

std::u16string Utf16(std::string_view utf8) {
  std::u16string out;
  for (std::size_t i = 0; i < utf8.size();) {
    const auto byte = [&](std::size_t k) { return static_cast<char32_t>(utf8[i + k] & 0xFF); };
    const std::size_t length = byte(0) < 0x80 ? 1 : byte(0) < 0xE0 ? 2 : byte(0) < 0xF0 ? 3 : 4;
    char32_t c = length == 1 ? byte(0) : byte(0) & (0x7F >> length);
    for (std::size_t k = 1; k < length; ++k) c = c << 6 | (byte(k) & 0x3F);
    if (c > 0xFFFF) {  // a surrogate pair
      out += static_cast<char16_t>(0xD7C0 + (c >> 10));
      c = 0xDC00 | (c & 0x3FF);
    }
    out += static_cast<char16_t>(c);
    i += length;
  }
  return out;
}

// tests/data/explanations.tsv: a heading, then a code, a tab and its
// explanation in UTF-8 on each line. Written once from the catalogue after a
// review of every text against its code's meaning; a reworded explanation is
// changed there too, on purpose.
std::vector<std::pair<std::string, std::u16string>> ReviewedExplanations() {
  std::vector<std::pair<std::string, std::u16string>> rows;
  std::ifstream file(DIALNOTE_EXPLANATIONS_TSV);
  std::string line;
  for (std::getline(file, line); std::getline(file, line);) {
    const std::size_t tab = line.find('\t');
    rows.emplace_back(line.substr(0, tab), Utf16(line.substr(tab + 1)));
  }
  return rows;
}

TEST(Catalogue, AnswersEveryCodeFrom600To800WithItsOwnReviewedExplanation) {
  const auto reviewed = ReviewedExplanations();
  ASSERT_EQ(reviewed.size(), 201u) << "rows in " << DIALNOTE_EXPLANATIONS_TSV;
  ASSERT_EQ(ErrorCatalogue::Entries().size(), 201u);
  for (int code = 600; code <= 800; ++code) {
    SCOPED_TRACE(code);
    const auto& [reviewed_code, explanation] = reviewed[static_cast<std::size_t>(code - 600)];
    ASSERT_EQ(reviewed_code, std::to_string(code)) << "the reviewed copy is out of order";
    const std::u16string key = Utf16(std::to_string(code));
    EXPECT_EQ(ErrorCatalogue::Lookup(key), explanation);
    // The list of all entries, in code order, says the same.
    const CatalogueEntry& entry = ErrorCatalogue::Entries()[static_cast<std::size_t>(code - 600)];
    EXPECT_EQ(entry.code, key);
    EXPECT_EQ(entry.explanation, explanation);
  }
}

TEST(Lookup, RefusesTheNearMissesOfACode) {
  constexpr std::pair<const char*, std::u16string_view> kNearMisses[] = {
      {"the empty text", u""},
      {"two digits", u"60"},
      {"four digits", u"6000"},
      {"a leading zero", u"0600"},
      {"a leading space", u" 600"},
      {"a trailing space", u"600 "},
      {"a trailing null", u"600\0"sv},
      {"Arabic-Indic digits", u"\u0666\u0660\u0660"},
      {"Persian digits", u"\u06F6\u06F0\u06F0"},
      {"full-width digits", u"\uFF16\uFF10\uFF10"},
      {"one below the range", u"599"},
      {"one above the range", u"801"},
      {"the character before 0 in the middle", u"7/0"},
      {"the character after 9 in the middle", u"5:0"},
  };
  for (const auto& [name, text] : kNearMisses) {
    EXPECT_EQ(ErrorCatalogue::Lookup(text), std::nullopt) << name;
  }
}

// Every text of up to four units from digits and their look-alikes, in any
// position: none is found but the codes written from numbers.
TEST(Lookup, FindsNothingButTheCodesAmongAllShortTextsOfDigitsAndLookAlikes) {
  constexpr std::u16string_view kUnits = u"0123456789/: -\0\u200F\u0660\u06F0\uFF10"sv;
  std::set<std::u16string> codes;
  for (int code = 600; code <= 800; ++code) codes.insert(Utf16(std::to_string(code)));
  std::u16string text;
  std::vector<std::u16string> wrong;
  const auto visit = [&](const auto& self) -> void {
    if (ErrorCatalogue::Lookup(text) && !codes.contains(text) && wrong.size() < 10) {
      wrong.push_back(text);
    }
    for (const char16_t unit : text.size() < 4 ? kUnits : u""sv) {
      text.push_back(unit);
      self(self);
      text.pop_back();
    }
  };
  visit(visit);
  EXPECT_EQ(wrong, std::vector<std::u16string>{}) << "found, though no code";
}

constexpr bool IsLatin(char16_t c) { return (c >= u'A' && c <= u'Z') || (c >= u'a' && c <= u'z'); }

// Arabic (with the Persian four) and Latin letters, ASCII digits and the listed
// punctuation, all in code page 1256; not Persian yeh and kaf, ZWNJ, no-break
// space nor the control characters.
constexpr bool IsAllowed(char16_t c) {
  return IsLatin(c) || (c >= u'0' && c <= u'9') || (c >= 0x0621 && c <= 0x063A) ||
         (c >= 0x0641 && c <= 0x064A) ||
         u" .,:-()@\u060C\u2013\u067E\u0686\u0698\u06AF"sv.find(c) != std::u16string_view::npos;
}
static_assert(!IsAllowed(u'\u06CC') && !IsAllowed(u'\u06A9') && !IsAllowed(u'\u200C') &&
              !IsAllowed(u'\u00A0') && !IsAllowed(u'\t') && !IsAllowed(u'\n') && !IsAllowed(0));

// The house style that a reworded explanation must keep as well.
TEST(ExplanationForm, AllowedCharactersSingleSpacesAndNeverTheTextsOwnCode) {
  for (const CatalogueEntry& entry : ErrorCatalogue::Entries()) {
    SCOPED_TRACE(std::string(entry.code.begin(), entry.code.end()));
    for (const char16_t c : entry.explanation) {
      EXPECT_TRUE(IsAllowed(c)) << std::hex << "U+" << static_cast<int>(c);
    }
    EXPECT_EQ(entry.explanation.find(u"  "), std::u16string_view::npos) << "double space";
    EXPECT_EQ(entry.explanation.find(entry.code), std::u16string_view::npos) << "its own code";
  }
}

}  // namespace
}  // namespace dialnote::testing
