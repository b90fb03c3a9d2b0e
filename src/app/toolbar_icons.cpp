#include "app/toolbar_icons.h"

#include <QApplication>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QPolygonF>
#include <QStyle>
#include <functional>

#include "app/toolbar_layouts.h"

namespace px {
namespace {

QIcon Drawn(const std::function<void(QPainter&)>& paint) {
  QPixmap pixmap(24, 24);
  pixmap.fill(Qt::transparent);
  QPainter p(&pixmap);
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(QPen(QColor(30, 30, 30), 2));
  paint(p);
  return QIcon(pixmap);
}

QIcon Magnifier(bool plus) {
  return Drawn([plus](QPainter& p) {
    p.drawEllipse(QRectF(3, 3, 13, 13));
    p.setPen(QPen(QColor(30, 30, 30), 3));
    p.drawLine(QPointF(14.5, 14.5), QPointF(21, 21));
    p.setPen(QPen(QColor(30, 30, 30), 2));
    p.drawLine(QPointF(6, 9.5), QPointF(13, 9.5));
    if (plus) p.drawLine(QPointF(9.5, 6), QPointF(9.5, 13));
  });
}

QIcon Step(bool forward) {
  return Drawn([forward](QPainter& p) {
    p.setBrush(QColor(30, 30, 30));
    const double tip = forward ? 19 : 5, base = forward ? 7 : 17;
    p.drawPolygon(QPolygonF({QPointF(base, 5), QPointF(tip, 12), QPointF(base, 19)}));
    p.drawLine(QPointF(forward ? 21 : 3, 5), QPointF(forward ? 21 : 3, 19));
  });
}

// Play-style buttons: `triangles` arrowheads pointing right or left, with a bar in front of
// them when `bar` is set.
QIcon Arrows(int triangles, bool forward, bool bar) {
  return Drawn([=](QPainter& p) {
    p.setBrush(QColor(30, 30, 30));
    const double width = 14.0 / triangles;
    double x = 12 - 7.0;
    for (int i = 0; i < triangles; ++i, x += width) {
      const double tip = forward ? x + width : x, base = forward ? x : x + width;
      p.drawPolygon(QPolygonF({QPointF(base, 5), QPointF(tip, 12), QPointF(base, 19)}));
    }
    if (bar) p.drawLine(QPointF(forward ? 21 : 3, 5), QPointF(forward ? 21 : 3, 19));
  });
}

QIcon StopSquare() {
  return Drawn([](QPainter& p) {
    p.setBrush(QColor(30, 30, 30));
    p.drawRect(QRectF(6, 6, 12, 12));
  });
}

QIcon ThreeD() {
  return Drawn([](QPainter& p) {
    p.drawPolygon(QPolygonF({QPointF(7, 6), QPointF(17, 6), QPointF(22, 19), QPointF(2, 19)}));
    p.setPen(QPen(QColor(30, 30, 30), 1));
    p.drawLine(QPointF(12, 6), QPointF(12, 19));
    p.drawLine(QPointF(4.5, 12.5), QPointF(19.5, 12.5));
  });
}

QIcon Help() {
  return Drawn([](QPainter& p) {
    p.setPen(QPen(QColor(20, 60, 160), 2));
    p.drawEllipse(QRectF(2, 2, 20, 20));
    QFont font = p.font();
    font.setPixelSize(15);
    font.setBold(true);
    p.setFont(font);
    p.drawText(QRectF(2, 2, 20, 20), Qt::AlignCenter, QStringLiteral("?"));
  });
}

// The pointers: an arrow, with a mark of what it does beside it.
QIcon Pointer(const std::function<void(QPainter&)>& mark) {
  return Drawn([mark](QPainter& p) {
    p.setBrush(QColor(30, 30, 30));
    p.drawPolygon(QPolygonF({QPointF(3, 2), QPointF(3, 17), QPointF(7, 13.5), QPointF(12, 13.5)}));
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(20, 60, 160), 2));
    mark(p);
  });
}

