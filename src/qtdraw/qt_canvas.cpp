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

bool IsWhole(double v) { return v == std::floor(v); }

}  // namespace

QtCanvas::QtCanvas(QPainter& painter, const FieldMapping& mapping, const CRect& clip, bool printing, CanvasCache* cache)
    : m_painter(&painter),
      m_mapping(mapping),
      m_clip(clip),
      m_printing(printing),
      m_ownCache(cache ? nullptr : std::make_unique<CanvasCache>()),
      m_cache(cache ? *cache : *m_ownCache) {
  // Screens and pictures are smoothed; paper has resolution enough without it.
  const QPaintEngine* engine = painter.paintEngine();
  m_smooth = !printing && engine && engine->type() == QPaintEngine::Raster;
  m_painter->setRenderHint(QPainter::Antialiasing, m_smooth);
  m_painter->setRenderHint(QPainter::TextAntialiasing, true);
  m_painter->setBackgroundMode(Qt::TransparentMode);
}

QtCanvas::~QtCanvas() = default;

void QtCanvas::SetPen(const Pen& pen) {
  m_pen = pen;
  if (pen.style == PenStyle::None) {
    m_painter->setPen(Qt::NoPen);
    return;
  }
  // Width 1 is the device's thinnest line; wider pens are field lengths. Formation outlines
  // on screen are never thinner than kOutlinePixels.
  double width = pen.width <= 1 ? 0.0 : std::max(1.0, pen.width * m_mapping.scale);
  if (m_emphasis && !m_printing) width = std::max(width, kOutlinePixels);
  const long whole = std::lround(width);
  m_gridOffset = width == 0.0 || (whole == width && whole % 2 == 1) ? 0.5 : 0.0;
  QPen qpen(ToQColor(pen.color), width, pen.style == PenStyle::Dot ? Qt::DotLine : Qt::SolidLine,
            width > 1.0 ? Qt::RoundCap : Qt::FlatCap, Qt::RoundJoin);
  m_painter->setPen(qpen);
}

void QtCanvas::SetOutlineEmphasis(bool on) {
  if (m_emphasis == on) return;
  m_emphasis = on;
  SetPen(m_pen);
}

QPointF QtCanvas::Device(CPoint pt) const {
  const QPointF p = m_mapping.ToDevice(pt);
  if (!m_smooth) return p;
  return QPointF(std::floor(p.x()) + m_gridOffset, std::floor(p.y()) + m_gridOffset);
}

QRectF QtCanvas::Device(const CRect& rect) const {
  return QRectF(Device(CPoint{rect.left, rect.top}), Device(CPoint{rect.right, rect.bottom})).normalized();
}

void QtCanvas::SetBrush(const Brush& brush) {
  if (brush.hollow)
    m_painter->setBrush(Qt::NoBrush);
  else
    m_painter->setBrush(ToQColor(brush.color));
}

int QtCanvas::LegibleSize() const {
  if (!m_printing) return 0;
  const QPaintDevice* device = m_painter->device();
  const double dpi = device ? device->logicalDpiY() : 72.0;
  return static_cast<int>(std::ceil(kLegiblePoints / 72.0 * dpi / m_mapping.scale));
}

void QtCanvas::SetFont(const Font& font) {
  const int legible = LegibleSize();
  if (font.height > 0 && font.height < legible) {
    Font larger = font;
    larger.height = legible;
    larger.width = font.width * legible / font.height;
    m_font = &m_cache.Font(larger, m_mapping.scale);
    m_painter->setFont(m_font->font);
    return;
  }
  m_font = &m_cache.Font(font, m_mapping.scale);
  m_painter->setFont(m_font->font);
}

void QtCanvas::FillRect(const CRect& rect, COLORREF color) { m_painter->fillRect(m_mapping.ToDevice(rect), ToQColor(color)); }

void QtCanvas::Line(CPoint from, CPoint to) { m_painter->drawLine(Device(from), Device(to)); }

