// SPDX-License-Identifier: GPL-3.0-or-later
#include "catalogue/code_forms.h"

#include <cstdint>

#include "catalogue/error_catalogue.h"

namespace dialnote {
namespace {

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

std::string_view TrimSpacesAndTabs(std::string_view text) {
  const auto blank = [](char c) { return c == ' ' || c == '\t'; };
  while (!text.empty() && blank(text.front())) text.remove_prefix(1);
  while (!text.empty() && blank(text.back())) text.remove_suffix(1);
  return text;
}

std::optional<int> InRange(std::uint64_t value) {
  constexpr std::uint64_t kFirst = ErrorCatalogue::kFirstCode;
  constexpr std::uint64_t kLast = ErrorCatalogue::kLastCode;
  if (value < kFirst || value > kLast) return std::nullopt;
  return static_cast<int>(value);
}

// The code inside an HRESULT_FROM_WIN32 value.
std::optional<int> CodeOfHresult(std::uint64_t hresult) {
  if (hresult > 0xFFFFFFFFu || (hresult & 0xFFFF0000u) != 0x80070000u) return std::nullopt;
  return InRange(hresult & 0xFFFFu);
}

// Digits only, at most `max_digits` of them after the leading zeros; the
// caller has checked that `digits` holds nothing but digits.
std::optional<std::uint64_t> DecimalValue(std::string_view digits, std::size_t max_digits) {
  while (digits.size() > 1 && digits.front() == '0') digits.remove_prefix(1);
  if (digits.size() > max_digits) return std::nullopt;
  std::uint64_t value = 0;
  for (const char c : digits) value = value * 10 + static_cast<std::uint64_t>(c - '0');
  return value;
}

std::optional<int> ReadDecimal(std::string_view text) {
  const auto value = DecimalValue(text, 3);
  return value ? InRange(*value) : std::nullopt;
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

}  // namespace

std::optional<int> ReadCode(std::string_view argument) {
  const std::string_view text = TrimSpacesAndTabs(argument);
  if (text.empty()) return std::nullopt;
  if (AllDigits(text)) {
    // "80070258" names no code in decimal: it is the HRESULT of 600 written
    // without its prefix, as Windows prints it.
    if (const auto code = ReadDecimal(text)) return code;
    return ReadHexHresult(text);
  }
  if (text.front() == '-') return ReadSignedHresult(text.substr(1));
  if (text.starts_with("0x") || text.starts_with("0X")) return ReadHexHresult(text.substr(2));
  if (const auto code = ReadHexHresult(text)) return code;
  return ErrorCatalogue::CodeOfSymbol(text);
}

}  // namespace dialnote
