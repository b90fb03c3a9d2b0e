// Outlines of every kind and their segment lengths.
#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "core/formation/ellipse_table.h"
#include "core/formation/formation.h"
#include "core/formation/geometry.h"
#include "core/util/muldiv.h"

namespace px {
namespace {

constexpr int kMaxCurveDegree = 150;
constexpr int kCurveRepeatLimit = 25;  // more vertices than this: each is used once

// Angular distance between two angles of [0, 2pi), the short way round.
double AngleGap(double a, double b) {
  const double d = std::fabs(a - b);
  return std::min(d, FULL_TURN - d);
}

}  // namespace

double CFormation::RecalcOutline() {
  switch (m_nShape) {
    case SHAPE_RECTANGLE: BuildRectOutline(); break;
    case SHAPE_ELLIPSE: BuildEllipseOutline(); break;
    case SHAPE_LINE: BuildLineOutline(); break;
    case SHAPE_ARC: BuildArcOutline(); break;
    case SHAPE_CURVE: BuildCurveOutline(); break;
    default:
      // Polygons are walked on their vertices; people markers have no outline.
      m_pOutline.clear();
      m_nOutline = 0;
      break;
  }
  RecalcSegmentLengths();
  return m_dLength;
}

Polyline CFormation::SpotPolyline() const {
  if (m_nShape == SHAPE_POLYGON || m_nShape == SHAPE_CLOSED_POLYGON) {
    const int count = std::clamp(m_nPoints, 0, static_cast<int>(m_pPoints.size()));
    return Polyline{m_pPoints.data(), count, m_nShape == SHAPE_CLOSED_POLYGON};
  }
  return Polyline{m_pOutline.data(), m_nOutline, IsClosedShape(m_nShape)};
}

void CFormation::RecalcSegmentLengths() {
  const Polyline line = SpotPolyline();
  m_pSegLen.assign(static_cast<size_t>(line.count) + 2, 0.0);
  m_pCumLen.assign(static_cast<size_t>(line.count) + 2, 0.0);
  const int segments = SegmentCount(line);
  double total = 0.0;
  for (int k = 0; k < segments; ++k) {
    const double len = Distance(line.points[k], SegmentEnd(line, k));
    total += len;
    m_pSegLen[static_cast<size_t>(k)] = len;
    m_pCumLen[static_cast<size_t>(k)] = total;
  }
  m_dLength = total;
}

void CFormation::BuildRectOutline() {
  const CRect r = SafeRect(m_rcBase);
  m_pOutline = {{r.left, r.top}, {r.right, r.top}, {r.right, r.bottom}, {r.left, r.bottom}};
  if (m_bReverse) std::reverse(m_pOutline.begin(), m_pOutline.end());
  m_nOutline = 4;
}

void CFormation::BuildLineOutline() {
  const CRect r = SafeRect(m_rcBase);
  m_pOutline = {{r.left, r.top}, {r.right, r.bottom}};
  if (m_bReverse) std::reverse(m_pOutline.begin(), m_pOutline.end());
  m_nOutline = 2;
}

void CFormation::BuildEllipseOutline() {
  const EllipseTable& table = EllipseTableFor(SafeRect(m_rcBase), false);
  m_pOutline.resize(ELLIPSE_OUTLINE_POINTS);
  for (int k = 0; k < ELLIPSE_OUTLINE_POINTS; ++k)
    m_pOutline[static_cast<size_t>(k)] =
        table.entry[static_cast<size_t>(MulDiv(EllipseTable::kUsed, k, ELLIPSE_OUTLINE_POINTS))];
  if (m_bReverse) std::reverse(m_pOutline.begin(), m_pOutline.end());
  m_nOutline = ELLIPSE_OUTLINE_POINTS;
}

void CFormation::BuildArcOutline() {
  const EllipseTable& table = EllipseTableFor(SafeRect(m_rcBase), true);
  double angle[EllipseTable::kUsed];
  for (int e = 0; e < EllipseTable::kUsed; ++e) {
    const CPoint& p = table.entry[static_cast<size_t>(e)];
    angle[e] = NormalizeAngle(std::atan2(static_cast<double>(p.y - table.cy), static_cast<double>(p.x - table.cx)));
  }
  int nearestStart = 0, nearestEnd = 0;
  for (int e = 1; e < EllipseTable::kUsed; ++e) {
    if (AngleGap(angle[e], m_dArcStart) < AngleGap(angle[nearestStart], m_dArcStart)) nearestStart = e;
    if (AngleGap(angle[e], m_dArcEnd) < AngleGap(angle[nearestEnd], m_dArcEnd)) nearestEnd = e;
  }

  m_pOutline.clear();
  if (m_dArcStart <= m_dArcEnd) {
    for (int e = 0; e < EllipseTable::kUsed; ++e)
      if (angle[e] > m_dArcStart && angle[e] < m_dArcEnd) m_pOutline.push_back(table.entry[static_cast<size_t>(e)]);
  } else {
    // The arc runs through angle 0.
    for (int e = 0; e < EllipseTable::kUsed; ++e)
      if (angle[e] >= m_dArcStart) m_pOutline.push_back(table.entry[static_cast<size_t>(e)]);
    for (int e = 0; e < EllipseTable::kUsed; ++e)
      if (angle[e] <= m_dArcEnd) m_pOutline.push_back(table.entry[static_cast<size_t>(e)]);
  }

  const CPoint startEntry = table.entry[static_cast<size_t>(nearestStart)];
  const CPoint endEntry = table.entry[static_cast<size_t>(nearestEnd)];
  if (m_ptArcStart.x == POSITION_NONE_VALUE || m_ptArcEnd.x == POSITION_NONE_VALUE) {
    m_ptArcStart = startEntry;
    m_ptArcEnd = endEntry;
  } else if (!m_pOutline.empty()) {
    // An end point left far behind by a change of the rectangle snaps back onto the ellipse.
    if (Distance(m_ptArcStart, m_pOutline.front()) >= ARC_SNAP_DISTANCE) m_ptArcStart = startEntry;
    if (Distance(m_ptArcEnd, m_pOutline.back()) >= ARC_SNAP_DISTANCE) m_ptArcEnd = endEntry;
  }
  // An end point close to its end of the arc becomes that end exactly. Doing this also for
  // end points just set makes the outline the same on every rebuild, so an arc's people do
  // not move when an unchanged arc is rebuilt (after loading, for one).
  if (!m_pOutline.empty()) {
    if (Distance(m_ptArcStart, m_pOutline.front()) < ARC_SNAP_DISTANCE) m_pOutline.front() = m_ptArcStart;
    if (Distance(m_ptArcEnd, m_pOutline.back()) < ARC_SNAP_DISTANCE) m_pOutline.back() = m_ptArcEnd;
  }
  // An arc too short to hold a table entry still runs between its two end points, so its
  // people stand on it rather than in the corner of the field.
  if (m_pOutline.empty()) m_pOutline = {m_ptArcStart, m_ptArcEnd};
  if (m_bReverse) std::reverse(m_pOutline.begin(), m_pOutline.end());
  m_nOutline = static_cast<int>(m_pOutline.size());
}

void CFormation::BuildCurveOutline() {
  const int vertices = std::clamp(m_nPoints, 0, static_cast<int>(m_pPoints.size()));
  m_pOutline.clear();
  m_nOutline = 0;
  if (vertices == 0) return;

  const int repeat = vertices > kCurveRepeatLimit ? 1 : std::clamp(m_nCurveRepeat, 1, kMaxCurveDegree + 1);
  const int n = std::min(vertices * repeat - 1, kMaxCurveDegree);
  // Control point i is vertex i / repeat.
  std::vector<double> coeff(static_cast<size_t>(n) + 1);
  for (int i = 0; i <= n; ++i) {
    double num = 1.0, den = 1.0;
    for (int f = n; f > i; --f) num *= f;
    for (int f = 2; f <= n - i; ++f) den *= f;
    coeff[static_cast<size_t>(i)] = num / den;
  }
  m_pOutline.resize(CURVE_OUTLINE_POINTS);
  for (int j = 0; j < CURVE_OUTLINE_POINTS; ++j) {
    const double t = j * 0.016666666666666666;
    double sx = 0.0, sy = 0.0;
    for (int i = 0; i <= n; ++i) {
      const double w = coeff[static_cast<size_t>(i)] * std::pow(t, i) * std::pow(1.0 - t, n - i);
      const CPoint& c = m_pPoints[static_cast<size_t>(i / repeat)];
      sx += w * ClampCoord(c.x);
      sy += w * ClampCoord(c.y);
    }
    m_pOutline[static_cast<size_t>(j)] = CPoint{Trunc(sx), Trunc(sy)};
  }
  m_nOutline = CURVE_OUTLINE_POINTS;
}

}  // namespace px
