#pragma once
// What lies under a point of the field at the current step: a person's marker, or the
// formation whose shape passes there (the smallest one when several do).
#include "core/doc/pxdoc.h"

namespace px {

// The last person of the show whose marker meets the 1 by 1 square at the point.
CPerson* PersonAt(const CPxDoc& doc, CPoint point);

// Among the formations of the current step that meet the 2 by 2 square at the point (taken
// into each formation's own frame), the one with the smallest area; the first of equals.
CFormation* FormationAt(const CPxDoc& doc, CPoint point);

}  // namespace px
