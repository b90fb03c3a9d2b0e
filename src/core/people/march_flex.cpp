// Float with Flex: everyone who floats from the same formation to the same formation moves
// as one group, creeping toward the new spots and keeping at least the formation spacing
// between neighbours.
#include <algorithm>
#include <cmath>
#include <vector>

#include "core/model/show_context.h"
#include "core/people/march.h"
#include "core/util/muldiv.h"

namespace px::march {
namespace {

struct Group {
  std::vector<CPerson*> people;
  std::vector<CPoint> from;  // spots on the formation being left
  std::vector<CPoint> to;    // spots on the formation being reached
  int anchor = -1;           // the last member whose place is marked as anchor
  int closest = 0;           // the member with the shortest way to go
};

// Walks the slots of the formation being reached, taking everyone who also stands on the
// formation being left and approaches in the same mode.
Group CollectGroup(const Leg& leg) {
  Group g;
  CFormation& pf = *leg.from.m_pFormation;
  CFormation& nf = *leg.to.m_pFormation;
  for (CPlace* to : nf.m_ppPlaces) {
    if (!to || !to->m_pPerson || to->m_nMarchMode != leg.to.m_nMarchMode) continue;
    CPlace* from = to->m_pPerson->GetPlaceOnFormation(&pf);
    if (!from) continue;
    g.people.push_back(to->m_pPerson);
    g.from.push_back(SpotOf(*from));
    g.to.push_back(SpotOf(*to));
    if (to->m_bAnchor) g.anchor = static_cast<int>(g.people.size()) - 1;
  }
  g.closest = static_cast<int>(g.people.size()) / 2;
  double best = 1000000.0;
  for (size_t i = 0; i < g.people.size(); ++i) {
    const double dx = g.to[i].x - g.from[i].x;
    const double dy = g.to[i].y - g.from[i].y;
    const double distance = std::sqrt(dx * dx + dy * dy);
    if (distance < best) {
      best = distance;
      g.closest = static_cast<int>(i);
    }
  }
  return g;
}

// Where `p` goes when pushed straight away from `neighbour` to exactly `spacing`.
CPoint PushedAway(CPoint p, CPoint neighbour, int spacing) {
  if (p.x == neighbour.x) return CPoint{p.x, neighbour.y + (p.y >= neighbour.y ? spacing : -spacing)};
  if (p.y == neighbour.y) return CPoint{neighbour.x + (p.x >= neighbour.x ? spacing : -spacing), p.y};
  const double a = std::atan2(p.y - neighbour.y, p.x - neighbour.x);
  return CPoint{Trunc(neighbour.x + spacing * std::cos(a)), Trunc(neighbour.y + spacing * std::sin(a))};
}

double Distance(CPoint a, CPoint b) {
  const double dx = a.x - b.x;
  const double dy = a.y - b.y;
  return std::sqrt(dx * dx + dy * dy);
}

// Pushes points that crowd their neighbour on the pivot's side out to the spacing; the
// points beyond them move along so the line keeps its shape.
void Respace(std::vector<CPoint>& pts, int pivot, int spacing) {
  const int count = static_cast<int>(pts.size());
  auto push = [&](int i, int neighbour, int farFirst, int farLast) {
    if (Distance(pts[static_cast<size_t>(i)], pts[static_cast<size_t>(neighbour)]) >= spacing) return;
    const CPoint moved = PushedAway(pts[static_cast<size_t>(i)], pts[static_cast<size_t>(neighbour)], spacing);
    const int dx = moved.x - pts[static_cast<size_t>(i)].x;
    const int dy = moved.y - pts[static_cast<size_t>(i)].y;
    pts[static_cast<size_t>(i)] = moved;
    for (int j = farFirst; j <= farLast; ++j) {
      pts[static_cast<size_t>(j)].x += dx;
      pts[static_cast<size_t>(j)].y += dy;
    }
  };
  for (int i = 0; i < pivot; ++i) push(i, i + 1, 0, i - 1);
  for (int i = count - 1; i > pivot; --i) push(i, i - 1, i + 1, count - 1);
}

// The group's march is a pure function of these values. Positions are asked step after
// step, so the run computed for one request is kept and continued by the next instead of
// being recomputed from the old formation's step each time.
struct FlexRun {
  std::vector<CPoint> from, to;
  std::vector<size_t> source;  // the member whose point a person's cache holds last
  int begin = 0, waitBefore = 0, total = 0, spacing = 0, pivot = 0;
  std::vector<std::vector<CPoint>> rows;  // rows[k]: the group at step begin + 1 + k

