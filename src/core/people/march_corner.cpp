// X-Y and Y-X: along one axis first, then the other, at even speed over both legs.
#include <cstdlib>

#include "core/people/march.h"

namespace px::march {
namespace {

// The point at distance d along a polyline of `count` points whose segment i (ending at
// point i) has length segLen[i] and running length cumLen[i] (cumLen[0] = 0).
CPoint PointAlongPath(const CPoint* points, const double* segLen, const double* cumLen, int count, double d) {
  if (count < 2) return count == 1 ? points[0] : POSITION_NONE;
  int i = 1;
  while (i < count - 1 && cumLen[i] < d) ++i;
  const double seg = segLen[i];
  const double f = seg >= 1.0 ? (seg - (cumLen[i] - d)) / seg : 1.0;
  const CPoint a = points[i - 1];
  const CPoint b = points[i];
  return CPoint{a.x + Trunc(f * (b.x - a.x)), a.y + Trunc(f * (b.y - a.y))};
}

}  // namespace

void CornerSteps(const Approach& a, int first, int last, CPoint* out, bool xFirst) {
  const CPoint p = SpotOf(a.from);
  const CPoint n = SpotOf(a.to);
  const CPoint points[3] = {p, xFirst ? CPoint{n.x, p.y} : CPoint{p.x, n.y}, n};
  const double firstLeg = xFirst ? std::abs(n.x - p.x) : std::abs(n.y - p.y);
  const double secondLeg = xFirst ? std::abs(n.y - p.y) : std::abs(n.x - p.x);
  const double segLen[3] = {0.0, firstLeg, secondLeg};
  const double cumLen[3] = {0.0, firstLeg, firstLeg + secondLeg};
  for (int s = first; s <= last; ++s) {
    const double d = static_cast<double>(a.Elapsed(s)) * cumLen[2] / a.total;
    out[s - first] = PointAlongPath(points, segLen, cumLen, 3, d);
  }
}

}  // namespace px::march
