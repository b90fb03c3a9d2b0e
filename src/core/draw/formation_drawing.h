#pragma once
// Drawing of one formation or prop: its outline by kind, block rows, arrowhead, pivot marker
// and selection handles.
#include "core/draw/draw_view.h"
#include "core/draw/painter.h"
#include "core/draw/record_style.h"

namespace px {

// Arrowhead sizes: a prop's "Arrow" and the smaller directional indicator.
constexpr int kPropArrowSize = 100;
constexpr int kDirectionalArrowSize = 50;
// A filled polygon is drawn from at most this many points.
constexpr size_t kMaxFilledPoints = 500;

// Draws a formation or prop (kinds 0 to 6); `when` is DRAW_NOW, DRAW_PAST or DRAW_FUTURE.
// Without a view the record is drawn flat and unselected.
void DrawFormation(Painter& painter, const CFormation& formation, int when, const DrawView* view);

// The arrowhead size the record gets (0: none).
int ArrowheadSize(const CFormation& formation, int when, const DrawView* view, bool printing);

// With the rotate pointer two circles (72 and 36) around the shown pivot, else a small cross.
void DrawPivotMarker(Painter& painter, const CFormation& formation, int when, const DrawView* view);

// The handles of a selected formation, inverted squares of the document's handle sizes.
void DrawFormationTracker(Painter& painter, const CFormation& formation);

}  // namespace px
