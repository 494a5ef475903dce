// The lookup poll: what the explanation box shows, tick by tick, as the entry
// changes.
#include "catalogue/lookup_poll.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "catalogue/error_catalogue.h"
#include "tests/catalogue/fake_controls.h"
#include "tests/row_name.h"

namespace dialnote {
namespace {

using testing::PrintTo;

using testing::FakeTextBox;

std::u16string ExplanationOf(std::u16string_view code) {
  return std::u16string(ErrorCatalogue::Lookup(code).value());
}

// The entry takes each text in turn, with one tick after each; the box must
// show the expected text after each tick.
struct PollRow {
  const char* name;
  std::u16string box_before;
  std::vector<std::u16string> entry_texts;
  std::vector<std::u16string> shown;
};

class PollTicks : public ::testing::TestWithParam<PollRow> {};

TEST_P(PollTicks, ShowTheEntrysExplanationAndHoldItOnAMiss) {
  const PollRow& row = GetParam();
  FakeTextBox entry;
  FakeTextBox box(row.box_before);
  std::vector<std::u16string> writes;
  box.OnChange([&] { writes.emplace_back(box.Text()); });
  for (std::size_t i = 0; i < row.entry_texts.size(); ++i) {
    entry.SetText(row.entry_texts[i]);
    LookupPoll::Tick(entry, box);
    EXPECT_EQ(box.Text(), row.shown[i]) << "after tick " << i;
  }
  const auto entries = ErrorCatalogue::Entries();
  for (const std::u16string& written : writes) {
    EXPECT_FALSE(written.empty()) << "the poll never writes an empty text";
    EXPECT_TRUE(std::any_of(entries.begin(), entries.end(), [&](const CatalogueEntry& e) {
      return e.explanation == written;
    })) << "the poll writes nothing but explanations";
  }
}

INSTANTIATE_TEST_SUITE_P(
    Sequences, PollTicks,
    ::testing::Values(
        PollRow{"TheFirstCodeShowsItsExplanation", u"", {u"600"}, {ExplanationOf(u"600")}},
        PollRow{"746ShowsTheFullStop", u"", {u"746"}, {u"."}},
        PollRow{"ThePreviousExplanationHoldsUntilTheNextCode",
                u"",
                {u"601", u"60", u"602"},
                {ExplanationOf(u"601"), ExplanationOf(u"601"), ExplanationOf(u"602")}},
        PollRow{"AnEmptyEntryKeepsTheBox",
                u"",
                {u"700", u""},
                {ExplanationOf(u"700"), ExplanationOf(u"700")}},
        PollRow{"PartialAndPaddedCodesKeepTheBox",
                u"",
                {u"800", u"8", u"80", u"0800", u" 800", u"800 ", u"\u06F8\u06F0\u06F0"},
                std::vector<std::u16string>(7, ExplanationOf(u"800"))},
        PollRow{
            "NoCodeYetLeavesTheBoxEmpty", u"", {u"", u"5", u"599", u"801"}, {u"", u"", u"", u""}},
        PollRow{"ATextPutIntoTheBoxIsReplacedWhileTheEntryHoldsACode",
                u"tampered",
                {u"784"},
                {ExplanationOf(u"784")}},
        PollRow{"ATextPutIntoTheBoxStaysWhileTheEntryHoldsNoCode",
                u"tampered",
                {u"78"},
                {u"tampered"}}),
    testing::RowName<PollRow>);

TEST(PollTick, ReadsTheEntryOnceAndWritesOnlyWhenTheBoxDiffers) {
  FakeTextBox entry(u"651");
  FakeTextBox box;
  LookupPoll::Tick(entry, box);
  ASSERT_EQ(box.changes(), 1);
  const int reads_before = entry.reads();
  for (int tick = 0; tick < 1000; ++tick) LookupPoll::Tick(entry, box);
  EXPECT_EQ(entry.reads() - reads_before, 1000) << "one read of the entry per tick";
  EXPECT_EQ(box.changes(), 1) << "an unchanged explanation is not written again";

  box.SetText(u"something else");
  LookupPoll::Tick(entry, box);
  EXPECT_EQ(box.Text(), ExplanationOf(u"651")) << "a foreign text is replaced at the next tick";
  EXPECT_EQ(box.changes(), 3);
}

}  // namespace
}  // namespace dialnote
