// Geometry shared by the march modes: turns, rotation and walking along a polyline.
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

namespace {

// A gate turn turns a whole section by the same angles at each step (the old rotation and
// the turn so far), so the last two angles' cosines and sines are kept.
struct TurnTrig {
  double angle[2] = {0.0, 0.0};
  double cos[2] = {1.0, 1.0};
  double sin[2] = {0.0, 0.0};
  int older = 0;

  void Of(double a, double& c, double& s) {
    for (int i = 0; i < 2; ++i) {
      if (angle[i] == a) {
        c = cos[i];
        s = sin[i];
        return;
      }
    }
    c = std::cos(a);
    s = std::sin(a);
    angle[older] = a;
    cos[older] = c;
    sin[older] = s;
    older = 1 - older;
  }
};

}  // namespace

CPoint RotateAbout(CPoint p, CPoint centre, double angle) {
  if (angle == 0.0) return p;
  const double dx = p.x - centre.x;
  const double dy = p.y - centre.y;
  thread_local TurnTrig trig;
  double c = 0.0;
  double s = 0.0;
  trig.Of(angle, c, s);
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
