// The codes' symbols: a few read off the reference table by eye, the lookup by
// symbol in any letter case and its near misses, and every symbol against the
// reference table itself when it lies beside the repository.
#include <gtest/gtest.h>

#include <fstream>
#include <string>

#include "catalogue/error_catalogue.h"
#include "tests/row_name.h"

namespace dialnote {
namespace {

using testing::PrintTo;

struct S {  // a row: the text looked up, and the code it names
  const char* name;
  std::string text;
  int code;  // 0: names no code
};

class SymbolLookup : public ::testing::TestWithParam<S> {};

TEST_P(SymbolLookup, FindsTheCodeWhoseEntryCarriesTheSymbol) {
  const S& row = GetParam();
  EXPECT_EQ(ErrorCatalogue::CodeOfSymbol(row.text).value_or(0), row.code);
  if (row.code != 0 && row.text.find_first_of("abcdefghijklmnopqrstuvwxyz") == std::string::npos) {
    EXPECT_EQ(ErrorCatalogue::Entries()[static_cast<std::size_t>(row.code - 600)].symbol, row.text);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Symbols, SymbolLookup,
    ::testing::Values(S{"First", "PENDING", 600}, S{"Second", "ERROR_INVALID_PORT_HANDLE", 601},
                      S{"AWarning", "WARNING_MSG_ALIAS_NOT_ADDED", 644},
                      S{"Authentication", "ERROR_AUTHENTICATION_FAILURE", 691},
                      S{"WithDigits", "ERROR_X25_DIAGNOSTIC", 707},
                      S{"Encryption", "ERROR_NO_REMOTE_ENCRYPTION", 742},
                      S{"BeforeLast", "ERROR_SHARING_HOST_ADDRESS_CONFLICT", 799},
                      S{"Last", "ERROR_AUTOMATIC_VPN_FAILED", 800},
                      S{"LowerCaseWithZ", "error_invalid_size", 632},
                      S{"MixedCase", "Error_Automatic_Vpn_Failed", 800},
                      S{"Unknown", "ERROR_FOO", 0}, S{"Empty", "", 0},
                      S{"TrailingSpace", "PENDING ", 0}, S{"Shortened", "PENDIN", 0},
                      S{"Lengthened", "PENDINGS", 0},
                      S{"WithoutPrefix", "AUTHENTICATION_FAILURE", 0},
                      S{"TrailingNull", std::string("PENDING\0", 8), 0},
                      S{"DeleteForUnderscore", "ERROR\177AUTHENTICATION\177FAILURE", 0},
                      S{"DottedCapitalI", "ERROR_AUTHENT\304\260CATION_FAILURE", 0}),
    testing::RowName<S>);

TEST(SymbolsOfTheReference, AreTheEntriesSymbolsEveryOne) {
  std::ifstream table(DIALNOTE_REFERENCE_TSV);
  if (!table) GTEST_SKIP() << "no reference table at " << DIALNOTE_REFERENCE_TSV;
  std::string code, symbol, rest;
  std::getline(table, rest);  // the heading
  int rows = 0;
  while (std::getline(table, code, '\t') && std::getline(table, symbol, '\t') &&
         std::getline(table, rest)) {
    ASSERT_EQ(code, std::to_string(600 + rows)) << "the reference table is out of order";
    EXPECT_EQ(ErrorCatalogue::Entries()[static_cast<std::size_t>(rows++)].symbol, symbol) << code;
    EXPECT_EQ(ErrorCatalogue::CodeOfSymbol(symbol), std::stoi(code));
  }
  EXPECT_EQ(rows, 201);
}

}  // namespace
}  // namespace dialnote
