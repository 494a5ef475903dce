// A small language of user events on the main window's code entry, shared by
// the property test and the fuzzer, and the invariants that must hold after
// every event.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "catalogue/code_entry_rules.h"
#include "tests/catalogue/entry_harness.h"

namespace dialnote::testing {

enum class EventKind : std::uint8_t {
  kType,   // one code unit through the key filter
  kPaste,  // 0 to 10 code units, cut to the entry's limit
  kStepUp,
  kStepDown,
  kPick,  // the user selects list entry `index`
  kBackspace,
  kSelectAll,
};
inline constexpr int kEventKinds = 7;

struct EntryEvent {
  EventKind kind = EventKind::kType;
  std::u16string units;
  std::size_t index = 0;
};

inline void Apply(EntryHarness& window, const EntryEvent& event) {
  switch (event.kind) {
    case EventKind::kType:
      for (const char16_t unit : event.units) window.Type(unit);
      break;
    case EventKind::kPaste:
      window.Paste(event.units);
      break;
    case EventKind::kStepUp:
      window.ClickUp();
      break;
    case EventKind::kStepDown:
      window.ClickDown();
      break;
    case EventKind::kPick:
      window.PickInList(event.index % CodeEntryRules::kListSize);
      break;
    case EventKind::kBackspace:
      window.Type(u'\b');
      break;
    case EventKind::kSelectAll:
      window.SelectAll();
      break;
  }
}

// The first broken invariant, or an empty text when all hold.
inline std::string BrokenInvariant(EntryHarness& window) {
  if (window.Text().size() > EntryHarness::kEntryLimit) return "the entry holds more than 3 units";
  if (window.max_depth() > 2) return "passes nested deeper than two";
  const auto selected = window.list().selected_index();
  if (!selected || *selected >= window.list().size()) return "the selection is no list entry";
  if (window.list().misses() != 0) return "a rule selected a text that is no list entry";

  const std::u16string text = window.Text();
  const int changes = window.entry().changes();
  CodeEntryRules::Normalise(window.entry(), window.list());
  if (window.Text() != text || window.entry().changes() != changes) {
    return "a further pass changed the text";
  }
  if (window.list().selected_index() != selected) return "a further pass changed the selection";
  return {};
}

}  // namespace dialnote::testing
