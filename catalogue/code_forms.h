// SPDX-License-Identifier: GPL-3.0-or-later
// Reads the error code a user names on the command line, in any of the forms
// Windows and its tools show it:
//   decimal            691, 0691, " 691 ", ۶۹۱ (Persian digits), ٦٩١ (Arabic-Indic)
//   HRESULT, hex       0x800702B3, 0X800702b3, 800702B3
//   HRESULT, signed    -2147024205   (as .NET and PowerShell print it)
//   symbol             ERROR_AUTHENTICATION_FAILURE, error_authentication_failure
// The HRESULT forms are those of HRESULT_FROM_WIN32(code) = 0x80070000 | code.
#pragma once

#include <optional>
#include <string_view>

namespace dialnote {

// The code of the command's span, 600..878, that `argument` (UTF-8 bytes)
// names, or nothing.
//
// Padding around the text is ignored (ASCII spaces and tabs, no-break spaces
// and the invisible marks of right-to-left text, see unicode::IsPadding);
// nothing inside the text is. In every numeric form a digit may be ASCII,
// Persian or Arabic-Indic, mixed at will.
// - Decimal: digits only, leading zeros allowed. Digits that name no
//   code in decimal may still be an unprefixed hex HRESULT: "80070258" is
//   600's, as Windows prints it.
// - Hex HRESULT: an optional "0x" or "0X", then exactly eight hex digits in
//   either case, as Windows prints an HRESULT; no more leading zeros, no
//   shorter forms ("0x2B3" is not an HRESULT and names nothing).
// - Signed HRESULT: "-" and the digits as .NET prints them, without leading
//   zeros. A leading "+" is no form anyone prints, and is refused.
// - Symbol: as ErrorCatalogue::CodeOfSymbol, any case of ASCII letters.
// Any other text, or a value outside 600..878, names nothing; so does any text
// with bytes that are not UTF-8. Allocation-free, no exceptions, any length of
// input.
std::optional<int> ReadCode(std::string_view argument);

}  // namespace dialnote
