// Every form of a code that ReadCode knows, for the ends of the range and a
// code in between, the same forms of the codes just outside it, and junk.
// The HRESULTs are worked out by hand: 0x80070000 | code, and as a signed
// 32-bit number 0x80070000 | code - 2^32.
#include "catalogue/code_forms.h"

#include <gtest/gtest.h>

#include <string>

#include "tests/row_name.h"

namespace dialnote {
namespace {

using testing::PrintTo;

struct F {  // a row: the argument, and the code it names
  const char* name;
  std::string argument;
  int code;  // 0: names no code
};

class CodeForms : public ::testing::TestWithParam<F> {};

TEST_P(CodeForms, NameTheirCodeOrNothing) {
  EXPECT_EQ(ReadCode(GetParam().argument).value_or(0), GetParam().code);
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
        F{"HexMixed687", "800702Af", 687},
        // 599 = 0x257 and 801 = 0x321
        F{"Decimal599", "599", 0}, F{"Padded599", "0599", 0}, F{"Spaced599", " 599 ", 0},
        F{"Hex599", "0x80070257", 0}, F{"Signed599", "-2147024297", 0}, F{"Decimal801", "801", 0},
        F{"Padded801", "0801", 0}, F{"Spaced801", " 801 ", 0}, F{"Hex801", "0x80070321", 0},
        F{"Signed801", "-2147024095", 0},
        // Near forms
        F{"HexOfTheBareCode", "0x2B3", 0}, F{"HexOfNineDigits", "0x0800702B3", 0},
        F{"HexOtherFacility", "0x800802B3", 0}, F{"HexNotAFailure", "0x000702B3", 0},
        F{"HexCode1", "0x80070001", 0}, F{"HexPrefixOnly", "0x", 0},
        F{"HexSpaced", "0x 800702B3", 0}, F{"SignedPadded", "-02147024205", 0},
        F{"NegativeCode", "-691", 0}, F{"SignedWrapsTo691", "-4294966605", 0},
        F{"UnsignedHresult", "2147942403", 0}, F{"Plus", "+691", 0}, F{"MinusOnly", "-", 0},
        F{"UnknownSymbol", "ERROR_FOO", 0},
        // Junk
        F{"Empty", "", 0}, F{"Blank", " \t ", 0},
        F{"TenKilobytesOfDigits", std::string(10000, '9'), 0},
        F{"TenKilobytesOfZerosThen691", std::string(10000, '0') + "691", 691},
        F{"InnerSpace", "6 91", 0}, F{"TrailingLetter", "691x", 0}, F{"Newline", "691\n", 0},
        F{"EmbeddedNull", std::string("69\0001", 4), 0}, F{"Fraction", "691.0", 0},
        F{"PersianDigits", "\xDB\xB6\xDB\xB9\xDB\xB1", 0}, F{"InvalidUtf8", "\377\300691", 0},
        F{"NoBreakSpace", "\302\240691", 0}),
    testing::RowName<F>);

}  // namespace
}  // namespace dialnote