QIcon ToolIcon(const QString& menuText) {
  const auto is = [&menuText](const char* text) { return menuText == QLatin1String(text); };
  if (is("Formation Sele&ct Pointer"))
    return Pointer([](QPainter& p) { p.drawRect(QRectF(13, 13, 9, 8)); });
  if (is("Rotate Pointer"))
    return Pointer([](QPainter& p) { p.drawArc(QRectF(12, 11, 10, 10), 90 * 16, 270 * 16); });
  if (is("Skew Pointer"))
    return Pointer([](QPainter& p) { p.drawPolygon(QPolygonF({QPointF(12, 20), QPointF(15, 12), QPointF(22, 12), QPointF(19, 20)})); });
  if (is("People Select Pointer"))
    return Pointer([](QPainter& p) { p.drawEllipse(QRectF(14, 13, 7, 7)); });
  if (is("Order Pointer"))
    return Pointer([](QPainter& p) {
      p.drawLine(QPointF(13, 21), QPointF(15, 21));
      p.drawLine(QPointF(17, 21), QPointF(19, 17));
      p.drawLine(QPointF(21, 21), QPointF(22, 13));
    });
  if (is("Lasso Pointer"))
    return Pointer([](QPainter& p) { p.drawEllipse(QRectF(12, 10, 10, 7)); p.drawLine(QPointF(14, 16), QPointF(13, 22)); });
  return Drawn([&is](QPainter& p) {
    if (is("P&oint")) {
      p.setBrush(QColor(30, 30, 30));
      p.drawEllipse(QRectF(9, 9, 6, 6));
    } else if (is("&Line")) {
      p.drawLine(QPointF(4, 20), QPointF(20, 4));
    } else if (is("&Rectangle")) {
      p.drawRect(QRectF(3, 6, 18, 12));
    } else if (is("&Ellipse")) {
      p.drawEllipse(QRectF(3, 6, 18, 12));
    } else if (is("&Polygon")) {
      p.drawPolyline(QPolygonF({QPointF(3, 19), QPointF(8, 5), QPointF(15, 14), QPointF(21, 4)}));
    } else if (is("&Closed Polygon")) {
      p.drawPolygon(QPolygonF({QPointF(3, 19), QPointF(7, 4), QPointF(20, 7), QPointF(16, 20)}));
    } else if (is("C&urve")) {
      QPainterPath path(QPointF(3, 18));
      path.cubicTo(QPointF(8, 0), QPointF(14, 24), QPointF(21, 5));
      p.drawPath(path);
    } else if (is("&Arc")) {
      p.drawArc(QRectF(3, 5, 18, 18), 20 * 16, 140 * 16);
    }
  });
}

}  // namespace

QIcon CommandIcon(const QString& menuText) {
  QStyle* style = QApplication::style();
  if (menuText == QLatin1String("&New")) return style->standardIcon(QStyle::SP_FileIcon);
  if (menuText == QLatin1String("&Open...")) return style->standardIcon(QStyle::SP_DialogOpenButton);
  if (menuText == QLatin1String("&Save")) return style->standardIcon(QStyle::SP_DialogSaveButton);
  if (menuText == QLatin1String("Help For Pyxaro...")) return Help();
  if (menuText == QLatin1String("&Next Step")) return Step(true);
  if (menuText == QLatin1String("&Previous Step")) return Step(false);
  if (menuText == QLatin1String("&Start")) return Arrows(1, true, false);
  if (menuText == QLatin1String("S&top")) return StopSquare();
  if (menuText == QLatin1String("&Rewind")) return Arrows(2, false, true);
  if (menuText == QLatin1String("N&ext Picture")) return Arrows(2, true, false);
  if (menuText == QLatin1String("Pre&vious Picture")) return Arrows(2, false, false);
  if (menuText == QLatin1String("Zoom &In")) return Magnifier(true);
  if (menuText == QLatin1String("Zoom &Out")) return Magnifier(false);
  if (menuText == QLatin1String("3D Mode")) return ThreeD();
  for (const QStringList& tools : {toolbars::kPointers, toolbars::kDrawing})
    if (tools.contains(menuText)) return ToolIcon(menuText);
  return QIcon();
}

}  // namespace px