const QPolygonF& QtCanvas::Mapped(const std::vector<CPoint>& points) {
  m_scratch.resize(static_cast<qsizetype>(points.size()));
  for (size_t i = 0; i < points.size(); ++i) m_scratch[static_cast<qsizetype>(i)] = Device(points[i]);
  return m_scratch;
}

void QtCanvas::Polyline(const std::vector<CPoint>& points) { m_painter->drawPolyline(Mapped(points)); }

void QtCanvas::Polygon(const std::vector<CPoint>& points) { m_painter->drawPolygon(Mapped(points)); }

void QtCanvas::Ellipse(const CRect& bounds) { m_painter->drawEllipse(Device(bounds)); }

void QtCanvas::Rectangle(const CRect& bounds) { m_painter->drawRect(Device(bounds)); }

void QtCanvas::Pixel(CPoint at, COLORREF color) {
  const QPointF p = m_mapping.ToDevice(at);
  m_painter->fillRect(QRectF(std::floor(p.x()), std::floor(p.y()), 1.0, 1.0), ToQColor(color));
}

void QtCanvas::Text(CPoint at, const std::string& text, TextAlign align) {
  if (!m_font) SetFont(Font{});
  // On raster devices the text is shaped once and kept; other devices lay it out themselves.
  const bool raster = m_painter->paintEngine() && m_painter->paintEngine()->type() == QPaintEngine::Raster;
  const CanvasCache::ShapedText* shaped = raster ? &m_cache.Shaped(text, *m_font) : nullptr;
  const QString s = shaped ? QString() : FromShow(text);
  double ascent = m_font->ascent, descent = m_font->descent, width = shaped ? shaped->width : 0.0;
  if (!shaped) {
    const QFontMetricsF metrics(m_font->font, m_painter->device());
    ascent = metrics.ascent();
    descent = metrics.descent();
    width = metrics.horizontalAdvance(s);
  }
  const QPointF p = m_mapping.ToDevice(at);
  double x = p.x();
  double baseline = p.y() + ascent;  // top-aligned
  switch (align) {
    case TextAlign::TopLeft:
      break;
    case TextAlign::TopCenter:
      x -= width / 2;
      break;
    case TextAlign::Center:
      x -= width / 2;
      baseline = p.y() + (ascent - descent) / 2;
      break;
    case TextAlign::MiddleLeft:
      baseline = p.y() + (ascent - descent) / 2;
      break;
    case TextAlign::MiddleRight:
      x -= width;
      baseline = p.y() + (ascent - descent) / 2;
      break;
  }
  const QPen pen = m_painter->pen();
  m_painter->setPen(m_textColor);
  if (shaped)
    m_painter->drawStaticText(QPointF(x, baseline - ascent), shaped->text);  // placed by its top-left
  else
    m_painter->drawText(QPointF(x, baseline), s);
  m_painter->setPen(pen);
}

// Wrapped text keeps the rectangle's width and may run below it, as the text band does.
QRectF QtCanvas::WrapRect(const CRect& rect) const {
  QRectF r = m_mapping.ToDevice(rect);
  r.setHeight(1e6);
  return r;
}

int QtCanvas::WrappedText(const CRect& rect, const std::string& text) {
  QRectF used;
  const QPen pen = m_painter->pen();
  m_painter->setPen(m_textColor);
  m_painter->drawText(WrapRect(rect), kWrapFlags, WrappableText(text), &used);
  m_painter->setPen(pen);
  return static_cast<int>(std::ceil(used.height() / m_mapping.scale));
}

int QtCanvas::MeasureWrappedText(const CRect& rect, const std::string& text) {
  if (!m_font) SetFont(Font{});
  const QFontMetricsF metrics(m_font->font, m_painter->device());
  const QRectF used = metrics.boundingRect(WrapRect(rect), kWrapFlags, WrappableText(text));
  return static_cast<int>(std::ceil(used.height() / m_mapping.scale));
}

void QtCanvas::Bitmap(const CRect& bounds, const SymbolBitmap& bitmap) {
  m_painter->drawImage(m_mapping.ToDevice(bounds), SymbolPicture(bitmap));
}

