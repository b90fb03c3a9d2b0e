// Conversion of a formation into another kind, including regular polygons and stars.
#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "core/formation/formation.h"
#include "core/formation/geometry.h"
#include "core/formation/regular_polygon.h"
#include "core/model/show_context.h"
#include "core/util/muldiv.h"

namespace px {

std::vector<CPoint> RegularPolygon(const CRect& rect, int sides, double starFactor) {
  const CRect r = SafeRect(rect);
  const int cx = r.left + (r.right - r.left) / 2;
  const int cy = r.top + (r.bottom - r.top) / 2;
  const int radius = std::max(std::abs((r.right - r.left) / 2), std::abs((r.bottom - r.top) / 2));
  if (sides <= 0) return {};
  const bool star = starFactor > 0.0;
  const int n = star ? 2 * sides : sides;
  const int inner = star ? Trunc(std::min(radius * starFactor, static_cast<double>(COORD_LIMIT))) : radius;
  std::vector<CPoint> points(static_cast<size_t>(n));
  points[0] = CPoint{cx + radius, cy};
  for (int k = 1; k < n; ++k) {
    const double angle = FULL_TURN * k / n;
    const double rk = star && k % 2 == 1 ? inner : radius;
    points[static_cast<size_t>(k)] = CPoint{Trunc(cx + rk * std::cos(angle)), Trunc(cy + rk * std::sin(angle))};
  }
  return points;
}

namespace {

constexpr int kMinPolyExtent = 72;  // narrower or lower rectangles are inflated by this much

bool IsRectKind(int kind) {
  return kind == SHAPE_RECTANGLE || kind == SHAPE_ELLIPSE || kind == SHAPE_LINE || kind == SHAPE_ARC;
}

}  // namespace

CFormation* CFormation::ConvertTo(int kind, ShowContext& document, bool movePeople, int sides, double starFactor) {
  if (kind == m_nShape && sides <= 0) return this;
  std::unique_ptr<CFormation> made;
  if (IsRectKind(kind)) {
    made = std::make_unique<CDrawRect>();
    CopySettingsTo(*made);
  } else if (IsVertexShape(kind)) {
    auto poly = std::make_unique<CDrawPoly>();
    CopySettingsTo(*poly);
    poly->m_bPoint = 0;
    CRect rect = NormalizedRect(SafeRect(m_rcBase));
    if (rect.Width() < kMinPolyExtent || rect.Height() < kMinPolyExtent)
      rect = CRect{rect.left - kMinPolyExtent, rect.top - kMinPolyExtent, rect.right + kMinPolyExtent,
                   rect.bottom + kMinPolyExtent};
    poly->m_rcBase = rect;

    std::vector<CPoint> vertices;
    const bool fromOutline = m_nShape == SHAPE_ELLIPSE || m_nShape == SHAPE_ARC || m_nShape == SHAPE_CURVE;
    if (sides > 0) {
      vertices = RegularPolygon(rect, sides, starFactor);
    } else if (m_nShape == SHAPE_POLYGON || m_nShape == SHAPE_CLOSED_POLYGON) {
      vertices.assign(m_pPoints.begin(), m_pPoints.begin() + std::clamp(m_nPoints, 0, static_cast<int>(m_pPoints.size())));
    } else if (m_nOutline > 0) {
      // Ellipse, arc and curve outlines; the corners of a rectangle; the ends of a line.
      vertices.assign(m_pOutline.begin(), m_pOutline.begin() + m_nOutline);
    } else {
      const CRect& b = m_rcBase;
      vertices = {{b.left, b.top}, {b.right, b.top}, {b.right, b.bottom}, {b.left, b.bottom}};
    }
    if (fromOutline && sides <= 0) {
      std::vector<CPoint> kept;
      for (size_t i = 0; i < vertices.size(); i += 2) kept.push_back(vertices[i]);
      vertices = std::move(kept);
      document.SetModifiedFlag();
    }
    poly->SetPoints(vertices);
    made = std::move(poly);
  } else {
    return this;
  }
  made->m_nShape = kind;

  // The converted formation stands at the same step as this one.
  const int currentStep = document.m_nCurrentStep;
  document.m_nCurrentStep = m_nStep;
  CFormation* added = document.AddFormation(std::move(made));
  document.m_nCurrentStep = currentStep;
  added->m_dInterval = m_dInterval;
  added->RecalcBounds();
  added->RecalcOutline();

  if (movePeople) document.MovePeopleOnto(*this, *added);
  return added;
}

}  // namespace px
