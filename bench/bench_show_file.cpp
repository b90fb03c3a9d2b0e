// Reading and writing a large show: 500 people, 200 formations, 50,000 places and 2,000
// step instructions, in memory and through a file.
//   cmake -S . -B build-bench -G Ninja -DCMAKE_BUILD_TYPE=Release -DPYXARO_BENCH=ON
//   ninja -C build-bench bench_show_file && build-bench/bench/bench_show_file
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <filesystem>
#include <memory>

#include "core/doc/show_file.h"
#include "synthetic_show.h"

namespace px {
namespace {

using bench::BuildLargeShow;

void BM_WriteToMemory(benchmark::State& state) {
  auto doc = BuildLargeShow();
  size_t bytes = 0;
  for (auto _ : state) {
    auto out = SaveShowToBytes(*doc);
    bytes = out.size();
    benchmark::DoNotOptimize(out.data());
  }
  state.counters["bytes"] = static_cast<double>(bytes);
}

void BM_ReadFromMemory(benchmark::State& state) {
  const auto bytes = SaveShowToBytes(*BuildLargeShow());
  for (auto _ : state) {
    CPxDoc doc;
    LoadShowFromBytes(bytes, doc);
    benchmark::DoNotOptimize(doc.m_people.data());
  }
}

std::string BenchPath() {
  return (std::filesystem::temp_directory_path() / ("pyxaro_bench_" + std::to_string(::getpid()) + ".sho")).string();
}

void BM_WriteFile(benchmark::State& state) {
  auto doc = BuildLargeShow();
  const std::string path = BenchPath();
  for (auto _ : state) {
    if (!WriteShowFile(path, *doc).ok) state.SkipWithError("save failed");
  }
  std::filesystem::remove(path);
}

void BM_ReadFile(benchmark::State& state) {
  const std::string path = BenchPath();
  {
    auto doc = BuildLargeShow();
    if (!WriteShowFile(path, *doc).ok) state.SkipWithError("save failed");
  }
  for (auto _ : state) {
    CPxDoc doc;
    if (!ReadShowFile(path, doc).ok) state.SkipWithError("open failed");
    benchmark::DoNotOptimize(doc.m_people.data());
  }
  std::filesystem::remove(path);
}

BENCHMARK(BM_WriteToMemory)->Unit(benchmark::kMillisecond)->Repetitions(9)->ReportAggregatesOnly(true);
BENCHMARK(BM_ReadFromMemory)->Unit(benchmark::kMillisecond)->Repetitions(9)->ReportAggregatesOnly(true);
BENCHMARK(BM_WriteFile)->Unit(benchmark::kMillisecond)->Repetitions(9)->ReportAggregatesOnly(true);
BENCHMARK(BM_ReadFile)->Unit(benchmark::kMillisecond)->Repetitions(9)->ReportAggregatesOnly(true);

}  // namespace
}  // namespace px

BENCHMARK_MAIN();
