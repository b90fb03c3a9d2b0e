// Undo on a large show (500 people, 200 formations, 50,000 places): the snapshot every
// command takes before it changes anything, and the Undo that puts it back.
//   cmake -S . -B build-bench -G Ninja -DCMAKE_BUILD_TYPE=Release -DPYXARO_BENCH=ON
//   ninja -C build-bench bench_undo && build-bench/bench/bench_undo
#include <benchmark/benchmark.h>

#include "core/doc/undo_file.h"
#include "synthetic_show.h"

namespace px {
namespace {

void BM_MemorySnapshot(benchmark::State& state) {
  auto doc = bench::BuildLargeShow();
  for (auto _ : state) {
    doc->SaveUndoSnapshot();
    benchmark::DoNotOptimize(doc->m_undoPeople.data());
  }
}

// Undo as the menu command runs it: the snapshot put back, everyone standing where it puts
// them, those without a place parked.
void BM_MemoryUndo(benchmark::State& state) {
  auto doc = bench::BuildLargeShow();
  for (auto _ : state) {
    state.PauseTiming();
    doc->SaveUndoSnapshot();
    state.ResumeTiming();
    doc->ApplyUndo();
    doc->ParkPeopleWithoutPlace();
    benchmark::DoNotOptimize(doc->m_people.data());
  }
}

void BM_FileSnapshot(benchmark::State& state) {
  auto doc = bench::BuildLargeShow();
  doc->m_bUndoToMemory = 0;
  for (auto _ : state) doc->SaveUndoSnapshot();
  RemoveUndoFolder();
}

BENCHMARK(BM_MemorySnapshot)->Unit(benchmark::kMillisecond)->Repetitions(9)->ReportAggregatesOnly(true);
BENCHMARK(BM_MemoryUndo)->Unit(benchmark::kMillisecond)->Repetitions(9)->ReportAggregatesOnly(true);
BENCHMARK(BM_FileSnapshot)->Unit(benchmark::kMillisecond)->Repetitions(9)->ReportAggregatesOnly(true);

}  // namespace
}  // namespace px

BENCHMARK_MAIN();
