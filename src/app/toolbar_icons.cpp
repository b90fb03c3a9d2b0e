#include "app/toolbar_icons.h"

#include <QApplication>
#include <QPainter>
#include <QPixmap>
#include <QPolygonF>
#include <QStyle>
#include <functional>

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

}  // namespace

QIcon CommandIcon(const QString& menuText) {
  QStyle* style = QApplication::style();
  if (menuText == QLatin1String("&New")) return style->standardIcon(QStyle::SP_FileIcon);
  if (menuText == QLatin1String("&Open...")) return style->standardIcon(QStyle::SP_DialogOpenButton);
  if (menuText == QLatin1String("&Save")) return style->standardIcon(QStyle::SP_DialogSaveButton);
  if (menuText == QLatin1String("Help For Pyxaro...")) return Help();
  if (menuText == QLatin1String("&Next Step")) return Step(true);
  if (menuText == QLatin1String("&Previous Step")) return Step(false);
  if (menuText == QLatin1String("Zoom &In")) return Magnifier(true);
  if (menuText == QLatin1String("Zoom &Out")) return Magnifier(false);
  if (menuText == QLatin1String("3D Mode")) return ThreeD();
  return QIcon();
}

}  // namespace px
