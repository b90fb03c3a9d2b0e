#pragma once
// The Canvas of core drawing on a QPainter: field units become device pixels through the
// isotropic mapping; pens of width 1 are one device pixel wide, wider pens scale with the
// field. Used for the screen, printed pages, PDF, PNG and SVG alike.
#include <QColor>
#include <QFont>
#include <QPainter>
#include <QPolygonF>
#include <memory>
#include <optional>

#include "core/draw/canvas.h"
#include "qtdraw/canvas_cache.h"
#include "qtdraw/field_mapping.h"

namespace px {

inline QColor ToQColor(COLORREF c) { return QColor(c & 0xFF, (c >> 8) & 0xFF, (c >> 16) & 0xFF); }
inline COLORREF ToColorRef(const QColor& c) { return RGB(c.red(), c.green(), c.blue()); }

class QtCanvas : public Canvas {
 public:
  // `painter` draws on the device; `clip` is the part of the world to draw, in field units.
  // `cache` keeps fonts, shaped labels and layers for the next frames (none: this frame only).
  QtCanvas(QPainter& painter, const FieldMapping& mapping, const CRect& clip, bool printing,
           CanvasCache* cache = nullptr);
  ~QtCanvas() override;

  bool IsPrinting() const override { return m_printing; }
  CRect ClipBox() const override { return m_clip; }

  void SetPen(const Pen& pen) override;
  void SetBrush(const Brush& brush) override;
  void SetFont(const Font& font) override;
  void SetTextColor(COLORREF color) override { m_textColor = ToQColor(color); }

  void FillRect(const CRect& rect, COLORREF color) override;
  void Line(CPoint from, CPoint to) override;
  void Polyline(const std::vector<CPoint>& points) override;
  void Polygon(const std::vector<CPoint>& points) override;
  void Ellipse(const CRect& bounds) override;
  void Rectangle(const CRect& bounds) override;
  void Pixel(CPoint at, COLORREF color) override;
  void Text(CPoint at, const std::string& text, TextAlign align) override;
  int WrappedText(const CRect& rect, const std::string& text) override;
  int MeasureWrappedText(const CRect& rect, const std::string& text) override;
  void Bitmap(const CRect& bounds, const SymbolBitmap& bitmap) override;
  void InvertRect(const CRect& rect) override;
  void SetOutlineEmphasis(bool on) override;
  int LegibleSize() const override;
  bool BeginLayer(std::uint64_t key, bool opaque) override;
  void EndLayer() override;

  const FieldMapping& mapping() const { return m_mapping; }

  // The width of formation outlines on screen, in device pixels.
  static constexpr double kOutlinePixels = 2.0;
  // The smallest text and markers printed, in points.
  static constexpr double kLegiblePoints = 7.0;

 private:
  // A point on the device, moved onto the pixel grid for the current pen when lines are
  // smoothed: thin and odd widths through pixel centres, even widths along pixel edges, so
  // straight lines stay crisp while slanted ones and curves are smoothed.
  QPointF Device(CPoint pt) const;
  QRectF Device(const CRect& rect) const;
  const QPolygonF& Mapped(const std::vector<CPoint>& points);
  QRectF WrapRect(const CRect& rect) const;
  // Whether pixels drawn here now may be copied to this device later: a raster device drawn
  // through whole-pixel shifts only.
  bool CanReusePixels() const;
  // The painter's device area that the layer covers, in mapped coordinates.
  QRect LayerArea() const;

  QPainter* m_painter;
  FieldMapping m_mapping;
  CRect m_clip;
  bool m_printing;
  std::unique_ptr<CanvasCache> m_ownCache;  // when the caller keeps none
  CanvasCache& m_cache;
  QColor m_textColor = Qt::black;
  Pen m_pen;
  bool m_emphasis = false;
  bool m_smooth = false;       // antialiased drawing of a raster screen or picture
  double m_gridOffset = 0.0;   // where the current pen's lines sit within a pixel

  const CanvasCache::DeviceFont* m_font = nullptr;
  QPolygonF m_scratch;
  // While a layer is drawn: the layer, its painter, and the painter it stands in for.
  CanvasCache::Layer* m_layer = nullptr;
  std::optional<QPainter> m_layerPainter;
  QPainter* m_mainPainter = nullptr;
};

}  // namespace px
