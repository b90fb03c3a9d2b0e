#include "view/tool_cursors.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QPolygonF>
#include <functional>

namespace px {
namespace {

constexpr int kSize = 32;

// A 32 by 32 cursor drawn black on a white outline, so it shows on the green field and on
// the grey surround alike.
QCursor Drawn(const std::function<void(QPainter&)>& paint, int hotX, int hotY) {
  QPixmap pixmap(kSize, kSize);
  pixmap.fill(Qt::transparent);
  QPainter p(&pixmap);
  p.setRenderHint(QPainter::Antialiasing);
  p.setBrush(Qt::NoBrush);
  for (const auto& [colour, width] : {std::pair{QColor(Qt::white), 4.0}, std::pair{QColor(Qt::black), 1.6}}) {
    p.setPen(QPen(colour, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    paint(p);
  }
  return QCursor(pixmap, hotX, hotY);
}

void ArrowHead(QPainter& p, QPointF tip, QPointF from) {
  const QPointF d = tip - from;
  const double len = std::hypot(d.x(), d.y());
  const QPointF u = d / len, n(-u.y(), u.x());
  p.drawLine(tip, tip - 5 * u + 4 * n);
  p.drawLine(tip, tip - 5 * u - 4 * n);
}

QCursor Handle() {
  return Drawn(
      [](QPainter& p) {
        p.drawLine(QPointF(16, 4), QPointF(16, 28));
        p.drawLine(QPointF(4, 16), QPointF(28, 16));
        ArrowHead(p, QPointF(16, 4), QPointF(16, 16));
        ArrowHead(p, QPointF(16, 28), QPointF(16, 16));
        ArrowHead(p, QPointF(4, 16), QPointF(16, 16));
        ArrowHead(p, QPointF(28, 16), QPointF(16, 16));
      },
      16, 16);
}

QCursor Cross() {
  return Drawn(
      [](QPainter& p) {
        p.drawLine(QPointF(16, 3), QPointF(16, 13));
        p.drawLine(QPointF(16, 19), QPointF(16, 29));
        p.drawLine(QPointF(3, 16), QPointF(13, 16));
        p.drawLine(QPointF(19, 16), QPointF(29, 16));
      },
      16, 16);
}

QCursor Rotate() {
  return Drawn(
      [](QPainter& p) {
        QPainterPath arc;
        arc.arcMoveTo(QRectF(6, 6, 20, 20), 100);
        arc.arcTo(QRectF(6, 6, 20, 20), 100, 280);
        p.drawPath(arc);
        ArrowHead(p, arc.pointAtPercent(1.0), arc.pointAtPercent(0.93));
        p.drawPoint(QPointF(16, 16));
      },
      16, 16);
}

QCursor Skew() {
  return Drawn(
      [](QPainter& p) {
        p.drawPolygon(QPolygonF({QPointF(6, 10), QPointF(20, 4), QPointF(26, 22), QPointF(12, 28)}));
        p.drawLine(QPointF(16, 12), QPointF(16, 20));
        ArrowHead(p, QPointF(16, 20), QPointF(16, 12));
      },
      16, 16);
}

QCursor Order() {
  return Drawn(
      [](QPainter& p) {
        p.drawPolygon(QPolygonF({QPointF(2, 2), QPointF(2, 18), QPointF(7, 14), QPointF(12, 14)}));
        // Three markers in a row, numbered by their size.
        p.drawEllipse(QRectF(14, 20, 4, 4));
        p.drawEllipse(QRectF(20, 19, 5, 5));
        p.drawEllipse(QRectF(26, 18, 5, 6));
      },
      2, 2);
}

}  // namespace

QCursor ToolCursorImage(ToolCursor cursor) {
  switch (cursor) {
    case ToolCursor::Handle: return Handle();
    case ToolCursor::Cross: return Cross();
    case ToolCursor::Rotate: return Rotate();
    case ToolCursor::Skew: return Skew();
    case ToolCursor::Order: return Order();
    case ToolCursor::Arrow: break;
  }
  return QCursor(Qt::ArrowCursor);
}

}  // namespace px
