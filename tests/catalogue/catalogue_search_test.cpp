// SPDX-License-Identifier: GPL-3.0-or-later
// The search by words: the folding, pair by pair, and what words typed on a
// Persian keyboard find in the catalogue (codes found by reading the texts).
#include "catalogue/catalogue_search.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "catalogue/unicode_text.h"
#include "tests/rows.h"

namespace dialnote::testing {
namespace {

// Rows of tests/data/catalogue-search.tsv.
TEST(Search, FoldsAndFindsAsTheTableSays) {
  for (const Row& row : Rows("catalogue-search.tsv")) {
    SCOPED_TRACE(row[0]);
    if (row.at(1) == "alike") {
      const std::string typed = FoldForSearch(row[2]), written = FoldForSearch(row.at(3));
      EXPECT_EQ(typed == written, row.at(4) == "1") << typed << " | " << written;
      continue;
    }
    std::istringstream input(row[2]);
    std::vector<std::string> folded;
    for (std::string word; input >> word;) folded.push_back(FoldForSearch(word));
    std::string codes;
    for (const CatalogueEntry* entry : FindEntries(folded)) {
      codes += (codes.empty() ? "" : " ") + unicode::ToUtf8(entry->code);
    }
    EXPECT_EQ(codes, row.at(3));
  }
  EXPECT_EQ(FoldForSearch("a\xFFZ"), "a\xFFz");
  EXPECT_EQ(FindEntries({}).size(), 279u) << "without words, every entry, 600 to 878";
}

}  // namespace
}  // namespace dialnote::testing
