#pragma once
// A formation: a shape drawn on the field at one step, with numbered slots for the people
// standing on it. The same record serves as a prop and, through CPerson, as a band member.
#include <memory>
#include <string>
#include <vector>

#include "core/model/cobject.h"
#include "core/util/types.h"

namespace px {

class ShowContext;
class CPlace;
class FormationView;

// Shape kinds (m_nShape); 7..10 are the markers of people.
enum ShapeKind : int {
  SHAPE_RECTANGLE = 0,
  SHAPE_ELLIPSE = 1,
  SHAPE_LINE = 2,
  SHAPE_POLYGON = 3,
  SHAPE_CURVE = 4,
  SHAPE_CLOSED_POLYGON = 5,
  SHAPE_ARC = 6,
  SHAPE_SQUARE = 7,
  SHAPE_CIRCLE = 8,
  SHAPE_CROSS = 9,
  SHAPE_FLAG = 10,
};

// The closed kinds join their last outline point to the first.
inline bool IsClosedShape(int kind) {
  return kind == SHAPE_RECTANGLE || kind == SHAPE_ELLIPSE || kind == SHAPE_CLOSED_POLYGON;
}
// Kinds whose outline comes from a vertex list (the CDrawPoly kinds).
inline bool IsVertexShape(int kind) {
  return kind == SHAPE_POLYGON || kind == SHAPE_CURVE || kind == SHAPE_CLOSED_POLYGON;
}
// The name the program shows for a kind ("Rectangle" ... "Flag"); empty for other values.
const char* ShapeKindName(int kind);

constexpr double PI = 3.14159265358979323846;
// The program's full turn, as used by every angle rule of formations and marching.
constexpr double FULL_TURN = 6.283185307178;
// Brings an angle into [0, FULL_TURN) by adding or subtracting one full turn.
double NormalizeAngle(double angle);

// Points per Bezier outline, per ellipse outline, and the arc end-point snapping distance.
constexpr int CURVE_OUTLINE_POINTS = 61;
constexpr int ELLIPSE_OUTLINE_POINTS = 140;
constexpr double ARC_SNAP_DISTANCE = 48.0;

// The polyline that spotting walks: the computed outline, or the vertices of Polygon and
// Closed polygon. Points are in the formation's own (untransformed) frame.
struct Polyline {
  const CPoint* points = nullptr;
  int count = 0;
  bool closed = false;
};

// The normalised copy of a rectangle: left <= right and top <= bottom.
CRect NormalizedRect(const CRect& rect);
// Moves a rectangle back inside 0..FIELD_EXTENT on each axis, keeping its size where it fits.
CRect ClampToField(const CRect& rect);

class CFormation : public CObject {
 public:
  CFormation();
  ~CFormation() override;
  CFormation(const CFormation&) = delete;
  CFormation& operator=(const CFormation&) = delete;

  const char* GetRuntimeClassName() const override { return "CFormation"; }
  void Serialize(CArchive& ar) override;

  // --- Outline ----------------------------------------------------------------------------
  // Rebuilds the outline for the current kind, refreshes the segment lengths and returns
  // the outline length.
  double RecalcOutline();
  // CDrawPoly: sets m_rcBase to the bounding box of the vertices.
  virtual void RecalcBounds(FormationView* view = nullptr);
  // The polyline spotting walks (see Polyline).
  Polyline SpotPolyline() const;

  // --- Transform ----------------------------------------------------------------------------
  // Own frame to field: skew first (y grows by |x - left| * skew), then rotation about the
  // pivot; rotated coordinates round half up when positive and truncate when negative.
  CPoint Transform(CPoint pt) const { return TransformWith(pt, m_dRotation, m_dSkew); }
  CPoint TransformWith(CPoint pt, double rotation, double skew) const;
  // Field to own frame: rotation back first, then the shear measured on the un-rotated x.
  CPoint InverseTransform(CPoint pt) const;
  // Every outline point (or vertex, or rectangle corner when there is neither) on the field.
  std::vector<CPoint> FieldPoints() const;
  // Extremes of the transformed outline, used by alignment (INT_MAX/INT_MIN when it has no points).
  CRect FieldBounds() const;
  int GetMinX() const { return FieldBounds().left; }
  int GetMaxX() const { return FieldBounds().right; }
  int GetMinY() const { return FieldBounds().top; }
  int GetMaxY() const { return FieldBounds().bottom; }
  // Whether the formation, moved to `rect` (own frame), lies within 0..FIELD_EXTENT.
  bool IsInsideField(const CRect& rect) const;
  bool IsInsideField() const { return IsInsideField(m_rcBase); }

  // --- Handles, hit testing, area -----------------------------------------------------------
  virtual int GetHandleCount() const;
  // Handle n (1-based) on the field.
  virtual CPoint GetHandle(int n) const;
  // The cursor resource shown over handle n: the same sizing cursor for every handle.
  virtual int GetHandleCursor(int n) const;
  // Pen and prop-fill colours; both redraw all views and mark the document modified.
  virtual void SetLineColor(COLORREF colour);
  virtual void SetFillColor(COLORREF colour);
  // Not selected: 1 when the point lies in the defining rectangle, else 0. Selected: the
  // handle whose square contains the field point (vertices first), else 0.
  int HitTest(CPoint point, bool selected) const;
  // Whether the shape meets `rect` (own frame); with whollyInside, whether it lies within it.
  virtual bool Intersects(const CRect& rect, bool whollyInside) const;
  virtual double GetArea() const;

