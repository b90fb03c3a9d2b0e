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

// Whether slots stand on a grid inside the outline rather than along it or in rows.
bool FillsGrid(const CFormation& f) {
  return f.m_bFill && f.m_nShape != SHAPE_LINE && !IsPersonKind(f.m_nShape) && !(f.m_nShape == SHAPE_RECTANGLE && f.m_bBlock);
}

// The first `wanted` grid points inside the region, row by row from the top and each row
// from the left, where a point is inside by the non-zero winding rule of RowCrossings. Only
// rows that edges cross are visited, each row's crossings come from the edges spanning it,
// and its grid points are counted between crossings rather than walked one by one, so the
// work follows the slots and the outline, not the size of the rectangle or of the grid.
// A damaged outline crossing millions of rows stops at a bound no drawn formation nears;
// the slots not reached by then share the corner like those of a region too small.
void FillGrid(const Polyline& line, const CRect& r, int grid, int wanted, std::vector<CPoint>& out) {
  out.clear();
  if (line.count < 3 || wanted <= 0) return;
  struct Edge {
    CPoint a, b;  // as the outline runs, for the same arithmetic as RowCrossings
    int top, bottom;  // rows it crosses: top <= y < bottom
  };
  std::vector<Edge> edges;
  for (int i = 0; i < line.count; ++i) {
    const CPoint a = line.points[i];
    const CPoint b = line.points[i + 1 < line.count ? i + 1 : 0];
    if (a.y != b.y) edges.push_back(Edge{a, b, std::min(a.y, b.y), std::max(a.y, b.y)});
  }
  std::sort(edges.begin(), edges.end(), [](const Edge& e, const Edge& f) { return e.top < f.top; });

  const long long rows = (static_cast<long long>(r.bottom) - r.top) / grid + 1;
  const long long columns = (static_cast<long long>(r.right) - r.left) / grid + 1;
  const auto rowY = [&](long long row) { return r.top + row * grid; };
  const auto columnX = [&](long long col) { return static_cast<double>(r.left + col * grid); };
  // The first row at or below y, and the first column at or right of x.
  const auto rowAtOrBelow = [&](long long y) {
    return y <= r.top ? 0 : std::min(rows, (y - r.top + grid - 1) / grid);
  };
  const auto columnAtOrRight = [&](double x) {
    if (!(x > r.left)) return 0LL;
    long long col = x >= static_cast<double>(r.right) + grid ? columns
                                                             : static_cast<long long>(std::ceil((x - r.left) / grid));
    col = std::clamp(col, 0LL, columns);
    while (col > 0 && columnX(col - 1) >= x) --col;
    while (col < columns && columnX(col) < x) ++col;
    return col;
  };

  // A formation on the field spans at most 393 rows of the finest grid a fill may have (22),
  // so even every edge crossing every row stays within this bound.
  const long long workBound = 512LL * static_cast<long long>(edges.size()) + 4096;
  long long work = 0;
  std::vector<const Edge*> active;
  std::vector<RowCrossing> crossings;
  size_t next = 0;  // the first edge not yet active
  for (long long row = 0; row < rows && static_cast<int>(out.size()) < wanted && work < workBound; ++row) {
    if (active.empty()) {
      if (next == edges.size()) break;
      row = std::max(row, rowAtOrBelow(edges[next].top));
      if (row >= rows) break;
    }
    const long long y = rowY(row);
    while (next < edges.size() && edges[next].top <= y) active.push_back(&edges[next++]);
    std::erase_if(active, [y](const Edge* e) { return e->bottom <= y; });
    if (active.empty()) continue;
    crossings.clear();
    const double dy = static_cast<double>(y);
    for (const Edge* e : active) {
      const CPoint a = e->a, b = e->b;
      const double x = a.x + (dy - a.y) * (static_cast<double>(b.x) - a.x) / (static_cast<double>(b.y) - a.y);
      crossings.push_back(RowCrossing{x, a.y < b.y ? 1 : -1});
    }
    work += static_cast<long long>(crossings.size());
    std::sort(crossings.begin(), crossings.end(), [](const RowCrossing& a, const RowCrossing& b) { return a.x < b.x; });
    int total = 0;
    for (const RowCrossing& c : crossings) total += c.direction;
    // Between crossing k - 1 and crossing k the winding to the left is that of the first k.
    int windingLeft = 0;
    long long from = 0;
    for (size_t k = 0; k <= crossings.size() && static_cast<int>(out.size()) < wanted; ++k) {
      const long long to = k < crossings.size() ? columnAtOrRight(crossings[k].x) : columns;
      if (total - windingLeft != 0)
        for (long long col = from; col < to && static_cast<int>(out.size()) < wanted; ++col)
          out.push_back(CPoint{static_cast<int>(r.left + col * grid), static_cast<int>(y)});
      if (k < crossings.size()) windingLeft += crossings[k].direction;
      from = std::max(from, to);
    }
  }
}

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
  if (fillAllowed && FillsGrid(*this)) return SpotInFill(index, rotation, skew);
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
  thread_local std::vector<CPoint> spots;
  FillSpots(rotation, skew, spots);
  if (index < 0 || index >= static_cast<int>(spots.size())) {
    const CRect r = NormalizedRect(SafeRect(m_rcBase));
    return CPoint{r.left, r.top};
  }
  return spots[static_cast<size_t>(index)];
}

void CFormation::FillSpots(double rotation, double skew, std::vector<CPoint>& spots) {
  const CRect r = NormalizedRect(SafeRect(m_rcBase));
  int grid = TruncClamped(m_dInterval);
  if (grid <= 0) grid = kDefaultFillGrid;
  const int people = std::max(0, std::min(m_nPlaces, static_cast<int>(m_ppPlaces.size())));
  FillGrid(SpotPolyline(), r, grid, people, spots);
  for (CPoint& spot : spots) spot = TransformWith(spot, rotation, skew);
  // Slots left over when the region holds too few grid points share its corner.
  spots.resize(static_cast<size_t>(people), CPoint{r.left, r.top});
  for (size_t slot = 0; slot < spots.size(); ++slot)
    if (CPlace* place = m_ppPlaces[slot]) place->m_ptSpot = spots[slot];
}

std::vector<CPoint> CFormation::GetAllSpots() {
  std::vector<CPoint> spots;
  if (FillsGrid(*this)) {
    FillSpots(m_dRotation, m_dSkew, spots);
    const CRect r = NormalizedRect(SafeRect(m_rcBase));
    spots.resize(static_cast<size_t>(std::max(m_nPlaces, 0)), CPoint{r.left, r.top});
    return spots;
  }
  for (int slot = 0; slot < m_nPlaces; ++slot) spots.push_back(GetSpot(slot, 0.0, 0.0, m_dSkew));
  return spots;
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
