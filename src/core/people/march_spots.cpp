// Slot points that marching asks of a formation beyond its cached spots.
#include <vector>

#include "core/people/march.h"

namespace px::march {

CPoint SubstituteSpot(CFormation& formation, int slot, double rotation, double skew, double endAngle,
                      double startAngle) {
  if (!formation.m_bFill) return formation.GetSpotRotated(slot, rotation, skew, endAngle, startAngle);
  // Fill mode hands every slot's point to its place as it goes; those caches hold the
  // formation's own spots and must not take points of a turned or sheared stand-in.
  std::vector<CPoint> own;
  own.reserve(formation.m_ppPlaces.size());
  for (const CPlace* place : formation.m_ppPlaces) own.push_back(place ? place->m_ptSpot : POSITION_NONE);
  const CPoint spot = formation.GetSpotRotated(slot, rotation, skew, endAngle, startAngle);
  for (size_t i = 0; i < own.size(); ++i)
    if (CPlace* place = formation.m_ppPlaces[i]) place->m_ptSpot = own[i];
  return spot;
}

CPoint SpotUnrotated(CFormation& formation, int slot) {
  return SubstituteSpot(formation, slot, 0.0, formation.m_dSkew, 0.0, 0.0);
}

}  // namespace px::march
