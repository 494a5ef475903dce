// SPDX-License-Identifier: GPL-3.0-or-later
// The code entry rules and the lookup poll on fakes that keep the window
// layer's promises (random event sequences are fuzz_code_entry.cpp's).
#include <gtest/gtest.h>

#include <string>

#include "catalogue/error_catalogue.h"
#include "catalogue/lookup_poll.h"
#include "catalogue/unicode_text.h"
#include "tests/catalogue/fake_controls.h"
#include "tests/rows.h"

namespace dialnote::testing {
namespace {

TEST(KeyFilter, PassesExactlyTheDigitsBackspaceAndEnterUnchanged) {
  std::u16string passed;
  for (int code = 0; code <= 0xFFFF; ++code) {
    const char16_t result = CodeEntryRules::FilterKey(static_cast<char16_t>(code));
    if (result != 0) passed += result;
  }
  EXPECT_EQ(passed, u"\b\r0123456789");
}

// Rows of tests/data/code-entry.tsv. The window opens with "600" in the entry,
// wholly selected. "type" types the input; "set" puts it in as code does; "up"
// and "down" put it in, then click.
TEST(CodeEntry, EndsWithTheTextAndTheSelection) {
  for (const Row& row : Rows("code-entry.tsv")) {
    SCOPED_TRACE(row[0]);
    const std::string& action = row[1];
    EntryWindow window;
    if (action == "type") {
      for (const char16_t key : unicode::ToUtf16(row[2])) window.Type(key);
    } else {
      window.entry.SetText(unicode::ToUtf16(row[2]));
    }
    if (action == "up") CodeEntryRules::StepUp(window.entry);
    if (action == "down") CodeEntryRules::StepDown(window.entry);
    EXPECT_EQ(window.entry.text, unicode::ToUtf16(row[3]));
    EXPECT_EQ(window.list.SelectedText(), unicode::ToUtf16(row[4]));
  }
}

TEST(CodeList, IsFilledWith600To800And600SelectedAndAPickOf742PutsItIntoTheEntry) {
  EntryWindow window;
  ASSERT_EQ(window.list.items.size(), 201u);
  for (std::size_t i = 0; i < 201; ++i) {
    EXPECT_EQ(Narrow(window.list.items[i]), std::to_string(600 + i));
  }
  EXPECT_EQ(window.list.selected, 0u);
  window.list.UserSelect(142);
  EXPECT_EQ(window.entry.text, u"742");
  EXPECT_EQ(window.list.SelectedText(), u"742");
}

// Steps of tests/data/lookup-poll.tsv, a tick after each: the box shows `shown`'s explanation
// (or `shown`, when no code), and is written only when that differs.
TEST(LookupPoll, ShowsTheEntrysExplanationTickByTickWritingOnlyWhatDiffers) {
  FakeTextBox entry, box(u"x");
  for (const Row& step : Rows("lookup-poll.tsv")) {
    SCOPED_TRACE(step[0]);
    const std::u16string shown = unicode::ToUtf16(step.at(3));
    if (!step.at(2).empty()) box.SetText(unicode::ToUtf16(step[2]));
    entry.SetText(unicode::ToUtf16(step.at(1)));
    LookupPoll::Tick(entry, box);
    EXPECT_EQ(box.text, ErrorCatalogue::Lookup(shown).value_or(shown));
    EXPECT_EQ(box.sets, std::stoi(step.at(4)));
  }
}

}  // namespace
}  // namespace dialnote::testing
