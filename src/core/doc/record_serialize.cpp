// The stored form of the formation, person, place and step-instruction records.
#include "core/doc/archive.h"
#include "core/formation/formation.h"
#include "core/people/person.h"

namespace px {

void CFormation::Serialize(CArchive& ar) {
  if (ar.IsStoring()) m_nVersion = 5;
  ar.XferWord(m_nVersion);
  const int r = m_nVersion;
  const bool words = ar.IsLoading() && r == 0;  // the oldest records store coordinates as WORDs
  ar.XferString(m_strName);
  ar.XferString(m_strNote);
  ar.XferWord(m_nShape);
  ar.XferWord(m_bSpread);
  ar.XferWord(m_bScaleToFit);
  ar.XferWord(m_bScaleToInterval);
  ar.XferWord(m_nStep);
  ar.XferWord(m_nEndStep);
  ar.XferWord(m_nNumber);
  ar.XferWord(m_nExtra);
  ar.XferWord(m_nPlaces);
  if (ar.IsLoading()) {
    ar.ClaimEntries(static_cast<size_t>(m_nPlaces));
    m_ppPlaces.assign(static_cast<size_t>(m_nPlaces), nullptr);
  }
  ar.XferWord(m_nSpare);
  ar.XferRect(m_rcBase, words);
  ar.XferPoint(m_ptPivot, words);
  if (ar.IsLoading()) m_ptPivotSaved = m_ptPivot;
  ar.XferDouble(m_dInterval);
  ar.XferDouble(m_dRotation);
  ar.XferDouble(m_dArcStart);
  ar.XferDouble(m_dArcEnd);
  ar.XferPoint(m_ptArcStart, words);
  ar.XferPoint(m_ptArcEnd, words);
  ar.XferDouble(m_dSkew);
  ar.XferWord(m_bReverse);
  ar.XferWord(m_bBlock);
  ar.XferWord(m_nRows);
  if (words) {
    ar.XferWord(m_logpen.lopnStyle);
    ar.XferPoint(m_logpen.lopnWidth, true);
  } else {
    ar.XferLong(m_logpen.lopnStyle);
    ar.XferPoint(m_logpen.lopnWidth);
  }
  ar.XferDword(m_logpen.lopnColor);
  // The brush is stored as solid (0) or hollow (1) only.
  int brushStyle = m_logbrush.lbStyle != 0 ? 1 : 0;
  ar.XferLong(brushStyle);
  m_logbrush.lbStyle = brushStyle != 0 ? 1 : 0;
  ar.XferDword(m_logbrush.lbColor);
  if (!words) ar.XferLong(m_logbrush.lbHatch);
  if (ar.IsStoring()) m_nPoints = std::min<int>(m_nPoints, static_cast<int>(m_pPoints.size()));
  ar.XferWord(m_nPoints);
  ar.XferWord(m_nAllocPoints);
  if (ar.IsLoading()) {
    ar.ClaimEntries(static_cast<size_t>(m_nAllocPoints));
    m_pPoints.assign(static_cast<size_t>(m_nAllocPoints), CPoint{});
    // A vertex count above the allocation (damaged file) grows the array instead of
    // writing past it.
    if (m_nAllocPoints != 0 && m_nPoints > m_nAllocPoints) {
      ar.CheckFits(static_cast<size_t>(m_nPoints), words ? 4 : 8);
      m_pPoints.resize(static_cast<size_t>(m_nPoints));
    }
    if (m_nAllocPoints == 0) m_nPoints = std::min(m_nPoints, 0);
  }
  if (m_nAllocPoints != 0 && m_nPoints > 0)
    for (int i = 0; i < m_nPoints; ++i) ar.XferPoint(m_pPoints[static_cast<size_t>(i)], words);
  if (ar.IsStoring() || r >= 2) ar.XferBoolW(m_bPoint); else m_bPoint = 0;
  if (ar.IsStoring() || r >= 3) ar.XferBoolW(m_bFill); else m_bFill = 0;
  if (ar.IsStoring() || r >= 4) ar.XferBoolW(m_bArrow); else m_bArrow = 0;
  if (ar.IsStoring() || r >= 5) ar.XferWord(m_nCurveRepeat); else m_nCurveRepeat = 1;
  if (ar.IsLoading()) RecalcOutline();
}

void CPerson::Serialize(CArchive& ar) {
  CFormation::Serialize(ar);
  if (ar.IsStoring()) m_nPersonVersion = 1;
  ar.XferWord(m_nPersonVersion);
  ar.XferPoint(m_ptPosition, ar.IsLoading() && m_nPersonVersion == 0);
  ar.XferList(m_places);
  ar.XferList(m_stepInsts);
  ar.XferWord(m_nGroup);
  std::string height = m_strHeight;
  ar.XferString(height);
  if (ar.IsLoading()) SetHeight(height);
  int reserved = 0;
  ar.XferWord(reserved);
}

void CPlace::Serialize(CArchive& ar) {
  if (ar.IsStoring()) m_nSchema = 3;
  ar.XferWord(m_nSchema);
  const int r = m_nSchema;
  ar.XferWord(m_nStep);
  ar.XferWord(m_nMarchMode);
  ar.XferWord(m_bAnchor);
  ar.XferWord(m_bReverse);
  ar.XferWord(m_bClockwise);
  ar.XferWord(m_bEndClockwise);
  ar.XferWord(m_bStartClockwise);
  ar.XferWord(m_nFormationID);
  ar.XferWord(m_nSlot);
  ar.XferWord(m_nWaitBefore);
  ar.XferWord(m_nWaitAfter);
  ar.XferPoint(m_ptSpot, ar.IsLoading() && r == 0);
  if (ar.IsStoring() || r >= 2) ar.XferBoolW(m_bFlex); else m_bFlex = 0;
  if (ar.IsStoring() || r >= 3) ar.XferBoolW(m_bSimple); else m_bSimple = 1;
}

void CStepInst::Serialize(CArchive& ar) {
  if (ar.IsStoring()) m_nSchema = 1;
  ar.XferWord(m_nSchema);
  ar.XferWord(m_nCount);
  ar.XferWord(m_bTowardStands);
  ar.XferWord(m_bAwayFromStands);
  ar.XferWord(m_bTowardRight);
  ar.XferWord(m_bTowardLeft);
  ar.XferWord(m_nSteps);
  ar.XferDouble(m_dStepSize);
}

}  // namespace px
