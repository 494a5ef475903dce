// SPDX-License-Identifier: GPL-3.0-or-later
// The code entry rules and the lookup poll on fakes that keep the window
// layer's promises: the entry driven as the user and as code drive it, random
// event sequences, and what the explanation box shows tick by tick.
#include <gtest/gtest.h>

#include <cstdint>
#include <random>
#include <string>
#include <vector>

#include "catalogue/error_catalogue.h"
#include "catalogue/lookup_poll.h"
#include "tests/catalogue/fake_controls.h"
#include "tests/row_name.h"

namespace dialnote::testing {
namespace {

using testing::PrintTo;

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
enum Action { kType, kSet, kUp, kDown };

struct R {
  const char* name;
  Action action;
  std::u16string_view input, text, selected;
};

class Entry : public ::testing::TestWithParam<R> {};

TEST_P(Entry, EndsWithTheTextAndTheSelection) {
  const R& row = GetParam();
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

INSTANTIATE_TEST_SUITE_P(
    Rows, Entry,
    ::testing::Values(
        R{"Typed8", kType, u"8", u"800", u"800"}, R{"Typed784", kType, u"784", u"784", u"784"},
        R{"TypedThenAllDeleted", kType, u"742\b\b\b", u"", u"600"},
        // One pass, by text order: three characters below "600" or above "800"
        // go to the nearest end, and so does the lone "8"; nothing else moves.
        R{"Code742", kSet, u"742", u"742", u"742"}, R{"Code800", kSet, u"800", u"800", u"800"},
        R{"Below600", kSet, u"599", u"600", u"600"}, R{"Space60", kSet, u" 60", u"600", u"600"},
        R{"Above800", kSet, u"801", u"800", u"800"}, R{"Letters", kSet, u"abc", u"800", u"800"},
        R{"PersianDigits", kSet, u"\u06F6\u06F0\u06F0", u"800", u"800"},
        R{"Lone8", kSet, u"8", u"800", u"800"}, R{"Lone7", kSet, u"7", u"7", u"600"},
        R{"Two79", kSet, u"79", u"79", u"600"}, R{"Two90", kSet, u"90", u"90", u"600"},
        // Up: plus one; what the nested pass leaves above "800" wraps to "600".
        R{"Up600", kUp, u"600", u"601", u"601"}, R{"Up799", kUp, u"799", u"800", u"800"},
        R{"Up800", kUp, u"800", u"800", u"800"}, R{"Up79", kUp, u"79", u"80", u"600"},
        R{"Up80", kUp, u"80", u"600", u"600"}, R{"Up81", kUp, u"81", u"600", u"600"},
        R{"Up99", kUp, u"99", u"600", u"600"}, R{"Up7", kUp, u"7", u"800", u"800"},
        R{"Up07", kUp, u"07", u"800", u"800"}, R{"Up9", kUp, u"9", u"10", u"600"},
        R{"Up0", kUp, u"0", u"1", u"600"},
        // Down: the number minus one; what it leaves below "600" wraps to "800".
        R{"Down601", kDown, u"601", u"600", u"600"}, R{"Down600", kDown, u"600", u"600", u"600"},
        R{"Down800", kDown, u"800", u"799", u"799"}, R{"Down80", kDown, u"80", u"79", u"600"},
        R{"Down61", kDown, u"61", u"800", u"800"}, R{"Down7", kDown, u"7", u"800", u"800"},
        R{"Down9", kDown, u"9", u"800", u"800"}, R{"Down0", kDown, u"0", u"800", u"800"},
        // A step on a text that is no run of ASCII digits keeps it.
        R{"UpEmpty", kUp, u"", u"", u"600"}, R{"DownEmpty", kDown, u"", u"", u"600"},
        R{"DownPastedA7", kDown, u"a7", u"a7", u"600"},
        R{"UpPastedPersian70", kUp, u"\u06F7\u06F0", u"\u06F7\u06F0", u"600"}),
    RowName<R>);

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

// Random sequences in the fuzzer's event language (fake_controls.h); units are
// mostly digits, so that sequences reach the codes, and otherwise units that
// only pasting or other keyboards bring.
TEST(CodeEntryProperties, HoldAfterEveryEventOfRandomSequences) {
  std::mt19937 random(20261206);
  const auto pick = [&random](int n) {
    return std::uniform_int_distribution<int>(0, n - 1)(random);
  };
  constexpr char16_t kOdd[] = {u'\b',     u'\r',     u' ',      u'-',      u'\u06F8', u'\u0668',
                               u'\uFF18', u'\u200F', u'\xD83D', u'\xDE00', u'\uFFFF', 0};
  for (int sequence = 0; sequence < 100'000; ++sequence) {
    std::vector<std::uint8_t> bytes;
    const auto put = [&bytes](int value) { bytes.push_back(static_cast<std::uint8_t>(value)); };
    for (int events = 1 + pick(12); events > 0; --events) {
      const int kind = pick(7), units = kind == 0 ? 1 : kind == 1 ? pick(11) : 0;
      put(kind);
      if (kind == 1) put(units);
      for (int i = 0; i < units; ++i) {
        const int unit = pick(2) ? u'0' + pick(10) : pick(2) ? kOdd[pick(12)] : pick(0x10000);
        put(unit & 0xFF), put(unit >> 8);
      }
      if (kind == 4) put(pick(201));
    }
    ASSERT_EQ(RunEntryEvents(bytes), "") << "sequence " << sequence;
  }
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
