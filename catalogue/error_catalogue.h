// SPDX-License-Identifier: GPL-3.0-or-later
// The catalogue: the built-in Persian explanations of the dial-up and VPN
// error codes. This is the program's whole knowledge; it is constant data,
// needs no initialisation and may be read from any thread.
//
// One table serves two spans, so that the windows and the command can never
// disagree on a code:
// - the windows' span, 600 to 800: the first 201 entries, the windows'
//   catalogue exactly (Lookup, WindowsEntries, the code list and its rules);
// - the command's span, 600 to 878: the whole table, the windows' codes and
//   the RAS codes that Windows defines after 800 (CommandEntries,
//   CodeOfSymbol, and through them the lookup command's forms and search).
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
  static constexpr int kFirstCode = 600;  // of both spans
  static constexpr int kWindowsLastCode = 800;
  static constexpr int kWindowsCount = 201;
  static constexpr int kCommandLastCode = 878;
  static constexpr int kCommandCount = 279;

  // The windows' lookup: the explanation of the entry of the windows' span
  // whose code is exactly `code`: the same UTF-16 code units and the same
  // length. No trimming, no reading as a number, no folding of other digit
  // forms; "801" names nothing here. O(1) and allocation-free.
  static std::optional<std::u16string_view> Lookup(std::u16string_view code);

  // The code of the command's span whose symbol is `symbol`, compared without
  // regard to the case of ASCII letters ("error_authentication_failure" names
  // 691, "pending" 600, "error_vpn_timeout" 809). Nothing else is folded or
  // trimmed. Allocation-free.
  static std::optional<int> CodeOfSymbol(std::string_view symbol);

  // In ascending code order: 600 to 800, and 600 to 878.
  static std::span<const CatalogueEntry> WindowsEntries();
  static std::span<const CatalogueEntry> CommandEntries();
};

}  // namespace dialnote
