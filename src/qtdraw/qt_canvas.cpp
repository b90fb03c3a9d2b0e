#include "qtdraw/qt_canvas.h"

#include <QFontMetricsF>
#include <QPaintEngine>
#include <QPen>
#include <algorithm>
#include <cmath>

#include "core/util/cp1252.h"
#include "qtdraw/symbol_pictures.h"

namespace px {
namespace {

QString FromShow(const std::string& text) { return QString::fromStdString(Cp1252ToUtf8(text)); }

// Line breaks are "\r\n" in the show's texts.
QString WrappableText(const std::string& text) {
  QString s = FromShow(text);
  s.replace(QLatin1String("\r\n"), QLatin1String("\n"));
  return s;
}

constexpr int kWrapFlags = Qt::TextWordWrap | Qt::AlignLeft | Qt::AlignTop;

}  // namespace

QtCanvas::QtCanvas(QPainter& painter, const FieldMapping& mapping, const CRect& clip, bool printing)
    : m_painter(painter), m_mapping(mapping), m_clip(clip), m_printing(printing) {
  m_painter.setRenderHint(QPainter::Antialiasing, false);
  m_painter.setRenderHint(QPainter::TextAntialiasing, true);
  m_painter.setBackgroundMode(Qt::TransparentMode);
}

void QtCanvas::SetPen(const Pen& pen) {
  if (pen.style == PenStyle::None) {
    m_painter.setPen(Qt::NoPen);
    return;
  }
  // Width 1 is the device's thinnest line; wider pens are field lengths.
  const double width = pen.width <= 1 ? 0.0 : std::max(1.0, pen.width * m_mapping.scale);
  QPen qpen(ToQColor(pen.color), width, pen.style == PenStyle::Dot ? Qt::DotLine : Qt::SolidLine,
            width > 1.0 ? Qt::RoundCap : Qt::FlatCap, Qt::RoundJoin);
  m_painter.setPen(qpen);
}

void QtCanvas::SetBrush(const Brush& brush) {
  if (brush.hollow)
    m_painter.setBrush(Qt::NoBrush);
  else
    m_painter.setBrush(ToQColor(brush.color));
}

QFont QtCanvas::DeviceFont(const Font& font) const {
  const int pixels = std::max(1, static_cast<int>(std::lround(font.height * m_mapping.scale)));
  const auto key = std::make_tuple(font.face, pixels, font.width, font.bold);
  auto it = m_fonts.find(key);
  if (it != m_fonts.end()) return it->second;
  QFont qfont(QString::fromStdString(font.face));
  qfont.setPixelSize(pixels);
  qfont.setBold(font.bold);
  // A font asked for with an average character width is condensed or widened to it.
  if (font.width > 0) {
    const double natural = QFontMetricsF(qfont).averageCharWidth();
    const double wanted = font.width * m_mapping.scale;
    if (natural > 0.0 && wanted > 0.0) qfont.setStretch(std::clamp(static_cast<int>(std::lround(100.0 * wanted / natural)), 1, 4000));
  }
  return m_fonts.emplace(key, qfont).first->second;
}

void QtCanvas::SetFont(const Font& font) {
  m_font = DeviceFont(font);
  m_painter.setFont(m_font);
}

void QtCanvas::FillRect(const CRect& rect, COLORREF color) { m_painter.fillRect(m_mapping.ToDevice(rect), ToQColor(color)); }

void QtCanvas::Line(CPoint from, CPoint to) { m_painter.drawLine(m_mapping.ToDevice(from), m_mapping.ToDevice(to)); }

const QPolygonF& QtCanvas::Mapped(const std::vector<CPoint>& points) {
  m_scratch.resize(static_cast<qsizetype>(points.size()));
  for (size_t i = 0; i < points.size(); ++i) m_scratch[static_cast<qsizetype>(i)] = m_mapping.ToDevice(points[i]);
  return m_scratch;
}

void QtCanvas::Polyline(const std::vector<CPoint>& points) { m_painter.drawPolyline(Mapped(points)); }

void QtCanvas::Polygon(const std::vector<CPoint>& points) { m_painter.drawPolygon(Mapped(points)); }

void QtCanvas::Ellipse(const CRect& bounds) { m_painter.drawEllipse(m_mapping.ToDevice(bounds)); }

void QtCanvas::Rectangle(const CRect& bounds) { m_painter.drawRect(m_mapping.ToDevice(bounds)); }

void QtCanvas::Pixel(CPoint at, COLORREF color) {
  const QPointF p = m_mapping.ToDevice(at);
  m_painter.fillRect(QRectF(std::floor(p.x()), std::floor(p.y()), 1.0, 1.0), ToQColor(color));
}

void QtCanvas::Text(CPoint at, const std::string& text, TextAlign align) {
  const QString s = FromShow(text);
  const QFontMetricsF metrics(m_font, m_painter.device());
  const QPointF p = m_mapping.ToDevice(at);
  const double width = metrics.horizontalAdvance(s);
  double x = p.x();
  double baseline = p.y() + metrics.ascent();  // top-aligned
  switch (align) {
    case TextAlign::TopLeft:
      break;
    case TextAlign::TopCenter:
      x -= width / 2;
      break;
    case TextAlign::Center:
      x -= width / 2;
      baseline = p.y() + (metrics.ascent() - metrics.descent()) / 2;
      break;
    case TextAlign::MiddleLeft:
      baseline = p.y() + (metrics.ascent() - metrics.descent()) / 2;
      break;
    case TextAlign::MiddleRight:
      x -= width;
      baseline = p.y() + (metrics.ascent() - metrics.descent()) / 2;
      break;
  }
  const QPen pen = m_painter.pen();
  m_painter.setPen(m_textColor);
  m_painter.drawText(QPointF(x, baseline), s);
  m_painter.setPen(pen);
}

// Wrapped text keeps the rectangle's width and may run below it, as the text band does.
QRectF QtCanvas::WrapRect(const CRect& rect) const {
  QRectF r = m_mapping.ToDevice(rect);
  r.setHeight(1e6);
  return r;
}

int QtCanvas::WrappedText(const CRect& rect, const std::string& text) {
  QRectF used;
  const QPen pen = m_painter.pen();
  m_painter.setPen(m_textColor);
  m_painter.drawText(WrapRect(rect), kWrapFlags, WrappableText(text), &used);
  m_painter.setPen(pen);
  return static_cast<int>(std::ceil(used.height() / m_mapping.scale));
}

int QtCanvas::MeasureWrappedText(const CRect& rect, const std::string& text) {
  const QFontMetricsF metrics(m_font, m_painter.device());
  const QRectF used = metrics.boundingRect(WrapRect(rect), kWrapFlags, WrappableText(text));
  return static_cast<int>(std::ceil(used.height() / m_mapping.scale));
}

void QtCanvas::Bitmap(const CRect& bounds, const SymbolBitmap& bitmap) {
  m_painter.drawImage(m_mapping.ToDevice(bounds), SymbolPicture(bitmap));
}

void QtCanvas::InvertRect(const CRect& rect) {
  QPaintEngine* engine = m_painter.paintEngine();
  if (!engine || !engine->hasFeature(QPaintEngine::RasterOpModes)) {
    Canvas::InvertRect(rect);
    return;
  }
  const QPainter::CompositionMode mode = m_painter.compositionMode();
  m_painter.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
  m_painter.fillRect(m_mapping.ToDevice(rect), Qt::white);
  m_painter.setCompositionMode(mode);
}

}  // namespace px
