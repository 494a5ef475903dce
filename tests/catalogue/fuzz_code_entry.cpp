// SPDX-License-Identifier: GPL-3.0-or-later
// Fuzz target over the code entry: any bytes are user events on a new window,
// after each of which the entry's invariants must hold. A libFuzzer target with
// clang; every build replays the committed corpus.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "tests/catalogue/fake_controls.h"

namespace {

[[noreturn]] void Broken(const char* invariant) {
  std::fprintf(stderr, "code entry invariant broken: %s\n", invariant);
  std::abort();
}

}  // namespace

// An event is a kind byte mod 7: type a unit; paste (a count byte mod 11)
// units; step up; step down; pick entry (a byte mod 201); Backspace; select all.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using dialnote::CodeEntryRules;
  dialnote::testing::EntryWindow window;
  std::size_t at = 0;
  const auto byte = [&]() -> int { return at < size ? data[at++] : 0; };
  const auto unit = [&] {
    const int low = byte();  // a unit is two bytes, low first
    return static_cast<char16_t>(low | byte() << 8);
  };
  while (at < size) {
    const int kind = byte() % 7;
    std::u16string pasted;
    for (int count = kind == 1 ? byte() % 11 : 0; count > 0; --count) pasted += unit();
    if (kind == 0) window.Type(unit());
    if (kind == 1) window.entry.UserInsert(pasted);
    if (kind == 2) CodeEntryRules::StepUp(window.entry);
    if (kind == 3) CodeEntryRules::StepDown(window.entry);
    if (kind == 4) window.list.UserSelect(static_cast<std::size_t>(byte() % 201));
    if (kind == 5) window.Type(u'\b');
    if (kind == 6) window.entry.UserSelectAll();
    const int changes = window.entry.changes;
    const auto selected = window.list.selected;
    CodeEntryRules::Normalise(window.entry, window.list);
    if (window.max_depth > 2) Broken("passes nested deeper than two");
    if (!selected) Broken("nothing is selected in the list");
    if (window.entry.changes != changes || window.list.selected != selected) {
      Broken("a further pass changed the text or the selection");
    }
  }
  return 0;
}
