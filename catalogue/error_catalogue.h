// The catalogue: the built-in Persian explanations of the dial-up and VPN
// error codes 600 to 800. This is the program's whole knowledge; it is
// constant data, needs no initialisation and may be read from any thread.
#pragma once

#include <optional>
#include <span>
#include <string_view>

namespace dialnote {

struct CatalogueEntry {
  std::u16string_view code;
  std::u16string_view explanation;
};

class ErrorCatalogue {
 public:
  static constexpr int kFirstCode = 600;
  static constexpr int kLastCode = 800;
  static constexpr int kCount = 201;

  // The explanation of the entry whose code is exactly `code`: the same
  // UTF-16 code units and the same length. No trimming, no reading as a
  // number, no folding of other digit forms. O(1) and allocation-free.
  static std::optional<std::u16string_view> Lookup(std::u16string_view code);

  static std::span<const CatalogueEntry> Entries();  // in ascending code order
};

}  // namespace dialnote
