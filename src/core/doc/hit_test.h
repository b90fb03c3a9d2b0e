#pragma once
// What lies under a point of the field at the current step: a person's marker, a formation
// (the smallest one when several pass there), a handle of a selected formation, or the pivot
// of a selected formation. The field view and its pointer tools ask these with field points.
#include "core/doc/pxdoc.h"

namespace px {

// The last person of the show whose marker meets the 1 by 1 square at the point.
CPerson* PersonAt(const CPxDoc& doc, CPoint point);

// Among the formations of the current step that meet the 2 by 2 square at the point (taken
// into each formation's own frame), the one with the smallest area; the first of equals.
CFormation* FormationAt(const CPxDoc& doc, CPoint point);

// A handle of a selected formation under the point: the formation and its handle number.
struct HandleHit {
  CFormation* formation = nullptr;
  int handle = 0;
  explicit operator bool() const { return formation != nullptr; }
};
// The first selected formation of the current step, in list order, with a handle there.
HandleHit HandleAt(const CPxDoc& doc, CPoint point);

// The pivot grab distance, in field units on each axis.
constexpr int kPivotGrabDistance = 72;
// Walking the list from its end, the first selected formation of the current step whose pivot
// lies within 72 field units of the point on both axes.
CFormation* PivotAt(const CPxDoc& doc, CPoint point);

}  // namespace px
