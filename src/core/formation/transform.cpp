// The formation transform (skew, then rotation about the pivot) and the field tests built on it.
#include <algorithm>
#include <climits>
#include <cmath>
#include <cstdlib>

#include "core/formation/formation.h"
#include "core/formation/geometry.h"
#include "core/util/muldiv.h"

namespace px {
namespace {

// Rotated coordinates: a positive value rounds half up, a negative one is truncated
// (fmod keeps the sign of its argument, so negatives never reach the +1).
int RoundRotated(double v) {
  if (std::fmod(v, 1.0) >= 0.5) v += 1.0;
  return Trunc(std::clamp(v, static_cast<double>(INT_MIN), static_cast<double>(INT_MAX)));
}

int Shear(int y, int x, int left, double skew) {
  const double v = y + std::fabs(static_cast<double>(x) - left) * skew;
  return Trunc(std::clamp(v, static_cast<double>(INT_MIN), static_cast<double>(INT_MAX)));
}

CPoint Rotate(CPoint pt, CPoint pivot, double angle) {
  const double dx = static_cast<double>(pt.x) - pivot.x;
  const double dy = static_cast<double>(pt.y) - pivot.y;
  const double c = std::cos(angle), s = std::sin(angle);
  return CPoint{ClampCoord(pivot.x) + RoundRotated(c * dx - s * dy), ClampCoord(pivot.y) + RoundRotated(s * dx + c * dy)};
}

}  // namespace

CPoint CFormation::TransformWith(CPoint pt, double rotation, double skew) const {
  if (rotation == 0.0 && skew == 0.0) return pt;
  pt = ClampPoint(pt);
  if (skew != 0.0) pt.y = ClampCoord(Shear(pt.y, pt.x, ClampCoord(m_rcBase.left), skew));
  if (rotation != 0.0) pt = Rotate(pt, ClampPoint(m_ptPivot), rotation);
  return pt;
}

CPoint CFormation::InverseTransform(CPoint pt) const {
  if (m_dRotation == 0.0 && m_dSkew == 0.0) return pt;
  pt = ClampPoint(pt);
  if (m_dRotation != 0.0) pt = ClampPoint(Rotate(pt, ClampPoint(m_ptPivot), -m_dRotation));
  if (m_dSkew != 0.0) pt.y = ClampCoord(Shear(pt.y, pt.x, ClampCoord(m_rcBase.left), -m_dSkew));
  return pt;
}

namespace {

// The shape's own points: outline, else vertices, else the corners of `rect`.
std::vector<CPoint> OwnPoints(const CFormation& f, const CRect& rect) {
  if (f.m_nOutline > 0) return std::vector<CPoint>(f.m_pOutline.begin(), f.m_pOutline.begin() + f.m_nOutline);
  const int vertices = std::clamp(f.m_nPoints, 0, static_cast<int>(f.m_pPoints.size()));
  if (vertices > 0) return std::vector<CPoint>(f.m_pPoints.begin(), f.m_pPoints.begin() + vertices);
  return {{rect.left, rect.top}, {rect.right, rect.top}, {rect.right, rect.bottom}, {rect.left, rect.bottom}};
}

bool OnField(CPoint p) { return p.x >= 0 && p.x <= FIELD_EXTENT && p.y >= 0 && p.y <= FIELD_EXTENT; }

}  // namespace

std::vector<CPoint> CFormation::FieldPoints() const {
  std::vector<CPoint> points = OwnPoints(*this, m_rcBase);
  for (CPoint& p : points) p = Transform(p);
  return points;
}

CRect CFormation::FieldBounds() const {
  CRect bounds{INT_MAX, INT_MAX, INT_MIN, INT_MIN};
  for (const CPoint& p : FieldPoints()) {
    bounds.left = std::min(bounds.left, p.x);
    bounds.top = std::min(bounds.top, p.y);
    bounds.right = std::max(bounds.right, p.x);
    bounds.bottom = std::max(bounds.bottom, p.y);
  }
  return bounds;
}

bool CFormation::IsInsideField(const CRect& rect) const {
  // The shape is carried into the candidate rectangle (moved, and scaled when the size
  // differs) and its pivot moves along, as a dragged formation's does.
  const CRect from = SafeRect(m_rcBase);
  const CRect to = SafeRect(rect);
  const double sx = from.Width() != 0 ? static_cast<double>(to.Width()) / from.Width() : 1.0;
  const double sy = from.Height() != 0 ? static_cast<double>(to.Height()) / from.Height() : 1.0;
  const CPoint pivot{ClampCoord(m_ptPivot.x) + to.left - from.left, ClampCoord(m_ptPivot.y) + to.top - from.top};
  const double c = std::cos(m_dRotation), s = std::sin(m_dRotation);
  for (CPoint p : OwnPoints(*this, m_rcBase)) {
    p = ClampPoint(p);
    const int x = to.left + Trunc((p.x - from.left) * sx);
    int y = to.top + Trunc((p.y - from.top) * sy);
    CPoint q{x, y};
    if (m_dSkew != 0.0) q.y = Shear(q.y, q.x, to.left, m_dSkew);
    if (m_dRotation != 0.0) {
      const double dx = static_cast<double>(q.x) - pivot.x, dy = static_cast<double>(q.y) - pivot.y;
      q = CPoint{pivot.x + RoundRotated(c * dx - s * dy), pivot.y + RoundRotated(s * dx + c * dy)};
    }
    if (!OnField(q)) return false;
  }
  return true;
}

}  // namespace px