void QtCanvas::InvertRect(const CRect& rect) {
  QPaintEngine* engine = m_painter->paintEngine();
  if (!engine || !engine->hasFeature(QPaintEngine::RasterOpModes)) {
    Canvas::InvertRect(rect);
    return;
  }
  const QPainter::CompositionMode mode = m_painter->compositionMode();
  m_painter->setCompositionMode(QPainter::RasterOp_SourceXorDestination);
  m_painter->fillRect(m_mapping.ToDevice(rect), Qt::white);
  m_painter->setCompositionMode(mode);
}

bool QtCanvas::CanReusePixels() const {
  const QPaintEngine* engine = m_painter->paintEngine();
  const QTransform& t = m_painter->deviceTransform();
  const QRectF clip = m_painter->clipBoundingRect();
  return !m_ownCache && !m_printing && engine && engine->type() == QPaintEngine::Raster &&
         t.type() <= QTransform::TxTranslate && IsWhole(t.dx()) && IsWhole(t.dy()) &&
         (!m_painter->hasClipping() || clip.toAlignedRect() == clip);
}

QRect QtCanvas::LayerArea() const {
  // The device's pixels, in the coordinates the mapping draws in (the painter's shift undone),
  // within the clip.
  const QTransform& t = m_painter->deviceTransform();
  const QPaintDevice* device = m_painter->device();
  QRect area(static_cast<int>(-t.dx()), static_cast<int>(-t.dy()), device->width(), device->height());
  if (m_painter->hasClipping()) area &= m_painter->clipBoundingRect().toAlignedRect();
  return area;
}

bool QtCanvas::BeginLayer(std::uint64_t key, bool opaque) {
  if (m_layerPainter || !CanReusePixels()) return true;
  // An opaque layer is drawn in the device's own format, so its pixels are the device's.
  QPaintDevice* device = m_painter->device();
  const QImage::Format format = !opaque ? QImage::Format_ARGB32_Premultiplied
                                : device->devType() == QInternal::Image ? static_cast<QImage*>(device)->format()
                                                                        : QImage::Format_Invalid;
  if (format == QImage::Format_Invalid) return true;
  CanvasCache::Layer& layer = m_cache.layer(opaque);
  const QRect area = LayerArea();
  if (layer.key == key && layer.scale == m_mapping.scale && layer.origin == m_mapping.worldOrigin &&
      layer.area.contains(area) && !layer.image.isNull()) {
    m_painter->drawImage(area.topLeft(), layer.image, area.translated(-layer.area.topLeft()));
    return false;
  }
  // Drawn on an image of the area, then copied: the same shift, pen, brush and font give the
  // pixels the device would get (the device's clip still applies to the copy).
  if (layer.image.size() != area.size() || layer.image.format() != format) layer.image = QImage(area.size(), format);
  if (!opaque) layer.image.fill(Qt::transparent);
  layer.key = key;
  layer.scale = m_mapping.scale;
  layer.origin = m_mapping.worldOrigin;
  layer.area = area;
  m_layer = &layer;
  m_mainPainter = m_painter;
  m_layerPainter.emplace(&layer.image);
  QPainter& p = *m_layerPainter;
  p.setRenderHints(m_mainPainter->renderHints());
  p.translate(-area.topLeft());
  if (m_mainPainter->hasClipping()) p.setClipRect(m_mainPainter->clipBoundingRect());
  p.setPen(m_mainPainter->pen());
  p.setBrush(m_mainPainter->brush());
  p.setFont(m_mainPainter->font());
  p.setBackgroundMode(Qt::TransparentMode);
  m_painter = &p;
  return true;
}

void QtCanvas::EndLayer() {
  if (!m_layerPainter) return;
  QPainter& layerPainter = *m_layerPainter;
  m_mainPainter->setPen(layerPainter.pen());
  m_mainPainter->setBrush(layerPainter.brush());
  m_mainPainter->setFont(layerPainter.font());
  m_layerPainter.reset();
  m_painter = m_mainPainter;
  m_painter->drawImage(m_layer->area.topLeft(), m_layer->image);
  m_layer = nullptr;
}

}  // namespace px