  bool SameMarch(const FlexRun& other) const {
    return from == other.from && to == other.to && source == other.source && begin == other.begin &&
           waitBefore == other.waitBefore && total == other.total && spacing == other.spacing && pivot == other.pivot;
  }

  // One more step of the creep, then the re-spacing once the march has begun.
  void AddRow() {
    const int s = begin + 1 + static_cast<int>(rows.size());
    const int e = std::max(0, s - begin - waitBefore);
    const int divisor = total - e + 1;
    const std::vector<CPoint>& last = rows.empty() ? from : rows.back();
    std::vector<CPoint> pts(from.size());
    for (size_t i = 0; i < pts.size(); ++i) {
      const CPoint p = last[source[i]];
      pts[i] = CPoint{p.x + (to[i].x - p.x) / divisor, p.y + (to[i].y - p.y) / divisor};
    }
    if (e > 0) Respace(pts, pivot, spacing);
    rows.push_back(std::move(pts));
  }
};

}  // namespace

CPoint FloatFlex(const Leg& leg) {
  ShowContext* doc = leg.person.m_pDocument;
  if (!doc) return Float(leg);  // a person outside a show has no group
  // The caches must reach the new formation's step. The last step is only ever raised
  // here: a position query must not undo a longer show set by a step instruction.
  doc->m_nLastStep = std::max(doc->m_nLastStep, leg.to.m_pFormation->m_nStep);
  doc->m_bSaveStepsToMemory = 1;
  const size_t cacheSize = static_cast<size_t>(std::max(doc->m_nLastStep, 0)) + 10;

  const Group g = CollectGroup(leg);
  // Every member's cache is written below, not only this person's.
  for (CPerson* member : g.people)
    if (member->m_posCache.size() < cacheSize) member->m_posCache.resize(cacheSize);
  if (leg.person.m_posCache.size() < cacheSize) leg.person.m_posCache.resize(cacheSize);

  const CFormation& pf = *leg.from.m_pFormation;
  const CFormation& nf = *leg.to.m_pFormation;
  FlexRun run;
  run.from = g.from;
  run.to = g.to;
  // A person listed twice reads back the point written for it last (cache semantics).
  run.source.resize(g.people.size());
  for (size_t i = 0; i < g.people.size(); ++i) {
    run.source[i] = i;
    for (size_t j = g.people.size(); j-- > i + 1;)
      if (g.people[j] == g.people[i]) {
        run.source[i] = j;
        break;
      }
  }
  run.begin = pf.m_nStep;
  run.waitBefore = leg.to.m_nWaitBefore;
  run.total = leg.total;
  run.spacing = std::min(Trunc(pf.m_dLength / pf.m_nPlaces), Trunc(nf.m_dLength / nf.m_nPlaces));
  run.pivot = g.anchor >= 0 ? g.anchor : g.closest;
  // One run per group marching at the same time: a replay asks all the groups at each step.
  constexpr size_t kRunsKept = 32;
  thread_local std::vector<FlexRun> runs;
  auto found = std::find_if(runs.begin(), runs.end(), [&](const FlexRun& r) { return r.SameMarch(run); });
  if (found == runs.end()) {
    if (runs.size() == kRunsKept) runs.erase(runs.begin());
    runs.push_back(std::move(run));
    found = std::prev(runs.end());
  }
  FlexRun& last = *found;
  while (static_cast<int>(last.rows.size()) < leg.step - last.begin) last.AddRow();

  const int end = nf.m_nStep;
  for (size_t i = 0; i < g.people.size(); ++i) {
    PositionCache& cache = g.people[i]->m_posCache;
    cache.Set(static_cast<size_t>(last.begin), g.from[i]);
    cache.Set(static_cast<size_t>(end), g.to[i]);
    for (int s = last.begin + 1; s <= leg.step; ++s)
      cache.Set(static_cast<size_t>(s), last.rows[static_cast<size_t>(s - last.begin - 1)][i]);
  }
  return leg.person.m_posCache.Get(static_cast<size_t>(leg.step));
}

}  // namespace px::march
