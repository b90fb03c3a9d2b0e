#pragma once
// The pointer tools of the field view: selecting, moving, resizing, rotating and skewing
// formations, drawing new ones, lassoing and ordering people. A view feeds its mouse events,
// in field units, to one PointerTools; the current tool decides what they do to the show.
#include <optional>
#include <string>

#include "core/commands/command_registry.h"
#include "core/doc/pxdoc.h"
#include "core/ui/ui.h"

namespace px {

// Tool identifiers; 5 is a rectangle-type tool that no command selects.
enum ToolId : int {
  TOOL_SELECT = 0,
  TOOL_PEOPLE_SELECT = 1,
  TOOL_ORDER = 2,
  TOOL_LINE = 3,
  TOOL_RECTANGLE = 4,
  TOOL_RECTANGLE_SPARE = 5,
  TOOL_ELLIPSE = 6,
  TOOL_POLYGON = 7,
  TOOL_CURVE = 8,
  TOOL_CLOSED_POLYGON = 9,
  TOOL_ROTATE = 10,
  TOOL_ARC = 11,
  TOOL_SKEW = 12,
};

enum class DragMode : int { None = 0, RubberBand = 1, Move = 2, Resize = 3, Rotate = 4, Skew = 5, MovePivot = 6 };

// The keys held with a mouse event, and whether the left button is down (for moves).
struct Keys {
  bool shift = false;
  bool ctrl = false;
  bool button = false;
};

// The cursors the tools ask for; the view draws its own images for the non-standard ones.
enum class ToolCursor { Arrow, Handle, Cross, Rotate, Skew, Order };

// What the tools need of the view they work in, besides what a command needs.
class ToolView : public CommandView {
 public:
  // Screen pixels per field unit: a drawing dragged less than 20 pixels counts as a click.
  virtual double PixelsPerFieldUnit() const = 0;
  virtual void SetToolCursor(ToolCursor cursor) = 0;
  // The rubber band (focus rectangle) in field units, or none to take it away.
  virtual void ShowRubberBand(const std::optional<CRect>& band) = 0;
  // A double click on one selected formation opens its properties: the view runs the
  // "Formation Properties..." command with its own dialogs.
  virtual void EditProperties() = 0;
};

// The current tool and its two modes. The program has one (every view of every show shares
// it); a PointerTools made without one keeps its own.
struct ToolChoice {
  int current = TOOL_SELECT;
  bool pointMode = false;  // the line tool draws points
  bool lassoMode = false;  // the polygon tool is the lasso
};

class PointerTools : private DocViewObserver {
 public:
  PointerTools(CPxDoc& doc, Ui& ui, ToolView& view, ToolChoice* choice = nullptr);
  ~PointerTools();
  PointerTools(const PointerTools&) = delete;
  PointerTools& operator=(const PointerTools&) = delete;

  // Makes the tool of a command current, by the command's plain menu text ("Rectangle",
  // "Rotate Pointer", "Point"). False for an unknown text, or when the tool refuses (the order
  // pointer with its message).
  bool SelectTool(const std::string& commandPlainText);
  // Whether the command of that plain text is the one the current tool shows checked.
  bool IsCurrent(const std::string& commandPlainText) const;
  int CurrentTool() const { return m_choice->current; }
  const ToolChoice& Choice() const { return *m_choice; }

  // The mouse events, at field points.
  void ButtonDown(CPoint point, Keys keys);
  void Move(CPoint point, Keys keys);
  void ButtonUp(CPoint point, Keys keys);
  void DoubleClick(CPoint point, Keys keys);

  // The drag under way.
  DragMode Mode() const { return m_mode; }
  CFormation* DraggedFormation() const { return m_dragFormation; }
  // The polygon being drawn, until the double click that ends it.
  CFormation* PolygonInProgress() const { return m_polygon; }

  // The status bar text for a pointer at `point`.
  std::string StatusLine(CPoint point) const;

 private:
  // A record about to leave the show is forgotten.
  void OnObjectRemoved(const CFormation* object) override;
  // Drops the records of a drag or drawing that are no longer in the show.
  void ForgetVanished();

  void SelectDown(CPoint point, Keys keys);
  void SelectMove(CPoint point, Keys keys, bool dragging);
  void SelectUp(CPoint point, Keys keys);
  void SelectDoubleClick(CPoint point, Keys keys);
  void TurnDown(CPoint point, Keys keys, DragMode turn);
  void TurnMove(CPoint point, Keys keys);
  void TurnUp(CPoint point, Keys keys);
  void RectangleDown(CPoint point, Keys keys);
  void RectangleUp(CPoint point, Keys keys);
  void PolygonDown(CPoint point, Keys keys);
  void PolygonMove(CPoint point, Keys keys);
  // Adds the vertex that follows the pointer, after one fixed at `at`.
  void AddMovingVertex(CPoint at);
  void PeopleDown(CPoint point, Keys keys);
  void PeopleUp(CPoint point, Keys keys);
  void OrderDown(CPoint point, Keys keys);
  void OrderUp(CPoint point, Keys keys);
  // The order pointer works when every selected person stands on one formation now.
  bool SelectedPeopleShareFormation() const;
  // Takes the undo snapshot and starts a drag of the formation (by a handle for Resize).
  void StartDrag(DragMode mode, CFormation* formation, int handle = 0);
  // A click of the select pointer: its button-down and button-up at one point.
  void SelectClick(CPoint point, Keys keys);
  // Resizing by the dragged handle, and what ends a resize (an arc kept open, polygon bounds).
  void ResizeDragged(CPoint point, bool keepSquare);
  void FinishResize();
  // Adds the formations of the current step that meet the rubber band ending at `point`.
  void SelectFormationsInBand(CPoint point);
  void FinishPolygon(CPoint point, Keys keys);
  void ApplyLasso(CFormation& lasso, bool add);
  void StartRubberBand(CPoint point);
  CRect RubberBand(CPoint point) const;
  void EndDrag();
  CPoint SnapForDrawing(CPoint point) const;
  // People positions at the current step again, and every view redrawn.
  void Refresh();

  CPxDoc& m_doc;
  Ui& m_ui;
  ToolView& m_view;
  ToolChoice m_ownChoice;
  ToolChoice* m_choice;

  // The drag state: where the button went down, the last point, the keys at button-down.
  CPoint m_down{0, 0};
  CPoint m_last{0, 0};
  Keys m_downKeys;
  DragMode m_mode = DragMode::None;
  CFormation* m_dragFormation = nullptr;
  int m_dragHandle = 0;

  // The polygon tools: the polygon being drawn and its last fixed vertex.
  CFormation* m_polygon = nullptr;
  CPoint m_lastVertex{0, 0};
  // A rectangle-type drawing made at button-down, removed again when the drag is too short.
  CFormation* m_drawing = nullptr;
};

// Snaps a point to the nearest point of the show's snap grid.
CPoint Snap(const CPxDoc& doc, CPoint point);

}  // namespace px
