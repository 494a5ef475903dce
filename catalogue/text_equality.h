// SPDX-License-Identifier: GPL-3.0-or-later
// Exact equality of two UTF-16 texts: the same length and the same code
// units. A byte comparison, which the standard char16_t comparison does not
// use; the poll makes one such comparison of a whole explanation per tick.
#pragma once

#include <cstring>
#include <string_view>

namespace dialnote {

inline bool SameText(std::u16string_view a, std::u16string_view b) {
  return a.size() == b.size() &&
         (a.empty() || std::memcmp(a.data(), b.data(), a.size() * sizeof(char16_t)) == 0);
}

}  // namespace dialnote
