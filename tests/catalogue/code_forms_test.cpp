// SPDX-License-Identifier: GPL-3.0-or-later
// The code forms that ReadCode knows, and the symbols of the entries against
// the Windows headers' names.
#include <gtest/gtest.h>

#include <fstream>
#include <string>

#include "catalogue/code_forms.h"
#include "catalogue/error_catalogue.h"
#include "tests/row_name.h"

namespace dialnote::testing {
namespace {

// Every form of the ends of the range and a code in between, the same forms of
// the codes just outside it, symbols and junk. The HRESULTs are worked out by
// hand: 0x80070000 | code, and as a signed 32-bit number that less 2^32.
struct F {  // a row: the text, and the code it names (0: none)
  const char* name;
  std::string text;
  int code;
};

class CodeForms : public ::testing::TestWithParam<F> {};

TEST_P(CodeForms, NameTheirCodeOrNothing) {
  EXPECT_EQ(ReadCode(GetParam().text).value_or(0), GetParam().code);
}

INSTANTIATE_TEST_SUITE_P(
    Arguments, CodeForms,
    ::testing::Values(  // 600 = 0x258
        F{"Decimal600", "600", 600}, F{"Padded600", "000600", 600},
        F{"Spaced600", " \t600\t ", 600}, F{"Hex600", "0x80070258", 600},
        F{"Signed600", "-2147024296", 600}, F{"Symbol600", "PENDING", 600},
        F{"SymbolLower600", "pending", 600}, F{"BareHexOfDigits600", "80070258", 600},
        // 691 = 0x2B3
        F{"Decimal691", "691", 691}, F{"Padded691", "0691", 691}, F{"Spaced691", " 691 ", 691},
        F{"HexUpper691", "0x800702B3", 691}, F{"HexLower691", "0x800702b3", 691},
        F{"HexCapitalX691", "0X800702B3", 691}, F{"BareHexUpper691", "800702B3", 691},
        F{"BareHexLower691", "800702b3", 691}, F{"SpacedHex691", "\t0x800702B3 ", 691},
        F{"Signed691", "-2147024205", 691}, F{"SpacedSigned691", " -2147024205 ", 691},
        F{"Symbol691", "ERROR_AUTHENTICATION_FAILURE", 691},
        F{"SymbolLower691", " error_authentication_failure ", 691},
        // 800 = 0x320, and hex digits at the ends of a-f: 762 = 0x2FA, 687 = 0x2AF
        F{"Decimal800", "800", 800}, F{"Padded800", "0800", 800}, F{"Spaced800", "800 ", 800},
        F{"Hex800", "0x80070320", 800}, F{"Signed800", "-2147024096", 800},
        F{"Symbol800", "ERROR_AUTOMATIC_VPN_FAILED", 800},
        F{"SymbolMixed800", "Error_Automatic_VPN_Failed", 800}, F{"HexMixed762", "0x800702fA", 762},
        F{"HexMixed687", "800702aF", 687},
        // 599 = 0x257 and 801 = 0x321
        F{"Decimal599", "599", 0}, F{"Padded599", "0599", 0}, F{"Spaced599", " 599 ", 0},
        F{"Hex599", "0x80070257", 0}, F{"Signed599", "-2147024297", 0}, F{"Decimal801", "801", 0},
        F{"Padded801", "0801", 0}, F{"Spaced801", " 801 ", 0}, F{"Hex801", "0x80070321", 0},
        F{"Signed801", "-2147024095", 0},
        // Near forms
        F{"HexOfTheBareCode", "0x2B3", 0}, F{"HexOfNineDigits", "0x0800702B3", 0},
        F{"HexOtherFacility", "0x800802B3", 0}, F{"HexNotAFailure", "0x000702B3", 0},
        F{"HexCode1", "0x80070001", 0}, F{"HexLetterG", "0x800702BG", 0},
        F{"HexPrefixOnly", "0x", 0}, F{"HexSpaced", "0x 800702B3", 0},
        F{"HexOtherPrefix", "0y800702B3", 0}, F{"SignedPadded", "-02147024205", 0},
        F{"NegativeCode", "-691", 0}, F{"SignedWrapsTo691", "-4294966605", 0},
        F{"UnsignedHresult", "2147942403", 0}, F{"Plus", "+691", 0},
        F{"PlusSigned", "+2147024205", 0}, F{"MinusOnly", "-", 0},
        // Symbols: any letter case, nothing else folded
        F{"SymbolOfAWarning", "WARNING_MSG_ALIAS_NOT_ADDED", 644},
        F{"SymbolWithDigits", "ERROR_X25_DIAGNOSTIC", 707},
        F{"SymbolLowerWithZ", "error_invalid_size", 632}, F{"UnknownSymbol", "ERROR_FOO", 0},
        F{"SymbolShortened", "PENDIN", 0}, F{"SymbolFirstLetterWrong", "SENDING", 0},
        F{"SymbolLengthened", "PENDINGS", 0}, F{"SymbolWithoutPrefix", "AUTHENTICATION_FAILURE", 0},
        F{"SymbolTrailingNull", std::string("PENDING\0", 8), 0},
        F{"SymbolDeleteForUnderscore", "ERROR\177AUTHENTICATION\177FAILURE", 0},
        F{"SymbolDottedCapitalI", "ERROR_AUTHENT\304\260CATION_FAILURE", 0},
        // Junk
        F{"Empty", "", 0}, F{"Blank", " \t ", 0},
        F{"TenKilobytesOfDigits", std::string(10000, '9'), 0},
        F{"TwoToThe64Plus691", "18446744073709552307", 0},
        F{"TenKilobytesOfZerosThen691", std::string(10000, '0') + "691", 691},
        F{"InnerSpace", "6 91", 0}, F{"TrailingLetter", "691x", 0}, F{"Newline", "691\n", 0},
        F{"EmbeddedNull", std::string("69\0001", 4), 0}, F{"Fraction", "691.0", 0},
        F{"PersianDigits", "\xDB\xB6\xDB\xB9\xDB\xB1", 0}, F{"InvalidUtf8", "\377\300691", 0},
        F{"NoBreakSpace", "\302\240691", 0}),
    RowName<F>);

// The symbols as the Windows headers (ras.h, raserror.h) name the codes,
// copied from there into tests/data, not from the catalogue.
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
    EXPECT_EQ(ErrorCatalogue::Entries()[static_cast<std::size_t>(rows++)].symbol, symbol) << code;
    EXPECT_EQ(ErrorCatalogue::CodeOfSymbol(symbol), std::stoi(code));
  }
  EXPECT_EQ(rows, 201);
}

}  // namespace
}  // namespace dialnote::testing
