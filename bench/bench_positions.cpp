// Every person's position at every step of the synthetic show (bench/synthetic_show.h): 500
// people in 10 sections of 50 until step 5000, from empty caches, mixed and in each single
// mode, and 1,000 people to see how the cost grows with the band.
//
//   build/bench/bench_positions --benchmark_repetitions=5 --benchmark_report_aggregates_only=true
#include <benchmark/benchmark.h>

#include <map>
#include <memory>
#include <utility>

#include "synthetic_show.h"

namespace px {
namespace {

using namespace px::bench;

constexpr int kSteps = 5000;

CPxDoc& Show(int approach, int sections = 10) {
  static std::map<std::pair<int, int>, std::unique_ptr<CPxDoc>> shows;
  auto& doc = shows[{approach, sections}];
  if (!doc) doc = BuildSyntheticShow(approach, sections, kSteps);
  return *doc;
}

void EmptyCaches(CPxDoc& doc) {
  for (const auto& person : doc.m_people) person->InvalidateAllPositions();
}

// The whole table, from empty caches (spots, positions and follow paths all recomputed).
void ColdTable(benchmark::State& state, int approach, int sections = 10) {
  CPxDoc& doc = Show(approach, sections);
  for (auto _ : state) {
    state.PauseTiming();
    EmptyCaches(doc);
    state.ResumeTiming();
    for (int step = 0; step < kSteps; ++step)
      for (const auto& person : doc.m_people) benchmark::DoNotOptimize(person->GetPosition(step));
  }
  state.SetItemsProcessed(state.iterations() * kSteps * static_cast<int64_t>(doc.m_people.size()));
}

void BM_ColdTableMixed(benchmark::State& state) { ColdTable(state, kMixed); }
BENCHMARK(BM_ColdTableMixed)->Unit(benchmark::kMillisecond);

// Twice the band: the goal is under 2.2 times the 500-member figure.
void BM_ColdTableMixed1000(benchmark::State& state) { ColdTable(state, kMixed, 20); }
BENCHMARK(BM_ColdTableMixed1000)->Unit(benchmark::kMillisecond);

// The same show with every approach in one mode, to see which mode costs what.
void BM_ColdTableOneMode(benchmark::State& state) {
  const int approach = static_cast<int>(state.range(0));
  state.SetLabel(kApproaches[approach].name);
  ColdTable(state, approach);
}
BENCHMARK(BM_ColdTableOneMode)->DenseRange(0, kApproachCount - 1)->Unit(benchmark::kMillisecond);

// One step of all 500 people once the table is cached.
void BM_WarmStep(benchmark::State& state) {
  CPxDoc& doc = Show(kMixed);
  EmptyCaches(doc);
  for (int step = 0; step < kSteps; ++step)
    for (const auto& person : doc.m_people) person->GetPosition(step);
  int step = 0;
  for (auto _ : state) {
    for (const auto& person : doc.m_people) benchmark::DoNotOptimize(person->GetPosition(step));
    step = (step + 97) % kSteps;
  }
}
BENCHMARK(BM_WarmStep)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace px

BENCHMARK_MAIN();
