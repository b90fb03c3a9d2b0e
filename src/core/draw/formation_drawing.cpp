#include "core/draw/formation_drawing.h"

#include <algorithm>
#include <cmath>

#include "core/util/muldiv.h"

namespace px {
namespace {

constexpr int kPivotOuterRadius = 72;
constexpr int kPivotInnerRadius = 36;
constexpr int kPivotMarkReach = 18;
// Half the arrowhead's base, as a share of its length (an arrowhead of about 44 degrees).
constexpr double kArrowSpread = 0.4;

// Own frame to the drawing: the formation transform, then the perspective in 3D.
class Placer {
 public:
  Placer(const CFormation& formation, const DrawView* view)
      : m_formation(formation), m_perspective(view && view->is3D ? &view->perspective : nullptr) {}
  CPoint operator()(CPoint pt) const {
    pt = m_formation.Transform(pt);
    return m_perspective ? m_perspective->Apply(pt) : pt;
  }

 private:
  const CFormation& m_formation;
  const Perspective* m_perspective;
};

// Emits own-frame points as an open or closed polyline, or as a filled polygon.
void EmitOutline(Painter& painter, const Placer& place, const CPoint* points, size_t count, bool closed, bool filled) {
  if (count == 0) return;
  std::vector<CPoint>& out = painter.Points();
  if (filled) count = std::min(count, kMaxFilledPoints);
  for (size_t i = 0; i < count; ++i) out.push_back(place(points[i]));
  if (filled) {
    painter.Polygon(out);
    return;
  }
  if (closed) out.push_back(out.front());
  painter.Polyline(out);
}

// Moves both ends of a line toward each other by `inset` on each axis (never past the
// middle), so a wide pen stays between the two end points.
void PullIn(CPoint& a, CPoint& b, int inset) {
  auto axis = [inset](int& from, int& to) {
    const int room = std::abs(to - from) / 2;
    const int by = std::min(inset, room);
    if (to > from) from += by, to -= by;
    else if (to < from) from -= by, to += by;
  };
  axis(a.x, b.x);
  axis(a.y, b.y);
}

void DrawBlockRows(Painter& painter, const Placer& place, const CRect& rc, int rows) {
  if (rows < 2) {  // a single row lies on the top edge
    painter.Line(place(CPoint{rc.left, rc.top}), place(CPoint{rc.right, rc.top}));
    return;
  }
  for (int r = 0; r < rows; ++r) {
    const int y = rc.top + MulDiv(rc.bottom - rc.top, r, rows - 1);
    painter.Line(place(CPoint{rc.left, y}), place(CPoint{rc.right, y}));
  }
}

// The points whose last segment the arrowhead follows, in the formation's own frame.
void ArrowPath(const CFormation& f, const CPoint*& points, size_t& count) {
  const bool poly = f.m_nShape == SHAPE_POLYGON || f.m_nShape == SHAPE_CURVE || f.m_nShape == SHAPE_CLOSED_POLYGON;
  if (poly) {
    points = f.m_pPoints.data();
    count = std::min(static_cast<size_t>(std::max(f.m_nPoints, 0)), f.m_pPoints.size());
  } else {
    points = f.m_pOutline.data();
    count = std::min(static_cast<size_t>(std::max(f.m_nOutline, 0)), f.m_pOutline.size());
  }
}

void DrawArrowhead(Painter& painter, const Placer& place, const CFormation& f, int size) {
  const CPoint* points = nullptr;
  size_t count = 0;
  ArrowPath(f, points, count);
  if (count < 2) return;
  const CPoint tip = points[count - 1];
  size_t before = count - 1;
  while (before > 0 && points[before - 1] == tip) --before;
  if (before == 0) return;  // every point is the tip: no direction
  const CPoint from = points[before - 1];
  const double dx = tip.x - from.x, dy = tip.y - from.y;
  const double length = std::hypot(dx, dy);
  const double ux = dx / length, uy = dy / length;
  const double baseX = tip.x - size * ux, baseY = tip.y - size * uy;
  const double spread = size * kArrowSpread;
  auto at = [](double x, double y) { return CPoint{static_cast<int>(std::lround(x)), static_cast<int>(std::lround(y))}; };
  std::vector<CPoint>& head = painter.MorePoints();
  head.push_back(place(tip));
  head.push_back(place(at(baseX - spread * uy, baseY + spread * ux)));
  head.push_back(place(at(baseX + spread * uy, baseY - spread * ux)));
  const Brush outlineBrush = painter.brush();
  painter.SetBrush(Brush{false, painter.pen().color});
  painter.Polygon(head);
  painter.SetBrush(outlineBrush);
}

}  // namespace

int ArrowheadSize(const CFormation& f, int when, const DrawView* view, bool printing) {
  const bool flat = !view || !view->is3D;
  if (f.m_bArrow && flat) return kPropArrowSize;
  const ShowContext* doc = f.m_pDocument;
  if (doc && doc->m_bDirectionalIndicators && flat && !printing && when == DRAW_NOW && !IsRangedProp(f))
    return kDirectionalArrowSize;
  return 0;
}

void DrawFormation(Painter& painter, const CFormation& f, int when, const DrawView* view) {
  if (!f.m_pDocument) return;
  const ShowContext& doc = *f.m_pDocument;
  const bool printing = painter.IsPrinting();
  const Pen pen = RecordPen(f, when, view, printing, doc);
  const Brush brush = RecordBrush(f, printing, doc);
  painter.SetPen(pen);
  painter.SetBrush(brush);
  const Placer place(f, view);
  const bool threeD = view && view->is3D;
  const CRect& rc = f.m_rcBase;

  switch (f.m_nShape) {
    case SHAPE_RECTANGLE:
      if (f.m_bBlock) {
        DrawBlockRows(painter, place, rc, f.m_nRows);
      } else {
        const CPoint corners[4] = {{rc.left, rc.top}, {rc.right, rc.top}, {rc.right, rc.bottom}, {rc.left, rc.bottom}};
        EmitOutline(painter, place, corners, 4, true, threeD || !brush.hollow);
      }
      break;
    case SHAPE_ELLIPSE:
      EmitOutline(painter, place, f.m_pOutline.data(), std::min<size_t>(std::max(f.m_nOutline, 0), f.m_pOutline.size()),
                  true, !brush.hollow);
      break;
    case SHAPE_LINE: {
      CPoint a{rc.left, rc.top}, b{rc.right, rc.bottom};
      // Half the pen width, rounded up so the whole pen stays between the ends; the
      // one-unit pen is a hairline.
      PullIn(a, b, pen.width > 1 ? (pen.width + 1) / 2 : 0);
      painter.Line(place(a), place(b));
      break;
    }
    case SHAPE_ARC:
    case SHAPE_CURVE:
      EmitOutline(painter, place, f.m_pOutline.data(), std::min<size_t>(std::max(f.m_nOutline, 0), f.m_pOutline.size()),
                  false, false);
      break;
    case SHAPE_POLYGON:
    case SHAPE_CLOSED_POLYGON: {
      const bool closed = f.m_nShape == SHAPE_CLOSED_POLYGON;
      EmitOutline(painter, place, f.m_pPoints.data(), std::min<size_t>(std::max(f.m_nPoints, 0), f.m_pPoints.size()),
                  closed, closed && !brush.hollow);
      break;
    }
    default:
      return;
  }

  if (const int size = ArrowheadSize(f, when, view, printing)) DrawArrowhead(painter, place, f, size);
}

void DrawPivotMarker(Painter& painter, const CFormation& f, int when, const DrawView* view) {
  if (!f.m_pDocument) return;
  const ShowContext& doc = *f.m_pDocument;
  const bool printing = painter.IsPrinting();
  Pen pen = RecordPen(f, when, view, printing, doc);
  if (when == DRAW_NOW && view && view->IsSelected(&f) && !(printing && !doc.m_bPrintColor))
    pen = Pen{PenStyle::Solid, 1, doc.m_crSelectedFormation};
  painter.SetPen(pen);
  painter.SetBrush(Brush{true, f.m_logbrush.lbColor});
  const CPoint c = view ? view->Project(f.m_ptPivotSaved) : f.m_ptPivotSaved;
  if (view && view->rotateTool) {
    for (int r : {kPivotOuterRadius, kPivotInnerRadius}) painter.Ellipse(CRect{c.x - r, c.y - r, c.x + r, c.y + r});
    return;
  }
  painter.Line(CPoint{c.x - kPivotMarkReach, c.y}, CPoint{c.x + kPivotMarkReach, c.y});
  painter.Line(CPoint{c.x, c.y - kPivotMarkReach}, CPoint{c.x, c.y + kPivotMarkReach});
}

void DrawFormationTracker(Painter& painter, const CFormation& f) {
  // A point formation's handles can never be grabbed, so none are shown.
  if (!f.m_pDocument || f.m_bPoint) return;
  const ShowContext& doc = *f.m_pDocument;
  const int count = f.GetHandleCount();
  for (int n = 1; n <= count; ++n) {
    if (f.m_nShape == SHAPE_ARC && (n == 2 || n == 6)) continue;  // unused arc handles sit at (0, 0)
    const int half = n <= 8 ? doc.m_nShapeHandleSize : doc.m_nControlHandleSize;
    const CPoint at = f.GetHandle(n);
    painter.InvertRect(CRect{at.x - half, at.y - half, at.x + half, at.y + half});
  }
}

}  // namespace px
