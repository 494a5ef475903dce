// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's hot paths over real Qt widgets: the poll's tick, run
// every millisecond, and the normalisation pass, run on every change of the
// entry. Each benchmark also counts heap allocations per iteration: the tick
// must make none when nothing changed.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <atomic>
#include <cstdlib>
#include <new>

#include "catalogue/code_entry_rules.h"
#include "catalogue/lookup_poll.h"
#include "main_window/qt_controls.h"

namespace {

std::atomic<long> g_allocations{0};

}  // namespace

void* operator new(std::size_t size) {
  g_allocations.fetch_add(1, std::memory_order_relaxed);
  if (void* block = std::malloc(size == 0 ? 1 : size)) return block;
  throw std::bad_alloc();
}
void operator delete(void* block) noexcept { std::free(block); }
void operator delete(void* block, std::size_t /*size*/) noexcept { std::free(block); }

namespace dialnote {
namespace {

// Allocations per iteration, reported beside the time.
class AllocationCount {
 public:
  explicit AllocationCount(benchmark::State& state) : state_(state), start_(g_allocations.load()) {}
  ~AllocationCount() {
    state_.counters["allocs_per_iter"] = benchmark::Counter(
        static_cast<double>(g_allocations.load() - start_), benchmark::Counter::kAvgIterations);
  }

 private:
  benchmark::State& state_;
  long start_;
};

// The box already shows the explanation ("784"), or the entry holds no code.
void BM_TickOverWidgets(benchmark::State& state, const char* entry_text) {
  QLineEdit entry(QString::fromLatin1(entry_text));
  QPlainTextEdit explanation;
  LineEditTextBox entry_box(entry);
  PlainTextBox explanation_box(explanation);
  LookupPoll::Tick(entry_box, explanation_box);
  AllocationCount count(state);
  for (auto _ : state) {
    LookupPoll::Tick(entry_box, explanation_box);
  }
}
BENCHMARK_CAPTURE(BM_TickOverWidgets, Unchanged, "784");
BENCHMARK_CAPTURE(BM_TickOverWidgets, OnNoCode, "78");

// A pass on a code over the real list of 201 entries.
void BM_PassOverWidgetsOnACode(benchmark::State& state) {
  QLineEdit entry(QStringLiteral("742"));
  QListWidget list;
  LineEditTextBox entry_box(entry);
  ListWidgetListBox list_box(list);
  CodeEntryRules::FillList(list_box);
  AllocationCount count(state);
  for (auto _ : state) {
    CodeEntryRules::Normalise(entry_box, list_box);
  }
}
BENCHMARK(BM_PassOverWidgetsOnACode);

}  // namespace
}  // namespace dialnote

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication application(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
