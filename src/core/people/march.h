#pragma once
// The march modes: how a person gets from the previous place to the next one. Only the
// marching code includes this; the rest of the program asks CPerson::GetPosition.
#include "core/people/person.h"

namespace px::march {

// One approach: the person marches from place `from` (P) to place `to` (N), whose march
// settings apply; `elapsed` of `total` marching steps are done (0 < elapsed < total).
struct Leg {
  CPerson& person;
  CPlace& from;
  CPlace& to;
  int step;
  int elapsed;
  int total;
};

// The cached spot of a place, computed on first use with the formation's own skew.
CPoint SpotOf(CPlace& place);

// The spot of `slot` with a substitute rotation, skew and (for an arc, when both are
// non-zero) arc angles; the places' cached spots are left as they were.
CPoint SubstituteSpot(CFormation& formation, int slot, double rotation, double skew, double endAngle,
                      double startAngle);
// The spot of `slot` as if `formation` were not rotated (its skew kept).
CPoint SpotUnrotated(CFormation& formation, int slot);

// a + (b - a) * elapsed / total on each axis, with the MulDiv rounding.
CPoint Lerp(CPoint a, CPoint b, int elapsed, int total);

// Rotates p about centre with the formation transform's rounding (skew 0).
CPoint RotateAbout(CPoint p, CPoint centre, double angle);

// The point at distance d along a polyline of `count` points whose segment i (ending at
// point i) has length segLen[i] and running length cumLen[i] (cumLen[0] = 0).
CPoint PointAlongPath(const CPoint* points, const double* segLen, const double* cumLen, int count, double d);

// The modes.
CPoint Float(const Leg& leg);
CPoint FloatFlex(const Leg& leg);
CPoint Follow(const Leg& leg);
CPoint Pivot(const Leg& leg);
CPoint CornerMarch(const Leg& leg, bool xFirst);
CPoint ArcChange(const Leg& leg);
CPoint Skew(const Leg& leg);

}  // namespace px::march
