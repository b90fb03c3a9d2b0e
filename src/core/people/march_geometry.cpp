// Geometry shared by the march modes: rotation and walking along a polyline.
#include <cmath>

#include "core/people/march.h"
#include "core/util/muldiv.h"

namespace px::march {
namespace {

// The formation transform's rounding: positive values round half up, negative ones are
// truncated. value - trunc(value) is exactly fmod(value, 1.0), sign included, without the
// library call.
int RoundRotated(double value) {
  if (value - std::trunc(value) >= 0.5) value += 1.0;
  return Trunc(value);
}

}  // namespace

CPoint RotateAbout(CPoint p, CPoint centre, double c, double s) {
  const double dx = p.x - centre.x;
  const double dy = p.y - centre.y;
  return CPoint{centre.x + RoundRotated(c * dx - s * dy), centre.y + RoundRotated(s * dx + c * dy)};
}

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

}  // namespace px::march
