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

// The length of the member's path in its Follow group. With no step under way the member
// covers the path in one step; its length is not measured then, and the straight distance
// stands in for it.
double FollowPathLength(CPerson& person, CPlace& from, CPlace& to) {
  const march::Approach a(from, to);
  if (a.total <= 1) return Distance(march::SpotOf(from), march::SpotOf(to));
  const march::FollowGroup g = march::CollectFollowGroup(person, from, to);
  const int k = g.IndexOf(person);
  return k < 0 ? 0.0 : march::FollowPathLength(g, static_cast<size_t>(k), a);
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
