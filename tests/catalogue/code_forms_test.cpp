// SPDX-License-Identifier: GPL-3.0-or-later
// The code forms that ReadCode knows, and the symbols of the entries against
// the Windows headers' names.
#include "catalogue/code_forms.h"

#include <gtest/gtest.h>

#include <fstream>
#include <string>

#include "catalogue/error_catalogue.h"
#include "catalogue/unicode_text.h"

namespace dialnote::testing {
namespace {

// A text of tests/data/code-forms.tsv, its escapes undone: \t, \xHH (a byte)
// and \uHHHH (a character, in UTF-8).
std::string Unescaped(std::string_view text) {
  std::string out;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] != '\\') {
      out += text[i];
    } else if (text[++i] == 't') {
      out += '\t';
    } else {
      const std::size_t digits = text[i] == 'x' ? 2 : 4;
      const auto c =
          static_cast<unsigned>(std::stoul(std::string(text.substr(i + 1, digits)), nullptr, 16));
      i += digits;
      if (digits == 2) {
        out += static_cast<char>(c);
      } else {
        unicode::AppendUtf8(out, c);
      }
    }
  }
  return out;
}

// tests/data/code-forms.tsv, which the command line's test reads as well: every
// form of the ends of the command's span (600 to 878) and codes in between,
// the same forms of the codes just outside it, symbols and junk; a name, a
// text and the code it names (0: none). The HRESULTs are worked out by hand: 0x80070000 | code, and
// as a signed 32-bit number that less 2^32.
TEST(CodeForms, NameTheirCodeOrNothing) {
  std::ifstream table(DIALNOTE_CODE_FORMS_TSV);
  std::string line;
  std::getline(table, line);  // the heading
  int rows = 0;
  for (; std::getline(table, line); ++rows) {
    const std::size_t tab = line.find('\t'), last_tab = line.rfind('\t');
    const std::string text = Unescaped(line.substr(tab + 1, last_tab - tab - 1));
    EXPECT_EQ(ReadCode(text).value_or(0), std::stoi(line.substr(last_tab + 1)))
        << line.substr(0, tab);
  }
  EXPECT_GT(rows, 90) << "rows in " << DIALNOTE_CODE_FORMS_TSV;
}

// Forms too long for a table: any number of leading zeros is allowed, and
// nothing else makes a long text a code.
TEST(CodeForms, OfAnyLength) {
  std::string persian_zeros;
  for (int i = 0; i < 5000; ++i) persian_zeros += "\u06F0";
  EXPECT_EQ(ReadCode(std::string(10000, '0') + "691"), 691);
  EXPECT_EQ(ReadCode(persian_zeros + "691"), 691);
  EXPECT_EQ(ReadCode(std::string(10000, '9')), std::nullopt);
}

// The symbols as the Windows headers (ras.h, raserror.h) name the codes,
// copied from there into tests/data, not from the catalogue: 600 to 870 from
// MinGW-w64's raserror.h, 871 to 878 (newer than it) from the Windows SDK's.
TEST(SymbolsOfTheWindowsHeaders, AreTheEntriesSymbolsEveryOne) {
  std::ifstream table(DIALNOTE_SYMBOLS_TSV);
  ASSERT_TRUE(table) << "no symbol table at " << DIALNOTE_SYMBOLS_TSV;
  std::string line;
  std::getline(table, line);  // the heading
  int rows = 0;
  while (std::getline(table, line)) {
    const std::size_t tab = line.find('\t');
    ASSERT_NE(tab, std::string::npos) << line;
    const std::string code = line.substr(0, tab), symbol = line.substr(tab + 1);
    ASSERT_EQ(code, std::to_string(600 + rows)) << "the symbol table is out of order";
    EXPECT_EQ(ErrorCatalogue::CommandEntries()[static_cast<std::size_t>(rows++)].symbol, symbol)
        << code;
    EXPECT_EQ(ErrorCatalogue::CodeOfSymbol(symbol), std::stoi(code));
  }
  EXPECT_EQ(rows, 279);
}

}  // namespace
}  // namespace dialnote::testing
