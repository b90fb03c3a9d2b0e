// X-Y and Y-X: along one axis first, then the other, at even speed over both legs.
#include <cstdlib>

#include "core/people/march.h"

namespace px::march {

CPoint CornerMarch(const Leg& leg, bool xFirst) {
  const CPoint p = SpotOf(leg.from);
  const CPoint n = SpotOf(leg.to);
  const CPoint points[3] = {p, xFirst ? CPoint{n.x, p.y} : CPoint{p.x, n.y}, n};
  const double first = xFirst ? std::abs(n.x - p.x) : std::abs(n.y - p.y);
  const double second = xFirst ? std::abs(n.y - p.y) : std::abs(n.x - p.x);
  const double segLen[3] = {0.0, first, second};
  const double cumLen[3] = {0.0, first, first + second};
  const double d = static_cast<double>(leg.elapsed) * cumLen[2] / leg.total;
  return PointAlongPath(points, segLen, cumLen, 3, d);
}

}  // namespace px::march
