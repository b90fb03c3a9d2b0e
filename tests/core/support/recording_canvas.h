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
  std::vector<CPoint> points;  // Line: 2 points; Polyline, Polygon: all; Pixel and Text: 1
  CRect rect;                  // FillRect, Ellipse, Rectangle, WrappedText, Bitmap, InvertRect
  std::string text;
  TextAlign align = TextAlign::TopLeft;
  COLORREF color = 0;  // FillRect and Pixel
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

  void SetPen(const Pen& pen) override {
    m_pen = pen;
    ++penChanges;
  }
  void SetBrush(const Brush& brush) override { m_brush = brush; }
  void SetFont(const Font& font) override { m_font = font; }
  void SetTextColor(COLORREF color) override { m_textColor = color; }

  void FillRect(const CRect& rect, COLORREF color) override {
    Call& c = Add(Op::FillRect);
    c.rect = rect;
    c.color = color;
  }
  void Line(CPoint from, CPoint to) override { Add(Op::Line).points = {from, to}; }
  void Polyline(const std::vector<CPoint>& points) override { Add(Op::Polyline).points = points; }
  void Polygon(const std::vector<CPoint>& points) override { Add(Op::Polygon).points = points; }
  void Ellipse(const CRect& bounds) override { Add(Op::Ellipse).rect = bounds; }
  void Rectangle(const CRect& bounds) override { Add(Op::Rectangle).rect = bounds; }
  void Pixel(CPoint at, COLORREF color) override {
    Call& c = Add(Op::Pixel);
    c.points = {at};
    c.color = color;
  }
  void Text(CPoint at, const std::string& text, TextAlign align) override {
    Call& c = Add(Op::Text);
    c.points = {at};
    c.text = text;
    c.align = align;
  }
  int WrappedText(const CRect& rect, const std::string& text) override {
    Call& c = Add(Op::WrappedText);
    c.rect = rect;
    c.text = text;
    return MeasureWrappedText(rect, text);
  }
  // One line of 96 units per "\r\n"-ended line; enough for layout decisions in tests.
  int MeasureWrappedText(const CRect&, const std::string& text) override {
    int lines = 0;
    for (size_t at = text.find("\r\n"); at != std::string::npos; at = text.find("\r\n", at + 2)) ++lines;
    return 96 * std::max(lines, 1);
  }
  void Bitmap(const CRect& bounds, const SymbolBitmap& bitmap) override {
    Call& c = Add(Op::Bitmap);
    c.rect = bounds;
    c.bitmap = &bitmap;
  }
  void InvertRect(const CRect& rect) override { Add(Op::InvertRect).rect = rect; }

  // Queries.
  std::vector<Call> Of(Op op) const { return Where([op](const Call& c) { return c.op == op; }); }
  std::vector<Call> Where(const std::function<bool(const Call&)>& keep) const {
    std::vector<Call> out;
    std::copy_if(calls.begin(), calls.end(), std::back_inserter(out), keep);
    return out;
  }
  std::vector<std::string> Texts() const {
    std::vector<std::string> out;
    for (const Call& c : calls)
      if (c.op == Op::Text || c.op == Op::WrappedText) out.push_back(c.text);
    return out;
  }
  // Lines (Line calls) of constant x or y, as drawn.
  std::vector<Call> VerticalLinesAt(int x) const {
    return Where([x](const Call& c) { return c.op == Op::Line && c.points[0].x == x && c.points[1].x == x; });
  }
  std::vector<Call> HorizontalLinesAt(int y) const {
    return Where([y](const Call& c) { return c.op == Op::Line && c.points[0].y == y && c.points[1].y == y; });
  }
  void Clear() { calls.clear(); }

  std::vector<Call> calls;
  int penChanges = 0;

 private:
  Call& Add(Op op) {
    Call c;
    c.op = op;
    c.pen = m_pen;
    c.brush = m_brush;
    c.font = m_font;
    c.textColor = m_textColor;
    calls.push_back(std::move(c));
    return calls.back();
  }

  CRect m_clip;
  bool m_printing;
  Pen m_pen;
  Brush m_brush;
  Font m_font;
  COLORREF m_textColor = 0;
};

}  // namespace px::test
