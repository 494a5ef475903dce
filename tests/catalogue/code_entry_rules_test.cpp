// The code entry rules, driven as a user drives the main window: typing
// through the key filter, pasting, stepping and picking in the list.
#include "catalogue/code_entry_rules.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/catalogue/entry_harness.h"
#include "tests/row_name.h"

namespace dialnote {
namespace {

using testing::PrintTo;

using testing::EntryHarness;
using testing::FakeListBox;
using testing::FakeTextBox;

// ---------------------------------------------------------------------------
// The fakes keep the promises that the rules rely on.

TEST(FakeControls, KeepTheWindowLayersPromises) {
  FakeTextBox box(u"600", 3);
  int handler_runs = 0;
  std::u16string seen_inside;
  box.OnChange([&] {
    ++handler_runs;
    seen_inside = box.Text();
  });
  box.SetText(u"601");
  EXPECT_EQ(handler_runs, 1) << "an assignment runs the change handler";
  EXPECT_EQ(seen_inside, u"601") << "nested, after the text is in place";
  box.SetText(u"601");
  EXPECT_EQ(handler_runs, 1) << "assigning the same text runs nothing";
  box.SetText(u"12345");
  EXPECT_EQ(box.Text(), u"123") << "the length limit cuts";

  FakeListBox list;
  list.AddItem(u"600");
  list.AddItem(u"601");
  EXPECT_EQ(list.List(1), std::u16string_view(u"601"));
  EXPECT_FALSE(list.List(2).has_value()) << "nothing past the end";
  EXPECT_FALSE(list.List(-1).has_value());
  list.SetSelectedText(u"601");
  EXPECT_EQ(list.SelectedText(), u"601");
}

// ---------------------------------------------------------------------------
// Key filter: exactly the ten digits, Backspace and Enter pass, unchanged.

TEST(KeyFilter, PassesExactlyTwelveOfAllSixtyFiveThousandCodes) {
  std::u16string passed;
  for (int code = 0; code <= 0xFFFF; ++code) {
    const auto key = static_cast<char16_t>(code);
    const char16_t result = CodeEntryRules::FilterKey(key);
    EXPECT_TRUE(result == 0 || result == key) << code;
    if (result != 0) passed.push_back(result);
  }
  EXPECT_EQ(passed, u"\b\r0123456789");
}

// ---------------------------------------------------------------------------
// Typing: one row per sequence, with the entry's text after every key and
// the list's selection at the end. The window opens with "600" in the entry,
// wholly selected.

struct TypingRow {
  const char* name;
  std::u16string keys;
  std::vector<std::u16string> texts;  // after each key
  std::u16string selected;
};

class Typing : public ::testing::TestWithParam<TypingRow> {};

TEST_P(Typing, NormalisesAfterEveryKey) {
  const TypingRow& row = GetParam();
  EntryHarness window;
  ASSERT_EQ(row.keys.size(), row.texts.size());
  for (std::size_t i = 0; i < row.keys.size(); ++i) {
    window.Type(row.keys[i]);
    EXPECT_EQ(window.Text(), row.texts[i]) << "after key " << i;
  }
  EXPECT_EQ(window.Selected(), row.selected);
  EXPECT_LE(window.max_depth(), 2);
}

INSTANTIATE_TEST_SUITE_P(
    OverTheSelectedText, Typing,
    ::testing::Values(
        TypingRow{"EightBecomes800AtOnce", u"8", {u"800"}, u"800"},
        TypingRow{"SixFiveZeroSelects650OnTheThirdDigit", u"650", {u"6", u"65", u"650"}, u"650"},
        TypingRow{"FiveNineNineBecomes600", u"599", {u"5", u"59", u"600"}, u"600"},
        TypingRow{"NineNineNineBecomes800", u"999", {u"9", u"99", u"800"}, u"800"},
        TypingRow{"ZeroZeroZeroBecomes600", u"000", {u"0", u"00", u"600"}, u"600"},
        TypingRow{"SevenEightFourSelects784", u"784", {u"7", u"78", u"784"}, u"784"},
        TypingRow{"EightThenOneStaysAt800", u"81", {u"800", u"800"}, u"800"},
        TypingRow{"AFourthDigitIsRefused", u"7001", {u"7", u"70", u"700", u"700"}, u"700"},
        TypingRow{"DeletingEverythingSelects600", u"7\b", {u"7", u""}, u"600"},
        TypingRow{"BackspaceOverTheSelectionEmptiesTheEntry", u"\b", {u""}, u"600"},
        TypingRow{"BackspaceThenRetype", u"7\b75", {u"7", u"", u"7", u"75"}, u"600"},
        TypingRow{"EnterInsertsNothing", u"7\r", {u"7", u"7"}, u"600"},
        TypingRow{"LettersAndSpaceChangeNothing", u"aZ ", {u"600", u"600", u"600"}, u"600"},
        TypingRow{"PunctuationChangesNothing", u".-+", {u"600", u"600", u"600"}, u"600"},
        TypingRow{"OtherScriptsDigitsChangeNothing",
                  u"\u06F1\u0661\uFF11",
                  {u"600", u"600", u"600"},
                  u"600"},
        TypingRow{"CopyCutPasteControlCharactersChangeNothing",
                  u"\x03\x18\x16\x01",
                  {u"600", u"600", u"600", u"600"},
                  u"600"},
        TypingRow{
            "DigitsAfterAFilteredKeyStillReplaceTheSelection", u"x7", {u"600", u"7"}, u"600"}),
    testing::RowName<TypingRow>);

// ---------------------------------------------------------------------------
// Steps: the entry holds `start` (put there as code puts it, so the pass has
// run), then one click.

enum class Button { kUp, kDown };

struct StepRow {
  const char* name;
  std::u16string start;
  Button button;
  std::u16string text;
  std::u16string selected;
};

class Steps : public ::testing::TestWithParam<StepRow> {};

TEST_P(Steps, ComputeAndWrap) {
  const StepRow& row = GetParam();
  EntryHarness window;
  window.SetEntry(row.start);
  window.reset_max_depth();
  row.button == Button::kUp ? window.ClickUp() : window.ClickDown();
  EXPECT_EQ(window.Text(), row.text);
  EXPECT_EQ(window.Selected(), row.selected);
  EXPECT_LE(window.max_depth(), 2);
}

INSTANTIATE_TEST_SUITE_P(
    OneUp, Steps,
    ::testing::Values(StepRow{"From600To601", u"600", Button::kUp, u"601", u"601"},
                      StepRow{"From799To800", u"799", Button::kUp, u"800", u"800"},
                      StepRow{"800StaysAt800", u"800", Button::kUp, u"800", u"800"},
                      StepRow{"From79To80", u"79", Button::kUp, u"80", u"600"},
                      StepRow{"From80WrapsTo600", u"80", Button::kUp, u"600", u"600"},
                      StepRow{"From81WrapsTo600", u"81", Button::kUp, u"600", u"600"},
                      StepRow{"From99Through100To600", u"99", Button::kUp, u"600", u"600"},
                      StepRow{"From7ThroughEightTo800", u"7", Button::kUp, u"800", u"800"},
                      StepRow{"From07ThroughEightTo800", u"07", Button::kUp, u"800", u"800"},
                      StepRow{"From9To10", u"9", Button::kUp, u"10", u"600"},
                      StepRow{"From0To1", u"0", Button::kUp, u"1", u"600"},
                      StepRow{"From00To1", u"00", Button::kUp, u"1", u"600"}),
    testing::RowName<StepRow>);

INSTANTIATE_TEST_SUITE_P(
    OneDown, Steps,
    ::testing::Values(StepRow{"From601To600", u"601", Button::kDown, u"600", u"600"},
                      StepRow{"600StaysAt600", u"600", Button::kDown, u"600", u"600"},
                      StepRow{"From800To799", u"800", Button::kDown, u"799", u"799"},
                      StepRow{"From80To79", u"80", Button::kDown, u"79", u"600"},
                      StepRow{"From61Through60To800", u"61", Button::kDown, u"800", u"800"},
                      StepRow{"From7ThroughSixTo800", u"7", Button::kDown, u"800", u"800"},
                      StepRow{"From9ThroughEightTo800", u"9", Button::kDown, u"800", u"800"},
                      StepRow{"From0ThroughMinusOneTo800", u"0", Button::kDown, u"800", u"800"},
                      StepRow{"From10To9", u"10", Button::kDown, u"9", u"600"}),
    testing::RowName<StepRow>);

// A step on a text that is not a run of ASCII digits keeps the text.
INSTANTIATE_TEST_SUITE_P(
    OnTextsThatAreNoNumber, Steps,
    ::testing::Values(StepRow{"UpOnTheEmptyText", u"", Button::kUp, u"", u"600"},
                      StepRow{"DownOnTheEmptyText", u"", Button::kDown, u"", u"600"},
                      StepRow{"UpOnDigitAndLetter", u"0a", Button::kUp, u"0a", u"600"},
                      StepRow{"DownOnLetterAndDigit", u"a7", Button::kDown, u"a7", u"600"},
                      StepRow{"UpOnPersianDigits", u"\u06F7\u06F0", Button::kUp, u"\u06F7\u06F0",
                              u"600"},
                      StepRow{"DownOnAMinusSign", u"-1", Button::kDown, u"-1", u"600"},
                      StepRow{"UpOnASpace", u" 7", Button::kUp, u" 7", u"600"}),
    testing::RowName<StepRow>);

// ---------------------------------------------------------------------------
// Pasting brings texts that typing cannot; the pass treats them by length
// and text order alone.

struct PasteRow {
  const char* name;
  std::u16string pasted;
  std::u16string text;
  std::u16string selected;
};

class Pasting : public ::testing::TestWithParam<PasteRow> {};

TEST_P(Pasting, OverTheSelectedTextIsNormalised) {
  const PasteRow& row = GetParam();
  EntryHarness window;
  window.Paste(row.pasted);
  EXPECT_EQ(window.Text(), row.text);
  EXPECT_EQ(window.Selected(), row.selected);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, Pasting,
    ::testing::Values(PasteRow{"ThreeLettersComeAfter800", u"abc", u"800", u"800"},
                      PasteRow{"TwoDigitsAreKept", u"12", u"12", u"600"},
                      PasteRow{"DigitAndLetterAreKept", u"0a", u"0a", u"600"},
                      PasteRow{"ALongNumberIsCutToThree", u"7421", u"742", u"742"},
                      PasteRow{"ACodeIsSelected", u"742", u"742", u"742"},
                      PasteRow{"ASpaceFirstComesBefore600", u" 60", u"600", u"600"},
                      PasteRow{"PersianDigitsComeAfter800", u"\u06F6\u06F0\u06F0", u"800", u"800"},
                      PasteRow{"ArabicIndicDigitsComeAfter800", u"\u0667\u0664\u0662", u"800",
                               u"800"},
                      PasteRow{"ARightToLeftMarkComesAfter800", u"\u200F70", u"800", u"800"},
                      PasteRow{"ALoneEightBecomes800", u"8", u"800", u"800"},
                      PasteRow{"ASurrogatePairIsKept", u"\U0001F600", u"\U0001F600", u"600"}),
    testing::RowName<PasteRow>);

// ---------------------------------------------------------------------------
// The list: its fill, and the user's pick.

TEST(CodeList, IsFilledWith600To800And600Selected) {
  FakeListBox list;
  CodeEntryRules::FillList(list);
  ASSERT_EQ(list.size(), 201u);
  for (int i = 0; i < 201; ++i) {
    const std::string expected = std::to_string(600 + i);
    EXPECT_EQ(list.List(i), std::u16string(expected.begin(), expected.end()));
  }
  EXPECT_EQ(list.selected_index(), 0u);
}

TEST(CodeList, APickOf742PutsItIntoTheEntryAndKeepsItSelected) {
  EntryHarness window;
  window.PickInList(142);
  EXPECT_EQ(window.Text(), u"742");
  EXPECT_EQ(window.Selected(), u"742");
  EXPECT_EQ(window.list().misses(), 0);
}

TEST(CodeList, APickOfTheSelectedEntryRestoresAPartialText) {
  EntryHarness window;
  window.Type(u"6");
  ASSERT_EQ(window.Selected(), u"600");
  window.PickInList(0);
  EXPECT_EQ(window.Text(), u"600");
}

TEST(NormalisationPass, OnATextThatObeysTheRulesChangesNothing) {
  for (const std::u16string_view text : {u"600", u"742", u"800", u"", u"7", u"79", u"0a"}) {
    EntryHarness window;
    window.SetEntry(text);
    const int changes = window.entry().changes();
    const std::u16string selected = window.Selected();
    CodeEntryRules::Normalise(window.entry(), window.list());
    EXPECT_EQ(window.entry().changes(), changes);
    EXPECT_EQ(window.Selected(), selected);
  }
}

}  // namespace
}  // namespace dialnote
