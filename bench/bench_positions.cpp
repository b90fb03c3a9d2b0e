// Every person's position at every step of a synthetic show: 500 people in 10 sections of
// 50 (1,000 in 20 for the growth check), a new picture every 16 steps up to step 4992, and
// the sections cycling through Float, gate turns, X-Y, Y-X, Follow and Float with Flex, some
// with waits.
//
//   build/bench_positions --benchmark_repetitions=5 --benchmark_report_aggregates_only=true
#include <benchmark/benchmark.h>

#include <map>
#include <memory>

#include "core/doc/pxdoc.h"

namespace px {
namespace {

constexpr int kSections = 10;
constexpr int kPerSection = 50;
constexpr int kPictureEvery = 16;
constexpr int kSteps = 5000;
constexpr int kMixed = -1;

// One approach of the cycle; `mode` == kMixed cycles through all of them.
struct Approach {
  int mode;
  int flex;
  int simple;
};
constexpr Approach kApproaches[] = {
    {MARCH_FLOAT, 0, 0}, {MARCH_PIVOT, 0, 1}, {MARCH_XY, 0, 0},  {MARCH_FOLLOW, 0, 0},
    {MARCH_FLOAT, 1, 0}, {MARCH_PIVOT, 0, 0}, {MARCH_YX, 0, 0},
};
constexpr int kApproachCount = sizeof kApproaches / sizeof kApproaches[0];

CFormation* AddShape(CPxDoc& doc, int step, int kind, CPoint centre, int w, int h, double rotation) {
  doc.SetCurrentStep(step);
  const CRect rect = kind == SHAPE_LINE ? CRect{centre.x - w / 2, centre.y, centre.x + w / 2, centre.y}
                                        : CRect{centre.x - w / 2, centre.y - h / 2, centre.x + w / 2, centre.y + h / 2};
  auto f = std::make_unique<CDrawRect>(rect);
  f->m_nShape = kind;
  f->m_ptPivot = f->m_ptPivotSaved = centre;
  f->m_dRotation = rotation;
  CFormation* added = doc.AddFormation(std::move(f));
  added->RecalcOutline();
  return added;
}

// `approach` is an index into kApproaches, or kMixed.
std::unique_ptr<CPxDoc> BuildShow(int approach, int sections) {
  auto doc = std::make_unique<CPxDoc>();
  std::vector<CPerson*> people;
  for (int i = 0; i < sections * kPerSection; ++i) {
    auto person = std::make_unique<CPerson>();
    person->m_nNumber = i + 1;
    people.push_back(doc->AddPerson(std::move(person)));
  }
  constexpr int kKinds[] = {SHAPE_LINE, SHAPE_ELLIPSE, SHAPE_RECTANGLE, SHAPE_ARC};
  for (int s = 0; s < sections; ++s) {
    // Sections beyond the first ten stand a little lower over them.
    const CPoint home{900 + (s % 5) * 1700, 1200 + (s / 5 % 2) * 2500 + s / 10 * 600};
    double rotation = 0.0;
    for (int k = 0; k * kPictureEvery < kSteps; ++k) {
      const Approach a = kApproaches[approach == kMixed ? (k + 2 * s) % kApproachCount : approach];
      if (k > 0 && a.mode == MARCH_PIVOT) rotation += (1 + k % 3) * PI / 4;
      if (rotation >= FULL_TURN) rotation -= FULL_TURN;
      const CPoint centre{home.x + (k * 31 % 200) - 100, home.y + (k * 17 % 200) - 100};
      CFormation* f = AddShape(*doc, k * kPictureEvery, kKinds[(k + s) % 4], centre, 800 + k * 37 % 400,
                               500 + k * 53 % 300, rotation);
      for (int i = 0; i < kPerSection; ++i) {
        CPlace* place = people[static_cast<size_t>(s * kPerSection + i)]->AssignToFormation(nullptr, f);
        place->m_nMarchMode = a.mode;
        place->m_bFlex = a.flex;
        place->m_bSimple = a.simple;
        place->m_bClockwise = k % 2;
        if (k % 3 == 0) place->m_nWaitBefore = place->m_nWaitAfter = 2;
      }
    }
  }
  doc->SetCurrentStep(0);
  doc->RecalcLastStep();
  return doc;
}

CPxDoc& Show(int approach, int sections = kSections) {
  static std::map<std::pair<int, int>, std::unique_ptr<CPxDoc>> shows;
  auto& doc = shows[{approach, sections}];
  if (!doc) doc = BuildShow(approach, sections);
  return *doc;
}

void EmptyCaches(CPxDoc& doc) {
  for (const auto& person : doc.m_people) person->InvalidateAllPositions();
}

// The whole table, from empty caches (spots, positions and follow paths all recomputed).
void ColdTable(benchmark::State& state, int approach, int sections = kSections) {
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

// Twice the people: the cost should about double, not more.
void BM_ColdTableMixed1000(benchmark::State& state) { ColdTable(state, kMixed, 2 * kSections); }
BENCHMARK(BM_ColdTableMixed1000)->Unit(benchmark::kMillisecond);

// The same show with every approach in one mode, to see which mode costs what.
void BM_ColdTableOneMode(benchmark::State& state) {
  const int approach = static_cast<int>(state.range(0));
  static const char* kNames[] = {"Float", "Pivot simple", "X-Y", "Follow", "Float Flex", "Pivot", "Y-X"};
  state.SetLabel(kNames[approach]);
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
