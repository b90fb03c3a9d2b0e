#pragma once
// The vertices of a polygon or curve in use (its array may hold more than it uses).
#include <algorithm>
#include <vector>

#include "core/formation/formation.h"

namespace px {

inline std::vector<CPoint> UsedVertices(const CFormation& poly) {
  const int count = std::clamp(poly.m_nPoints, 0, static_cast<int>(poly.m_pPoints.size()));
  return {poly.m_pPoints.begin(), poly.m_pPoints.begin() + count};
}

}  // namespace px
