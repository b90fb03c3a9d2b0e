#include "core/draw/record_style.h"

#include <algorithm>

#include "core/draw/print_style.h"

namespace px {
namespace {

// LOGPEN styles.
constexpr int PS_SOLID = 0, PS_DASHDOTDOT = 4, PS_NULL = 5;

}  // namespace

Pen PenFromLogPen(const LOGPEN& logpen) {
  Pen pen;
  if (logpen.lopnStyle == PS_NULL) pen.style = PenStyle::None;
  else if (logpen.lopnStyle > PS_SOLID && logpen.lopnStyle <= PS_DASHDOTDOT) pen.style = PenStyle::Dot;
  pen.width = std::max(1, logpen.lopnWidth.x);
  pen.color = logpen.lopnColor;
  return pen;
}

Pen RecordPen(const CFormation& record, int when, const DrawView* view, bool printing, const ShowSettings& doc) {
  if (BlackOnWhite(printing, doc)) return Pen{PenStyle::Solid, 1, kBlack};
  if (when < 0) return Pen{PenStyle::Solid, 1, doc.m_crPastFormation};
  if (when > 0) return Pen{PenStyle::Solid, 1, doc.m_crFutureFormation};
  Pen pen = PenFromLogPen(record.m_logpen);
  if (view && !view->is3D && view->IsSelected(&record)) pen.color = doc.m_crSelectedFormation;
  return pen;
}

Brush RecordBrush(const CFormation& record, bool printing, const ShowSettings& doc) {
  if (IsHollow(record)) return Brush{true, record.m_logbrush.lbColor};
  return Brush{false, BlackOnWhite(printing, doc) ? kWhite : record.m_logbrush.lbColor};
}

}  // namespace px
