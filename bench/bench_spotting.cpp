// Spotting cost of a redraw: every slot of 200 formations of 30 people, and Scale To Fit
// People on a 60-person ellipse.
#include <benchmark/benchmark.h>

#include <memory>
#include <vector>

#include "core/doc/pxdoc.h"
#include "core/formation/formation.h"
#include "core/people/person.h"

namespace px {
namespace {

constexpr int kFormations = 200;
constexpr int kPeople = 30;

CFormation* AddShape(CPxDoc& doc, int index) {
  const int x = 400 + (index % 10) * 700;
  const int y = 400 + (index / 10 % 5) * 1400;
  std::unique_ptr<CFormation> f;
  switch (index % 8) {
    case 0:
    case 1: {  // ellipses, every second one filled
      f = std::make_unique<CDrawRect>(CRect{x, y, x + 600, y + 900});
      f->m_nShape = SHAPE_ELLIPSE;
      f->m_bFill = index % 2;
      break;
    }
    case 2: {  // arcs
      f = std::make_unique<CDrawRect>(CRect{x, y, x + 600, y + 600});
      f->m_nShape = SHAPE_ARC;
      f->m_dArcStart = 0.3;
      f->m_dArcEnd = 2.8;
      break;
    }
    case 3:
    case 4: {  // curves and filled closed polygons
      auto poly = std::make_unique<CDrawPoly>();
      poly->SetPoints({{x, y}, {x + 200, y + 600}, {x + 400, y + 100}, {x + 600, y + 900}, {x + 300, y + 800}});
      poly->m_nShape = index % 8 == 3 ? SHAPE_CURVE : SHAPE_CLOSED_POLYGON;
      poly->m_bFill = index % 8 == 4;
      f = std::move(poly);
      break;
    }
    case 5: {  // blocks
      f = std::make_unique<CDrawRect>(CRect{x, y, x + 600, y + 400});
      f->m_bBlock = 1;
      f->m_nRows = 5;
      break;
    }
    case 6: {  // rotated and skewed rectangles
      f = std::make_unique<CDrawRect>(CRect{x, y, x + 600, y + 300});
      f->m_ptPivot = CPoint{x + 300, y + 150};
      f->m_dRotation = 0.4;
      f->m_dSkew = 0.1;
      break;
    }
    default: {  // lines, spread off
      f = std::make_unique<CDrawRect>(CRect{x, y, x + 600, y + 900});
      f->m_nShape = SHAPE_LINE;
      f->m_bSpread = 0;
      break;
    }
  }
  doc.SetCurrentStep(index * 8);
  CFormation* added = doc.AddFormation(std::move(f));
  added->m_dInterval = 90.0;
  added->RecalcBounds();
  added->RecalcOutline();
  return added;
}

struct Show {
  CPxDoc doc;
  std::vector<CFormation*> formations;
  Show() {
    std::vector<CPerson*> people;
    for (int i = 0; i < kPeople; ++i) {
      auto person = std::make_unique<CPerson>();
      person->m_nNumber = i + 1;
      people.push_back(doc.AddPerson(std::move(person)));
    }
    for (int i = 0; i < kFormations; ++i) {
      CFormation* f = AddShape(doc, i);
      for (CPerson* person : people) person->AssignToFormation(nullptr, f);
      formations.push_back(f);
    }
  }
};

// Every slot spotted as a redraw finds it: cached spots dropped, then asked slot by slot,
// so a fill-mode formation computes its grid once and the other slots hit the cache.
void BM_SpotEverySlot(benchmark::State& state) {
  Show show;
  for (auto _ : state) {
    for (CFormation* f : show.formations) {
      for (CPlace* place : f->m_ppPlaces) place->m_ptSpot = POSITION_NONE;
      for (int slot = 0; slot < f->m_nPlaces; ++slot) {
        CPlace* place = f->m_ppPlaces[static_cast<size_t>(slot)];
        if (place->m_ptSpot == POSITION_NONE) place->m_ptSpot = f->GetSpot(slot, 0.0, 0.0, f->m_dSkew);
        benchmark::DoNotOptimize(place->m_ptSpot);
      }
    }
  }
  state.counters["spots"] = kFormations * kPeople;
}
BENCHMARK(BM_SpotEverySlot)->Unit(benchmark::kMillisecond);

// Every slot asked for directly, without the place cache (fill mode walks its grid each time).
void BM_GetSpotUncached(benchmark::State& state) {
  Show show;
  for (auto _ : state)
    for (CFormation* f : show.formations)
      for (int slot = 0; slot < f->m_nPlaces; ++slot) benchmark::DoNotOptimize(f->GetSpot(slot, 0.0, 0.0, f->m_dSkew));
}
BENCHMARK(BM_GetSpotUncached)->Unit(benchmark::kMillisecond);

void BM_ScaleToPeople60Ellipse(benchmark::State& state) {
  CPxDoc doc;
  CFormation* f = doc.AddFormation(std::make_unique<CDrawRect>(CRect{2000, 1000, 2400, 1300}));
  f->m_nShape = SHAPE_ELLIPSE;
  for (int i = 0; i < 60; ++i) {
    auto person = std::make_unique<CPerson>();
    person->m_nNumber = i + 1;
    doc.AddPerson(std::move(person))->AssignToFormation(nullptr, f);
  }
  for (auto _ : state) {
    f->m_rcBase = CRect{2000, 1000, 2400, 1300};
    f->RecalcOutline();
    f->ScaleToPeople(nullptr, false);
    benchmark::DoNotOptimize(f->m_dLength);
  }
}
BENCHMARK(BM_ScaleToPeople60Ellipse)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace px

BENCHMARK_MAIN();
