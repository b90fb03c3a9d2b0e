// How large each step of an approach must be to reach the next spot in time.
#include "core/people/step_size.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "core/formation/formation.h"
#include "core/people/march.h"
#include "core/people/person.h"
#include "core/people/pivot_turn.h"

namespace px {
namespace {

double Distance(CPoint a, CPoint b) {
  const double dx = static_cast<double>(b.x) - a.x;
  const double dy = static_cast<double>(b.y) - a.y;
  return std::sqrt(dx * dx + dy * dy);
}

// The follow path is only built while the person is under way, so its length is measured
// at the first step that marches: the same path serves every step of the approach.
double FollowPathLength(CPerson& person, CPlace& from, CPlace& to) {
  const int begin = from.m_pFormation->m_nStep;
  const int total = std::max(1, to.m_pFormation->m_nStep - begin - to.m_nWaitAfter - to.m_nWaitBefore);
  person.InvalidateAllPositions();
  to.m_dPathLength = 0.0;
  if (total > 1) person.GetPosition(begin + to.m_nWaitBefore + 1);
  // With no step under way the member covers the path in one step; its length is not
  // measured then, and the straight distance stands in for it.
  const double length = total > 1 ? to.m_dPathLength : Distance(march::SpotOf(from), march::SpotOf(to));
  person.InvalidateAllPositions();
  person.GetPosition(0, to.m_pFormation, to.m_nSlot);
  return length;
}

}  // namespace

double ApproachStepSize(CPerson& person, CPlace& from, CPlace& to) {
  if (!from.m_pFormation || !to.m_pFormation) return 0.0;
  const int n = to.m_pFormation->m_nStep - from.m_pFormation->m_nStep;
  if (n <= 0) return 0.0;
  const CPoint a = march::SpotOf(from);
  const CPoint b = march::SpotOf(to);
  if (a == POSITION_NONE || b == POSITION_NONE) return 0.0;
  switch (to.m_nMarchMode) {
    case MARCH_FLOAT:
    case MARCH_SKEW:
    case MARCH_ARC:
      return Distance(a, b) * 0.5 / n;
    case MARCH_XY:
    case MARCH_YX:
      return (std::abs(static_cast<double>(b.x) - a.x) + std::abs(static_cast<double>(b.y) - a.y)) * 0.5 / n;
    case MARCH_PIVOT: {
      const double turn = PivotTurn(from.m_pFormation->m_dRotation, to.m_pFormation->m_dRotation,
                                    to.m_bClockwise != 0, true);
      return Distance(b, from.m_pFormation->m_ptPivot) * 0.5 * std::fabs(turn) / n;
    }
    case MARCH_FOLLOW:
      return FollowPathLength(person, from, to) * 0.5 / n;
    default:
      return 0.0;
  }
}

double CPerson::GetStepSize(int step) {
  if (step == 0) return 0.0;
  CPlace* from = GetPlaceAtOrBefore(step - 1);
  CPlace* to = GetPlaceAtOrAfter(step);
  if (!from || !to) return 0.0;
  if (to->m_nMarchMode == MARCH_FOLLOW && step <= 1) return 0.0;
  return ApproachStepSize(*this, *from, *to);
}

}  // namespace px
