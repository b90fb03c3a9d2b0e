#pragma once
// A formation: a shape drawn on the field at one step, with numbered slots for the people
// standing on it. The same record serves as a prop and, through CPerson, as a band member.
#include <string>
#include <vector>

#include "core/doc/cobject.h"
#include "core/util/types.h"

namespace px {

class CPxDoc;
class CPlace;

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

constexpr double PI = 3.14159265358979323846;
// The program's full turn, as used by every angle rule of formations and marching.
constexpr double FULL_TURN = 6.283185307178;

class CFormation : public CObject {
 public:
  CFormation();
  ~CFormation() override;
  CFormation(const CFormation&) = delete;
  CFormation& operator=(const CFormation&) = delete;

  const char* GetRuntimeClassName() const override { return "CFormation"; }
  void Serialize(CArchive& ar) override;

  // Rebuilds the outline for the current kind, refreshes the segment lengths and returns
  // the outline length.
  virtual double RecalcOutline();

  // Computes and caches the spot of the person in every slot.
  void RecalcSpots();
  // The field point of slot `index`, with a substitute skew (and, for arcs, substitute
  // angles when both are non-zero).
  CPoint GetSpot(int index, double endAngle, double startAngle, double skew);

  // Slot array helpers: the formation side of assigning people.
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
  CPxDoc* m_pDocument = nullptr;
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
};

// Rectangle, Ellipse, Line and Arc: the outline comes from the defining rectangle.
class CDrawRect : public CFormation {
 public:
  CDrawRect() = default;
  explicit CDrawRect(const CRect& rect);
  const char* GetRuntimeClassName() const override { return "CDrawRect"; }
};

// Polygon, Curve and Closed polygon: the outline comes from the vertex list.
class CDrawPoly : public CFormation {
 public:
  CDrawPoly() = default;
  const char* GetRuntimeClassName() const override { return "CDrawPoly"; }
  // Replaces the vertex list (used count and allocation both become the list's size).
  void SetPoints(const std::vector<CPoint>& points);
};

}  // namespace px
