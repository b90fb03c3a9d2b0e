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

void ArcSteps(const Approach& a, int first, int last, CPoint* out) {
  CFormation& pf = *a.from.m_pFormation;
  const CFormation& nf = *a.to.m_pFormation;
  const double startTurn = PivotTurn(pf.m_dArcStart, nf.m_dArcStart, a.to.m_bStartClockwise != 0, false);
  const double endTurn = PivotTurn(pf.m_dArcEnd, nf.m_dArcEnd, a.to.m_bEndClockwise != 0, false);
  for (int s = first; s <= last; ++s) {
    const int e = a.Elapsed(s);
    const double start = Normalised(pf.m_dArcStart + e * startTurn / a.total);
    const double end = Normalised(pf.m_dArcEnd + e * endTurn / a.total);
    out[s - first] = SubstituteSpot(pf, a.from.m_nSlot, pf.m_dRotation, pf.m_dSkew, end, start);
  }
}

void SkewSteps(const Approach& a, int first, int last, CPoint* out) {
  CFormation& pf = *a.from.m_pFormation;
  const double newSkew = a.to.m_pFormation->m_dSkew;
  for (int s = first; s <= last; ++s) {
    const double skew = pf.m_dSkew + (newSkew - pf.m_dSkew) * a.Elapsed(s) / a.total;
    out[s - first] = SubstituteSpot(pf, a.from.m_nSlot, pf.m_dRotation, skew, 0.0, 0.0);
  }
}

}  // namespace px::march
