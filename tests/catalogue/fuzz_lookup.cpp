// Fuzz target for the catalogue's lookup: any UTF-16 text is looked up, and
// the answer must be the entry of exactly that code, or nothing when the
// text is not three ASCII digits from 600 to 800.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "catalogue/error_catalogue.h"

namespace {

// The code a text names, read digit by digit, or -1 when it names none.
int CodeOf(const std::u16string& text) {
  if (text.size() != 3) return -1;
  int value = 0;
  for (const char16_t unit : text) {
    if (unit < u'0' || unit > u'9') return -1;
    value = value * 10 + (unit - u'0');
  }
  return value >= dialnote::ErrorCatalogue::kFirstCode &&
                 value <= dialnote::ErrorCatalogue::kLastCode
             ? value
             : -1;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::u16string text;
  for (std::size_t i = 0; i + 1 < size; i += 2) {
    text.push_back(static_cast<char16_t>(data[i] | data[i + 1] << 8));
  }
  const auto found = dialnote::ErrorCatalogue::Lookup(text);
  const int code = CodeOf(text);
  if (found.has_value() != (code >= 0)) std::abort();
  if (found) {
    const auto& entry = dialnote::ErrorCatalogue::Entries()[static_cast<std::size_t>(
        code - dialnote::ErrorCatalogue::kFirstCode)];
    if (entry.code != text || found->data() != entry.explanation.data()) std::abort();
  }
  return 0;
}
