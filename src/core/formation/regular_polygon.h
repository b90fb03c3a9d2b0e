#pragma once
// Vertices of a regular polygon or star inscribed around a rectangle's centre.
#include <vector>

#include "core/util/types.h"

namespace px {

// Point 0 is (cx + r, cy), r the larger half side; the others follow at equal angles. With
// starFactor > 0 there are 2 * sides points and every odd one lies at radius trunc(r * f).
std::vector<CPoint> RegularPolygon(const CRect& rect, int sides, double starFactor);

}  // namespace px
