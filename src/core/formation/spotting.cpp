// Where each slot of a formation stands: along the outline, on a grid inside it, or in rows.
#include <algorithm>
#include <climits>
#include <cmath>
#include <cstdlib>

#include "core/formation/formation.h"
#include "core/formation/geometry.h"
#include "core/model/place.h"
#include "core/util/muldiv.h"

namespace px {
namespace {

constexpr int kDefaultFillGrid = 90;

// Doubles from damaged records must not overflow an integer conversion.
int TruncClamped(double v) {
  if (!(v == v)) return 0;  // NaN
  return Trunc(std::clamp(v, static_cast<double>(INT_MIN), static_cast<double>(INT_MAX)));
}

bool IsPersonKind(int kind) { return kind >= SHAPE_SQUARE && kind <= SHAPE_FLAG; }

}  // namespace

CPoint CFormation::GetSpot(int index, double endAngle, double startAngle, double skew) {
  return GetSpotRotated(index, m_dRotation, skew, endAngle, startAngle);
}

CPoint CFormation::GetSpotRotated(int index, double rotation, double skew, double endAngle, double startAngle) {
  if (m_nShape != SHAPE_ARC || endAngle == 0.0 || startAngle == 0.0) return SpotWith(index, rotation, skew, true);

  // An arc changing its angles: spot on the substitute arc, then put the real one back.
  const double ownStart = m_dArcStart, ownEnd = m_dArcEnd;
  const CPoint ownStartPt = m_ptArcStart, ownEndPt = m_ptArcEnd;
  std::vector<CPoint> outline = m_pOutline;
  std::vector<double> segLen = m_pSegLen, cumLen = m_pCumLen;
  const int outlineCount = m_nOutline;
  const double length = m_dLength;

  m_dArcEnd = endAngle;
  m_dArcStart = startAngle;
  RecalcOutline();
  const CPoint spot = SpotWith(index, rotation, skew, false);

  m_dArcStart = ownStart;
  m_dArcEnd = ownEnd;
  m_ptArcStart = ownStartPt;
  m_ptArcEnd = ownEndPt;
  m_pOutline = std::move(outline);
  m_pSegLen = std::move(segLen);
  m_pCumLen = std::move(cumLen);
  m_nOutline = outlineCount;
  m_dLength = length;
  return spot;
}

CPoint CFormation::SpotWith(int index, double rotation, double skew, bool fillAllowed) {
  if (IsPersonKind(m_nShape)) return POSITION_NONE;
  if (m_nShape == SHAPE_RECTANGLE && m_bBlock) return SpotInBlock(index, rotation, skew);
  if (fillAllowed && m_bFill && m_nShape != SHAPE_LINE) return SpotInFill(index, rotation, skew);
  return SpotAlongPolyline(index, rotation, skew);
}

CPoint CFormation::SpotAlongPolyline(int index, double rotation, double skew) const {
  const Polyline line = SpotPolyline();
  if (line.count == 0) return CPoint{0, 0};
  const int segments = std::min(SegmentCount(line), static_cast<int>(std::min(m_pCumLen.size(), m_pSegLen.size())));
  const double length = m_dLength;
  const int people = m_nPlaces;
  // Too short an outline (or one whose lengths were never computed): all on the first point.
  if (length <= people || segments == 0) return TransformWith(line.points[0], rotation, skew);

  const int n = std::max(people, 1);
  const double i = index;
  double d;
  if (line.closed || n < 2)
    d = i * length / n;
  else
    d = index == n - 1 ? length : i * length / (n - 1);
  if (!m_bSpread) d = std::min(d, i * TruncClamped(m_dInterval));
  d = std::clamp(d, 0.0, length);

  const auto first = m_pCumLen.begin();
  int k = static_cast<int>(std::lower_bound(first, first + segments, d) - first);
  if (k >= segments) k = segments - 1;
  const CPoint p = line.points[k];
  const CPoint q = SegmentEnd(line, k);
  const double s = m_pSegLen[static_cast<size_t>(k)];
  const double e = m_pCumLen[static_cast<size_t>(k)];
  const double f = s < 1.0 ? 1.0 : (s - (e - d)) / s;
  const CPoint spot{p.x + TruncClamped((static_cast<double>(q.x) - p.x) * f),
                    p.y + TruncClamped((static_cast<double>(q.y) - p.y) * f)};
  return TransformWith(spot, rotation, skew);
}

CPoint CFormation::SpotInFill(int index, double rotation, double skew) {
  const Polyline line = SpotPolyline();
  const CRect r = NormalizedRect(SafeRect(m_rcBase));
  int grid = TruncClamped(m_dInterval);
  if (grid <= 0) grid = kDefaultFillGrid;
  const int rows = (r.bottom - r.top) / grid + 1;
  const int columns = (r.right - r.left) / grid + 1;
  const int people = std::min(m_nPlaces, static_cast<int>(m_ppPlaces.size()));
  const CPoint corner{r.left, r.top};

  CPoint result = corner;
  int slot = 0;
  const auto give = [&](CPoint pt) {
    if (CPlace* place = m_ppPlaces[static_cast<size_t>(slot)]) place->m_ptSpot = pt;
    if (slot == index) result = pt;
    ++slot;
  };

  // Row by row, from the top; each row from the left. The crossings of a row are found once
  // and its grid points are classified by walking them in order.
  thread_local std::vector<RowCrossing> crossings;
  for (int row = 0; row < rows && slot < people; ++row) {
    const int y = r.top + row * grid;
    RowCrossings(line.points, line.count, y, crossings);
    if (crossings.empty()) continue;
    std::sort(crossings.begin(), crossings.end(), [](const RowCrossing& a, const RowCrossing& b) { return a.x < b.x; });
    int total = 0;
    for (const RowCrossing& c : crossings) total += c.direction;
    size_t passed = 0;
    int windingLeft = 0;  // directions of the crossings at or left of x
    for (int col = 0; col < columns && slot < people; ++col) {
      const int x = r.left + col * grid;
      while (passed < crossings.size() && crossings[passed].x <= x) windingLeft += crossings[passed++].direction;
      if (total - windingLeft != 0) give(TransformWith(CPoint{x, y}, rotation, skew));
    }
  }
  // Slots left over when the region holds too few grid points share its corner.
  while (slot < people) give(corner);
  return result;
}

CPoint CFormation::SpotInBlock(int index, double rotation, double skew) const {
  const CRect r = SafeRect(m_rcBase);
  const int rows = std::max(m_nRows, 1);
  const int people = m_nPlaces;
  const int width = std::abs(r.right - r.left);
  const double interval = m_dInterval;

  int perRow = m_bSpread ? people / rows : (interval > 0.0 ? TruncClamped(width / interval) : 0);
  if (perRow <= 0) perRow = 1;
  const int i = std::max(index, 0);
  const int row = std::min(i / perRow, rows - 1);
  const int col = i - row * perRow;

  // The last row takes everyone left over.
  int inRow = perRow;
  if (row == rows - 1) {
    const int last = m_bSpread ? (people % rows != 0 ? perRow + people % rows : perRow)
                               : (people - (rows - 1) * perRow != 0 ? people - (rows - 1) * perRow : perRow);
    inRow = last;
  }

  int y;
  if (row == 0)
    y = r.top;
  else if (row == rows - 1)
    y = r.bottom;
  else
    y = r.top + MulDiv(r.bottom - r.top, row, rows - 1);

  const CPoint left{r.left, y};
  CPoint right{r.right, y};
  if (!m_bSpread) {
    const double span = inRow * interval;
    if (span <= width) right.x = TruncClamped(r.left <= r.right ? r.left + span : r.left - span);
  }
  const CPoint a = TransformWith(left, rotation, skew);
  const CPoint b = TransformWith(right, rotation, skew);
  if (inRow <= 1) return a;
  return CPoint{a.x + MulDiv(b.x - a.x, col, inRow - 1), a.y + MulDiv(b.y - a.y, col, inRow - 1)};
}

}  // namespace px
