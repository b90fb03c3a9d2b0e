#pragma once
// A canvas that records every primitive with the pen, brush, font and text colour in force
// when it was drawn, so tests can assert on what the drawing code emitted.
#include <algorithm>
#include <functional>
#include <string>
#include <vector>

#include "core/draw/canvas.h"

namespace px::test {

enum class Op { FillRect, Line, Polyline, Polygon, Ellipse, Rectangle, Pixel, Text, WrappedText, Bitmap, InvertRect };

struct Call {
  Op op;
  std::vector<CPoint> points;  // Line: 2; Polyline, Polygon: all; Pixel, Text: the anchor
  CRect rect;                  // FillRect, Ellipse, Rectangle, WrappedText, Bitmap, InvertRect
  std::string text;
  TextAlign align = TextAlign::TopLeft;
  COLORREF color = 0;  // FillRect, Pixel
  const SymbolBitmap* bitmap = nullptr;
  Pen pen;
  Brush brush;
  Font font;
  COLORREF textColor = 0;
};

class RecordingCanvas : public Canvas {
 public:
  explicit RecordingCanvas(CRect clip = CRect{-20000, -20000, 40000, 40000}, bool printing = false)
      : m_clip(clip), m_printing(printing) {}

  bool IsPrinting() const override { return m_printing; }
  CRect ClipBox() const override { return m_clip; }
  void SetPen(const Pen& pen) override { m_state.pen = pen; }
  void SetBrush(const Brush& brush) override { m_state.brush = brush; }
  void SetFont(const Font& font) override { m_state.font = font; }
  void SetTextColor(COLORREF color) override { m_state.textColor = color; }

  void FillRect(const CRect& rect, COLORREF color) override { Add(Op::FillRect, {}, rect).color = color; }
  void Line(CPoint from, CPoint to) override { Add(Op::Line, {from, to}); }
  void Polyline(const std::vector<CPoint>& points) override { Add(Op::Polyline, points); }
  void Polygon(const std::vector<CPoint>& points) override { Add(Op::Polygon, points); }
  void Ellipse(const CRect& bounds) override { Add(Op::Ellipse, {}, bounds); }
  void Rectangle(const CRect& bounds) override { Add(Op::Rectangle, {}, bounds); }
  void Pixel(CPoint at, COLORREF color) override { Add(Op::Pixel, {at}).color = color; }
  void Text(CPoint at, const std::string& text, TextAlign align) override {
    Call& c = Add(Op::Text, {at});
    c.text = text;
    c.align = align;
  }
  int WrappedText(const CRect& rect, const std::string& text) override {
    Add(Op::WrappedText, {}, rect).text = text;
    return MeasureWrappedText(rect, text);
  }
  int MeasureWrappedText(const CRect&, const std::string&) override { return 96; }
  void Bitmap(const CRect& bounds, const SymbolBitmap& bitmap) override { Add(Op::Bitmap, {}, bounds).bitmap = &bitmap; }
  void InvertRect(const CRect& rect) override { Add(Op::InvertRect, {}, rect); }

  std::vector<Call> Where(const std::function<bool(const Call&)>& keep) const {
    std::vector<Call> out;
    std::copy_if(calls.begin(), calls.end(), std::back_inserter(out), keep);
    return out;
  }
  std::vector<Call> Of(Op op) const { return Where([op](const Call& c) { return c.op == op; }); }
  // Line calls of constant x or y.
  std::vector<Call> VerticalLinesAt(int x) const {
    return Where([x](const Call& c) { return c.op == Op::Line && c.points[0].x == x && c.points[1].x == x; });
  }
  std::vector<Call> HorizontalLinesAt(int y) const {
    return Where([y](const Call& c) { return c.op == Op::Line && c.points[0].y == y && c.points[1].y == y; });
  }

  std::vector<Call> calls;

 private:
  Call& Add(Op op, std::vector<CPoint> points, CRect rect = {}) {
    Call c = m_state;
    c.op = op;
    c.points = std::move(points);
    c.rect = rect;
    calls.push_back(std::move(c));
    return calls.back();
  }

  CRect m_clip;
  bool m_printing;
  Call m_state{Op::Line, {}, {}, {}, TextAlign::TopLeft, 0, nullptr, {}, {}, {}, 0};
};

}  // namespace px::test
