// The codes' symbols: a few read off the reference by eye, the lookup by
// symbol in any letter case and its near misses, and every symbol against the
// reference table when it is at hand.
#include <gtest/gtest.h>

#include <fstream>
#include <string>

#include "catalogue/error_catalogue.h"
#include "tests/row_name.h"

namespace dialnote {
namespace {

using testing::PrintTo;

struct SymbolRow {
  const char* name;
  std::string text;  // looked up as given
  int code;          // 0: names no code
};

class SymbolLookup : public ::testing::TestWithParam<SymbolRow> {};

TEST_P(SymbolLookup, FindsTheCodeOrNothing) {
  const SymbolRow& row = GetParam();
  const auto code = ErrorCatalogue::CodeOfSymbol(row.text);
  EXPECT_EQ(code.value_or(0), row.code);
  if (row.code != 0 && row.text.find_first_of("abcdefghijklmnopqrstuvwxyz") == std::string::npos) {
    EXPECT_EQ(ErrorCatalogue::Entries()[static_cast<std::size_t>(row.code - 600)].symbol, row.text);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Symbols, SymbolLookup,
    ::testing::Values(SymbolRow{"First", "PENDING", 600},
                      SymbolRow{"Second", "ERROR_INVALID_PORT_HANDLE", 601},
                      SymbolRow{"AWarning", "WARNING_MSG_ALIAS_NOT_ADDED", 644},
                      SymbolRow{"Authentication", "ERROR_AUTHENTICATION_FAILURE", 691},
                      SymbolRow{"WithDigits", "ERROR_X25_DIAGNOSTIC", 707},
                      SymbolRow{"Encryption", "ERROR_NO_REMOTE_ENCRYPTION", 742},
                      SymbolRow{"BeforeLast", "ERROR_SHARING_HOST_ADDRESS_CONFLICT", 799},
                      SymbolRow{"Last", "ERROR_AUTOMATIC_VPN_FAILED", 800},
                      SymbolRow{"LowerCaseWithZ", "error_invalid_size", 632},
                      SymbolRow{"MixedCase", "Error_Automatic_Vpn_Failed", 800},
                      SymbolRow{"LowerFirst", "pending", 600}, SymbolRow{"Unknown", "ERROR_FOO", 0},
                      SymbolRow{"Empty", "", 0}, SymbolRow{"TrailingSpace", "PENDING ", 0},
                      SymbolRow{"LeadingSpace", " PENDING", 0}, SymbolRow{"Shortened", "PENDIN", 0},
                      SymbolRow{"Lengthened", "PENDINGS", 0},
                      SymbolRow{"WithoutPrefix", "AUTHENTICATION_FAILURE", 0},
                      SymbolRow{"TrailingNull", std::string("PENDING\0", 8), 0},
                      SymbolRow{"DeleteForUnderscore", "ERROR\177AUTHENTICATION\177FAILURE", 0},
                      SymbolRow{"DottedCapitalI", "ERROR_AUTHENT\304\260CATION_FAILURE", 0}),
    testing::RowName<SymbolRow>);

TEST(SymbolsOfTheReference, AreTheEntriesSymbolsEveryOne) {
  std::ifstream table(DIALNOTE_REFERENCE_TSV);
  if (!table) GTEST_SKIP() << "no reference table at " << DIALNOTE_REFERENCE_TSV;
  std::string line;
  std::getline(table, line);  // the heading
  int rows = 0;
  while (std::getline(table, line)) {
    const std::size_t tab = line.find('\t');
    const std::string symbol = line.substr(tab + 1, line.find('\t', tab + 1) - tab - 1);
    const int code = std::stoi(line.substr(0, tab));
    SCOPED_TRACE(line.substr(0, tab));
    ASSERT_EQ(code, 600 + rows++) << "the reference table is out of order";
    EXPECT_EQ(ErrorCatalogue::Entries()[static_cast<std::size_t>(rows - 1)].symbol, symbol);
    EXPECT_EQ(ErrorCatalogue::CodeOfSymbol(symbol), code);
  }
  EXPECT_EQ(rows, 201);
}

}  // namespace
}  // namespace dialnote
