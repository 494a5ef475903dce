// SPDX-License-Identifier: GPL-3.0-or-later
// Fuzz target for the catalogue's lookup: any UTF-16 text is looked up, and the
// answer must be the entry of exactly that code, or nothing when the text is
// not three ASCII digits from 600 to 800.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "catalogue/error_catalogue.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::u16string text;
  for (std::size_t i = 0; i + 1 < size; i += 2) {
    text.push_back(static_cast<char16_t>(data[i] | data[i + 1] << 8));
  }
  // The code the text names, read digit by digit, or -1 when it names none.
  int code = text.size() == 3 ? 0 : -1;
  for (const char16_t unit : text) {
    code = code < 0 || unit < u'0' || unit > u'9' ? -1 : code * 10 + (unit - u'0');
  }
  if (code < 600 || code > 800) code = -1;
  const auto found = dialnote::ErrorCatalogue::Lookup(text);
  if (found.has_value() != (code >= 0)) std::abort();
  if (found) {
    const auto& entry =
        dialnote::ErrorCatalogue::WindowsEntries()[static_cast<std::size_t>(code - 600)];
    if (entry.code != text || found->data() != entry.explanation.data()) std::abort();
  }
  return 0;
}
