#pragma once
// The field view's whole drawing of the current step: field, text band, formations, people.
#include "core/draw/canvas.h"
#include "core/draw/draw_view.h"
#include "core/draw/field_drawing.h"

namespace px {

struct FieldViewDrawOptions {
  // Selection, tool, handles and playing state; its 3D flag and perspective are taken from
  // the field view state.
  DrawView view;
  SongAtStepFn songAtStep;
};

// Lays out the field for the document's size, then draws the frame and the step.
void DrawFieldView(Canvas& canvas, CPxDoc& doc, FieldViewState& state, const FieldViewDrawOptions& options);

}  // namespace px
