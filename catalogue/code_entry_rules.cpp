// SPDX-License-Identifier: GPL-3.0-or-later
#include "catalogue/code_entry_rules.h"

#include <algorithm>
#include <charconv>
#include <optional>
#include <string>

#include "catalogue/error_catalogue.h"

namespace dialnote {
namespace {

constexpr char16_t kBackspace = 8;
constexpr char16_t kEnter = 13;

constexpr bool IsAsciiDigit(char16_t c) { return c >= u'0' && c <= u'9'; }

// The value of a text that is a non-empty run of ASCII digits, read as a
// decimal number; nothing for any other text.
std::optional<double> ReadStepValue(std::u16string_view text) {
  if (text.empty() || !std::all_of(text.begin(), text.end(), IsAsciiDigit)) {
    return std::nullopt;
  }
  std::string digits(text.size(), '0');
  std::transform(text.begin(), text.end(), digits.begin(),
                 [](char16_t c) { return static_cast<char>(c); });
  double value = 0;
  std::from_chars(digits.data(), digits.data() + digits.size(), value);
  return value;
}

// A whole number as plain decimal text: no exponent, grouping or leading
// zero, and a leading "-" when negative.
std::u16string WholeNumberText(double value) {
  char buffer[400];  // room for every finite double in fixed notation
  const auto result =
      std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, 0);
  return std::u16string(buffer, result.ptr);
}

enum class Direction { kUp, kDown };

void Step(TextBox& entry, Direction direction) {
  const std::optional<double> value = ReadStepValue(entry.Text());
  if (!value) {
    return;
  }
  entry.SetText(WholeNumberText(direction == Direction::kUp ? *value + 1.0 : *value - 1.0));
  // The nested pass has already run; wrap what it left outside the range.
  const std::u16string_view text = entry.Text();
  if (direction == Direction::kUp && text > CodeEntryRules::kLastCodeText) {
    entry.SetText(CodeEntryRules::kFirstCodeText);
  } else if (direction == Direction::kDown && text < CodeEntryRules::kFirstCodeText) {
    entry.SetText(CodeEntryRules::kLastCodeText);
  }
}

}  // namespace

char16_t CodeEntryRules::FilterKey(char16_t key) {
  return IsAsciiDigit(key) || key == kBackspace || key == kEnter ? key : char16_t{0};
}

void CodeEntryRules::Normalise(TextBox& entry, ListBox& list) {
  // Every index is tested, without stopping at a match.
  for (int index = 0; index < kListSize; ++index) {
    const std::optional<std::u16string_view> item = list.List(index);
    if (item && entry.Text() == *item) {
      list.SetSelectedText(*item);
    }
  }
  if (entry.Text().empty()) {
    list.SetSelectedText(kFirstCodeText);
  }
  if (const std::u16string_view text = entry.Text(); text.size() == 3 && text < kFirstCodeText) {
    entry.SetText(kFirstCodeText);
  }
  if (const std::u16string_view text = entry.Text(); text.size() == 3 && text > kLastCodeText) {
    entry.SetText(kLastCodeText);
  }
  if (entry.Text() == u"8") {
    entry.SetText(kLastCodeText);
  }
}

void CodeEntryRules::StepUp(TextBox& entry) { Step(entry, Direction::kUp); }

void CodeEntryRules::StepDown(TextBox& entry) { Step(entry, Direction::kDown); }

void CodeEntryRules::PickFromList(TextBox& entry, const ListBox& list) {
  entry.SetText(list.SelectedText());
}

void CodeEntryRules::FillList(ListBox& list) {
  for (int code = ErrorCatalogue::kFirstCode; code <= ErrorCatalogue::kWindowsLastCode; ++code) {
    const char16_t digits[] = {static_cast<char16_t>(u'0' + code / 100),
                               static_cast<char16_t>(u'0' + code / 10 % 10),
                               static_cast<char16_t>(u'0' + code % 10)};
    list.AddItem({digits, 3});
  }
  list.SetSelectedText(kFirstCodeText);
}

}  // namespace dialnote
