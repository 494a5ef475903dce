// SPDX-License-Identifier: GPL-3.0-or-later
// Speed of the core's hot paths: the lookup, the poll's tick (run every
// millisecond) and the normalisation pass (run on every change of the entry).
#include <benchmark/benchmark.h>

#include <string_view>

#include "catalogue/code_entry_rules.h"
#include "catalogue/error_catalogue.h"
#include "catalogue/lookup_poll.h"
#include "tests/catalogue/fake_controls.h"

namespace dialnote {
namespace {

using testing::FakeListBox;
using testing::FakeTextBox;

void BM_Lookup(benchmark::State& state, std::u16string_view code) {
  for (auto _ : state) {
    benchmark::DoNotOptimize(code);
    benchmark::DoNotOptimize(ErrorCatalogue::Lookup(code));
  }
}
BENCHMARK_CAPTURE(BM_Lookup, Hit, u"784");
BENCHMARK_CAPTURE(BM_Lookup, Miss, u"78");
BENCHMARK_CAPTURE(BM_Lookup, MissOutOfRange, u"801");

// The box already shows the explanation ("784"), or the entry holds no code.
void BM_PollTick(benchmark::State& state, std::u16string_view entry_text) {
  FakeTextBox entry{std::u16string(entry_text)};
  FakeTextBox box;
  LookupPoll::Tick(entry, box);
  for (auto _ : state) {
    LookupPoll::Tick(entry, box);
    benchmark::ClobberMemory();
  }
}
BENCHMARK_CAPTURE(BM_PollTick, Unchanged, u"784");
BENCHMARK_CAPTURE(BM_PollTick, OnNoCode, u"78");

// One pass on each kind of text; the entry is preset before each pass.
void BM_Pass(benchmark::State& state, std::u16string_view start) {
  FakeListBox list;
  CodeEntryRules::FillList(list);
  FakeTextBox entry(u"600", 3);
  entry.OnChange([&] { CodeEntryRules::Normalise(entry, list); });
  for (auto _ : state) {
    entry.Preset(start);
    CodeEntryRules::Normalise(entry, list);
    benchmark::ClobberMemory();
  }
}

BENCHMARK_CAPTURE(BM_Pass, OnACode, u"742");
BENCHMARK_CAPTURE(BM_Pass, OnEight, u"8");  // nests a second pass
BENCHMARK_CAPTURE(BM_Pass, OnTwoCharacters, u"74");

}  // namespace
}  // namespace dialnote
