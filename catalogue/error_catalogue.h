// SPDX-License-Identifier: GPL-3.0-or-later
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
  std::string_view symbol;  // the code's name in the Windows headers, ASCII
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

  // The code whose symbol is `symbol`, compared without regard to the case of
  // ASCII letters ("error_authentication_failure" names 691, "pending" 600).
  // Nothing else is folded or trimmed. Allocation-free.
  static std::optional<int> CodeOfSymbol(std::string_view symbol);

  static std::span<const CatalogueEntry> Entries();  // in ascending code order
};

}  // namespace dialnote
