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

struct FormRow {
  const char* name;
  std::string argument;
  int code;  // 0: names no code
};

class CodeForms : public ::testing::TestWithParam<FormRow> {};

TEST_P(CodeForms, NameTheirCodeOrNothing) {
  EXPECT_EQ(ReadCode(GetParam().argument).value_or(0), GetParam().code);
}

INSTANTIATE_TEST_SUITE_P(
    Arguments, CodeForms,
    ::testing::Values(
        // 600 = 0x258
        FormRow{"Decimal600", "600", 600}, FormRow{"Padded600", "000600", 600},
        FormRow{"Spaced600", " \t600\t ", 600}, FormRow{"Hex600", "0x80070258", 600},
        FormRow{"HexCapitalX600", "0X80070258", 600}, FormRow{"Signed600", "-2147024296", 600},
        FormRow{"Symbol600", "PENDING", 600}, FormRow{"SymbolLower600", "pending", 600},
        FormRow{"BareHexAllDigitsIsDecimal600", "80070258", 0},
        // 691 = 0x2B3
        FormRow{"Decimal691", "691", 691}, FormRow{"Padded691", "0691", 691},
        FormRow{"Spaced691", " 691 ", 691}, FormRow{"HexUpper691", "0x800702B3", 691},
        FormRow{"HexLower691", "0x800702b3", 691}, FormRow{"HexCapitalX691", "0X800702B3", 691},
        FormRow{"BareHexUpper691", "800702B3", 691}, FormRow{"BareHexLower691", "800702b3", 691},
        FormRow{"HexMixedCase762", "0x800702fA", 762}, FormRow{"HexMixedCase687", "800702Af", 687},
        FormRow{"SpacedHex691", "\t0x800702B3 ", 691}, FormRow{"Signed691", "-2147024205", 691},
        FormRow{"SpacedSigned691", " -2147024205 ", 691},
        FormRow{"Symbol691", "ERROR_AUTHENTICATION_FAILURE", 691},
        FormRow{"SymbolLower691", " error_authentication_failure ", 691},
        // 800 = 0x320
        FormRow{"Decimal800", "800", 800}, FormRow{"Padded800", "0800", 800},
        FormRow{"Spaced800", "800 ", 800}, FormRow{"Hex800", "0x80070320", 800},
        FormRow{"Signed800", "-2147024096", 800},
        FormRow{"Symbol800", "ERROR_AUTOMATIC_VPN_FAILED", 800},
        FormRow{"SymbolMixed800", "Error_Automatic_VPN_Failed", 800},
        // 599 = 0x257 and 801 = 0x321
        FormRow{"Decimal599", "599", 0}, FormRow{"Padded599", "0599", 0},
        FormRow{"Spaced599", " 599 ", 0}, FormRow{"Hex599", "0x80070257", 0},
        FormRow{"Signed599", "-2147024297", 0}, FormRow{"Decimal801", "801", 0},
        FormRow{"Padded801", "0801", 0}, FormRow{"Spaced801", " 801 ", 0},
        FormRow{"Hex801", "0x80070321", 0}, FormRow{"Signed801", "-2147024095", 0},
        // Near forms
        FormRow{"HexOfTheBareCode", "0x2B3", 0}, FormRow{"HexPaddedToNine", "0x0800702B3", 0},
        FormRow{"HexOtherFacility", "0x800802B3", 0}, FormRow{"HexNotAFailure", "0x000702B3", 0},
        FormRow{"HexCode1", "0x80070001", 0}, FormRow{"HexOverflow", "0x1800702B3", 0},
        FormRow{"HexBareCodeDigits", "2B3", 0}, FormRow{"HexPrefixOnly", "0x", 0},
        FormRow{"HexSpaceAfterPrefix", "0x 800702B3", 0},
        FormRow{"SignedZeroPadded", "-02147024205", 0}, FormRow{"NegativeCode", "-691", 0},
        FormRow{"SignedWrappedTo691", "-4294966605", 0}, FormRow{"SignedHuge", "-9999999999", 0},
        FormRow{"UnsignedHresult", "2147942403", 0}, FormRow{"Plus", "+691", 0},
        FormRow{"MinusOnly", "-", 0}, FormRow{"DoubleMinus", "--2147024205", 0},
        FormRow{"UnknownSymbol", "ERROR_FOO", 0},
        // Junk
        FormRow{"Empty", "", 0}, FormRow{"Blank", " \t ", 0},
        FormRow{"TenKilobytesOfDigits", std::string(10000, '9'), 0},
        FormRow{"TenKilobytesOfZerosThen691", std::string(10000, '0') + "691", 691},
        FormRow{"Zero", "0", 0}, FormRow{"InnerSpace", "6 91", 0},
        FormRow{"TrailingLetter", "691x", 0}, FormRow{"Newline", "691\n", 0},
        FormRow{"EmbeddedNull", std::string("69\0001", 4), 0},
        FormRow{"TrailingNull", std::string("691\0", 4), 0}, FormRow{"Fraction", "691.0", 0},
        FormRow{"PersianDigits", "\xDB\xB6\xDB\xB9\xDB\xB1", 0},
        FormRow{"FullWidthDigits", "\xEF\xBC\x96\xEF\xBC\x99\xEF\xBC\x91", 0},
        FormRow{"InvalidUtf8", "\377\300691", 0}, FormRow{"NoBreakSpace", "\302\240691", 0}),
    testing::RowName<FormRow>);

}  // namespace
}  // namespace dialnote
