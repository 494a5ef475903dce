// SPDX-License-Identifier: GPL-3.0-or-later
// The two controls that the lookup poll and the code entry rules act on, as
// the window layer offers them. Both rule sets are written against these
// interfaces only, so they run the same behind real widgets and behind the
// in-memory fakes of the tests.
#pragma once

#include <optional>
#include <string_view>

namespace dialnote {

// A text box: the code entry or the explanation box.
//
// Promises of the window layer, which the rules rely on:
// - SetText runs the box's change handler at once, nested inside the call,
//   before SetText returns; a caller that reads Text() afterwards sees what
//   the nested handler left.
// - SetText with the text the box already holds changes nothing and runs no
//   handler.
// - A box with a length limit cuts a longer text to that limit.
// - After code has replaced the text, the caret stands at the text's end.
class TextBox {
 public:
  virtual ~TextBox() = default;

  // The whole text. The view stays valid until the next call of Text() or
  // SetText() on this box; callers read the text again whenever they need it.
  [[nodiscard]] virtual std::u16string_view Text() const = 0;
  virtual void SetText(std::u16string_view text) = 0;
};

// A single-selection list box of texts, addressed by a zero-based index.
//
// Promises of the window layer:
// - SetSelectedText selects the entry that holds that text and raises no
//   click handler: only the user's own selection in the list does.
// - Entries are only appended; nothing removes or reorders them.
class ListBox {
 public:
  virtual ~ListBox() = default;

  virtual void AddItem(std::u16string_view item) = 0;

  // Entry `index`, or nothing when there is no such entry. The view stays
  // valid until the next call on this box.
  [[nodiscard]] virtual std::optional<std::u16string_view> List(int index) const = 0;

  // The selected entry's text; empty when nothing is selected.
  [[nodiscard]] virtual std::u16string_view SelectedText() const = 0;
  virtual void SetSelectedText(std::u16string_view text) = 0;
};

}  // namespace dialnote
