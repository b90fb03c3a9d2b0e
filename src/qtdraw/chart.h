#pragma once
// One step of the show drawn on a QPainter the way the field view draws it: the canvas, the
// isotropic mapping and core's drawing of the field, the formations and the people.
#include <QPainter>
#include <QRectF>

#include "core/draw/field_view_draw.h"
#include "qtdraw/canvas_cache.h"
#include "qtdraw/field_mapping.h"

namespace px {

// Draws the part of the world under `deviceClip` (device pixels) through `mapping`. Without a
// song lookup in `options` the text band names the song the show plays at the step. A view
// that draws frame after frame passes its `cache`, so what did not change is not worked out
// again.
void DrawChart(QPainter& painter, const FieldMapping& mapping, const QRectF& deviceClip, bool printing, CPxDoc& doc,
               FieldViewState& state, const FieldViewDrawOptions& options, CanvasCache* cache = nullptr);

// The mapping of a printed page or an image: the normal extent fitted into the device, made
// smaller when needed so that the world down to `contentBottom` (field units) fits as well,
// the 120-yard span centred across the device and the world's top at the device's top.
FieldMapping PageMapping(QSizeF deviceSize, int contentBottom);

// The mapping of a printed page: the field with its yard numbers above it and the text band
// and show information below it, as large as the page allows and centred on it.
FieldMapping ChartPageMapping(QSizeF deviceSize, const FieldViewState& state);

// How far down a chart reaches: the text band and the show information below it.
int ChartBottom(const FieldViewState& state);

}  // namespace px
