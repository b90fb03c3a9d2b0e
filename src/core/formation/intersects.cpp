// Whether a formation meets a rectangle (pointer hits and rubber bands), and its area.
#include <cmath>

#include "core/model/show_context.h"
#include "core/formation/formation.h"
#include "core/formation/geometry.h"

namespace px {
namespace {

constexpr int kDefaultHandleSize = 36;

// An open outline is a thin line: a pointer counts as on it within half a handle.
int HitTolerance(const CFormation& f) {
  return (f.m_pDocument ? f.m_pDocument->m_nShapeHandleSize : kDefaultHandleSize) / 2;
}

CRect Inflate(const CRect& r, int by) { return CRect{r.left - by, r.top - by, r.right + by, r.bottom + by}; }

bool RectsMeet(const CRect& a, const CRect& b) {
  return a.left <= b.right && b.left <= a.right && a.top <= b.bottom && b.top <= a.bottom;
}

// Closed outlines are regions (winding rule); open ones are lines with a tolerance.
bool PolylineIntersects(const Polyline& line, const CRect& rect, bool whollyInside, int tolerance) {
  if (line.count == 0) return false;
  if (whollyInside) {
    for (int i = 0; i < line.count; ++i)
      if (!PointInRect(line.points[i], rect)) return false;
    return true;
  }
  const CRect band = line.closed ? rect : Inflate(rect, tolerance);
  if (line.count == 1) return PointInRect(line.points[0], band);
  const int segments = SegmentCount(line);
  for (int k = 0; k < segments; ++k)
    if (SegmentMeetsRect(line.points[k], SegmentEnd(line, k), band)) return true;
  // A rectangle wholly inside a closed outline touches none of its edges.
  return line.closed && InsideWinding(line.points, line.count, rect.left + (rect.right - rect.left) / 2.0,
                                      rect.top + (rect.bottom - rect.top) / 2.0);
}

}  // namespace

bool CFormation::Intersects(const CRect&, bool) const { return false; }

bool CDrawRect::Intersects(const CRect& rect, bool whollyInside) const {
  const CRect r = NormalizedRect(rect);
  const Polyline line = SpotPolyline();
  if (line.count == 0) {
    // People markers and shapes without an outline: their rectangle.
    const CRect box = NormalizedRect(m_rcBase);
    if (whollyInside) return PointInRect({box.left, box.top}, r) && PointInRect({box.right, box.bottom}, r);
    return RectsMeet(box, r);
  }
  return PolylineIntersects(line, r, whollyInside, HitTolerance(*this));
}

bool CDrawPoly::Intersects(const CRect& rect, bool whollyInside) const {
  return PolylineIntersects(SpotPolyline(), NormalizedRect(rect), whollyInside, HitTolerance(*this));
}

double CFormation::GetArea() const {
  const CRect r = NormalizedRect(SafeRect(m_rcBase));
  return std::fabs(static_cast<double>(r.Width()) - 2.0) * std::fabs(static_cast<double>(r.Height()) - 2.0);
}

double CDrawPoly::GetArea() const {
  // The area enclosed by the walked polyline (shoelace formula, closing it implicitly), so
  // a thin polygon inside a large one is found first.
  const Polyline line = SpotPolyline();
  double twice = 0.0;
  for (int i = 0; i < line.count; ++i) {
    const CPoint a = ClampPoint(line.points[i]);
    const CPoint b = ClampPoint(line.points[i + 1 < line.count ? i + 1 : 0]);
    twice += static_cast<double>(a.x) * b.y - static_cast<double>(b.x) * a.y;
  }
  return std::fabs(twice) / 2.0;
}

}  // namespace px
