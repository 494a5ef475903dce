// SPDX-License-Identifier: GPL-3.0-or-later
// The code forms that ReadCode knows, and the symbols of the entries against
// the Windows headers' names.
#include "catalogue/code_forms.h"

#include <gtest/gtest.h>

#include <fstream>
#include <string>

#include "catalogue/error_catalogue.h"
#include "tests/row_name.h"

namespace dialnote::testing {
namespace {

using testing::PrintTo;

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
        F{"InvalidUtf8", "\377\300691", 0}, F{"InvalidUtf8AfterTheCode", "691\377", 0},
        F{"FullwidthDigits", "\uFF16\uFF19\uFF11", 0}, F{"ArabicLetters", "\u0627691", 0},
        // Persian (U+06F0-U+06F9) and Arabic-Indic (U+0660-U+0669) digits, in
        // every numeric form, mixed or not
        F{"PersianDigits691", "\u06F6\u06F9\u06F1", 691},
        F{"ArabicIndicDigits691", "\u0666\u0669\u0661", 691},
        F{"ThreeScriptsMixed691", "\u06F69\u0661", 691},
        F{"PersianZeroPadded600",
          "\u06F0\u0660"
          "0\u06F6\u06F0\u06F0",
          600},
        F{"PersianDigits800", "\u06F8\u06F0\u06F0", 800},
        F{"PersianDigits599", "\u06F5\u06F9\u06F9", 0},
        F{"ArabicIndicDigits801", "\u0668\u0660\u0661", 0},
        F{"PersianHex691", "0x\u06F8\u06F0\u06F0\u06F7\u06F0\u06F2B3", 691},
        F{"PersianBareHex600", "\u06F8\u06F0\u06F0\u06F7\u06F0\u06F2\u06F5\u06F8", 600},
        F{"ArabicIndicSigned691", "-\u0662\u0661\u0664\u0667\u0660\u0662\u0664\u0662\u0660\u0665",
          691},
        F{"PersianZeroAfterMinus", "-\u06F02147024205", 0},
        F{"PersianZeroBeforeX", "\u06F0x800702B3", 691}, F{"TwoZerosBeforeX", "00x800702B3", 0},
        F{"ZeroThenSigned", "0-2147024205", 0}, F{"PersianZeroPaddedBareHex", "\u06F080070258", 0},
        F{"TenKilobytesOfPersianZerosThen691",
          [] {
            std::string zeros;
            for (int i = 0; i < 5000; ++i) zeros += "\u06F0";
            return zeros + "691";
          }(),
          691},
        // Padding around a code: blanks, no-break spaces, invisible marks
        F{"NoBreakSpace",
          "\u00A0"
          "691",
          691},
        F{"NarrowNoBreakSpace", "691\u202F", 691},
        F{"RightToLeftMark",
          "\u200F"
          "691",
          691},
        F{"LeftToRightMark", "691\u200E", 691},
        F{"ArabicLetterMark",
          "\u061C"
          "691",
          691},
        F{"ZeroWidthSpace",
          "\u200B"
          "691",
          691},
        F{"ZeroWidthNonJoiner", "691\u200C", 691},
        F{"ZeroWidthJoiner",
          "\u200D"
          "691",
          691},
        F{"ByteOrderMark",
          "\uFEFF"
          "691",
          691},
        F{"Isolates",
          "\u2066\u2067\u2068"
          "691\u2069",
          691},
        F{"EmbeddingsAndOverrides",
          "\u202A\u202B\u202D"
          "691\u202C\u202E",
          691},
        F{"MarksAndBlanksMixed", " \u200F\t\u00A0-2147024205\u200F \u202F", 691},
        F{"MarkAroundASymbol", "\u200EERROR_AUTHENTICATION_FAILURE\u200E", 691},
        F{"MarkAroundPersianDigits", "\u200F\u06F6\u06F9\u06F1\u200F", 691},
        F{"MarkInside",
          "6\u200F"
          "91",
          0},
        F{"NoBreakSpaceInside",
          "69\u00A0"
          "1",
          0},
        F{"MarkInsideAHex",
          "0x\u200E"
          "800702B3",
          0},
        F{"MarkBetweenMinusAndDigits",
          "-\u200F"
          "2147024205",
          0},
        F{"EnSpaceIsNoPadding",
          "\u2002"
          "691",
          0},
        F{"MarkOnly", "\u200F\u00A0", 0}),
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
