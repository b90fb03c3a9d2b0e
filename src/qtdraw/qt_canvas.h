#pragma once
// The Canvas of core drawing on a QPainter: field units become device pixels through the
// isotropic mapping; pens of width 1 are one device pixel wide, wider pens scale with the
// field. Used for the screen, printed pages, PDF, PNG and SVG alike.
#include <QColor>
#include <QFont>
#include <QPainter>
#include <QPolygonF>
#include <map>
#include <tuple>

#include "core/draw/canvas.h"
#include "qtdraw/field_mapping.h"

namespace px {

inline QColor ToQColor(COLORREF c) { return QColor(c & 0xFF, (c >> 8) & 0xFF, (c >> 16) & 0xFF); }
inline COLORREF ToColorRef(const QColor& c) { return RGB(c.red(), c.green(), c.blue()); }

class QtCanvas : public Canvas {
 public:
  // `painter` draws on the device; `clip` is the part of the world to draw, in field units.
  QtCanvas(QPainter& painter, const FieldMapping& mapping, const CRect& clip, bool printing);

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

  const FieldMapping& mapping() const { return m_mapping; }
  // The device font for a core font at this canvas's scale.
  QFont DeviceFont(const Font& font) const;

 private:
  const QPolygonF& Mapped(const std::vector<CPoint>& points);
  QRectF WrapRect(const CRect& rect) const;

  QPainter& m_painter;
  FieldMapping m_mapping;
  CRect m_clip;
  bool m_printing;
  QColor m_textColor = Qt::black;
  QFont m_font;
  QPolygonF m_scratch;
  mutable std::map<std::tuple<std::string, int, int, bool>, QFont> m_fonts;
};

}  // namespace px
