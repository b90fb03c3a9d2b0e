#pragma once
// What happens to the people standing on a formation when the formation changes.
#include "core/formation/formation.h"

namespace px {

// Their cached spots and their positions on the legs into and out of the formation no longer
// hold; with recompute, they stand where they are at the formation's step at once.
void InvalidatePeopleOn(const CFormation& formation, bool recompute);
// Their drawn positions travel along with a formation moved by (dx, dy).
void ShiftPeopleOn(const CFormation& formation, int dx, int dy);
// Moves everyone from `from` to new slots of `to`, in slot order, keeping their march settings.
void MovePeopleOnto(CFormation& from, CFormation& to);
// Computes the spot of every filled slot and puts its person there.
void RecalcSpots(CFormation& formation);

}  // namespace px
