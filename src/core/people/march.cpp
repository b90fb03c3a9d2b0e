// Where a person stands at a step: at a place, the slot's spot; between places, the march.
#include <algorithm>

#include "core/doc/pxdoc.h"
#include "core/people/person.h"
#include "core/util/muldiv.h"

namespace px {
namespace {

bool OnField(CPoint p) { return p.x >= 0 && p.x <= FIELD_EXTENT && p.y >= 0 && p.y <= FIELD_EXTENT; }

// The cached spot of a place, computed on first use.
CPoint SpotOf(CPlace& place) {
  if (place.m_ptSpot == POSITION_NONE && place.m_pFormation)
    place.m_ptSpot = place.m_pFormation->GetSpot(place.m_nSlot, 0.0, 0.0, place.m_pFormation->m_dSkew);
  return place.m_ptSpot;
}

CPoint Lerp(CPoint a, CPoint b, int elapsed, int total) {
  return CPoint{a.x + MulDiv(b.x - a.x, elapsed, total), a.y + MulDiv(b.y - a.y, elapsed, total)};
}

}  // namespace

CPoint CPerson::GetPosition(int step, CFormation* formation, int slot) {
  if (formation) {
    CPoint spot = POSITION_NONE;
    if (slot >= 0 && slot < formation->m_nPlaces && formation->m_ppPlaces[static_cast<size_t>(slot)])
      spot = SpotOf(*formation->m_ppPlaces[static_cast<size_t>(slot)]);
    else
      spot = formation->GetSpot(slot, 0.0, 0.0, formation->m_dSkew);
    SetCurrentPosition(spot);
    return spot;
  }
  const bool cacheOn = m_pDocument && m_pDocument->m_bSaveStepsToMemory;
  if (cacheOn && step >= 0 && step < static_cast<int>(m_posCache.size()) &&
      m_posCache[static_cast<size_t>(step)] != POSITION_NONE) {
    SetCurrentPosition(m_posCache[static_cast<size_t>(step)]);
    return m_ptPosition;
  }

  CPlace* at = nullptr;
  CPlace* previous = nullptr;
  CPlace* next = nullptr;
  for (const auto& place : m_places) {
    if (place->m_nStep == step) at = place.get();
    else if (place->m_nStep < step) previous = place.get();
    else if (!next) next = place.get();
  }

  CPoint result = POSITION_NONE;
  if (at) {
    result = SpotOf(*at);
  } else if (previous && next && previous->m_pFormation && next->m_pFormation) {
    const int begin = previous->m_pFormation->m_nStep;
    const int total = std::max(1, next->m_pFormation->m_nStep - begin - next->m_nWaitAfter - next->m_nWaitBefore);
    const int elapsed = step - begin - next->m_nWaitBefore;
    const CPoint from = SpotOf(*previous);
    const CPoint to = SpotOf(*next);
    if (elapsed <= 0)
      result = from;
    else if (elapsed >= total)
      result = to;
    else if (next->m_nMarchMode == MARCH_FLOAT)
      result = Lerp(from, to, elapsed, total);
    // TODO: the other march modes and step instructions.
  }
  if (!OnField(result)) result = POSITION_NONE;
  SetCurrentPosition(result);

  if (cacheOn && step >= 0) {
    const size_t size = static_cast<size_t>(std::max(m_pDocument->m_nLastStep, 0)) + 1;
    if (m_posCache.size() < size) m_posCache.resize(size, POSITION_NONE);
    if (static_cast<size_t>(step) < m_posCache.size()) m_posCache[static_cast<size_t>(step)] = result;
  }
  return result;
}

}  // namespace px
