// Handles of the defining rectangle and of the vertices, and hit testing on them.
#include <cstdlib>

#include "core/model/show_context.h"
#include "core/formation/formation.h"
#include "core/formation/geometry.h"

namespace px {
namespace {

constexpr int kDefaultHandleSize = 36;
constexpr int kHandleCursor = 126;

int Mid(int a, int b) { return a + (b - a) / 2; }

}  // namespace

CPoint CFormation::BaseHandle(int n) const {
  const CRect& r = m_rcBase;
  if (m_nShape == SHAPE_ARC) {
    // An arc is resized by its corners and reshaped by its two end points.
    if (n == 2 || n == 6) return CPoint{0, 0};
    if (n == 4) return m_ptArcStart;
    if (n == 8) return m_ptArcEnd;
  }
  switch (n) {
    case 1: return {r.left, r.top};
    case 2: return {Mid(r.left, r.right), r.top};
    case 3: return {r.right, r.top};
    case 4: return {r.right, Mid(r.top, r.bottom)};
    case 5: return {r.right, r.bottom};
    case 6: return {Mid(r.left, r.right), r.bottom};
    case 7: return {r.left, r.bottom};
    case 8: return {r.left, Mid(r.top, r.bottom)};
    default: return {r.left, r.top};
  }
}

int CFormation::GetHandleCount() const { return 8; }

int CFormation::GetHandleCursor(int) const { return kHandleCursor; }

CPoint CFormation::GetHandle(int n) const { return Transform(BaseHandle(n)); }

int CDrawRect::GetHandleCount() const { return m_nShape == SHAPE_LINE ? 2 : 8; }

CPoint CDrawRect::GetHandle(int n) const {
  // A line has two handles, its end points: the second is the rectangle's corner 5.
  if (m_nShape == SHAPE_LINE && n == 2) n = 5;
  return CFormation::GetHandle(n);
}

int CDrawPoly::GetHandleCount() const { return 8 + std::max(m_nPoints, 0); }

CPoint CDrawPoly::GetHandle(int n) const {
  const int vertex = n - 9;
  if (vertex >= 0 && vertex < m_nPoints && vertex < static_cast<int>(m_pPoints.size()))
    return Transform(m_pPoints[static_cast<size_t>(vertex)]);
  return CFormation::GetHandle(n);
}

int CFormation::HitTest(CPoint point, bool selected) const {
  if (!selected) {
    // Inside the defining rectangle; left and top edges count, right and bottom do not.
    const CRect r = NormalizedRect(m_rcBase);
    return point.x >= r.left && point.x < r.right && point.y >= r.top && point.y < r.bottom ? 1 : 0;
  }
  if (m_bPoint) return 0;
  const int shapeSize = m_pDocument ? m_pDocument->m_nShapeHandleSize : kDefaultHandleSize;
  const int controlSize = m_pDocument ? m_pDocument->m_nControlHandleSize : kDefaultHandleSize;
  const auto within = [&](int n, int half) {
    const CPoint h = GetHandle(n);
    return std::abs(static_cast<long long>(point.x) - h.x) <= half &&
           std::abs(static_cast<long long>(point.y) - h.y) <= half;
  };
  const int count = GetHandleCount();
  for (int n = 9; n <= count; ++n)
    if (within(n, controlSize)) return n;
  for (int n = 1; n <= std::min(count, 8); ++n)
    if (within(n, shapeSize)) return n;
  return 0;
}

}  // namespace px
