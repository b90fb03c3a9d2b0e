#include "qtdraw/symbol_pictures.h"

#include <QByteArray>
#include <QHash>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>

#include "core/doc/pxdoc.h"

namespace px {
namespace {

constexpr int kSize = 32;

// Each built-in picture is a small black drawing on a transparent square.
void DrawBaton(QPainter& p) {
  p.drawLine(QPointF(6, 26), QPointF(26, 6));
  p.setBrush(Qt::black);
  p.drawEllipse(QPointF(6, 26), 4, 4);
  p.drawEllipse(QPointF(26, 6), 2.5, 2.5);
}

void DrawHorn(QPainter& p) {
  QPainterPath bell;
  bell.moveTo(4, 10);
  bell.lineTo(18, 14);
  bell.lineTo(18, 18);
  bell.lineTo(4, 22);
  bell.closeSubpath();
  p.setBrush(Qt::black);
  p.drawPath(bell);
  p.setBrush(Qt::NoBrush);
  p.drawRect(QRectF(18, 14, 10, 4));
  p.drawLine(QPointF(28, 12), QPointF(28, 20));
}

void DrawDrum(QPainter& p) {
  p.drawRect(QRectF(5, 11, 22, 14));
  p.setBrush(Qt::white);
  p.drawEllipse(QRectF(5, 7, 22, 8));
  p.drawLine(QPointF(5, 25), QPointF(27, 11));
  p.drawLine(QPointF(5, 11), QPointF(27, 25));
}

void DrawFlag(QPainter& p) {
  p.drawLine(QPointF(6, 3), QPointF(6, 29));
  p.setBrush(Qt::black);
  p.drawPolygon(QPolygonF({QPointF(6, 4), QPointF(27, 9), QPointF(6, 16)}));
}

void DrawStar(QPainter& p) {
  QPolygonF star;
  for (int k = 0; k < 10; ++k) {
    const double angle = -M_PI / 2 + k * M_PI / 5;
    const double r = k % 2 ? 5.5 : 13.0;
    star << QPointF(16 + r * std::cos(angle), 17 + r * std::sin(angle));
  }
  p.setBrush(Qt::black);
  p.drawPolygon(star);
}

void DrawRifle(QPainter& p) {
  p.setPen(QPen(Qt::black, 3));
  p.drawLine(QPointF(4, 28), QPointF(28, 4));
  p.setPen(QPen(Qt::black, 2));
  p.drawLine(QPointF(8, 24), QPointF(4, 20));
}

void DrawWoodwind(QPainter& p) {
  p.setPen(QPen(Qt::black, 3));
  p.drawLine(QPointF(16, 3), QPointF(16, 24));
  p.setPen(QPen(Qt::black, 1.5));
  p.setBrush(Qt::black);
  p.drawEllipse(QRectF(11, 23, 10, 6));
  for (int y = 8; y <= 18; y += 5) p.drawEllipse(QPointF(20, y), 1.5, 1.5);
}

QImage Draw(void (*paint)(QPainter&)) {
  QImage image(kSize, kSize, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(QPen(Qt::black, 2));
  paint(p);
  return image;
}

QImage Disc() {
  return Draw([](QPainter& p) {
    p.setBrush(Qt::black);
    p.drawEllipse(QRectF(6, 6, 20, 20));
  });
}

}  // namespace

QImage BuiltInSymbolPicture(int resourceId) {
  static const QHash<int, QImage> pictures = {
      {153, Draw(DrawBaton)},  {147, Draw(DrawHorn)},  {151, Draw(DrawDrum)},     {149, Draw(DrawFlag)},
      {148, Draw(DrawStar)},   {150, Draw(DrawRifle)}, {146, Draw(DrawWoodwind)},
  };
  const auto it = pictures.find(resourceId);
  if (it != pictures.end()) return *it;
  static const QImage disc = Disc();
  return disc;
}

QImage SymbolPicture(const SymbolBitmap& bitmap) {
  if (bitmap.bytes.empty()) return BuiltInSymbolPicture(bitmap.resourceId);
  static QHash<QByteArray, QImage> decoded;
  const QByteArray bytes(reinterpret_cast<const char*>(bitmap.bytes.data()), static_cast<qsizetype>(bitmap.bytes.size()));
  auto it = decoded.find(bytes);
  if (it == decoded.end()) {
    QImage image;
    if (!image.loadFromData(bytes)) image = BuiltInSymbolPicture(bitmap.resourceId);
    it = decoded.insert(bytes, image);
  }
  return *it;
}

}  // namespace px
