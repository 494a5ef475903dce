// SPDX-License-Identifier: GPL-3.0-or-later
// The code forms that ReadCode knows, and the symbols of the entries against
// the Windows headers' names.
#include "catalogue/code_forms.h"

#include <gtest/gtest.h>

#include <string>

#include "catalogue/error_catalogue.h"
#include "catalogue/unicode_text.h"
#include "tests/rows.h"

namespace dialnote::testing {
namespace {

// tests/data/code-forms.tsv, which the command line's test reads too: a name, a text and the
// code it names (0: none). The HRESULTs are worked out by hand: 0x80070000 | code, signed.
TEST(CodeForms, NameTheirCodeOrNothing) {
  const std::vector<Row> rows = Rows("code-forms.tsv");
  for (const Row& row : rows)
    EXPECT_EQ(ReadCode(row.at(1)).value_or(0), std::stoi(row.at(2))) << row[0];
  EXPECT_GT(rows.size(), 90u);
}

// Any number of leading zeros is allowed, and nothing else makes a long text a code.
TEST(CodeForms, OfAnyLength) {
  std::string persian_zeros;
  for (int i = 0; i < 5000; ++i) persian_zeros += "\u06F0";
  EXPECT_EQ(ReadCode(std::string(10000, '0') + "691"), 691);
  EXPECT_EQ(ReadCode(persian_zeros + "691"), 691);
  EXPECT_EQ(ReadCode(std::string(10000, '9')), std::nullopt);
}

// The symbols as the Windows headers name the codes, copied from there (tests/README.md).
TEST(SymbolsOfTheWindowsHeaders, AreTheEntriesSymbolsEveryOne) {
  const std::vector<Row> rows = Rows("ras-symbols.tsv");
  ASSERT_EQ(rows.size(), 279u);
  for (std::size_t i = 0; i < rows.size(); ++i) {
    const std::string &code = rows[i].at(0), &symbol = rows[i].at(1);
    ASSERT_EQ(code, std::to_string(600 + i)) << "the symbol table is out of order";
    EXPECT_EQ(ErrorCatalogue::CommandEntries()[i].symbol, symbol) << code;
    EXPECT_EQ(ErrorCatalogue::CodeOfSymbol(symbol), std::stoi(code));
  }
}

}  // namespace
}  // namespace dialnote::testing
