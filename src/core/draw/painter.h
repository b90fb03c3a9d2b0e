#pragma once
// A thin front of a Canvas for the drawing code: it forwards pen, brush, font and text-colour
// changes only when they change something (a step of a large show sets the same pen hundreds
// of times), and lends scratch point lists so drawing makes no allocation per primitive.
#include <optional>
#include <string>
#include <vector>

#include "core/draw/canvas.h"

namespace px {

class Painter {
 public:
  explicit Painter(Canvas& canvas) : m_canvas(canvas) {}

  Canvas& canvas() { return m_canvas; }
  bool IsPrinting() const { return m_canvas.IsPrinting(); }
  CRect ClipBox() const { return m_canvas.ClipBox(); }
  int LegibleSize() const { return m_canvas.LegibleSize(); }

  void SetPen(const Pen& pen) {
    if (m_pen != pen) m_canvas.SetPen(*(m_pen = pen));
  }
  void SetBrush(const Brush& brush) {
    if (m_brush != brush) m_canvas.SetBrush(*(m_brush = brush));
  }
  void SetFont(const Font& font) {
    if (m_font != font) m_canvas.SetFont(*(m_font = font));
  }
  void SetTextColor(COLORREF color) {
    if (m_textColor != color) m_canvas.SetTextColor(*(m_textColor = color));
  }
  const Pen& pen() const { return *m_pen; }  // only after a SetPen
  const Brush& brush() const { return *m_brush; }

  void FillRect(const CRect& rect, COLORREF color) { m_canvas.FillRect(rect, color); }
  void Line(CPoint from, CPoint to) { m_canvas.Line(from, to); }
  void Polyline(const std::vector<CPoint>& points) { m_canvas.Polyline(points); }
  void Polygon(const std::vector<CPoint>& points) { m_canvas.Polygon(points); }
  void Ellipse(const CRect& bounds) { m_canvas.Ellipse(bounds); }
  void Rectangle(const CRect& bounds) { m_canvas.Rectangle(bounds); }
  void Pixel(CPoint at, COLORREF color) { m_canvas.Pixel(at, color); }
  void Text(CPoint at, const std::string& text, TextAlign align) { m_canvas.Text(at, text, align); }
  int WrappedText(const CRect& rect, const std::string& text) { return m_canvas.WrappedText(rect, text); }
  void Bitmap(const CRect& bounds, const SymbolBitmap& bitmap) { m_canvas.Bitmap(bounds, bitmap); }
  void InvertRect(const CRect& rect) { m_canvas.InvertRect(rect); }
  void SetOutlineEmphasis(bool on) { m_canvas.SetOutlineEmphasis(on); }
  bool BeginLayer(std::uint64_t key, bool opaque) { return m_canvas.BeginLayer(key, opaque); }
  void EndLayer() { m_canvas.EndLayer(); }

  // Scratch point lists, emptied on loan; their capacity is kept between uses.
  std::vector<CPoint>& Points() {
    m_points.clear();
    return m_points;
  }
  std::vector<CPoint>& MorePoints() {
    m_morePoints.clear();
    return m_morePoints;
  }

 private:
  Canvas& m_canvas;
  std::optional<Pen> m_pen;
  std::optional<Brush> m_brush;
  std::optional<Font> m_font;
  std::optional<COLORREF> m_textColor;
  std::vector<CPoint> m_points;
  std::vector<CPoint> m_morePoints;
};

}  // namespace px
