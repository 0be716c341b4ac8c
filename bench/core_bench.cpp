// Whole list operations on millions of generated numbers, in process.
#include <benchmark/benchmark.h>

#include <random>

#include "core/lists/item_list.h"
#include "core/lists/list_hash.h"
#include "core/lists/list_sort.h"
#include "core/platform/parallel.h"
#include "extract/email_scan.h"

namespace {

using namespace telqor;

void FillNumbers(ItemList& list, int n, uint64_t seed) {
  std::mt19937_64 rng(seed);
  list.SetCapacity(n);
  for (int i = 0; i < n; ++i) list.Add(std::to_string(13000000000ULL + rng() % 6000000000ULL));
}

void BM_Sort(benchmark::State& state) {
  ScopedParallelism pin(static_cast<int>(state.range(1)), 0);
  for (auto _ : state) {
    state.PauseTiming();
    ItemList list;
    FillNumbers(list, static_cast<int>(state.range(0)), 1);
    state.ResumeTiming();
    list.Sort();
  }
  state.SetItemsProcessed(state.iterations() * state.range(0));
}

void BM_DedupeBySort(benchmark::State& state) {
  ScopedParallelism pin(static_cast<int>(state.range(1)), 0);
  for (auto _ : state) {
    state.PauseTiming();
    ItemList list;
    FillNumbers(list, static_cast<int>(state.range(0)), 2);
    state.ResumeTiming();
    DedupeBySort(list);
  }
  state.SetItemsProcessed(state.iterations() * state.range(0));
}

void BM_DedupeByHash(benchmark::State& state) {
  ScopedParallelism pin(static_cast<int>(state.range(1)), 0);
  for (auto _ : state) {
    state.PauseTiming();
    ItemList list;
    FillNumbers(list, static_cast<int>(state.range(0)), 3);
    state.ResumeTiming();
    DedupeByHash(list);
  }
  state.SetItemsProcessed(state.iterations() * state.range(0));
}

void BM_Shuffle(benchmark::State& state) {
  ItemList list;
  FillNumbers(list, static_cast<int>(state.range(0)), 4);
  for (auto _ : state) ShuffleList(list);
  state.SetItemsProcessed(state.iterations() * state.range(0));
}

void BM_SplitListsBySort(benchmark::State& state) {
  ScopedParallelism pin(static_cast<int>(state.range(1)), 0);
  ItemList source, reference;
  FillNumbers(source, static_cast<int>(state.range(0)), 5);
  FillNumbers(reference, static_cast<int>(state.range(0)), 6);
  for (auto _ : state) {
    ItemList kept;
    SplitListsBySort(source, reference, &kept, nullptr);
    benchmark::DoNotOptimize(kept.Count());
  }
  state.SetItemsProcessed(state.iterations() * state.range(0));
}

void BM_LoadText(benchmark::State& state) {
  ItemList list;
  FillNumbers(list, static_cast<int>(state.range(0)), 7);
  std::string text = list.GetText();
  for (auto _ : state) {
    ItemList loaded;
    loaded.SetText(text);
    benchmark::DoNotOptimize(loaded.Count());
  }
  state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(text.size()));
}

// The e-mail scan on 10 MB of the texts that make a backtracking pattern slow: "a." repeated,
// "@" repeated, "a@a" repeated (argument 0, 1, 2). Each should take a few milliseconds.
void BM_EmailScanWorstCases(benchmark::State& state) {
  const char* units[] = {"a.", "@", "a@a"};
  std::string text;
  while (text.size() < (size_t{10} << 20)) text += units[state.range(0)];
  for (auto _ : state) {
    size_t found = 0;
    ScanEmails(text, [&](std::string_view) { ++found; });
    benchmark::DoNotOptimize(found);
  }
  state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(text.size()));
}

constexpr int kMillion = 1000000;
// The list operations on one thread and on two (the second argument).
BENCHMARK(BM_Sort)->ArgsProduct({{kMillion}, {1, 2}})->UseRealTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DedupeBySort)->ArgsProduct({{kMillion}, {1, 2}})->UseRealTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DedupeByHash)->ArgsProduct({{kMillion}, {1, 2}})->UseRealTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Shuffle)->Arg(kMillion)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SplitListsBySort)->ArgsProduct({{kMillion}, {1, 2}})->UseRealTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LoadText)->Arg(kMillion)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_EmailScanWorstCases)->DenseRange(0, 2)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
