// Where a person stands at a step: at a place, the slot's spot; between places, the march
// chosen by the next place, overlaid by the person's step instructions.
#include <algorithm>
#include <cmath>

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

namespace {

CPoint MarchBetween(CPerson& person, CPlace& from, CPlace& to, int step) {
  const int begin = from.m_pFormation->m_nStep;
  const int total =
      std::max(1, to.m_pFormation->m_nStep - begin - to.m_nWaitAfter - to.m_nWaitBefore);
  const int elapsed = step - begin - to.m_nWaitBefore;
  if (elapsed <= 0) return SpotOf(from);
  if (elapsed >= total) return SpotOf(to);
  const Leg leg{person, from, to, step, elapsed, total};
  switch (to.m_nMarchMode) {
    case MARCH_FLOAT: return to.m_bFlex ? FloatFlex(leg) : Float(leg);
    case MARCH_FOLLOW: return Follow(leg);
    case MARCH_PIVOT: return Pivot(leg);
    case MARCH_XY: return CornerMarch(leg, true);
    case MARCH_YX: return CornerMarch(leg, false);
    case MARCH_ARC: return ArcChange(leg);
    case MARCH_SKEW: return Skew(leg);
    default: return POSITION_NONE;
  }
}

bool OnField(CPoint p) { return p.x >= 0 && p.x <= FIELD_EXTENT && p.y >= 0 && p.y <= FIELD_EXTENT; }

}  // namespace
}  // namespace march

CPoint CPerson::GetPosition(int step, CFormation* formation, int slot) {
  if (formation) {
    CPoint spot = POSITION_NONE;
    if (slot >= 0 && slot < formation->m_nPlaces && formation->m_ppPlaces[static_cast<size_t>(slot)])
      spot = march::SpotOf(*formation->m_ppPlaces[static_cast<size_t>(slot)]);
    else
      spot = formation->GetSpot(slot, 0.0, 0.0, formation->m_dSkew);
    SetCurrentPosition(spot);
    return spot;
  }
  const bool cacheOn = m_pDocument && m_pDocument->m_bSaveStepsToMemory;
  if (cacheOn && step >= 0) {
    const CPoint cached = m_posCache.Get(static_cast<size_t>(step));
    if (cached != POSITION_NONE) {
      SetCurrentPosition(cached);
      return cached;
    }
  }

  PlaceRange places = PlacesAround(step);
  CPlace*& at = places.at;
  CPlace*& previous = places.previous;
  CPlace*& next = places.next;

  // A chain of step instructions that starts after the previous place takes over: the
  // drill is marched up to the chain's first count and the runs are added from there.
  const StepInstChain chain = at ? StepInstChain{} : FindStepInstCovering(step);
  const bool overlay = chain.inst && (!previous || chain.first->m_nCount >= previous->m_nStep);
  if (overlay) places = PlacesAround(chain.first->m_nCount);
  const int motionStep = overlay ? chain.first->m_nCount : step;

  CPoint result = POSITION_NONE;
  if (at) {
    result = march::SpotOf(*at);
  } else if (previous && next && previous->m_pFormation && next->m_pFormation) {
    result = march::MarchBetween(*this, *previous, *next, motionStep);
  }
  if (!march::OnField(result)) result = POSITION_NONE;
  if (overlay) result = ApplyStepInsts(chain.first, result, step);
  // The runs may lead off the field, which counts as no position like any other.
  if (!march::OnField(result)) result = POSITION_NONE;
  SetCurrentPosition(result);

  // The Flex march may have switched the cache on and sized it for the whole group.
  if (m_pDocument && m_pDocument->m_bSaveStepsToMemory && step >= 0) {
    const size_t size = static_cast<size_t>(std::max(m_pDocument->m_nLastStep, 0)) + 1;
    if (m_posCache.size() < size) m_posCache.resize(size);
    m_posCache.Set(static_cast<size_t>(step), result);
  }
  return result;
}

}  // namespace px
