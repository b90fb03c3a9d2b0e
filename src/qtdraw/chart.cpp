#include "qtdraw/chart.h"

#include <algorithm>

#include "core/animation/song_for_step.h"
#include "qtdraw/qt_canvas.h"

namespace px {

void DrawChart(QPainter& painter, const FieldMapping& mapping, const QRectF& deviceClip, bool printing, CPxDoc& doc,
               FieldViewState& state, const FieldViewDrawOptions& options, CanvasCache* cache) {
  painter.save();
  painter.setClipRect(deviceClip);
  QtCanvas canvas(painter, mapping, mapping.ToField(deviceClip), printing, cache);
  if (options.songAtStep) {
    DrawFieldView(canvas, doc, state, options);
  } else {
    // Pages and pictures name the song of the step just as the screen does.
    FieldViewDrawOptions withSongs = options;
    withSongs.songAtStep = [](const CPxDoc& show, int step) { return SongForStep(show, step).fileName; };
    DrawFieldView(canvas, doc, state, withSongs);
  }
  painter.restore();
}

FieldMapping PageMapping(QSizeF deviceSize, int contentBottom) {
  FieldMapping mapping = FieldMapping::Isotropic(FieldViewState::kNormalExtent, deviceSize);
  if (contentBottom > 0 && contentBottom * mapping.scale > deviceSize.height())
    mapping.scale = deviceSize.height() / contentBottom;
  // A chart narrower than the device sits in its middle.
  const double spare = deviceSize.width() / mapping.scale - FIELD_EXTENT;
  if (spare > 0) mapping.worldOrigin.setX(-spare / 2);
  return mapping;
}

FieldMapping ChartPageMapping(QSizeF deviceSize, const FieldViewState& state) {
  // Room for the yard numbers above the field (144 units high, 144 above it) and a little
  // either side; below, the band and the show information.
  const CRect& f = state.m_rcField;
  const int band = state.m_rcBand.bottom - state.m_rcBand.top;
  const QRectF world(QPointF(f.left - 72, f.top - 180), QPointF(f.right + 72, state.m_rcBand.bottom + band));
  FieldMapping mapping;
  mapping.scale = std::min(deviceSize.width() / world.width(), deviceSize.height() / world.height());
  const QSizeF spare = deviceSize / mapping.scale - world.size();
  mapping.worldOrigin = world.topLeft() - QPointF(spare.width() / 2, spare.height() / 2);
  return mapping;
}

int ChartBottom(const FieldViewState& state) {
  // The band holds the step and comment; the show information takes as much again below it.
  const int band = state.m_rcBand.bottom - state.m_rcBand.top;
  return state.m_rcBand.bottom + band + 360;
}

}  // namespace px
