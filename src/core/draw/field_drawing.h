#pragma once
// Drawing of the field itself: surround, field colour, line families, hash marks, yard
// numbers, snap points and the text band below the field.
#include <functional>
#include <string>

#include "core/doc/pxdoc.h"
#include "core/draw/field_view_state.h"
#include "core/draw/painter.h"
#include "core/draw/print_style.h"

namespace px {

// The name of the song playing at a step, or empty when none does.
using SongAtStepFn = std::function<std::string(const CPxDoc& doc, int step)>;

struct FieldFrameOptions {
  bool animating = false;  // the show is playing
  SongAtStepFn songAtStep;  // empty: no song list yet, so no song line
};


// Colour of text on the field (band text and yard numbers): the 8-step line colour, which
// the designer already picked to stand out from the field; black on a colourless print.
COLORREF FieldTextColor(const Painter& painter, const CPxDoc& doc);

// The fonts of the field view.
Font YardNumberFont();
Font BandFont();

// Field lines, hash marks and yard numbers.
void DrawField(Painter& painter, const CPxDoc& doc, const FieldViewState& view);

// Everything of the field view below the formations and people: surround, field fill, the
// field, snap points and the text band.
void DrawFieldFrame(Painter& painter, const CPxDoc& doc, const FieldViewState& view, const FieldFrameOptions& options);

// The spacing of the snap grid (its origin is the field-space origin, which lies on the yard
// lines of every centred field).
int SnapSpacing(const CPxDoc& doc);

}  // namespace px
