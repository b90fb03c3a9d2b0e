#include "core/formation/geometry.h"

namespace px {

void RowCrossings(const CPoint* points, int count, double y, std::vector<RowCrossing>& out) {
  out.clear();
  if (count < 3) return;
  for (int i = 0; i < count; ++i) {
    const CPoint a = points[i];
    const CPoint b = points[i + 1 < count ? i + 1 : 0];
    const bool down = a.y <= y && y < b.y;  // y grows downward
    const bool up = b.y <= y && y < a.y;
    if (!down && !up) continue;
    const double x = a.x + (y - a.y) * (static_cast<double>(b.x) - a.x) / (static_cast<double>(b.y) - a.y);
    out.push_back(RowCrossing{x, down ? 1 : -1});
  }
}

bool InsideWinding(const CPoint* points, int count, double x, double y) {
  thread_local std::vector<RowCrossing> crossings;
  RowCrossings(points, count, y, crossings);
  // Count the crossings on the ray from the point toward +x.
  int winding = 0;
  for (const RowCrossing& c : crossings)
    if (c.x > x) winding += c.direction;
  return winding != 0;
}

bool SegmentMeetsRect(CPoint a, CPoint b, const CRect& r) {
  // Liang-Barsky clipping of the segment against the rectangle.
  double t0 = 0.0, t1 = 1.0;
  const double dx = static_cast<double>(b.x) - a.x;
  const double dy = static_cast<double>(b.y) - a.y;
  const double p[4] = {-dx, dx, -dy, dy};
  const double q[4] = {static_cast<double>(a.x) - r.left, static_cast<double>(r.right) - a.x,
                       static_cast<double>(a.y) - r.top, static_cast<double>(r.bottom) - a.y};
  for (int i = 0; i < 4; ++i) {
    if (p[i] == 0.0) {
      if (q[i] < 0.0) return false;
      continue;
    }
    const double t = q[i] / p[i];
    if (p[i] < 0.0) {
      if (t > t1) return false;
      t0 = std::max(t0, t);
    } else {
      if (t < t0) return false;
      t1 = std::min(t1, t);
    }
  }
  return t0 <= t1;
}

}  // namespace px
