// SPDX-License-Identifier: GPL-3.0-or-later
// Fakes that keep the window layer's promises (catalogue/controls.h), and the
// code entry wired on them as the main window wires it.
#pragma once

#include <algorithm>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "catalogue/code_entry_rules.h"
#include "catalogue/controls.h"

namespace dialnote::testing {

inline std::string Narrow(std::u16string_view text) { return {text.begin(), text.end()}; }

struct FakeTextBox : TextBox {
  std::u16string text;
  std::size_t limit;
  bool all_selected = false;
  int sets = 0, changes = 0;  // calls of SetText; changes of the text
  std::function<void()> on_change;

  explicit FakeTextBox(std::u16string_view start = u"", std::size_t max = std::u16string::npos)
      : text(start), limit(max) {}
  void OnChange(std::function<void()> handler) { on_change = std::move(handler); }
  void Preset(std::u16string_view start) { text = start; }  // runs no handler
  [[nodiscard]] std::u16string_view Text() const override { return text; }
  // Cut to the limit; a new text runs the change handler at once, nested; the
  // same text changes nothing.
  void SetText(std::u16string_view next) override {
    ++sets;
    Replace(std::u16string(next.substr(0, limit)), all_selected);
  }
  // The user's typing or pasting replaces a whole-text selection, or goes in
  // at the end, as far as the limit allows.
  void UserInsert(std::u16string_view typed) {
    const std::u16string kept = all_selected ? u"" : text;
    Replace(kept + std::u16string(typed.substr(0, limit - std::min(limit, kept.size()))), false);
  }
  void UserBackspace() { Replace(all_selected ? u"" : text.substr(0, text.size() - 1), false); }
  void UserSelectAll() { all_selected = !text.empty(); }
  void Replace(std::u16string next, bool keep_selection) {
    all_selected = next == text && keep_selection;  // else the caret goes to the end
    if (next == text) return;
    text = std::move(next);
    ++changes;
    if (on_change) on_change();
  }
};

struct FakeListBox : ListBox {
  std::vector<std::u16string> items;
  std::optional<std::size_t> selected;
  std::function<void()> on_click;

  void AddItem(std::u16string_view item) override { items.emplace_back(item); }
  [[nodiscard]] std::optional<std::u16string_view> List(int index) const override {
    if (index < 0 || index >= std::ssize(items)) return std::nullopt;
    return items[static_cast<std::size_t>(index)];
  }
  [[nodiscard]] std::u16string_view SelectedText() const override {
    return selected ? std::u16string_view(items[*selected]) : u"";
  }
  // Selects the first entry with that text (another text changes nothing),
  // raising no click: only the user's own selection clicks.
  void SetSelectedText(std::u16string_view text) override {
    const auto found = std::find(items.begin(), items.end(), text);
    if (found != items.end()) selected = static_cast<std::size_t>(found - items.begin());
  }
  void UserSelect(std::size_t index) {
    selected = index;
    if (on_click) on_click();
  }
};

// The main window once active: "600" wholly selected in the entry (3 characters
// at most), the list filled; a change runs a pass (their nesting is recorded),
// a click in the list the pick.
struct EntryWindow {
  FakeTextBox entry{u"600", 3};
  FakeListBox list;
  int depth = 0, max_depth = 0;

  EntryWindow() {
    entry.on_change = [this] {
      max_depth = std::max(max_depth, ++depth);
      CodeEntryRules::Normalise(entry, list);
      --depth;
    };
    list.on_click = [this] { CodeEntryRules::PickFromList(entry, list); };
    CodeEntryRules::FillList(list);
    entry.UserSelectAll();
  }
  void Type(char16_t key) {  // Enter inserts nothing into a one-line entry
    const char16_t passed = CodeEntryRules::FilterKey(key);
    if (passed == u'\b') entry.UserBackspace();
    if (passed != 0 && passed != u'\b' && passed != u'\r') entry.UserInsert({&passed, 1});
  }
};

}  // namespace dialnote::testing
