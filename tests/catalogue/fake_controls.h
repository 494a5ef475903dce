// In-memory text box and list box that keep the window layer's promises
// (see catalogue/controls.h): a text assignment runs the change handler at
// once, nested; assigning the same text runs nothing; the length limit cuts
// longer texts; a selection made from code raises no click.
#pragma once

#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "catalogue/controls.h"

namespace dialnote::testing {

class FakeTextBox : public TextBox {
 public:
  static constexpr std::size_t kNoLimit = std::u16string::npos;

  explicit FakeTextBox(std::u16string text = {}, std::size_t max_length = kNoLimit)
      : text_(std::move(text)), max_length_(max_length) {}

  void OnChange(std::function<void()> handler) { on_change_ = std::move(handler); }

  [[nodiscard]] std::u16string_view Text() const override {
    ++reads_;
    return text_;
  }

  void SetText(std::u16string_view text) override {
    std::u16string next(text.substr(0, max_length_));  // copy first: `text` may alias
    select_all_ = false;                               // caret to the end
    if (next == text_) {
      return;
    }
    text_ = std::move(next);
    ++changes_;
    if (on_change_) {
      on_change_();
    }
  }

  // The user's own editing, as a single-line entry does it: typed or pasted
  // text replaces a whole-text selection or goes in at the end (where the
  // caret stands after code replaced the text), as far as the limit allows.
  void UserInsert(std::u16string_view inserted) {
    std::u16string next = select_all_ ? std::u16string() : text_;
    const std::size_t room = max_length_ == kNoLimit ? inserted.size() : max_length_ - next.size();
    next.append(inserted.substr(0, room));
    UserReplace(std::move(next));
  }
  void UserBackspace() {
    UserReplace(select_all_ || text_.empty() ? std::u16string()
                                             : text_.substr(0, text_.size() - 1));
  }
  void UserSelectAll() { select_all_ = !text_.empty(); }

  // Puts a text in place without running the change handler, to set up the
  // state before a measured or tested call.
  void Preset(std::u16string_view text) { text_ = text; }

  [[nodiscard]] int changes() const { return changes_; }
  [[nodiscard]] int reads() const { return reads_; }

 private:
  void UserReplace(std::u16string next) {
    select_all_ = false;
    if (next == text_) {
      return;
    }
    text_ = std::move(next);
    ++changes_;
    if (on_change_) {
      on_change_();
    }
  }

  std::u16string text_;
  std::size_t max_length_;
  bool select_all_ = false;
  int changes_ = 0;
  mutable int reads_ = 0;
  std::function<void()> on_change_;
};

class FakeListBox : public ListBox {
 public:
  void AddItem(std::u16string_view item) override { items_.emplace_back(item); }

  [[nodiscard]] std::optional<std::u16string_view> List(int index) const override {
    if (index < 0 || static_cast<std::size_t>(index) >= items_.size()) {
      return std::nullopt;
    }
    return items_[static_cast<std::size_t>(index)];
  }

  [[nodiscard]] std::u16string_view SelectedText() const override {
    return selected_ ? std::u16string_view(items_[*selected_]) : std::u16string_view();
  }

  // Selects the first entry with that text; a text that is no entry leaves
  // the selection as it was. Raises no click.
  void SetSelectedText(std::u16string_view text) override {
    for (std::size_t i = 0; i < items_.size(); ++i) {
      if (items_[i] == text) {
        selected_ = i;
        return;
      }
    }
    ++misses_;
  }

  // The user's own selection; the caller runs the click handler.
  void UserSelect(std::size_t index) { selected_ = index; }

  [[nodiscard]] std::size_t size() const { return items_.size(); }
  [[nodiscard]] std::optional<std::size_t> selected_index() const { return selected_; }
  [[nodiscard]] int misses() const { return misses_; }

 private:
  std::vector<std::u16string> items_;
  std::optional<std::size_t> selected_;
  int misses_ = 0;
};

}  // namespace dialnote::testing
