// The code entry, the code list and the step buttons wired as the main window
// wires them, on the fakes: every change of the entry runs one normalisation
// pass, the user's own selection in the list runs the pick. The harness also
// records how deeply passes nest.
#pragma once

#include <algorithm>
#include <string>
#include <string_view>

#include "catalogue/code_entry_rules.h"
#include "tests/catalogue/fake_controls.h"

namespace dialnote::testing {

class EntryHarness {
 public:
  static constexpr std::size_t kEntryLimit = 3;

  // The window after its activation: "600" in the entry, the list filled and
  // "600" selected, the whole text selected as focus leaves it.
  EntryHarness() : entry_(u"600", kEntryLimit) {
    entry_.OnChange([this] { Text1_Change(); });
    CodeEntryRules::FillList(list_);
    entry_.UserSelectAll();
  }

  // A typed character: through the key filter, then into the entry.
  void Type(char16_t key) {
    switch (const char16_t passed = CodeEntryRules::FilterKey(key)) {
      case 0:
      case 13:  // Enter inserts nothing into a single-line entry
        break;
      case 8:
        entry_.UserBackspace();
        break;
      default:
        entry_.UserInsert(std::u16string_view(&passed, 1));
    }
  }
  void Type(std::u16string_view keys) {
    for (const char16_t key : keys) Type(key);
  }

  // Text that reaches the entry without the key filter (context menu,
  // Shift+Insert, a drop).
  void Paste(std::u16string_view text) { entry_.UserInsert(text); }

  void SelectAll() { entry_.UserSelectAll(); }
  void ClickUp() { CodeEntryRules::StepUp(entry_); }
  void ClickDown() { CodeEntryRules::StepDown(entry_); }
  void PickInList(std::size_t index) {
    list_.UserSelect(index);
    CodeEntryRules::PickFromList(entry_, list_);
  }

  // Puts a text into the entry as code does (runs the pass).
  void SetEntry(std::u16string_view text) { entry_.SetText(text); }

  [[nodiscard]] std::u16string Text() const { return std::u16string(entry_.Text()); }
  [[nodiscard]] std::u16string Selected() const { return std::u16string(list_.SelectedText()); }
  [[nodiscard]] int max_depth() const { return max_depth_; }
  void reset_max_depth() { max_depth_ = 0; }
  FakeTextBox& entry() { return entry_; }
  FakeListBox& list() { return list_; }

 private:
  void Text1_Change() {
    ++depth_;
    max_depth_ = std::max(max_depth_, depth_);
    CodeEntryRules::Normalise(entry_, list_);
    --depth_;
  }

  FakeTextBox entry_;
  FakeListBox list_;
  int depth_ = 0;
  int max_depth_ = 0;
};

}  // namespace dialnote::testing
