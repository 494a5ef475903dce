// Fuzz target for the reader of code forms: any bytes are read as a command
// line argument. The answer must be a code from 600 to 800 or nothing, and
// must agree with a plain second reading here: the trimmed text names a code
// only when it is, letter for letter, one of the code's forms as printf
// prints them or its symbol (less leading zeros, a 0x prefix, letter case).
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

struct Forms {
  std::string decimal, hex, signed_decimal;
  std::string_view symbol;
};

std::string Printed(const char* format, auto value) {
  char buffer[16];
  std::snprintf(buffer, sizeof buffer, format, value);
  return buffer;
}

// Each code's forms, in code order.
const std::vector<Forms>& AllForms() {
  static const std::vector<Forms> all = [] {
    std::vector<Forms> forms;
    for (const dialnote::CatalogueEntry& entry : ErrorCatalogue::Entries()) {
      const auto code = static_cast<std::uint32_t>(ErrorCatalogue::kFirstCode + forms.size());
      forms.push_back({Printed("%u", code), Printed("%08X", 0x80070000u | code),
                       Printed("%d", static_cast<std::int32_t>(0x80070000u | code)), entry.symbol});
    }
    return forms;
  }();
  return all;
}

std::string Upper(std::string_view text) {
  std::string out(text);
  for (char& c : out) c = (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
  return out;
}

int Expected(std::string_view text) {
  while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
  while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) text.remove_suffix(1);
  std::string_view unpadded = text;
  while (unpadded.starts_with('0')) unpadded.remove_prefix(1);
  const bool prefixed = text.starts_with("0x") || text.starts_with("0X");
  const bool digits_only = text.find_first_not_of("0123456789") == std::string_view::npos;
  const std::string upper_hex = Upper(prefixed ? text.substr(2) : text), upper = Upper(text);
  for (std::size_t i = 0; i < AllForms().size(); ++i) {
    const Forms& forms = AllForms()[i];
    if ((digits_only && unpadded == forms.decimal) || text == forms.signed_decimal ||
        upper_hex == forms.hex || upper == forms.symbol) {
      return ErrorCatalogue::kFirstCode + static_cast<int>(i);
    }
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
