// The drawing tools: the rectangle-type tools (line, point, rectangle, ellipse, arc) drag the
// first corner of a new shape; the polygon-type tools (polygon, curve, closed polygon, lasso)
// add a vertex per click, or one about every 80 field units while the button is held.
#include <cstdlib>

#include "core/tools/pointer_tools.h"
#include "core/tools/vertex_list.h"

namespace px {
namespace {

// A drag shorter than this on the screen is a click.
constexpr double kMinDrawPixels = 20.0;
// A point is a line this long.
constexpr int kPointLength = 96;
// Freehand drawing adds a vertex when the pointer is this far from the last one.
constexpr int kFreehandSpacing = 80;
// A polygon whose outline is shorter than this is discarded.
constexpr double kMinPolygonLength = 120.0;

int Manhattan(CPoint a, CPoint b) { return std::abs(a.x - b.x) + std::abs(a.y - b.y); }

int RectangleKind(int tool) {
  switch (tool) {
    case TOOL_LINE: return SHAPE_LINE;
    case TOOL_ELLIPSE: return SHAPE_ELLIPSE;
    case TOOL_ARC: return SHAPE_ARC;
    default: return SHAPE_RECTANGLE;
  }
}

int PolygonKind(int tool) {
  switch (tool) {
    case TOOL_CURVE: return SHAPE_CURVE;
    case TOOL_CLOSED_POLYGON: return SHAPE_CLOSED_POLYGON;
    default: return SHAPE_POLYGON;
  }
}

// Nonzero winding: whether the closed polygon goes round the point.
bool Encloses(const std::vector<CPoint>& polygon, CPoint p) {
  int winding = 0;
  const size_t n = polygon.size();
  for (size_t i = 0; i < n; ++i) {
    const CPoint a = polygon[i], b = polygon[(i + 1) % n];
    const double side = static_cast<double>(b.x - a.x) * (p.y - a.y) - static_cast<double>(p.x - a.x) * (b.y - a.y);
    if (a.y <= p.y) {
      if (b.y > p.y && side > 0) ++winding;
    } else if (b.y <= p.y && side < 0) {
      --winding;
    }
  }
  return winding != 0;
}

// A new drawing turns about its middle.
void CenterNewPivot(CFormation& drawing) {
  const CRect box = NormalizedRect(drawing.m_rcBase);
  drawing.m_ptPivot = drawing.m_ptPivotSaved = CPoint{box.left + box.Width() / 2, box.top + box.Height() / 2};
}

}  // namespace

void PointerTools::RectangleDown(CPoint point, Keys keys) {
  const CPoint at = SnapForDrawing(point);
  const int tool = m_choice->current;
  auto shape = std::make_unique<CDrawRect>(CRect{at.x, at.y, at.x, at.y});
  shape->m_nShape = RectangleKind(tool);
  const bool isPoint = tool == TOOL_LINE && m_choice->pointMode;
  shape->m_bPoint = isPoint ? 1 : 0;
  shape->m_ptPivot = shape->m_ptPivotSaved = at;
  m_doc.SaveUndoSnapshot();
  m_drawing = m_doc.AddFormation(std::move(shape));
  m_drawing->RecalcOutline();
  m_doc.m_selection.formations = {m_drawing};
  m_mode = DragMode::Resize;
  m_dragFormation = m_drawing;
  m_dragHandle = 1;
  m_down = m_last = at;
  if (isPoint) {
    // A point is drawn at once: as if dragged 96 units to the right and let go.
    const CPoint end{at.x + kPointLength, at.y};
    Move(end, Keys{keys.shift, keys.ctrl, true});
    ButtonUp(end, keys);
  }
  m_ui.UpdateAllViews();
}

void PointerTools::RectangleUp(CPoint point, Keys keys) {
  CFormation* drawing = m_drawing;
  m_drawing = nullptr;
  // A point never counts as a click: its 96 units can be less than 20 pixels on a small screen.
  const bool click = drawing && !drawing->m_bPoint &&
                     Manhattan(point, m_down) * m_view.PixelsPerFieldUnit() < kMinDrawPixels;
  if (click) {
    EndDrag();
    m_doc.RemoveFormation(drawing);
    SelectClick(point, keys);
    return;
  }
  if (drawing && m_mode == DragMode::Resize) {
    FinishResize();
    CenterNewPivot(*drawing);
  }
  SelectUp(point, keys);
}

void PointerTools::PolygonDown(CPoint point, Keys keys) {
  (void)keys;
  const CPoint at = SnapForDrawing(point);
  if (!m_polygon) {
    auto poly = std::make_unique<CDrawPoly>();
    poly->m_nShape = PolygonKind(m_choice->current);
    poly->SetPoints({at});
    poly->m_rcBase = CRect{at.x, at.y, at.x, at.y};
    poly->m_ptPivot = poly->m_ptPivotSaved = at;
    m_doc.SaveUndoSnapshot();
    m_polygon = m_doc.AddFormation(std::move(poly));
    m_doc.m_selection.formations = {m_polygon};
  } else if (m_dragHandle > 8) {
    // The moving vertex lands where the button went down, even without a move before.
    m_polygon->MoveHandleTo(m_dragHandle, at, &m_view);
  }
  AddMovingVertex(at);
  m_mode = DragMode::Resize;
  m_dragFormation = m_polygon;
  m_ui.UpdateAllViews();
}

void PointerTools::AddMovingVertex(CPoint at) {
  // One unit to the right, so a double click right after it knows it for the moving one.
  auto* poly = static_cast<CDrawPoly*>(m_polygon);
  std::vector<CPoint> points = UsedVertices(*poly);
  points.push_back(CPoint{at.x + 1, at.y});
  poly->SetPoints(points);
  poly->RecalcBounds(&m_view);
  poly->RecalcOutline();
  m_lastVertex = at;
  m_dragHandle = poly->GetHandleCount();
}

void PointerTools::PolygonMove(CPoint point, Keys keys) {
  m_view.SetToolCursor(ToolCursor::Cross);
  if (!m_polygon || m_dragHandle <= 8) return;
  const CPoint at = SnapForDrawing(point);
  m_polygon->MoveHandleTo(m_dragHandle, at, &m_view);
  if (keys.button && Manhattan(at, m_lastVertex) > kFreehandSpacing) {
    // Freehand: the moving vertex stays here and a new one follows the pointer.
    AddMovingVertex(at);
  }
  m_ui.UpdateAllViews();
}

void PointerTools::FinishPolygon(CPoint point, Keys keys) {
  auto* poly = static_cast<CDrawPoly*>(m_polygon);
  m_polygon = nullptr;
  EndDrag();
  std::vector<CPoint> points = UsedVertices(*poly);
  if (points.size() > 2) {
    // The vertex that the last click added to follow the pointer is not part of the drawing.
    const CPoint last = points.back(), before = points[points.size() - 2];
    if (last == before || (last.x == before.x + 1 && last.y == before.y)) points.pop_back();
  }
  poly->SetPoints(points);
  poly->RecalcBounds(&m_view);
  const double length = poly->RecalcOutline();
  if (length < kMinPolygonLength) {
    // Too small to be meant: the show is left as it was and the click selects. A lasso that
    // is discarded selects nobody (it must not take the formation under it for the lasso).
    m_doc.RemoveFormation(poly);
    SelectClick(point, keys);
  } else if (m_choice->lassoMode) {
    ApplyLasso(*poly, keys.shift);
    m_choice->lassoMode = false;
  } else {
    CenterNewPivot(*poly);
  }
  Refresh();
}

void PointerTools::ApplyLasso(CFormation& lasso, bool add) {
  const std::vector<CPoint> region = lasso.FieldPoints();
  Selection& selection = m_doc.m_selection;
  if (!add) selection.people.clear();
  for (const auto& person : m_doc.m_people)
    if (person->m_ptPosition != POSITION_NONE && Encloses(region, person->m_ptPosition)) selection.Add(person.get());
  m_doc.RemoveFormation(&lasso);
  selection.formations.clear();
}

}  // namespace px
