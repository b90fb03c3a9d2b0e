// Arc change and Skew: the person keeps its slot on the old formation while the formation's
// arc angles or skew change step by step toward the new one.
#include "core/people/march.h"
#include "core/people/pivot_turn.h"

namespace px::march {
namespace {

double Normalised(double angle) {
  if (angle < 0.0) return angle + FULL_TURN;
  if (angle >= FULL_TURN) return angle - FULL_TURN;
  return angle;
}

}  // namespace

CPoint ArcChange(const Leg& leg) {
  CFormation& pf = *leg.from.m_pFormation;
  const CFormation& nf = *leg.to.m_pFormation;
  const double startTurn = PivotTurn(pf.m_dArcStart, nf.m_dArcStart, leg.to.m_bStartClockwise != 0, false);
  const double endTurn = PivotTurn(pf.m_dArcEnd, nf.m_dArcEnd, leg.to.m_bEndClockwise != 0, false);
  const double start = Normalised(pf.m_dArcStart + leg.elapsed * startTurn / leg.total);
  const double end = Normalised(pf.m_dArcEnd + leg.elapsed * endTurn / leg.total);
  return SubstituteSpot(pf, leg.from.m_nSlot, pf.m_dRotation, pf.m_dSkew, end, start);
}

CPoint Skew(const Leg& leg) {
  CFormation& pf = *leg.from.m_pFormation;
  const double skew = pf.m_dSkew + (leg.to.m_pFormation->m_dSkew - pf.m_dSkew) * leg.elapsed / leg.total;
  return SubstituteSpot(pf, leg.from.m_nSlot, pf.m_dRotation, skew, 0.0, 0.0);
}

}  // namespace px::march
