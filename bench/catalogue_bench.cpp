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

void BM_LookupHit(benchmark::State& state) {
  std::u16string_view code = u"784";
  for (auto _ : state) {
    benchmark::DoNotOptimize(code);
    benchmark::DoNotOptimize(ErrorCatalogue::Lookup(code));
  }
}
BENCHMARK(BM_LookupHit);

void BM_LookupMiss(benchmark::State& state) {
  std::u16string_view code = u"78";
  for (auto _ : state) {
    benchmark::DoNotOptimize(code);
    benchmark::DoNotOptimize(ErrorCatalogue::Lookup(code));
  }
}
BENCHMARK(BM_LookupMiss);

void BM_LookupMissOutOfRange(benchmark::State& state) {
  std::u16string_view code = u"801";
  for (auto _ : state) {
    benchmark::DoNotOptimize(code);
    benchmark::DoNotOptimize(ErrorCatalogue::Lookup(code));
  }
}
BENCHMARK(BM_LookupMissOutOfRange);

// The steady state: the box already shows the entry's explanation.
void BM_PollTickUnchanged(benchmark::State& state) {
  FakeTextBox entry(u"784");
  FakeTextBox box;
  LookupPoll::Tick(entry, box);
  for (auto _ : state) {
    LookupPoll::Tick(entry, box);
    benchmark::ClobberMemory();
  }
}
BENCHMARK(BM_PollTickUnchanged);

void BM_PollTickOnNoCode(benchmark::State& state) {
  FakeTextBox entry(u"78");
  FakeTextBox box;
  for (auto _ : state) {
    LookupPoll::Tick(entry, box);
    benchmark::ClobberMemory();
  }
}
BENCHMARK(BM_PollTickOnNoCode);

// One pass on each kind of text; the entry is preset before each pass.
void RunPass(benchmark::State& state, std::u16string_view start) {
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

void BM_PassOnACode(benchmark::State& state) { RunPass(state, u"742"); }
BENCHMARK(BM_PassOnACode);

void BM_PassOnEight(benchmark::State& state) { RunPass(state, u"8"); }  // nests a second pass
BENCHMARK(BM_PassOnEight);

void BM_PassOnTwoCharacters(benchmark::State& state) { RunPass(state, u"74"); }
BENCHMARK(BM_PassOnTwoCharacters);

}  // namespace
}  // namespace dialnote