  // --- Spotting -------------------------------------------------------------------------------
  // The field point of slot `index`, with a substitute skew (pass m_dSkew for none) and, for
  // an Arc, substitute angles used when both are non-zero.
  CPoint GetSpot(int index, double endAngle, double startAngle, double skew);
  // The same with the rotation given instead of m_dRotation. Gate turns ask for slot points
  // computed with rotation 0 (skew kept): GetSpotRotated(slot, 0.0, m_dSkew).
  CPoint GetSpotRotated(int index, double rotation, double skew, double endAngle = 0.0, double startAngle = 0.0);
  // The spot of every slot, as GetSpot(slot, 0.0, 0.0, m_dSkew) gives them, in one pass.
  std::vector<CPoint> GetAllSpots();
  // Block rectangles: the spot of slot `index` in its row.
  CPoint SpotInBlock(int index, double rotation, double skew) const;
  // Resizes the formation until its people fit (or until the outline is a whole number of
  // intervals long), then refreshes the people on it at its step.
  void ScaleToPeople(FormationView* view, bool toInterval);
  // One pass of ScaleToPeople with the given growth step; true when the length is within
  // 10 field units of the target.
  bool FitStep(int step, bool toInterval, FormationView* view = nullptr);

  // --- People on the formation ----------------------------------------------------------------
  // Drops the cached spots and positions of everyone standing on the formation (through its
  // show: a formation outside a show has nobody on it to tell).
  void InvalidatePeople();
  // The same, then recomputes their positions at the formation's step.
  void RefreshPeople();

  // --- Editing ------------------------------------------------------------------------------------
  // Moves the defining rectangle; the one way it changes. With checkBounds an unrotated
  // formation is pushed back into the field and a rotated one that would leave it stays.
  // arcReshape lets an Arc recompute its outline for an unchanged rectangle; movePivot
  // takes the pivot along.
  virtual void MoveTo(const CRect& rect, FormationView* view = nullptr, bool checkBounds = false,
                      bool arcReshape = false, bool movePivot = true);
  // Resizes by handle `handle`; the point is in the formation's own frame.
  virtual void MoveHandleTo(int handle, CPoint point, FormationView* view = nullptr, bool keepSquare = false);
  // Moves the drawn formation by (dx, dy) field units.
  void ShiftBy(int dx, int dy, FormationView* view = nullptr);
  // Mirrors about x (mode 0), y (mode 1) or both (mode 2).
  virtual void Flip(int x, int y, int mode, FormationView* view = nullptr);
  // Mirrors the formation within its own rectangle: left and right (or top and bottom) edges
  // swap through MoveTo; rotation, skew and pivot stay.
  void FlipInPlace(bool horizontal, FormationView* view = nullptr);
  // Moves the pivot without moving the drawn formation.
  void SetPivot(int x, int y, FormationView* view = nullptr);
  void CenterPivot(FormationView* view = nullptr);
  void CornerPivot(FormationView* view = nullptr);
  // Toggles m_bReverse, reverses the vertices and rebuilds the outline.
  void Reverse();
  // A Line only: pivot on its first end, no rotation or skew, and vertical (or horizontal)
  // from that end with its length kept, toward the side its other end was on.
  void StraightenLine(bool vertical, FormationView* view = nullptr);

  // --- Copies and conversion ------------------------------------------------------------------
  // A copy of every setting (no number, step, document or slots), not in any document.
  virtual std::unique_ptr<CFormation> Clone() const;
  // A copy added to the document at its current step.
  CFormation* Clone(ShowContext& document) const;
  // This formation when nothing changes, else a new formation of `kind` added to the
  // document at this formation's step (sides > 0: a regular polygon, a star when
  // starFactor > 0). With movePeople the people move over, keeping their order and march
  // settings. The caller removes the old formation.
  CFormation* ConvertTo(int kind, ShowContext& document, bool movePeople, int sides, double starFactor);

  // --- Slot array: the formation side of assigning people -------------------------------------
  // Makes room at `slot`: the array grows by one and the entries from `slot` on move up.
  void InsertSlot(int slot);
  // Removes the entry at `slot` and moves the later ones down, renumbering their places.
  void CloseSlotGap(int slot);
  // Sets the number of slots, keeping the entries that still fit.
  void ResizeSlots(int count);

