// SPDX-License-Identifier: GPL-3.0-or-later
// The search by words: the folding, pair by pair, and what words typed on a
// Persian keyboard find in the catalogue (codes found by reading the texts).
#include "catalogue/catalogue_search.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "catalogue/unicode_text.h"
#include "tests/row_name.h"

namespace dialnote::testing {
namespace {

using testing::PrintTo;

struct Pair {
  const char* name;
  std::string typed;
  std::string written;
  bool alike;
};

class Folding : public ::testing::TestWithParam<Pair> {};

TEST_P(Folding, MakesWhatAPersianReaderTakesForOneWordAlike) {
  const std::string typed = FoldForSearch(GetParam().typed);
  const std::string written = FoldForSearch(GetParam().written);
  EXPECT_EQ(typed == written, GetParam().alike) << typed << " | " << written;
}

INSTANTIATE_TEST_SUITE_P(
    Words, Folding,
    ::testing::Values(
        // Persian yeh and keheh as typed, Arabic yeh and kaf as written
        Pair{"PersianYehAndKeheh", "\u06CC\u06A9", "\u064A\u0643", true},
        Pair{"AlefMaksuraIsYeh", "\u0649", "\u064A", true},
        Pair{"ConfigurationTypedWhole", "\u067E\u06CC\u06A9\u0631\u0628\u0646\u062F\u06CC",
             "\u067E\u064A\u0643\u0631 \u0628\u0646\u062F\u064A", true},
        Pair{"NonJoinerForASpace", "\u0645\u06CC\u200C\u0634\u0648\u062F",
             "\u0645\u064A \u0634\u0648\u062F", true},
        Pair{"TatweelDropped", "\u06A9\u0640\u0640\u062A", "\u0643\u062A", true},
        Pair{"DiacriticsDropped", "\u06A9\u064E\u062A\u0651\u0670\u065F", "\u0643\u062A", true},
        Pair{"MarksAndNoBreakSpacesDropped", "\u200F\u06A9\u00A0\u062A\u200E\uFEFF", "\u0643\u062A",
             true},
        Pair{"LatinCase", "CertiFICATE", "certificate", true},
        Pair{"PersianAndArabicDigits", "x\u06F2\u0665", "X25", true},
        Pair{"TabsAndNewlines", "a\tb\nc", "abc", true},
        // Letters that only look alike, or are other letters
        Pair{"YehWithHamzaStays", "\u0626", "\u064A", false},
        Pair{"GafIsNoKaf", "\u06AF", "\u0643", false},
        Pair{"HehIsNoTehMarbuta", "\u0647", "\u0629", false},
        Pair{"AlefIsNoAlefMadda", "\u0627", "\u0622", false},
        Pair{"NonAsciiCaseStays", "\u00C4", "\u00E4", false},
        Pair{"UnderscoreStays", "a_b", "ab", false},
        Pair{"FullwidthDigitStays", "\uFF11", "1", false}),
    RowName<Pair>);

TEST(Folding, LeavesNothingOfSpacesMarksTatweelAndDiacriticsAndKeepsStrayBytes) {
  EXPECT_EQ(FoldForSearch("\u200C\u0640 \u064B\u200F\u00A0"), "");
  EXPECT_EQ(FoldForSearch("a\xFF"
                          "B"),
            "a\xFF"
            "b");
}

struct Query {
  const char* name;
  std::vector<std::string> words;
  std::vector<int> codes;
};

class Search : public ::testing::TestWithParam<Query> {};

TEST_P(Search, FindsTheEntriesThatHoldEveryWord) {
  std::vector<std::string> folded;
  for (const std::string& word : GetParam().words) folded.push_back(FoldForSearch(word));
  std::vector<int> codes;
  for (const CatalogueEntry* entry : FindEntries(folded)) {
    codes.push_back(std::stoi(unicode::ToUtf8(entry->code)));
  }
  EXPECT_EQ(codes, GetParam().codes);
}

INSTANTIATE_TEST_SUITE_P(
    Words, Search,
    ::testing::Values(
        Query{"ConfigurationAsTyped",
              {"\u067E\u06CC\u06A9\u0631\u0628\u0646\u062F\u06CC"},
              {665, 720, 724, 731, 740, 767, 784, 785, 799, 800}},
        Query{"UserAndPasswordInEitherOrder",
              {"\u06A9\u0627\u0631\u0628\u0631\u06CC", "\u0639\u0628\u0648\u0631"},
              {648, 691}},
        Query{"ALatinWordInTheExplanations", {"AUTHENTICATION"}, {645, 691, 798}},
        Query{"OneWordOfTheSymbolOneOfTheExplanation",
              {"_failure", "\u06A9\u0627\u0631\u0628\u0631\u06CC"},
              {691}},
        Query{"PersianDigitsInASymbol", {"x\u06F2\u06F5"}, {707}},
        Query{"AWholeSymbol", {"error_authentication_failure"}, {691}},
        Query{"NothingHoldsTheSecondWord", {"\u06A9\u0627\u0631\u0628\u0631\u06CC", "zzzz"}, {}}),
    RowName<Query>);

TEST(Search, WithoutWordsFindsEveryEntry) {
  EXPECT_EQ(FindEntries({}).size(), static_cast<std::size_t>(ErrorCatalogue::kCount));
}

}  // namespace
}  // namespace dialnote::testing
