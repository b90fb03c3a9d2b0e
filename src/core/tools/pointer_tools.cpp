#include "core/tools/pointer_tools.h"

#include <algorithm>
#include <cmath>

#include "core/doc/hit_test.h"
#include "core/draw/field_drawing.h"

namespace px {
namespace {

struct ToolCommand {
  const char* text;
  int tool;
  bool pointMode;
  bool lassoMode;
};

constexpr ToolCommand kToolCommands[] = {
    {"Formation Select Pointer", TOOL_SELECT, false, false},
    {"People Select Pointer", TOOL_PEOPLE_SELECT, false, false},
    {"Order Pointer", TOOL_ORDER, false, false},
    {"Line", TOOL_LINE, false, false},
    {"Point", TOOL_LINE, true, false},
    {"Rectangle", TOOL_RECTANGLE, false, false},
    {"Ellipse", TOOL_ELLIPSE, false, false},
    {"Polygon", TOOL_POLYGON, false, false},
    {"Lasso Pointer", TOOL_POLYGON, false, true},
    {"Curve", TOOL_CURVE, false, false},
    {"Closed Polygon", TOOL_CLOSED_POLYGON, false, false},
    {"Rotate Pointer", TOOL_ROTATE, false, false},
    {"Arc", TOOL_ARC, false, false},
    {"Skew Pointer", TOOL_SKEW, false, false},
};

const ToolCommand* FindToolCommand(const std::string& text) {
  for (const ToolCommand& command : kToolCommands)
    if (text == command.text) return &command;
  return nullptr;
}

bool IsRectangleTool(int tool) {
  return tool == TOOL_LINE || tool == TOOL_RECTANGLE || tool == TOOL_RECTANGLE_SPARE || tool == TOOL_ELLIPSE ||
         tool == TOOL_ARC;
}
bool IsPolygonTool(int tool) { return tool == TOOL_POLYGON || tool == TOOL_CURVE || tool == TOOL_CLOSED_POLYGON; }

int RoundToMultiple(int value, int spacing) {
  const long long v = value;
  const long long down = (v >= 0 ? v : v - spacing + 1) / spacing * spacing;
  return static_cast<int>(v - down >= (spacing + 1) / 2 ? down + spacing : down);
}

}  // namespace

CPoint Snap(const CPxDoc& doc, CPoint point) {
  // The grid starts at the field-space origin, which is where its points are drawn.
  const int spacing = SnapSpacing(doc);
  return CPoint{RoundToMultiple(point.x, spacing), RoundToMultiple(point.y, spacing)};
}

PointerTools::PointerTools(CPxDoc& doc, Ui& ui, ToolView& view, ToolChoice* choice)
    : m_doc(doc), m_ui(ui), m_view(view), m_choice(choice ? choice : &m_ownChoice) {
  m_doc.AddView(this);
}

PointerTools::~PointerTools() { m_doc.RemoveView(this); }

void PointerTools::ForgetVanished() {
  // Undo replaces every record of the show at once; a drag or a drawing cannot go on then.
  const auto vanished = [this](const CFormation* f) { return f && m_doc.FormationIndex(f) < 0; };
  if (vanished(m_dragFormation)) EndDrag();
  if (vanished(m_polygon)) m_polygon = nullptr;
  if (vanished(m_drawing)) m_drawing = nullptr;
}

void PointerTools::OnObjectRemoved(const CFormation* object) {
  if (m_dragFormation == object) EndDrag();
  if (m_polygon == object) m_polygon = nullptr;
  if (m_drawing == object) m_drawing = nullptr;
}

bool PointerTools::SelectTool(const std::string& commandPlainText) {
  const ToolCommand* command = FindToolCommand(commandPlainText);
  if (!command) return false;
  if (command->tool == TOOL_ORDER) {
    m_ui.StopAnimation();
    m_ui.RedrawTimeLine();
    if (!SelectedPeopleShareFormation()) {
      m_ui.MessageBox("To use the order person tool, all selected persons must be on the same formation.",
                      "Order Person Tool");
      return false;
    }
  }
  // A polygon still being drawn is ended as a double click would end it.
  if (m_polygon) FinishPolygon(m_last, Keys{});
  EndDrag();
  m_choice->current = command->tool;
  m_choice->pointMode = command->pointMode;
  m_choice->lassoMode = command->lassoMode;
  m_ui.UpdateAllViews();
  return true;
}

bool PointerTools::IsCurrent(const std::string& commandPlainText) const {
  const ToolCommand* command = FindToolCommand(commandPlainText);
  return command && command->tool == m_choice->current && command->pointMode == m_choice->pointMode &&
         command->lassoMode == m_choice->lassoMode;
}

void PointerTools::ButtonDown(CPoint point, Keys keys) {
  ForgetVanished();
  m_down = m_last = point;
  m_downKeys = keys;
  const int tool = m_choice->current;
  if (tool == TOOL_PEOPLE_SELECT)
    PeopleDown(point, keys);
  else if (tool == TOOL_ORDER)
    OrderDown(point, keys);
  else if (IsRectangleTool(tool))
    RectangleDown(point, keys);
  else if (IsPolygonTool(tool))
    PolygonDown(point, keys);
  else if (tool == TOOL_ROTATE || tool == TOOL_SKEW)
    TurnDown(point, keys, tool == TOOL_ROTATE ? DragMode::Rotate : DragMode::Skew);
  else
    SelectDown(point, keys);
}

void PointerTools::Move(CPoint point, Keys keys) {
  ForgetVanished();
  const int tool = m_choice->current;
  if (tool == TOOL_PEOPLE_SELECT || tool == TOOL_ORDER) {
    // Selected people stay where they are: only the rubber band follows the pointer.
    if (keys.button && m_mode == DragMode::RubberBand) m_view.ShowRubberBand(RubberBand(point));
    m_view.SetToolCursor(tool == TOOL_ORDER ? ToolCursor::Order : ToolCursor::Arrow);
  } else if (IsPolygonTool(tool)) {
    PolygonMove(point, keys);
  } else if (tool == TOOL_ROTATE || tool == TOOL_SKEW) {
    TurnMove(point, keys);
  } else if (IsRectangleTool(tool)) {
    SelectMove(point, keys, keys.button);
    m_view.SetToolCursor(ToolCursor::Cross);
  } else {
    SelectMove(point, keys, keys.button);
  }
  m_last = point;
}

void PointerTools::ButtonUp(CPoint point, Keys keys) {
  ForgetVanished();
  const int tool = m_choice->current;
  if (tool == TOOL_PEOPLE_SELECT)
    PeopleUp(point, keys);
  else if (tool == TOOL_ORDER)
    OrderUp(point, keys);
  else if (IsRectangleTool(tool))
    RectangleUp(point, keys);
  else if (IsPolygonTool(tool))
    m_mode = DragMode::None;  // the polygon keeps its moving vertex until the double click
  else if (tool == TOOL_ROTATE || tool == TOOL_SKEW)
    TurnUp(point, keys);
  else
    SelectUp(point, keys);
  m_last = point;
}

void PointerTools::DoubleClick(CPoint point, Keys keys) {
  ForgetVanished();
  const int tool = m_choice->current;
  if (IsPolygonTool(tool) && m_polygon) {
    FinishPolygon(point, keys);
  } else if (tool == TOOL_PEOPLE_SELECT) {
    if (keys.shift)
      if (CPerson* person = PersonAt(m_doc, point)) {
        m_doc.m_selection.Remove(person);
        m_ui.UpdateAllViews();
      }
  } else if (tool != TOOL_ORDER) {
    SelectDoubleClick(point, keys);
  }
}

void PointerTools::SelectClick(CPoint point, Keys keys) {
  m_down = m_last = point;
  SelectDown(point, keys);
  SelectUp(point, keys);
}

void PointerTools::StartRubberBand(CPoint point) {
  m_mode = DragMode::RubberBand;
  m_view.ShowRubberBand(RubberBand(point));
}

CRect PointerTools::RubberBand(CPoint point) const {
  return NormalizedRect(CRect{m_down.x, m_down.y, point.x, point.y});
}

void PointerTools::EndDrag() {
  if (m_mode == DragMode::RubberBand) m_view.ShowRubberBand(std::nullopt);
  m_mode = DragMode::None;
  m_dragFormation = nullptr;
  m_dragHandle = 0;
}

CPoint PointerTools::SnapForDrawing(CPoint point) const {
  return m_doc.m_bSnapOnSizeAndDraw ? Snap(m_doc, point) : point;
}

void PointerTools::Refresh() {
  m_doc.ParkPeopleWithoutPlace(m_view.Parking());
  m_ui.UpdateAllViews();
}

}  // namespace px
