// Moving, resizing, flipping and re-pivoting one formation.
#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "core/formation/formation.h"
#include "core/formation/formation_view.h"
#include "core/formation/geometry.h"
#include "core/model/show_context.h"
#include "core/util/muldiv.h"

namespace px {
namespace {

void Shift(CPoint& p, int dx, int dy) {
  p.x += dx;
  p.y += dy;
}

// One coordinate of a vertex carried from [from0, from1] into [to0, to1]: offsets from the
// first edge scale by the ratio of the sizes; the far edge snaps to the new far edge.
int Rescale(int v, int from0, int from1, int to0, int to1) {
  const long long oldSize = static_cast<long long>(from1) - from0;
  const long long offset = static_cast<long long>(v) - from0;
  if (oldSize == 0) return static_cast<int>(std::clamp<long long>(v + (static_cast<long long>(to0) - from0), -COORD_LIMIT, COORD_LIMIT));
  if (offset == 0) return to0;
  if (std::llabs(offset) >= std::llabs(oldSize) - 1) return to1;
  const double scaled = static_cast<double>(offset) * (static_cast<double>(to1) - to0) / static_cast<double>(oldSize);
  return to0 + Trunc(scaled);
}

// Rotation of a field offset back into the formation's frame, rounded as the transform does.
int RoundRotated(double v) {
  if (std::fmod(v, 1.0) >= 0.5) v += 1.0;
  return Trunc(v);
}

}  // namespace

void CFormation::MoveTo(const CRect& rect, FormationView* view, bool checkBounds, bool arcReshape, bool movePivot) {
  CRect target = SafeRect(rect);
  if (checkBounds) {
    if (m_dRotation == 0.0 && m_dSkew == 0.0) {
      if (!IsInsideField(target)) target = ClampToField(target);
    } else if (IsInsideField() && !IsInsideField(target)) {
      return;
    }
  }
  if (target == m_rcBase && !(m_nShape == SHAPE_ARC && arcReshape)) return;

  Redraw(view);
  const int dx = target.left - m_rcBase.left;
  const int dy = target.top - m_rcBase.top;
  // The people standing on it travel along.
  if (m_pDocument && m_pDocument->m_bSticky) m_pDocument->ShiftPeopleOn(*this, dx, dy);
  for (CPoint& p : m_pOutline) Shift(p, dx, dy);
  MoveVertices(m_rcBase, target);
  if (m_ptArcStart.x != POSITION_NONE_VALUE) Shift(m_ptArcStart, dx, dy);
  if (m_ptArcEnd.x != POSITION_NONE_VALUE) Shift(m_ptArcEnd, dx, dy);
  if (movePivot) {
    Shift(m_ptPivot, dx, dy);
    if (m_dRotation == 0.0) {
      m_ptPivot.x = std::clamp(m_ptPivot.x, 0, FIELD_EXTENT);
      m_ptPivot.y = std::clamp(m_ptPivot.y, 0, FIELD_EXTENT);
    }
    m_ptPivotSaved = m_ptPivot;
  }
  m_rcBase = target;
  RecalcOutline();
  InvalidatePeople();
  Redraw(view);
  MarkModified();
}

void CFormation::MoveVertices(const CRect&, const CRect&) {}

void CDrawPoly::MoveVertices(const CRect& from, const CRect& to) {
  const int count = std::min(m_nPoints, static_cast<int>(m_pPoints.size()));
  for (int i = 0; i < count; ++i) {
    CPoint& v = m_pPoints[static_cast<size_t>(i)];
    v = ClampPoint(v);
    v.x = Rescale(v.x, from.left, from.right, to.left, to.right);
    v.y = Rescale(v.y, from.top, from.bottom, to.top, to.bottom);
  }
}

void CFormation::MoveHandleTo(int handle, CPoint point, FormationView* view, bool keepSquare) {
  CRect r = m_rcBase;
  const int x = point.x, y = point.y;
  const bool arc = m_nShape == SHAPE_ARC;
  // The new edge lies on the side of the pointer, `size` away from the fixed edge.
  const auto toward = [](int fixed, int pointer, int size) { return pointer <= fixed ? fixed - size : fixed + size; };
  const auto clearArcPoints = [this] { m_ptArcStart.x = m_ptArcEnd.x = POSITION_NONE_VALUE; };
  const auto arcAngle = [&] {
    const double cx = r.left + (r.right - r.left) / 2;
    const double cy = r.top + (r.bottom - r.top) / 2;
    return NormalizeAngle(std::atan2(y - cy, x - cx));
  };
  switch (handle) {
    case 1:
      r.left = x;
      r.top = keepSquare ? toward(r.bottom, y, std::abs(r.right - x)) : y;
      clearArcPoints();
      break;
    case 2:
      if (!arc) r.top = y;
      break;
    case 3:
      r.right = x;
      r.top = keepSquare ? toward(r.bottom, y, std::abs(x - r.left)) : y;
      clearArcPoints();
      break;
    case 4:
      if (arc) {
        m_dArcStart = arcAngle();
        m_ptArcStart = point;
      } else {
        r.right = x;
      }
      break;
    case 5:
      r.right = x;
      r.bottom = keepSquare ? toward(r.top, y, std::abs(x - r.left)) : y;
      clearArcPoints();
      break;
    case 6:
      if (!arc) r.bottom = y;
      break;
    case 7:
      r.left = x;
      r.bottom = keepSquare ? toward(r.top, y, std::abs(r.right - x)) : y;
      clearArcPoints();
      break;
    case 8:
      if (arc) {
        m_dArcEnd = arcAngle();
        m_ptArcEnd = point;
      } else {
        r.left = x;
      }
      break;
    default:
      return;
  }
  MoveTo(r, view, false, arc, false);
  RecalcOutline();
  if (m_pDocument && m_pDocument->m_bSticky)
    RefreshPeople();
  else
    InvalidatePeople();
}

void CDrawRect::MoveHandleTo(int handle, CPoint point, FormationView* view, bool keepSquare) {
  if (m_nShape == SHAPE_LINE && handle == 2) handle = 5;
  CFormation::MoveHandleTo(handle, point, view, keepSquare);
}

void CDrawPoly::MoveHandleTo(int handle, CPoint point, FormationView* view, bool keepSquare) {
  const int vertex = handle - 9;
  if (vertex < 0) {
    CFormation::MoveHandleTo(handle, point, view, keepSquare);
    return;
  }
  if (vertex >= std::min(m_nPoints, static_cast<int>(m_pPoints.size()))) return;
  Redraw(view);
  m_pPoints[static_cast<size_t>(vertex)] = ClampPoint(point);
  RecalcBounds(view);
  RecalcOutline();
  if (m_pDocument && m_pDocument->m_bSticky)
    RefreshPeople();
  else
    InvalidatePeople();
  Redraw(view);
  MarkModified();
}

void CFormation::ShiftBy(int dx, int dy, FormationView* view) {
  // With the pivot fixed, a field shift is the rotated-back shift in the formation's frame.
  // The shear is measured from the rectangle's own left edge, so it moves along unchanged.
  int ux = dx, uy = dy;
  if (m_dRotation != 0.0) {
    const double c = std::cos(-m_dRotation), s = std::sin(-m_dRotation);
    ux = RoundRotated(c * dx - s * dy);
    uy = RoundRotated(s * dx + c * dy);
  }
  const CRect r = m_rcBase;
  MoveTo(CRect{r.left + ux, r.top + uy, r.right + ux, r.bottom + uy}, view, false, false, false);
  RefreshPeople();
}

void CFormation::Flip(int x, int y, int mode, FormationView* view) {
  Redraw(view);
  const auto mirror = [](int v, int about) { return ClampCoord(2 * ClampCoord(about) - ClampCoord(v)); };
  const bool flipX = mode == 0 || mode == 2;
  const bool flipY = mode == 1 || mode == 2;
  if (flipX) {
    m_rcBase.left = mirror(m_rcBase.left, x);
    m_rcBase.right = mirror(m_rcBase.right, x);
    m_ptPivot.x = mirror(m_ptPivot.x, x);
    if (m_ptArcStart.x != POSITION_NONE_VALUE) m_ptArcStart.x = mirror(m_ptArcStart.x, x);
    if (m_ptArcEnd.x != POSITION_NONE_VALUE) m_ptArcEnd.x = mirror(m_ptArcEnd.x, x);
    if (m_dRotation != 0.0) m_dRotation = NormalizeAngle(FULL_TURN - m_dRotation);
  }
  if (flipY) {
    m_rcBase.top = mirror(m_rcBase.top, y);
    m_rcBase.bottom = mirror(m_rcBase.bottom, y);
    m_ptPivot.y = mirror(m_ptPivot.y, y);
    if (m_ptArcStart.x != POSITION_NONE_VALUE) m_ptArcStart.y = mirror(m_ptArcStart.y, y);
    if (m_ptArcEnd.x != POSITION_NONE_VALUE) m_ptArcEnd.y = mirror(m_ptArcEnd.y, y);
    if (m_dRotation != 0.0) m_dRotation = NormalizeAngle(FULL_TURN - m_dRotation);
    m_dSkew = -m_dSkew;
  }
  FlipVertices(x, y, mode);
  m_ptPivotSaved = m_ptPivot;

  if (m_nShape == SHAPE_ARC) {
    // A mirrored arc runs the other way: its angles swap ends, and so do its end points.
    const auto mirrorAngles = [this](double turn) {
      const double start = m_dArcStart;
      m_dArcStart = NormalizeAngle(turn - m_dArcEnd);
      m_dArcEnd = NormalizeAngle(turn - start);
      std::swap(m_ptArcStart, m_ptArcEnd);
      m_bReverse = !m_bReverse;
    };
    if (flipX) mirrorAngles(PI);
    if (flipY) mirrorAngles(FULL_TURN);
  }
  // The rectangle keeps its mirrored edges (a polygon's is not rebuilt from the vertices):
  // the skew is measured from its left edge, which must be the mirrored one.
  RecalcOutline();
  InvalidatePeople();
  Redraw(view);
  MarkModified();
}

void CFormation::FlipVertices(int, int, int) {}

void CFormation::FlipInPlace(bool horizontal, FormationView* view) {
  CRect r = m_rcBase;
  if (horizontal)
    std::swap(r.left, r.right);
  else
    std::swap(r.top, r.bottom);
  MoveTo(r, view, false, false, false);
  RecalcBounds(view);
  RecalcOutline();
  RefreshPeople();
}

void CDrawPoly::FlipVertices(int x, int y, int mode) {
  const int count = std::min(m_nPoints, static_cast<int>(m_pPoints.size()));
  for (int i = 0; i < count; ++i) {
    CPoint& v = m_pPoints[static_cast<size_t>(i)];
    if (mode == 0 || mode == 2) v.x = ClampCoord(2 * ClampCoord(x) - ClampCoord(v.x));
    if (mode == 1 || mode == 2) v.y = ClampCoord(2 * ClampCoord(y) - ClampCoord(v.y));
  }
}

void CFormation::SetPivot(int x, int y, FormationView* view) {
  const CPoint pivot = ClampPoint(CPoint{x, y});
  if (m_dRotation == 0.0 && m_dSkew == 0.0) {
    m_ptPivot = m_ptPivotSaved = pivot;
    Redraw(view);
    return;
  }
  // Keep the drawn shape where it is: the top-left corner, which the shear never moves,
  // goes to the field and back with the new pivot, and the rectangle keeps its size.
  const CPoint field = Transform(CPoint{m_rcBase.left, m_rcBase.top});
  m_ptPivot = m_ptPivotSaved = pivot;
  CPoint corner = field;
  if (m_dRotation != 0.0) {
    const double c = std::cos(-m_dRotation), s = std::sin(-m_dRotation);
    const double dx = static_cast<double>(field.x) - pivot.x, dy = static_cast<double>(field.y) - pivot.y;
    corner = CPoint{pivot.x + RoundRotated(c * dx - s * dy), pivot.y + RoundRotated(s * dx + c * dy)};
  }
  const CRect r = m_rcBase;
  MoveTo(CRect{corner.x, corner.y, corner.x + (r.right - r.left), corner.y + (r.bottom - r.top)}, view, false, false,
         false);
  RefreshPeople();
  Redraw(view);
}

void CFormation::CenterPivot(FormationView* view) {
  const CRect& r = m_rcBase;
  const CPoint centre = Transform(CPoint{r.left + (r.right - r.left) / 2, r.top + (r.bottom - r.top) / 2});
  SetPivot(centre.x, centre.y, view);
  RefreshPeople();
}

void CFormation::CornerPivot(FormationView* view) {
  const CPoint corner = Transform(CPoint{m_rcBase.left, m_rcBase.top});
  SetPivot(corner.x, corner.y, view);
  RefreshPeople();
}

void CFormation::Reverse() {
  m_bReverse = !m_bReverse;
  const int count = std::min(m_nPoints, static_cast<int>(m_pPoints.size()));
  std::reverse(m_pPoints.begin(), m_pPoints.begin() + count);
  RecalcOutline();
  InvalidatePeople();
}

void CFormation::StraightenLine(bool vertical, FormationView* view) {
  if (m_nShape != SHAPE_LINE) return;
  CornerPivot(view);
  const CPoint first = Transform(CPoint{m_rcBase.left, m_rcBase.top});
  const CPoint second = Transform(CPoint{m_rcBase.right, m_rcBase.bottom});
  const int length = static_cast<int>(std::lround(std::hypot(static_cast<double>(second.x) - first.x,
                                                             static_cast<double>(second.y) - first.y)));
  // A skew would tilt a horizontal line again, so it goes with the rotation.
  m_dRotation = 0.0;
  m_dSkew = 0.0;
  CRect r{first.x, first.y, first.x, first.y};
  if (vertical)
    r.bottom = second.y >= first.y ? first.y + length : first.y - length;
  else
    r.right = second.x >= first.x ? first.x + length : first.x - length;
  MoveTo(r, view, true, false, false);
  RecalcOutline();
  RefreshPeople();
  MarkModified();
}

void CFormation::RecalcBounds(FormationView*) {}

void CDrawPoly::RecalcBounds(FormationView* view) {
  const int count = std::min(m_nPoints, static_cast<int>(m_pPoints.size()));
  if (count == 0) return;
  CRect box{m_pPoints[0].x, m_pPoints[0].y, m_pPoints[0].x, m_pPoints[0].y};
  for (int i = 1; i < count; ++i) {
    const CPoint& p = m_pPoints[static_cast<size_t>(i)];
    box.left = std::min(box.left, p.x);
    box.top = std::min(box.top, p.y);
    box.right = std::max(box.right, p.x);
    box.bottom = std::max(box.bottom, p.y);
  }
  if (box == m_rcBase) return;
  Redraw(view);
  m_rcBase = box;
  Redraw(view);
}

bool CDrawPoly::ThinPoints(FormationView* view) {
  const int count = std::min(m_nPoints, static_cast<int>(m_pPoints.size()));
  if (count < 3) return false;
  int kept = 0;
  for (int i = 0; i < count; i += 2) m_pPoints[static_cast<size_t>(kept++)] = m_pPoints[static_cast<size_t>(i)];
  m_nPoints = kept;
  AfterVertexEdit(view);
  return true;
}

bool CDrawPoly::DoublePoints(FormationView* view) {
  constexpr int kMaxVertices = 150;
  constexpr int kAllocBlock = 10;
  const int count = std::min(m_nPoints, static_cast<int>(m_pPoints.size()));
  if (count >= kMaxVertices || count < 2) return false;
  std::vector<CPoint> doubled;
  doubled.reserve(static_cast<size_t>(2 * count - 1));
  for (int i = 0; i < count; ++i) {
    const CPoint a = ClampPoint(m_pPoints[static_cast<size_t>(i)]);
    doubled.push_back(a);
    if (i + 1 < count) {
      const CPoint b = ClampPoint(m_pPoints[static_cast<size_t>(i + 1)]);
      doubled.push_back(CPoint{a.x + (b.x - a.x) / 2, a.y + (b.y - a.y) / 2});
    }
  }
  const int needed = static_cast<int>(doubled.size());
  while (m_nAllocPoints < needed) m_nAllocPoints += kAllocBlock;
  doubled.resize(static_cast<size_t>(m_nAllocPoints));
  m_pPoints = std::move(doubled);
  m_nPoints = needed;
  AfterVertexEdit(view);
  return true;
}

void CDrawPoly::AfterVertexEdit(FormationView* view) {
  Redraw(view);
  RecalcOutline();
  RecalcBounds(view);
  if (m_bScaleToFit || m_bScaleToInterval) ScaleToPeople(view, m_bScaleToInterval != 0);
  MarkModified();
  RefreshPeople();
  Redraw(view);
}

}  // namespace px