  int m_nShape = SHAPE_POLYGON;
  int m_nNumber = -1;
  int m_nPlaces = 0;
  std::vector<CPlace*> m_ppPlaces;  // m_nPlaces entries, not owned
  LOGPEN m_logpen{PS_INSIDEFRAME, CPoint{1, 1}, RGB(0, 0, 0)};
  LOGBRUSH m_logbrush{BS_NULL, RGB(192, 192, 192), 0};
  double m_dArcStart = 0.0;
  double m_dArcEnd = PI;
  CPoint m_ptArcStart{POSITION_NONE_VALUE, 0};
  CPoint m_ptArcEnd{POSITION_NONE_VALUE, 0};
  CPoint m_ptPivot{0, 0};
  CPoint m_ptPivotSaved{0, 0};
  double m_dRotation = 0.0;
  double m_dSkew = 0.0;
  int m_bSpread = 1;
  int m_bScaleToFit = 0;
  int m_bScaleToInterval = 0;
  double m_dInterval = 90.0;
  CRect m_rcBase;
  ShowContext* m_pDocument = nullptr;  // the show it belongs to; none for a clipboard copy
  double m_dLength = 0.0;
  int m_bFill = 0;
  int m_nCurveRepeat = 6;
  std::vector<double> m_pSegLen;  // outline count + 2 entries
  std::vector<double> m_pCumLen;
  int m_nStep = 0;
  int m_nEndStep = 0;
  int m_nOutline = 0;
  std::vector<CPoint> m_pOutline;  // m_nOutline entries
  int m_bPoint = 0;
  int m_bArrow = 0;
  int m_nPoints = 0;
  int m_nAllocPoints = 0;
  std::vector<CPoint> m_pPoints;  // at least m_nPoints entries
  int m_bReverse = 0;
  std::string m_strName = "No name";
  std::string m_strNote;
  int m_bBlock = 0;
  int m_nExtra = 0;
  int m_nSpare = 0;
  int m_nRows = 4;
  int m_nVersion = 5;

 protected:
  // Copies every setting that Clone copies into `to`.
  void CopySettingsTo(CFormation& to) const;
  // CDrawPoly: moves and scales the vertices from rectangle `from` into rectangle `to`.
  virtual void MoveVertices(const CRect& from, const CRect& to);
  // CDrawPoly: mirrors the vertices (mode as for Flip).
  virtual void FlipVertices(int x, int y, int mode);
  // Handle n of the defining rectangle (1..8) in the own frame, before the transform.
  CPoint BaseHandle(int n) const;
  // Asks the view (when there is one) to redraw the formation's area.
  void Redraw(FormationView* view) const;
  void MarkModified() const;

 private:
  void BuildRectOutline();
  void BuildLineOutline();
  void BuildEllipseOutline();
  void BuildArcOutline();
  void BuildCurveOutline();
  void RecalcSegmentLengths();
  CPoint SpotAlongPolyline(int index, double rotation, double skew) const;
  CPoint SpotInFill(int index, double rotation, double skew);
  // Fill mode: the spot of every slot into `spots`, also handed to each slot's place.
  void FillSpots(double rotation, double skew, std::vector<CPoint>& spots);
  CPoint SpotWith(int index, double rotation, double skew, bool fillAllowed);
  void ResizeRect(const CRect& rect);
};

// Rectangle, Ellipse, Line and Arc: the outline comes from the defining rectangle.
class CDrawRect : public CFormation {
 public:
  CDrawRect();
  explicit CDrawRect(const CRect& rect);
  const char* GetRuntimeClassName() const override { return "CDrawRect"; }

  int GetHandleCount() const override;
  CPoint GetHandle(int n) const override;
  bool Intersects(const CRect& rect, bool whollyInside) const override;
  void MoveHandleTo(int handle, CPoint point, FormationView* view = nullptr, bool keepSquare = false) override;
  using CFormation::Clone;
  std::unique_ptr<CFormation> Clone() const override;
};

// Polygon, Curve and Closed polygon: the outline comes from the vertex list.
class CDrawPoly : public CFormation {
 public:
  CDrawPoly() = default;
  const char* GetRuntimeClassName() const override { return "CDrawPoly"; }
  // Replaces the vertex list (used count and allocation both become the list's size).
  void SetPoints(const std::vector<CPoint>& points);

  int GetHandleCount() const override;
  CPoint GetHandle(int n) const override;
  bool Intersects(const CRect& rect, bool whollyInside) const override;
  double GetArea() const override;
  void MoveHandleTo(int handle, CPoint point, FormationView* view = nullptr, bool keepSquare = false) override;
  void RecalcBounds(FormationView* view = nullptr) override;
  using CFormation::Clone;
  std::unique_ptr<CFormation> Clone() const override;

  // Removes every second vertex (keeping the first) when there are 3 or more; false when
  // nothing changed. Then rebuilds outline and bounds, rescales and refreshes the people.
  bool ThinPoints(FormationView* view = nullptr);
  // Inserts the midpoint between each pair of neighbouring vertices when there are fewer
  // than 150; false when nothing changed. Afterwards as ThinPoints.
  bool DoublePoints(FormationView* view = nullptr);

 protected:
  void MoveVertices(const CRect& from, const CRect& to) override;
  void FlipVertices(int x, int y, int mode) override;

 private:
  void AfterVertexEdit(FormationView* view);
};

}  // namespace px
