// Slot points that marching asks of a formation beyond its cached spots.
#include "core/people/march.h"

namespace px::march {

CPoint SpotUnrotated(CFormation& formation, int slot) {
  // The formation is turned back to rotation 0 only for the length of the request.
  const double rotation = formation.m_dRotation;
  formation.m_dRotation = 0.0;
  const CPoint spot = formation.GetSpot(slot, 0.0, 0.0, formation.m_dSkew);
  formation.m_dRotation = rotation;
  return spot;
}

}  // namespace px::march
