#pragma once
// Small plane-geometry helpers for outlines: distances, segments of a polyline, the winding
// rule and rectangle tests.
#include <algorithm>
#include <cmath>
#include <vector>

#include "core/formation/formation.h"

namespace px {

// Coordinates far beyond the field (only in damaged files) are limited to this magnitude
// before any arithmetic, so sums and differences of two coordinates cannot overflow.
constexpr int COORD_LIMIT = 1 << 24;

inline int ClampCoord(int v) { return std::clamp(v, -COORD_LIMIT, COORD_LIMIT); }
inline CPoint ClampPoint(CPoint p) { return CPoint{ClampCoord(p.x), ClampCoord(p.y)}; }
inline CRect SafeRect(const CRect& r) {
  return CRect{ClampCoord(r.left), ClampCoord(r.top), ClampCoord(r.right), ClampCoord(r.bottom)};
}

inline double Distance(CPoint a, CPoint b) {
  const double dx = static_cast<double>(b.x) - a.x;
  const double dy = static_cast<double>(b.y) - a.y;
  return std::sqrt(dx * dx + dy * dy);
}

// Segment k joins point k and k + 1; a closed polyline has one more joining the last point
// to the first.
inline int SegmentCount(const Polyline& line) {
  if (line.count < 2) return 0;
  return line.closed ? line.count : line.count - 1;
}
inline CPoint SegmentEnd(const Polyline& line, int k) {
  return k + 1 < line.count ? line.points[k + 1] : line.points[0];
}

// Where the edges of a closed polygon cross the row at y: (x, +1) for an edge going down,
// (x, -1) for one going up. Edges are half-open (upper end in, lower end out).
struct RowCrossing {
  double x;
  int direction;
};
void RowCrossings(const CPoint* points, int count, double y, std::vector<RowCrossing>& out);

// Non-zero winding rule with half-open edges: on an axis-parallel rectangle the left and top
// edges are inside and the right and bottom edges outside, as a filled region has them.
bool InsideWinding(const CPoint* points, int count, double x, double y);

// Whether the segment a-b meets the closed rectangle r (r normalised).
bool SegmentMeetsRect(CPoint a, CPoint b, const CRect& r);

inline bool PointInRect(CPoint p, const CRect& r) {
  return p.x >= r.left && p.x <= r.right && p.y >= r.top && p.y <= r.bottom;
}

}  // namespace px
