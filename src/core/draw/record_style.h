#pragma once
// The pen and brush a formation, prop or person is drawn with.
#include "core/doc/pxdoc.h"
#include "core/draw/canvas.h"
#include "core/draw/draw_view.h"

namespace px {

// When a record is drawn: the current step, or as the outline of a past or future formation.
enum DrawWhen : int { DRAW_PAST = -1, DRAW_NOW = 0, DRAW_FUTURE = 1 };

// A pen from a stored LOGPEN: dashed styles draw dotted, PS_NULL draws nothing.
Pen PenFromLogPen(const LOGPEN& logpen);

// Past and future outlines get one-unit pens in their colours; a record of the current step
// its own pen, in the selected colour while a 2D view has it selected (the record itself
// keeps its colour). On paper without "Color" everything is one-unit black.
Pen RecordPen(const CFormation& record, int when, const DrawView* view, bool printing, const ShowSettings& doc);

// The record's fill: hollow unless its brush is solid. Black-on-white pages fill white.
Brush RecordBrush(const CFormation& record, bool printing, const ShowSettings& doc);

inline bool IsHollow(const CFormation& record) { return record.m_logbrush.lbStyle != BS_SOLID; }

// A prop shown over a range of steps: its end step lies after its begin step.
inline bool IsRangedProp(const CFormation& record) {
  return record.m_nStep >= 0 && record.m_nStep < record.m_nEndStep;
}

}  // namespace px
