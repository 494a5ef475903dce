// SPDX-License-Identifier: GPL-3.0-or-later
// The code entry rules and the lookup poll on fakes that keep the window
// layer's promises: the entry driven as the user and as code drive it, and what
// the explanation box shows tick by tick (random event sequences are the
// fuzzer's, fuzz_code_entry.cpp).
#include <gtest/gtest.h>

#include <string>

#include "catalogue/error_catalogue.h"
#include "catalogue/lookup_poll.h"
#include "tests/catalogue/fake_controls.h"

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

// The window opens with "600" in the entry, wholly selected. kType types the
// input; kSet puts it in as code does; kUp and kDown put it in, then click.
TEST(CodeEntry, EndsWithTheTextAndTheSelection) {
  enum Action { kType, kSet, kUp, kDown };
  struct Row {
    const char* name;
    Action action;
    std::u16string_view input, text, selected;
  };
  constexpr Row kRows[] = {
      {"typed 8 is 800", kType, u"8", u"800", u"800"},
      {"typed, then all deleted", kType, u"742\b\b\b", u"", u"600"},
      // One pass, by text order: three characters below "600" or above "800"
      // go to the nearest end, and so does the lone "8"; nothing else moves.
      {"742 selects itself", kSet, u"742", u"742", u"742"},
      {"599 goes up to 600", kSet, u"599", u"600", u"600"},
      {"' 60' goes up to 600", kSet, u" 60", u"600", u"600"},
      {"801 goes down to 800", kSet, u"801", u"800", u"800"},
      {"Persian digits go to 800", kSet, u"\u06F6\u06F0\u06F0", u"800", u"800"},
      {"a lone 7 stays", kSet, u"7", u"7", u"600"},
      {"79 stays", kSet, u"79", u"79", u"600"},
      // Up: plus one; what the nested pass leaves above "800" wraps to "600".
      {"up from 600", kUp, u"600", u"601", u"601"},
      {"up from 799", kUp, u"799", u"800", u"800"},
      {"up from 800 stays", kUp, u"800", u"800", u"800"},
      {"up from 79 is 80", kUp, u"79", u"80", u"600"},
      {"up from 80 wraps", kUp, u"80", u"600", u"600"},
      {"up from 07 is 8, then 800", kUp, u"07", u"800", u"800"},
      {"up from 9 is 10", kUp, u"9", u"10", u"600"},
      // Down: the number minus one; what it leaves below "600" wraps to "800".
      {"down from 601", kDown, u"601", u"600", u"600"},
      {"down from 600 stays", kDown, u"600", u"600", u"600"},
      {"down from 800", kDown, u"800", u"799", u"799"},
      {"down from 80 is 79", kDown, u"80", u"79", u"600"},
      {"down from 61 wraps", kDown, u"61", u"800", u"800"},
      {"down from 0 wraps", kDown, u"0", u"800", u"800"},
      // A step on a text that is no run of ASCII digits keeps it.
      {"up on nothing", kUp, u"", u"", u"600"},
      {"down on a pasted a7", kDown, u"a7", u"a7", u"600"},
      {"up on pasted Persian 70", kUp, u"\u06F7\u06F0", u"\u06F7\u06F0", u"600"},
  };
  for (const Row& row : kRows) {
    SCOPED_TRACE(row.name);
    EntryWindow window;
    if (row.action == kType) {
      for (const char16_t key : row.input) window.Type(key);
    } else {
      window.entry.SetText(row.input);
    }
    if (row.action == kUp) CodeEntryRules::StepUp(window.entry);
    if (row.action == kDown) CodeEntryRules::StepDown(window.entry);
    EXPECT_EQ(window.entry.text, row.text);
    EXPECT_EQ(window.list.SelectedText(), row.selected);
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

// A tick after each step (the box given a `foreign` text first, if any): the
// box shows `shown`'s explanation (or `shown`, when no code), and is written
// (`writes`, the foreign texts included) only when that differs, so that the
// user's selection in it survives the ticks.
TEST(LookupPoll, ShowsTheEntrysExplanationTickByTickWritingOnlyWhatDiffers) {
  struct Step {
    const char* name;
    std::u16string_view entry, foreign, shown;
    int writes;
  };
  constexpr Step kSteps[] = {
      {"ANonCodeKeepsTheBoxsText", u"78", u"", u"x", 0},
      {"ACodeShowsItsExplanation", u"651", u"", u"651", 1},
      {"WhichIsNotWrittenAgain", u"651", u"", u"651", 1},
      {"PartialKeepsIt", u"65", u"", u"651", 1},
      {"AForeignTextIsReplaced", u"651", u"y", u"651", 3},
      {"TheNextCodeShowsItsOwn", u"602", u"", u"602", 4},
  };
  FakeTextBox entry, box(u"x");
  for (const Step& step : kSteps) {
    SCOPED_TRACE(step.name);
    if (!step.foreign.empty()) box.SetText(step.foreign);
    entry.SetText(step.entry);
    LookupPoll::Tick(entry, box);
    EXPECT_EQ(box.text, ErrorCatalogue::Lookup(step.shown).value_or(step.shown));
    EXPECT_EQ(box.sets, step.writes);
  }
}

}  // namespace
}  // namespace dialnote::testing
