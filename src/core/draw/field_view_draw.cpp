#include "core/draw/field_view_draw.h"

#include "core/draw/painter.h"
#include "core/draw/step_drawing.h"

namespace px {

void DrawFieldView(Canvas& canvas, CPxDoc& doc, FieldViewState& state, const FieldViewDrawOptions& options) {
  state.SetupField(doc);
  Painter painter(canvas);
  DrawView view = options.view;
  view.is3D = state.m_b3D;
  view.perspective = state.GetPerspective(doc);
  view.paths = &state.m_paths;
  view.labels = &state.m_labels;
  FieldFrameOptions frame;
  frame.animating = view.playing;
  frame.songAtStep = options.songAtStep;
  DrawFieldFrame(painter, doc, state, frame);
  DrawStep(painter, doc, view);
}

}  // namespace px
