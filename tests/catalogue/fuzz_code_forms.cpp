// SPDX-License-Identifier: GPL-3.0-or-later
// Fuzz target for the reader of code forms: any bytes are an argument, and the answer must be
// what a plain second reading finds: padding cut, Persian and Arabic-Indic digits made ASCII,
// the text names a code only as a form printf prints or its symbol (leading zeros, 0x, case aside).
#include <array>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "catalogue/code_forms.h"
#include "catalogue/error_catalogue.h"

namespace {

using dialnote::ErrorCatalogue;

std::string Upper(std::string_view text) {
  std::string out(text);
  for (char& c : out) c = (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
  return out;
}

int Expected(std::string_view text) {
  // Each code's decimal, hex HRESULT, signed HRESULT and symbol, in code order.
  static const std::vector<std::array<std::string, 4>> forms = [] {
    std::vector<std::array<std::string, 4>> all;
    for (const dialnote::CatalogueEntry& entry : ErrorCatalogue::CommandEntries()) {
      const auto code = static_cast<std::uint32_t>(ErrorCatalogue::kFirstCode + all.size());
      char hex[16];
      std::snprintf(hex, sizeof hex, "%08X", 0x80070000u | code);
      all.push_back({std::to_string(code), hex,
                     std::to_string(static_cast<std::int32_t>(0x80070000u | code)),
                     std::string(entry.symbol)});
    }
    return all;
  }();
  // Blanks, no-break spaces and the invisible marks, as UTF-8.
  static constexpr std::string_view kPadding[] = {" ",      "\t",     "\u00A0", "\u202F", "\u200B",
                                                  "\u200C", "\u200D", "\u200E", "\u200F", "\u061C",
                                                  "\u202A", "\u202B", "\u202C", "\u202D", "\u202E",
                                                  "\u2066", "\u2067", "\u2068", "\u2069", "\uFEFF"};
  for (bool cut = true; cut;) {
    cut = false;
    for (const std::string_view pad : kPadding) {
      if (text.starts_with(pad)) text.remove_prefix(pad.size()), cut = true;
      if (text.ends_with(pad)) text.remove_suffix(pad.size()), cut = true;
    }
  }
  // U+06F0-U+06F9 are DB B0-DB B9, U+0660-U+0669 D9 A0-D9 A9; any other byte
  // past ASCII is in no form.
  std::string ascii;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const auto lead = static_cast<unsigned char>(text[i]);
    const auto next = i + 1 < text.size() ? static_cast<unsigned char>(text[i + 1]) : 0;
    if (lead == 0xDB && next >= 0xB0 && next <= 0xB9) {
      ascii += static_cast<char>('0' + (next - 0xB0)), ++i;
    } else if (lead == 0xD9 && next >= 0xA0 && next <= 0xA9) {
      ascii += static_cast<char>('0' + (next - 0xA0)), ++i;
    } else if (lead < 0x80) {
      ascii += text[i];
    } else {
      return 0;
    }
  }
  text = ascii;
  std::string_view unpadded = text;
  while (unpadded.starts_with('0')) unpadded.remove_prefix(1);
  const bool prefixed = text.starts_with("0x") || text.starts_with("0X");
  const bool digits_only = text.find_first_not_of("0123456789") == std::string_view::npos;
  const std::string upper_hex = Upper(prefixed ? text.substr(2) : text), upper = Upper(text);
  for (std::size_t i = 0; i < forms.size(); ++i) {
    if ((digits_only && unpadded == forms[i][0]) || upper_hex == forms[i][1] ||
        text == forms[i][2] || upper == forms[i][3]) {
      return ErrorCatalogue::kFirstCode + static_cast<int>(i);
    }
  }
  return 0;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  const auto code = dialnote::ReadCode(text);
  // Expected() answers 0 or a code from 600 to 878; ReadCode may not answer 0.
  if (code == 0 || code.value_or(0) != Expected(text)) std::abort();
  return 0;
}
