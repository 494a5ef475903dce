// Fuzz target for the reader of code forms: any bytes are read as a command
// line argument. The answer must be a code from 600 to 800 or nothing, and
// must agree with a plain second reading here, which sorts the text into the
// known forms and checks it against every code's forms as printed by snprintf.
#include <array>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include "catalogue/code_forms.h"
#include "catalogue/error_catalogue.h"

namespace {

using dialnote::ErrorCatalogue;

struct PrintedForms {
  std::string decimal, hex, signed_decimal;
};

// Each code's forms, as Windows and .NET print them.
const std::array<PrintedForms, ErrorCatalogue::kCount>& Printed() {
  static const auto forms = [] {
    std::array<PrintedForms, ErrorCatalogue::kCount> all;
    for (int i = 0; i < ErrorCatalogue::kCount; ++i) {
      const int code = ErrorCatalogue::kFirstCode + i;
      const std::uint32_t hresult = 0x80070000u | static_cast<std::uint32_t>(code);
      char buffer[3][16];
      std::snprintf(buffer[0], sizeof buffer[0], "%d", code);
      std::snprintf(buffer[1], sizeof buffer[1], "%08X", hresult);
      std::snprintf(buffer[2], sizeof buffer[2], "%d", static_cast<std::int32_t>(hresult));
      all[static_cast<std::size_t>(i)] = {buffer[0], buffer[1], buffer[2]};
    }
    return all;
  }();
  return forms;
}

bool AllOf(std::string_view text, bool (*test)(char)) {
  for (const char c : text) {
    if (!test(c)) return false;
  }
  return !text.empty();
}

bool Digit(char c) { return c >= '0' && c <= '9'; }
bool HexDigit(char c) { return Digit(c) || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F'); }
bool Letter(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }
bool SymbolChar(char c) { return Digit(c) || Letter(c) || c == '_'; }

std::string Upper(std::string_view text) {
  std::string out(text);
  for (char& c : out) c = (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
  return out;
}

// The code whose printed form `field` of Printed() equals `text`, or 0.
int Matching(std::string_view text, std::string PrintedForms::*field) {
  for (int i = 0; i < ErrorCatalogue::kCount; ++i) {
    if (Printed()[static_cast<std::size_t>(i)].*field == text) {
      return ErrorCatalogue::kFirstCode + i;
    }
  }
  return 0;
}

int Expected(std::string_view text) {
  while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
  while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) text.remove_suffix(1);
  if (AllOf(text, Digit)) {
    while (text.size() > 1 && text.front() == '0') text.remove_prefix(1);
    return Matching(text, &PrintedForms::decimal);
  }
  if (text.starts_with('-')) return Matching(text, &PrintedForms::signed_decimal);
  std::string_view hex = text;
  if (hex.starts_with("0x") || hex.starts_with("0X")) hex.remove_prefix(2);
  if (AllOf(hex, HexDigit) && hex.size() == 8) return Matching(Upper(hex), &PrintedForms::hex);
  if (!AllOf(text, SymbolChar)) return 0;
  for (int i = 0; i < ErrorCatalogue::kCount; ++i) {
    const auto& entry = ErrorCatalogue::Entries()[static_cast<std::size_t>(i)];
    if (entry.symbol == Upper(text)) return ErrorCatalogue::kFirstCode + i;
  }
  return 0;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  const auto code = dialnote::ReadCode(text);
  if (code && (*code < ErrorCatalogue::kFirstCode || *code > ErrorCatalogue::kLastCode)) {
    std::abort();
  }
  if (code.value_or(0) != Expected(text)) std::abort();
  return 0;
}
