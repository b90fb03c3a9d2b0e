// Pivot: the gate turn, swinging the formation about its pivot.
#include <cmath>

#include "core/people/march.h"
#include "core/people/pivot_turn.h"
#include "core/util/muldiv.h"

namespace px::march {
namespace {

}  // namespace

CPoint Pivot(const Leg& leg) {
  CFormation& pf = *leg.from.m_pFormation;
  CFormation& nf = *leg.to.m_pFormation;
  const bool clockwise = leg.to.m_bClockwise != 0;
  const double turn = PivotTurn(pf.m_dRotation, nf.m_dRotation, clockwise, true);
  const double angle = leg.elapsed * turn / leg.total;

  if (leg.to.m_bSimple) return RotateAbout(SpotOf(leg.from), pf.m_ptPivot, angle);

  // Not simple: the unrotated spot slides from the old shape to the new one while the pivot
  // slides between the two pivots; the whole is then turned about the moving pivot.
  CPerson::TurnSpots& spots = leg.person.m_turnSpots;
  if (spots.from != &leg.from || spots.to != &leg.to || spots.step != leg.from.m_nStep ||
      spots.fromSpot == POSITION_NONE || spots.toSpot == POSITION_NONE) {
    spots = CPerson::TurnSpots{&leg.from, &leg.to, leg.from.m_nStep, SpotUnrotated(pf, leg.from.m_nSlot),
                              SpotUnrotated(nf, leg.to.m_nSlot)};
  }
  const CPoint p1 = spots.fromSpot;
  const CPoint p2 = spots.toSpot;
  const CPoint c1 = pf.m_ptPivot;
  const CPoint c2 = nf.m_ptPivot;
  const int vx = (p2.x - c2.x) - (p1.x - c1.x);
  const int vy = (p2.y - c2.y) - (p1.y - c1.y);
  const CPoint delta{MulDiv(c2.x - c1.x, leg.elapsed, leg.total), MulDiv(c2.y - c1.y, leg.elapsed, leg.total)};
  const CPoint centre{c1.x + delta.x, c1.y + delta.y};
  CPoint p{p1.x + MulDiv(vx, leg.elapsed, leg.total) + delta.x, p1.y + MulDiv(vy, leg.elapsed, leg.total) + delta.y};
  p = RotateAbout(p, centre, pf.m_dRotation);
  return RotateAbout(p, centre, angle);
}

}  // namespace px::march
