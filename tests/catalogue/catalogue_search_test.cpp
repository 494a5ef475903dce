// SPDX-License-Identifier: GPL-3.0-or-later
// The search by words: the folding, pair by pair, and what words typed on a
// Persian keyboard find in the catalogue (codes found by reading the texts).
#include "catalogue/catalogue_search.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "catalogue/unicode_text.h"

namespace dialnote::testing {
namespace {

TEST(Folding, MakesWhatAPersianReaderTakesForOneWordAlike) {
  struct Pair {
    const char* name;
    std::string typed, written;
    bool alike;
  };
  const Pair kPairs[] = {
      // Persian yeh and keheh as typed, Arabic yeh and kaf as written
      {"Persian yeh and keheh", "\u06CC\u06A9", "\u064A\u0643", true},
      {"alef maksura is yeh", "\u0649", "\u064A", true},
      {"a word typed whole", "\u067E\u06CC\u06A9\u0631\u0628\u0646\u062F\u06CC",
       "\u067E\u064A\u0643\u0631 \u0628\u0646\u062F\u064A", true},
      {"a non-joiner for a space", "\u0645\u06CC\u200C\u0634\u0648\u062F",
       "\u0645\u064A \u0634\u0648\u062F", true},
      {"tatweel dropped", "\u06A9\u0640\u0640\u062A", "\u0643\u062A", true},
      {"diacritics dropped", "\u06A9\u064E\u062A\u0651\u0670\u065F", "\u0643\u062A", true},
      {"marks and no-break spaces dropped", "\u200F\u06A9\u00A0\u062A\u200E\uFEFF", "\u0643\u062A",
       true},
      {"Latin case", "CertiFICATE", "certificate", true},
      {"Persian and Arabic digits", "x\u06F2\u0665", "X25", true},
      {"tabs and newlines", "a\tb\nc", "abc", true},
      // Letters that only look alike, or are other letters
      {"yeh with hamza stays", "\u0626", "\u064A", false},
      {"gaf is no kaf", "\u06AF", "\u0643", false},
      {"heh is no teh marbuta", "\u0647", "\u0629", false},
      {"alef is no alef madda", "\u0627", "\u0622", false},
      {"non-ASCII case stays", "\u00C4", "\u00E4", false},
      {"underscore stays", "a_b", "ab", false},
      {"a full-width digit stays", "\uFF11", "1", false},
  };
  for (const Pair& pair : kPairs) {
    const std::string typed = FoldForSearch(pair.typed), written = FoldForSearch(pair.written);
    EXPECT_EQ(typed == written, pair.alike) << pair.name << ": " << typed << " | " << written;
  }
  EXPECT_EQ(FoldForSearch("\u200C\u0640 \u064B\u200F\u00A0"), "");
  EXPECT_EQ(FoldForSearch("a\xFFZ"), "a\xFFz");
}

TEST(Search, FindsTheEntriesThatHoldEveryWord) {
  struct Query {
    const char* name;
    std::vector<std::string> words;
    std::vector<int> codes;
  };
  const Query kQueries[] = {
      {"a word as typed",
       {"\u067E\u06CC\u06A9\u0631\u0628\u0646\u062F\u06CC"},
       {665, 720, 724, 731, 740, 767, 784, 785, 799, 800, 872}},
      {"user and password in either order",
       {"\u06A9\u0627\u0631\u0628\u0631\u06CC", "\u0639\u0628\u0648\u0631"},
       {648, 691, 805, 812}},
      {"a Latin word in the explanations", {"AUTHENTICATION"}, {645, 691, 798, 850}},
      {"a word of the symbol and one of the explanation",
       {"_failure", "\u06A9\u0627\u0631\u0628\u0631\u06CC"},
       {691}},
      {"Persian digits in a symbol", {"x\u06F2\u06F5"}, {707}},
      {"a whole symbol", {"error_authentication_failure"}, {691}},
      {"nothing holds the second word", {"\u06A9\u0627\u0631\u0628\u0631\u06CC", "zzzz"}, {}},
  };
  for (const Query& query : kQueries) {
    std::vector<std::string> folded;
    for (const std::string& word : query.words) folded.push_back(FoldForSearch(word));
    std::vector<int> codes;
    for (const CatalogueEntry* entry : FindEntries(folded)) {
      codes.push_back(std::stoi(unicode::ToUtf8(entry->code)));
    }
    EXPECT_EQ(codes, query.codes) << query.name;
  }
  EXPECT_EQ(FindEntries({}).size(), 279u) << "without words, every entry, 600 to 878";
}

}  // namespace
}  // namespace dialnote::testing
