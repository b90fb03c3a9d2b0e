// The formation record: construction, copies, the slot array and the people standing on it.
#include "core/formation/formation.h"

#include <algorithm>
#include <iterator>

#include "core/formation/formation_view.h"
#include "core/model/place.h"
#include "core/model/show_context.h"

namespace px {

const char* ShapeKindName(int kind) {
  static constexpr const char* kNames[] = {"Rectangle", "Ellipse", "Line",   "Polygon", "Curve", "Closed polygon",
                                           "Arc",       "Square",  "Circle", "Cross",   "Flag"};
  return kind >= 0 && kind < static_cast<int>(std::size(kNames)) ? kNames[kind] : "";
}

double NormalizeAngle(double angle) {
  if (angle < 0.0) return angle + FULL_TURN;
  if (angle >= FULL_TURN) return angle - FULL_TURN;
  return angle;
}

CRect NormalizedRect(const CRect& rect) {
  return CRect{std::min(rect.left, rect.right), std::min(rect.top, rect.bottom), std::max(rect.left, rect.right),
               std::max(rect.top, rect.bottom)};
}

namespace {

// One axis of ClampToField: the edge beyond the field is pulled in and the other edge
// follows by the same amount, without crossing the opposite field edge.
void ClampAxis(int& a, int& b) {
  int& high = a >= b ? a : b;
  int& low = a >= b ? b : a;
  if (high > FIELD_EXTENT) {
    low = std::max(0, low - (high - FIELD_EXTENT));
    high = FIELD_EXTENT;
  }
  if (low < 0) {
    high = std::min(FIELD_EXTENT, high - low);
    low = 0;
  }
}

}  // namespace

CRect ClampToField(const CRect& rect) {
  CRect r = rect;
  ClampAxis(r.left, r.right);
  ClampAxis(r.top, r.bottom);
  return r;
}

CFormation::CFormation() = default;

CFormation::~CFormation() = default;

CDrawRect::CDrawRect() = default;

CDrawRect::CDrawRect(const CRect& rect) {
  m_nShape = SHAPE_RECTANGLE;
  m_rcBase = rect;
}

void CDrawPoly::SetPoints(const std::vector<CPoint>& points) {
  m_pPoints = points;
  m_nPoints = m_nAllocPoints = static_cast<int>(points.size());
}

void CFormation::CopySettingsTo(CFormation& to) const {
  to.m_nShape = m_nShape;
  to.m_logpen = m_logpen;
  to.m_logbrush = m_logbrush;
  to.m_dArcStart = m_dArcStart;
  to.m_dArcEnd = m_dArcEnd;
  to.m_ptArcStart = m_ptArcStart;
  to.m_ptArcEnd = m_ptArcEnd;
  to.m_ptPivot = m_ptPivot;
  to.m_ptPivotSaved = m_ptPivotSaved;
  to.m_dRotation = m_dRotation;
  to.m_dSkew = m_dSkew;
  to.m_bSpread = m_bSpread;
  to.m_bScaleToFit = m_bScaleToFit;
  to.m_bScaleToInterval = m_bScaleToInterval;
  to.m_dInterval = m_dInterval;
  to.m_rcBase = m_rcBase;
  to.m_dLength = m_dLength;
  to.m_bFill = m_bFill;
  to.m_nCurveRepeat = m_nCurveRepeat;
  to.m_pSegLen = m_pSegLen;
  to.m_pCumLen = m_pCumLen;
  to.m_nEndStep = m_nEndStep;
  to.m_nOutline = m_nOutline;
  to.m_pOutline = m_pOutline;
  to.m_bPoint = m_bPoint;
  to.m_bArrow = m_bArrow;
  to.m_nPoints = m_nPoints;
  to.m_nAllocPoints = m_nAllocPoints;
  to.m_pPoints = m_pPoints;
  to.m_bReverse = m_bReverse;
  to.m_strName = m_strName;
  to.m_strNote = m_strNote;
  to.m_bBlock = m_bBlock;
  to.m_nExtra = m_nExtra;
  to.m_nSpare = m_nSpare;
  to.m_nRows = m_nRows;
  to.m_nVersion = m_nVersion;
}

std::unique_ptr<CFormation> CFormation::Clone() const {
  auto copy = std::make_unique<CFormation>();
  CopySettingsTo(*copy);
  return copy;
}

std::unique_ptr<CFormation> CDrawRect::Clone() const {
  auto copy = std::make_unique<CDrawRect>();
  CopySettingsTo(*copy);
  return copy;
}

std::unique_ptr<CFormation> CDrawPoly::Clone() const {
  auto copy = std::make_unique<CDrawPoly>();
  CopySettingsTo(*copy);
  return copy;
}

CFormation* CFormation::Clone(ShowContext& document) const {
  // Adding gives the copy the document's default interval; a copy keeps its own.
  const double interval = m_dInterval;
  CFormation* added = document.AddFormation(Clone());
  added->m_dInterval = interval;
  return added;
}

void CFormation::InvalidatePeople() {
  if (m_pDocument) m_pDocument->InvalidatePeopleOn(*this, false);
}

void CFormation::RefreshPeople() {
  if (m_pDocument) m_pDocument->InvalidatePeopleOn(*this, true);
}

void CFormation::SetLineColor(COLORREF colour) {
  m_logpen.lopnColor = colour;
  if (m_pDocument) {
    m_pDocument->UpdateAllViews();
    m_pDocument->SetModifiedFlag();
  }
}

void CFormation::SetFillColor(COLORREF colour) {
  m_logbrush.lbColor = colour;
  if (m_pDocument) {
    m_pDocument->UpdateAllViews();
    m_pDocument->SetModifiedFlag();
  }
}

void CFormation::Redraw(FormationView* view) const {
  if (view) view->InvalidateFormation(*this);
}

void CFormation::MarkModified() const {
  if (m_pDocument) m_pDocument->SetModifiedFlag();
}

void CFormation::ResizeSlots(int count) {
  m_nPlaces = std::max(count, 0);
  m_ppPlaces.resize(static_cast<size_t>(m_nPlaces), nullptr);
}

void CFormation::InsertSlot(int slot) {
  slot = std::clamp(slot, 0, m_nPlaces);
  m_ppPlaces.insert(m_ppPlaces.begin() + slot, nullptr);
  ++m_nPlaces;
  for (int i = slot + 1; i < m_nPlaces; ++i)
    if (CPlace* place = m_ppPlaces[static_cast<size_t>(i)]) place->m_nSlot = i;
}

void CFormation::CloseSlotGap(int slot) {
  if (slot < 0 || slot >= m_nPlaces) return;
  m_ppPlaces.erase(m_ppPlaces.begin() + slot);
  --m_nPlaces;
  for (int i = slot; i < m_nPlaces; ++i)
    if (CPlace* place = m_ppPlaces[static_cast<size_t>(i)]) place->m_nSlot = i;
}

}  // namespace px
