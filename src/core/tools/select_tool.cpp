// The formation select pointer (select, move, resize) and the rotate and skew pointers, which
// share its handles, its rubber band and its ending of a resize.
#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "core/doc/hit_test.h"
#include "core/tools/pointer_tools.h"
#include "core/tools/vertex_list.h"

namespace px {
namespace {

constexpr double kDegree = PI / 180.0;

CRect Offset(CRect r, int dx, int dy) { return CRect{r.left + dx, r.top + dy, r.right + dx, r.bottom + dy}; }

// The corners of a field rectangle taken into the formation's frame, as one rectangle.
CRect IntoFrame(const CFormation& formation, const CRect& band) {
  const CPoint corners[] = {{band.left, band.top}, {band.right, band.top}, {band.right, band.bottom},
                            {band.left, band.bottom}};
  CRect own{INT32_MAX, INT32_MAX, INT32_MIN, INT32_MIN};
  for (const CPoint& corner : corners) {
    const CPoint p = formation.InverseTransform(corner);
    own.left = std::min(own.left, p.x);
    own.top = std::min(own.top, p.y);
    own.right = std::max(own.right, p.x);
    own.bottom = std::max(own.bottom, p.y);
  }
  return own;
}

// The point of the ellipse in `rect` seen at `angle` from its centre.
CPoint EllipsePoint(const CRect& rect, double angle) {
  const CRect r = NormalizedRect(rect);
  const double a = std::max(1.0, r.Width() / 2.0), b = std::max(1.0, r.Height() / 2.0);
  const double c = std::cos(angle), s = std::sin(angle);
  const double radius = 1.0 / std::sqrt(c * c / (a * a) + s * s / (b * b));
  const double cx = r.left + (r.right - r.left) / 2, cy = r.top + (r.bottom - r.top) / 2;
  return CPoint{static_cast<int>(std::lround(cx + radius * c)), static_cast<int>(std::lround(cy + radius * s))};
}

// An arc squeezed to less than 10 degrees is opened by moving its start 10 degrees away from
// its end, so that the two ends stay apart by at least that much whichever way it was squeezed.
void KeepArcOpen(CFormation& arc) {
  const double sweep = NormalizeAngle(arc.m_dArcEnd - arc.m_dArcStart);  // start to end
  const double gap = NormalizeAngle(arc.m_dArcStart - arc.m_dArcEnd);    // end to start
  if (sweep >= 10 * kDegree && gap >= 10 * kDegree) return;
  arc.m_dArcStart = NormalizeAngle(arc.m_dArcStart + (sweep < gap ? -10 : 10) * kDegree);
  if (arc.m_ptArcStart.x != POSITION_NONE_VALUE) arc.m_ptArcStart = EllipsePoint(arc.m_rcBase, arc.m_dArcStart);
  arc.RecalcOutline();
  arc.InvalidatePeople();
}

double SegmentDistance(CPoint p, CPoint a, CPoint b) {
  const double dx = b.x - a.x, dy = b.y - a.y;
  const double len2 = dx * dx + dy * dy;
  double t = len2 > 0 ? ((p.x - a.x) * dx + (p.y - a.y) * dy) / len2 : 0.0;
  t = std::clamp(t, 0.0, 1.0);
  return std::hypot(p.x - (a.x + t * dx), p.y - (a.y + t * dy));
}

// The index of the segment of the polyline nearest the point.
int NearestSegment(const Polyline& line, CPoint p) {
  const int segments = line.closed ? line.count : line.count - 1;
  int best = 0;
  double bestDistance = 0.0;
  for (int k = 0; k < segments; ++k) {
    const double d = SegmentDistance(p, line.points[k], line.points[(k + 1) % line.count]);
    if (k == 0 || d < bestDistance) {
      best = k;
      bestDistance = d;
    }
  }
  return best;
}

// Where a vertex clicked on the outline goes in the vertex list: after the nearer end of the
// segment for polygons; for a curve, after the vertex whose stretch of the curve was hit.
int VertexInsertIndex(const CFormation& poly, CPoint own) {
  const Polyline line = poly.SpotPolyline();
  if (line.count < 2) return poly.m_nPoints;
  const int segment = NearestSegment(line, own);
  if (poly.m_nShape != SHAPE_CURVE) return segment + 1;
  const int stretch = segment * std::max(1, poly.m_nPoints - 1) / std::max(1, line.count - 1);
  return std::clamp(stretch + 1, 1, poly.m_nPoints);
}

// Gives the polygon a new vertex list and rebuilds what depends on it.
void ReplaceVertices(CFormation& formation, const std::vector<CPoint>& points) {
  auto& poly = static_cast<CDrawPoly&>(formation);
  poly.SetPoints(points);
  poly.RecalcBounds();
  poly.RecalcOutline();
  poly.InvalidatePeople();
  poly.m_pDocument->SetModifiedFlag();
}

}  // namespace

void PointerTools::StartDrag(DragMode mode, CFormation* formation, int handle) {
  m_doc.SaveUndoSnapshot();
  m_mode = mode;
  m_dragFormation = formation;
  m_dragHandle = handle;
}

void PointerTools::SelectDown(CPoint point, Keys keys) {
  Selection& selection = m_doc.m_selection;
  if (const HandleHit hit = HandleAt(m_doc, point)) {
    StartDrag(DragMode::Resize, hit.formation, hit.handle);
  } else if (CFormation* formation = FormationAt(m_doc, point)) {
    StartDrag(DragMode::Move, formation);
    if (!selection.Has(formation)) {
      if (!keys.shift) selection.formations.clear();
      selection.Add(formation);
    }
    // Ctrl leaves copies behind: the selected formations themselves are dragged.
    if (keys.ctrl) {
      const std::vector<CFormation*> originals = selection.formations;
      for (const CFormation* original : originals) original->Clone(m_doc);
    }
  } else {
    if (!keys.shift) selection.formations.clear();
    StartRubberBand(point);
  }
  m_ui.UpdateAllViews();
}

void PointerTools::SelectMove(CPoint point, Keys keys, bool dragging) {
  if (!dragging) {
    m_view.SetToolCursor(HandleAt(m_doc, point) ? ToolCursor::Handle : ToolCursor::Arrow);
    return;
  }
  switch (m_mode) {
    case DragMode::RubberBand:
      m_view.ShowRubberBand(RubberBand(point));
      break;
    case DragMode::Move: {
      const int dx = point.x - m_last.x, dy = point.y - m_last.y;
      if (dx == 0 && dy == 0) break;
      for (CFormation* formation : m_doc.m_selection.formations)
        formation->MoveTo(Offset(formation->m_rcBase, dx, dy), &m_view, true);
      Refresh();
      break;
    }
    case DragMode::Resize:
      ResizeDragged(point, false);
      break;
    default:
      (void)keys;
      break;
  }
}

void PointerTools::ResizeDragged(CPoint point, bool keepSquare) {
  if (!m_dragFormation) return;
  const CPoint own = m_dragFormation->InverseTransform(SnapForDrawing(point));
  m_dragFormation->MoveHandleTo(m_dragHandle, own, &m_view, keepSquare);
  m_dragFormation->RefreshPeople();
  Refresh();
}

void PointerTools::FinishResize() {
  if (!m_dragFormation) return;
  if (m_dragFormation->m_nShape == SHAPE_ARC) KeepArcOpen(*m_dragFormation);
  if (IsVertexShape(m_dragFormation->m_nShape)) m_dragFormation->RecalcBounds(&m_view);
  m_dragFormation->RefreshPeople();
}

void PointerTools::SelectFormationsInBand(CPoint point) {
  const CRect band = RubberBand(point);
  for (const auto& formation : m_doc.m_formations)
    if (formation->m_nStep == m_doc.m_nCurrentStep && formation->Intersects(IntoFrame(*formation, band), false))
      m_doc.m_selection.Add(formation.get());
}

void PointerTools::SelectUp(CPoint point, Keys keys) {
  (void)keys;
  switch (m_mode) {
    case DragMode::RubberBand:
      m_view.ShowRubberBand(std::nullopt);
      SelectFormationsInBand(point);
      break;
    case DragMode::Move:
      if (m_doc.m_bSnapOnMove) {
        for (CFormation* formation : m_doc.m_selection.formations) {
          const CRect box = NormalizedRect(formation->m_rcBase);
          const CPoint corner = Snap(m_doc, CPoint{box.left, box.top});
          formation->MoveTo(Offset(formation->m_rcBase, corner.x - box.left, corner.y - box.top), &m_view, true);
        }
      }
      for (CFormation* formation : m_doc.m_selection.formations) formation->RefreshPeople();
      break;
    case DragMode::Resize:
      FinishResize();
      break;
    default:
      break;
  }
  EndDrag();
  Refresh();
}

void PointerTools::SelectDoubleClick(CPoint point, Keys keys) {
  Selection& selection = m_doc.m_selection;
  if (keys.shift) {
    if (CFormation* formation = FormationAt(m_doc, point)) selection.Remove(formation);
    m_ui.UpdateAllViews();
    return;
  }
  // On a vertex of a selected polygon or curve: the vertex goes, while three or more are left.
  if (const HandleHit hit = HandleAt(m_doc, point); hit && hit.handle > 8 && IsVertexShape(hit.formation->m_nShape)) {
    std::vector<CPoint> points = UsedVertices(*hit.formation);
    if (points.size() > 2) {
      m_doc.SaveUndoSnapshot();
      points.erase(points.begin() + (hit.handle - 9));
      ReplaceVertices(*hit.formation, points);
      Refresh();
    }
    return;
  }
  // On the outline of a polygon or curve: a new vertex there.
  if (CFormation* formation = FormationAt(m_doc, point); formation && IsVertexShape(formation->m_nShape)) {
    const CPoint own = formation->InverseTransform(point);
    m_doc.SaveUndoSnapshot();
    std::vector<CPoint> points = UsedVertices(*formation);
    points.insert(points.begin() + VertexInsertIndex(*formation, own), own);
    ReplaceVertices(*formation, points);
    Refresh();
    return;
  }
  if (selection.formations.size() == 1) m_view.EditProperties();
}

void PointerTools::TurnDown(CPoint point, Keys keys, DragMode turn) {
  Selection& selection = m_doc.m_selection;
  CFormation* under = FormationAt(m_doc, point);
  if (const HandleHit hit = HandleAt(m_doc, point)) {
    StartDrag(DragMode::Resize, hit.formation, hit.handle);
  } else if (CFormation* pivot = PivotAt(m_doc, point)) {
    StartDrag(DragMode::MovePivot, pivot);
  } else if (under && selection.Has(under)) {
    StartDrag(turn, under);
  } else if (under) {
    if (!keys.shift) selection.formations.clear();
    selection.Add(under);
  } else {
    if (!keys.shift) selection.formations.clear();
    StartRubberBand(point);
  }
  m_ui.UpdateAllViews();
}

void PointerTools::TurnMove(CPoint point, Keys keys) {
  const bool skew = m_choice->current == TOOL_SKEW;
  const ToolCursor turnCursor = skew ? ToolCursor::Skew : ToolCursor::Rotate;
  if (!keys.button) {
    m_view.SetToolCursor(HandleAt(m_doc, point) ? ToolCursor::Handle : turnCursor);
    return;
  }
  CFormation* f = m_dragFormation;
  switch (m_mode) {
    case DragMode::RubberBand:
      m_view.ShowRubberBand(RubberBand(point));
      return;
    case DragMode::Resize:
      ResizeDragged(point, skew && keys.shift);
      return;
    case DragMode::MovePivot:
      f->m_ptPivotSaved = point;
      m_view.InvalidateFormation(*f);
      break;
    case DragMode::Rotate: {
      const double px = f->m_ptPivot.x, py = f->m_ptPivot.y;
      const double change = std::atan2(point.y - py, point.x - px) - std::atan2(m_last.y - py, m_last.x - px);
      f->m_dRotation = NormalizeAngle(f->m_dRotation + change);
      f->RefreshPeople();
      m_doc.SetModifiedFlag();
      break;
    }
    case DragMode::Skew: {
      const CPoint last = f->InverseTransform(m_last), now = f->InverseTransform(point);
      const int dy = now.y - last.y;
      const int w = std::abs(f->m_rcBase.left - last.x);
      if (w > 0 && std::abs(dy) <= 2 * w) {
        f->m_dSkew += static_cast<double>(dy) / w;
        f->RefreshPeople();
        m_doc.SetModifiedFlag();
      }
      break;
    }
    default:
      return;
  }
  m_view.SetToolCursor(turnCursor);
  Refresh();
}

void PointerTools::TurnUp(CPoint point, Keys keys) {
  if (m_mode == DragMode::MovePivot) m_dragFormation->SetPivot(point.x, point.y, &m_view);
  if (m_mode == DragMode::MovePivot || m_mode == DragMode::Rotate || m_mode == DragMode::Skew)
    m_dragFormation->RefreshPeople();
  // The band and the end of a resize as the select pointer ends them.
  SelectUp(point, keys);
}

}  // namespace px
