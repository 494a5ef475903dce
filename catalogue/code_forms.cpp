// SPDX-License-Identifier: GPL-3.0-or-later
#include "catalogue/code_forms.h"

#include <cstdint>

#include "catalogue/error_catalogue.h"
#include "catalogue/unicode_text.h"

namespace dialnote {
namespace {

// Every form but a run of leading zeros is shorter: the longest symbol has 36
// letters, the signed HRESULT 11 characters.
constexpr std::size_t kLongestForm = 64;

constexpr bool IsDigit(char c) { return c >= '0' && c <= '9'; }

constexpr bool AllDigits(std::string_view text) {
  for (const char c : text) {
    if (!IsDigit(c)) return false;
  }
  return !text.empty();
}

// The value of a hex digit, or -1.
constexpr int HexValue(char c) {
  if (IsDigit(c)) return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

std::optional<int> InRange(std::uint64_t value) {
  constexpr std::uint64_t kFirst = ErrorCatalogue::kFirstCode;
  constexpr std::uint64_t kLast = ErrorCatalogue::kCommandLastCode;
  if (value < kFirst || value > kLast) return std::nullopt;
  return static_cast<int>(value);
}

// The code inside an HRESULT_FROM_WIN32 value.
std::optional<int> CodeOfHresult(std::uint64_t hresult) {
  if (hresult > 0xFFFFFFFFu || (hresult & 0xFFFF0000u) != 0x80070000u) return std::nullopt;
  return InRange(hresult & 0xFFFFu);
}

// The value of `digits` (digits only, checked by the caller) when there are
// at most `max_digits` of them.
std::optional<std::uint64_t> DecimalValue(std::string_view digits, std::size_t max_digits) {
  if (digits.size() > max_digits) return std::nullopt;
  std::uint64_t value = 0;
  for (const char c : digits) value = value * 10 + static_cast<std::uint64_t>(c - '0');
  return value;
}

std::optional<int> ReadSignedHresult(std::string_view digits) {
  // A negative 32-bit value is ten digits at most; .NET prints no leading zero.
  if (!AllDigits(digits) || digits.front() == '0') return std::nullopt;
  const auto magnitude = DecimalValue(digits, 10);
  // A magnitude beyond 2^32 wraps to more than 32 bits and is refused there.
  return magnitude ? CodeOfHresult(0x100000000u - *magnitude) : std::nullopt;
}

std::optional<int> ReadHexHresult(std::string_view digits) {
  if (digits.size() != 8) return std::nullopt;
  std::uint64_t value = 0;
  for (const char c : digits) {
    const int digit = HexValue(c);
    if (digit < 0) return std::nullopt;
    value = value * 16 + static_cast<std::uint64_t>(digit);
  }
  return CodeOfHresult(value);
}

// The forms, read from the text in ASCII (every digit folded to its ASCII
// twin) with its leading zeros counted apart, so that any number of them fits.
std::optional<int> ReadForms(std::string_view text, std::size_t leading_zeros) {
  if (text.empty()) return std::nullopt;
  if (AllDigits(text)) {
    const auto value = DecimalValue(text, 3);
    if (value) return InRange(*value);
    // "80070258" names no code in decimal: it is the HRESULT of 600 written
    // without its prefix, as Windows prints it (never with a leading zero).
    return leading_zeros == 0 ? ReadHexHresult(text) : std::nullopt;
  }
  if (leading_zeros == 1 && (text.front() == 'x' || text.front() == 'X')) {
    return ReadHexHresult(text.substr(1));
  }
  if (leading_zeros > 0) return std::nullopt;
  if (text.front() == '-') return ReadSignedHresult(text.substr(1));
  if (const auto code = ReadHexHresult(text)) return code;
  return ErrorCatalogue::CodeOfSymbol(text);
}

}  // namespace

std::optional<int> ReadCode(std::string_view argument) {
  std::string_view text = unicode::TrimPadding(argument);
  char folded[kLongestForm];
  std::size_t size = 0;
  std::size_t leading_zeros = 0;
  while (!text.empty()) {
    char32_t c = 0;
    const std::size_t length = unicode::DecodeUtf8(text, c);
    // Every form is ASCII but for its digits.
    if (length == 0) return std::nullopt;
    text.remove_prefix(length);
    const int digit = unicode::DigitValue(c);
    if (digit < 0 && c >= 0x80) return std::nullopt;
    const char ascii = digit >= 0 ? static_cast<char>('0' + digit) : static_cast<char>(c);
    if (ascii == '0' && size == 0) {
      ++leading_zeros;
    } else if (size == kLongestForm) {
      return std::nullopt;
    } else {
      folded[size++] = ascii;
    }
  }
  return ReadForms(std::string_view(folded, size), leading_zeros);
}

}  // namespace dialnote
