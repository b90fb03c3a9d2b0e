#pragma once
// The document's drawing of its current step: past and future outlines, formations and
// props, people, and the trackers of what the view has selected.
#include "core/doc/pxdoc.h"
#include "core/draw/draw_view.h"
#include "core/draw/painter.h"
#include "core/draw/person_drawing.h"

namespace px {

// Full drawing (outlines, every formation, trackers) happens on screen in 2D, unless the
// show is playing without "Draw On Animate".
bool DrawsInFull(const ShowSettings& doc, const DrawView& view, bool printing);

// Whether the record is drawn at the current step: it stands there, or it is a prop whose
// range of steps covers it.
bool StandsAtCurrentStep(const CFormation& formation, int currentStep);

// Past and future outlines show hollow formations without an end step beyond their step.
bool ShowsAsOutline(const CFormation& formation);
// The step whose formations are outlined (-1: none). Past: the latest earlier step holding
// such a formation. Future: the next formation step after the current one.
int OutlineStep(const CPxDoc& doc, int when);

void DrawStep(Painter& painter, CPxDoc& doc, const DrawView& view);

}  // namespace px
