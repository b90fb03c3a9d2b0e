#pragma once
// What core drawing code draws on: primitives in field units. The Qt layer implements it
// with QPainter (screen, printer, PDF, PNG, SVG); tests record the calls.
#include <cstdint>
#include <string>
#include <vector>

#include "core/util/types.h"

// Texts given to a canvas are Windows-1252 bytes, as the show stores them.

namespace px {

struct SymbolBitmap;

enum class PenStyle { Solid, Dot, None };

struct Pen {
  PenStyle style = PenStyle::Solid;
  int width = 1;  // field units; 1 means the thinnest line the device draws
  COLORREF color = 0;
  friend bool operator==(const Pen&, const Pen&) = default;
};

struct Brush {
  bool hollow = true;
  COLORREF color = 0xFFFFFF;
  friend bool operator==(const Brush&, const Brush&) = default;
};

struct Font {
  std::string face = "Arial";
  int height = 96;  // field units
  int width = 48;   // average character width, field units; 0 = natural
  bool bold = false;
  friend bool operator==(const Font&, const Font&) = default;
};

enum class TextAlign {
  TopLeft,    // the text starts at the point
  TopCenter,  // the text is centred on the point's x, its top at the point's y
  Center,     // the text is centred on the point
  MiddleLeft,   // the text starts at the point's x and is centred on its y
  MiddleRight,  // the text ends at the point's x and is centred on its y
};

class Canvas {
 public:
  virtual ~Canvas() = default;

  // Whether this canvas is a printed page (drawing differs for print: no grey surround, no
  // arrowheads, black on white unless printing in colour).
  virtual bool IsPrinting() const { return false; }
  // The part of the world that needs drawing, in field units.
  virtual CRect ClipBox() const = 0;

  virtual void SetPen(const Pen& pen) = 0;
  virtual void SetBrush(const Brush& brush) = 0;
  virtual void SetFont(const Font& font) = 0;
  virtual void SetTextColor(COLORREF color) = 0;

  virtual void FillRect(const CRect& rect, COLORREF color) = 0;
  virtual void Line(CPoint from, CPoint to) = 0;
  virtual void Polyline(const std::vector<CPoint>& points) = 0;
  virtual void Polygon(const std::vector<CPoint>& points) = 0;  // outlined with the pen, filled with the brush
  virtual void Ellipse(const CRect& bounds) = 0;                 // pen and brush
  virtual void Rectangle(const CRect& bounds) = 0;               // pen and brush
  virtual void Pixel(CPoint at, COLORREF color) = 0;
  virtual void Text(CPoint at, const std::string& text, TextAlign align) = 0;
  // Draws text word-wrapped in the rectangle and returns the height it took.
  virtual int WrappedText(const CRect& rect, const std::string& text) = 0;
  // The height word-wrapped text would take, without drawing it.
  virtual int MeasureWrappedText(const CRect& rect, const std::string& text) = 0;
  virtual void Bitmap(const CRect& bounds, const SymbolBitmap& bitmap) = 0;
  // Inverts the colours under the rectangle (selection handles stay visible on any colour).
  // Devices that cannot invert fill the rectangle black instead.
  virtual void InvertRect(const CRect& rect) { FillRect(rect, 0); }

  // The smallest height, in field units, that text and markers may have here to stay
  // readable: paper keeps them at a legible size however small the show sets them; 0 for
  // no minimum.
  virtual int LegibleSize() const { return 0; }

  // Between these calls the thin lines drawn are formation outlines: a screen widens them so
  // that an outline lying on a field line of the same colour still shows. Paper keeps them.
  virtual void SetOutlineEmphasis(bool on) { (void)on; }

  // Drawing that stays the same while `key` does (the field, the paths of an unchanged
  // show); an `opaque` layer covers everything under it. A canvas that kept the pixels of the
  // last such drawing under `key` copies them and returns false: the caller then skips the
  // primitives. Otherwise the caller draws them and calls EndLayer.
  virtual bool BeginLayer(std::uint64_t key, bool opaque) {
    (void)key;
    (void)opaque;
    return true;
  }
  virtual void EndLayer() {}
};

}  // namespace px
