// Reading and writing a large show: 500 people, 200 formations, 50,000 places and 2,000
// step instructions, in memory and through a file.
//   cmake -S . -B build-bench -G Ninja -DCMAKE_BUILD_TYPE=Release -DPYXARO_BENCH=ON
//   ninja -C build-bench bench_show_file && build-bench/bench/bench_show_file
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <filesystem>
#include <memory>

#include "core/doc/pxdoc.h"
#include "core/doc/show_file.h"

namespace px {
namespace {

constexpr int kPeople = 500;
constexpr int kPictures = 100;  // two formations per picture, each holding half the band
constexpr int kInstsPerPerson = 4;

std::unique_ptr<CPxDoc> BuildLargeShow() {
  auto doc = std::make_unique<CPxDoc>();
  doc->m_strTitle = "Benchmark show";
  for (int id = 1; id <= kPeople; ++id) {
    auto person = std::make_unique<CPerson>();
    person->m_nNumber = id;
    person->m_strName = "Member " + std::to_string(id);
    person->m_nGroup = id % GROUP_COUNT;
    person->m_pDocument = doc.get();
    for (int k = 0; k < kInstsPerPerson; ++k) {
      auto inst = std::make_unique<CStepInst>();
      inst->m_nCount = 4 + 16 * k;
      inst->m_nSteps = 4;
      inst->m_bTowardStands = k % 2;
      inst->m_dStepSize = 45.0;
      person->m_stepInsts.push_back(std::move(inst));
    }
    doc->m_people.push_back(std::move(person));
  }
  constexpr int kHalf = kPeople / 2;
  for (int picture = 0; picture < kPictures; ++picture) {
    for (int half = 0; half < 2; ++half) {
      auto f = std::make_unique<CDrawRect>(CRect{720 + 36 * picture, 720 + 1440 * half, 7920, 2000 + 1440 * half});
      f->m_nShape = half == 0 ? SHAPE_LINE : SHAPE_RECTANGLE;
      f->m_strName = "Set " + std::to_string(picture + 1);
      f->m_nStep = 8 * picture;
      f->m_nNumber = static_cast<int>(doc->m_formations.size()) + 1;
      f->m_pDocument = doc.get();
      f->ResizeSlots(kHalf);
      for (int slot = 0; slot < kHalf; ++slot) {
        CPerson* person = doc->m_people[static_cast<size_t>(half * kHalf + slot)].get();
        auto place = std::make_unique<CPlace>();
        place->m_nStep = f->m_nStep;
        place->m_nFormationID = f->m_nNumber;
        place->m_nSlot = slot;
        place->m_nMarchMode = picture % 7;
        place->m_pFormation = f.get();
        place->m_pPerson = person;
        place->m_nPersonID = person->m_nNumber;
        f->m_ppPlaces[static_cast<size_t>(slot)] = place.get();
        person->m_places.push_back(std::move(place));
      }
      doc->m_formations.push_back(std::move(f));
    }
  }
  doc->RecalcLastStep();
  return doc;
}

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
