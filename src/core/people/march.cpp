// Where a person stands at a step: at a place, the slot's spot; between places, the march
// chosen by the next place, overlaid by the person's step instructions.
#include <algorithm>
#include <climits>

#include "core/model/show_context.h"
#include "core/people/march.h"
#include "core/util/muldiv.h"

namespace px {
namespace march {

CPoint SpotOf(CPlace& place) {
  if (place.m_ptSpot == POSITION_NONE && place.m_pFormation)
    place.m_ptSpot = place.m_pFormation->GetSpot(place.m_nSlot, 0.0, 0.0, place.m_pFormation->m_dSkew);
  return place.m_ptSpot;
}

CPoint Lerp(CPoint a, CPoint b, int elapsed, int total) {
  return CPoint{a.x + MulDiv(b.x - a.x, elapsed, total), a.y + MulDiv(b.y - a.y, elapsed, total)};
}

Approach::Approach(CPlace& p, CPlace& n)
    : from(p),
      to(n),
      begin(p.m_pFormation->m_nStep),
      total(std::max(1, n.m_pFormation->m_nStep - begin - n.m_nWaitAfter - n.m_nWaitBefore)) {}

namespace {

bool OnField(CPoint p) { return p.x >= 0 && p.x <= FIELD_EXTENT && p.y >= 0 && p.y <= FIELD_EXTENT; }

CPoint NotMarching(const Approach& a, int step) {
  return a.Elapsed(step) <= 0 ? SpotOf(a.from) : SpotOf(a.to);
}

// The last place at the step of m_places[index], and the index after it.
size_t EndOfStep(const CPerson& person, size_t index) {
  const int step = person.m_places[index]->m_nStep;
  while (index + 1 < person.m_places.size() && person.m_places[index + 1]->m_nStep == step) ++index;
  return index;
}

}  // namespace

void MarchAlone(const Approach& a, int first, int last, CPoint* out) {
  const int mode = a.to.m_nMarchMode;
  for (int s = first; s <= last; ++s) {
    if (!a.Marching(s)) {
      out[s - first] = NotMarching(a, s);
      continue;
    }
    // Each mode fills the whole run of marching steps at once.
    const int runLast = std::min(last, a.begin + a.to.m_nWaitBefore + a.total - 1);
    CPoint* run = out + (s - first);
    switch (mode) {
      case MARCH_FLOAT:   // Flex marches with its group; alone it floats
      case MARCH_FOLLOW: {  // only someone missing from its own Follow group is alone
        const CPoint p = SpotOf(a.from);
        const CPoint n = SpotOf(a.to);
        MulDivRun x(n.x - p.x, a.Elapsed(s), a.total);
        MulDivRun y(n.y - p.y, a.Elapsed(s), a.total);
        for (int t = s; t <= runLast; ++t, x.Next(), y.Next()) run[t - s] = CPoint{p.x + x.Value(), p.y + y.Value()};
        break;
      }
      case MARCH_PIVOT: PivotSteps(a, s, runLast, run); break;
      case MARCH_XY: CornerSteps(a, s, runLast, run, true); break;
      case MARCH_YX: CornerSteps(a, s, runLast, run, false); break;
      case MARCH_ARC: ArcSteps(a, s, runLast, run); break;
      case MARCH_SKEW: SkewSteps(a, s, runLast, run); break;
      default: std::fill(run, run + (runLast - s + 1), POSITION_NONE); break;
    }
    s = runLast;
  }
}

Segment SegmentAt(const CPerson& person, int step) {
  Segment seg;
  const auto& places = person.m_places;
  const size_t count = places.size();
  const size_t lo = person.FirstPlaceIndexAtOrAfter(step);
  person.m_nPlaceHint = lo;  // legs are mostly asked one after the other
  const bool atPlace = lo < count && places[lo]->m_nStep == step;
  if (lo == 0) {
    if (atPlace) {  // the first place
      seg.first = seg.last = step;
      seg.arrival = places[EndOfStep(person, 0)].get();
    } else {  // before the first place
      seg.first = INT_MIN;
      seg.last = count > 0 ? places[0]->m_nStep - 1 : STEP_END;
      seg.to = count > 0 ? places[0].get() : nullptr;
    }
    return seg;
  }
  seg.from = places[lo - 1].get();
  seg.first = seg.from->m_nStep + 1;
  if (lo == count) {  // after the last place
    seg.last = std::max(STEP_END, seg.first);
    return seg;
  }
  seg.to = places[lo].get();
  seg.last = seg.to->m_nStep;
  seg.arrival = places[EndOfStep(person, lo)].get();
  return seg;
}

void MarchSegment(const CPerson& person, const Segment& seg, int first, int last, CPoint* out) {
  const bool marches = seg.from && seg.to && seg.from->m_pFormation && seg.to->m_pFormation;
  const int marchLast = seg.arrival && last == seg.last ? last - 1 : last;
  if (!marches) {
    std::fill(out, out + (marchLast - first + 1), POSITION_NONE);
  } else {
    const Approach a(*seg.from, *seg.to);
    bool done = false;
    if (seg.to->m_nMarchMode == MARCH_FOLLOW && marchLast >= first) {
      const FollowGroup g = CollectFollowGroup(person, *seg.from, *seg.to);
      const int k = g.IndexOf(person);
      if (k >= 0) FollowSteps(g, static_cast<size_t>(k), a, first, marchLast, out);
      done = k >= 0;
    }
    if (!done) MarchAlone(a, first, marchLast, out);
  }
  if (marchLast < last) out[last - first] = SpotOf(*seg.arrival);
}

void FinishSegment(const CPerson& person, const Segment& seg, int first, int last, CPoint* motion) {
  auto checked = [](CPoint p) { return OnField(p) ? p : POSITION_NONE; };
  if (person.m_stepInsts.empty()) {
    for (int s = first; s <= last; ++s) motion[s - first] = checked(motion[s - first]);
    return;
  }
  // A chain of step instructions that starts after the previous place takes over: the drill
  // is marched up to the chain's first count and the runs are added from there. Later steps
  // read the motion of earlier ones, so the segment is finished from its end.
  for (int s = last; s >= first; --s) {
    CPoint& p = motion[s - first];
    const bool atPlace = seg.arrival && s == seg.last;
    const CPerson::StepInstChain chain = atPlace ? CPerson::StepInstChain{} : person.FindStepInstCovering(s);
    const int start = chain.inst ? chain.first->m_nCount : 0;
    if (!chain.inst || (seg.from && start < seg.from->m_nStep)) {
      p = checked(p);
      continue;
    }
    CPoint base = POSITION_NONE;
    if (seg.from && start == seg.from->m_nStep) {
      base = SpotOf(*seg.from);
    } else if (start >= first && start <= s) {
      base = motion[start - first];
    } else if (start >= seg.first && start <= seg.last) {
      MarchSegment(person, seg, start, start, &base);
    }
    // The runs may lead off the field, which counts as no position like any other.
    p = checked(person.ApplyStepInsts(chain.first, checked(base), s));
  }
}

}  // namespace march

CPoint CPerson::PositionAlone(int step, CFormation* formation, int slot) const {
  if (formation) {
    if (slot >= 0 && slot < formation->m_nPlaces && formation->m_ppPlaces[static_cast<size_t>(slot)])
      return march::SpotOf(*formation->m_ppPlaces[static_cast<size_t>(slot)]);
    return formation->GetSpot(slot, 0.0, 0.0, formation->m_dSkew);
  }
  // A person outside a show marches alone.
  const march::Segment seg = march::SegmentAt(*this, step);
  CPoint p = POSITION_NONE;
  march::MarchSegment(*this, seg, step, step, &p);
  march::FinishSegment(*this, seg, step, step, &p);
  return p;
}

}  // namespace px
