#pragma once
// The signed turn of a gate turn from rotation a1 to rotation a2 (radians) in the chosen
// direction: positive clockwise, negative counterclockwise, never more than one full turn.
#include <cmath>

#include "core/formation/formation.h"

namespace px {

// With wholeTurnRule, a turn of less than 4 degrees becomes a whole turn in the chosen
// direction, so a gate turn between formations of equal rotation still goes all the way round.
inline double PivotTurn(double a1, double a2, bool cw, bool wholeTurnRule) {
  double d = 0.0;
  if (a2 > a1)
    d = cw ? a2 - a1 : -(FULL_TURN - (a2 - a1));
  else
    d = cw ? (a2 - a1) + FULL_TURN : a2 - a1;
  if (wholeTurnRule && std::fabs(d) < 4.0 * PI / 180.0) d = cw ? FULL_TURN : -FULL_TURN;
  return d;
}

}  // namespace px
