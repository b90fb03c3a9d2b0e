#include "core/draw/field_drawing.h"

#include <algorithm>

#include "core/draw/layer_key.h"
#include "core/util/format.h"
#include "core/util/muldiv.h"

namespace px {
namespace {

constexpr COLORREF kSurround = RGB(192, 192, 192);
constexpr int kYardSpacing = 360;  // 8 steps = 5 yards

// One family of subdivision lines: `count` lines `spacing` apart between two 8-step lines.
struct Subdivision {
  int spacing;
  int count;
};
constexpr Subdivision kOneStep{45, 7};
constexpr Subdivision kTwoStep{90, 3};
constexpr Subdivision kFourStep{180, 1};

bool Meets(const CRect& a, const CRect& b) {
  return a.left <= b.right && b.left <= a.right && a.top <= b.bottom && b.top <= a.bottom;
}

// Draws field lines through the perspective in 3D and skips those outside the clip box.
class FieldLines {
 public:
  FieldLines(Painter& painter, const CPxDoc& doc, const FieldViewState& view)
      : m_painter(painter), m_b3D(view.m_b3D), m_perspective(view.GetPerspective(doc)), m_clip(painter.ClipBox()) {}

  CPoint Place(CPoint pt) const { return m_b3D ? m_perspective.Apply(pt) : pt; }

  void Line(CPoint a, CPoint b) {
    a = Place(a);
    b = Place(b);
    const int margin = m_painter.pen().width;
    const CRect box{std::min(a.x, b.x) - margin, std::min(a.y, b.y) - margin, std::max(a.x, b.x) + margin,
                    std::max(a.y, b.y) + margin};
    if (Meets(box, m_clip)) m_painter.Line(a, b);
  }

  bool Visible(const CRect& box) const { return Meets(box, m_clip); }
  const CRect& clip() const { return m_clip; }

 private:
  Painter& m_painter;
  bool m_b3D;
  Perspective m_perspective;
  CRect m_clip;
};

Pen LinePen(int dotted, int width, COLORREF color) {
  return Pen{dotted ? PenStyle::Dot : PenStyle::Solid, width, color};
}

void DrawOutline(Painter& painter, FieldLines& lines, const CRect& f) {
  std::vector<CPoint>& pts = painter.Points();
  for (CPoint corner : {CPoint{f.left, f.top}, CPoint{f.right, f.top}, CPoint{f.right, f.bottom},
                        CPoint{f.left, f.bottom}, CPoint{f.left, f.top}})
    pts.push_back(lines.Place(corner));
  painter.Polyline(pts);
}

// Horizontal (constant y) lines, from the top edge down or, centred, from the middle out.
void DrawHorizontalLines(Painter& painter, FieldLines& lines, const CPxDoc& doc, const FieldViewState& view,
                         const Pen& pen8, const Pen (&finePens)[3]) {
  const CRect& f = view.m_rcField;
  auto hline = [&](int y) { lines.Line(CPoint{f.left, y}, CPoint{f.right, y}); };
  const int enabled[3] = {doc.m_bHorizontal1, doc.m_bHorizontal2, doc.m_bHorizontal4};
  const Subdivision subdivisions[3] = {kOneStep, kTwoStep, kFourStep};
  const bool fine = !view.m_b3D;

  if (!doc.m_bCenterHorizontal) {
    if (doc.m_bHorizontal8) {
      painter.SetPen(pen8);
      for (size_t k = 1; k < view.m_nYardPos.size(); ++k) {
        const int y = f.top + view.m_nYardPos[k];
        if (y > f.bottom) break;
        hline(y);
      }
    }
    for (int family = 0; fine && family < 3; ++family) {
      if (!enabled[family]) continue;
      painter.SetPen(finePens[family]);
      for (size_t k = 0; k < 20; ++k) {
        for (int j = 1; j <= subdivisions[family].count; ++j) {
          const int y = f.top + view.m_nYardPos[k] + subdivisions[family].spacing * j;
          if (y < f.bottom) hline(y);
        }
      }
    }
    return;
  }

  // Centred: 8-step lines every 360 units above and below the middle, strictly inside.
  const int middle = f.top + (f.bottom - f.top) / 2;
  const int reach = std::abs(f.bottom - f.top) / kYardSpacing + 1;
  auto inside = [&](int y) { return f.top < y && y < f.bottom; };
  if (doc.m_bHorizontal8) {
    painter.SetPen(pen8);
    for (int k = -reach; k <= reach; ++k)
      if (inside(middle + kYardSpacing * k)) hline(middle + kYardSpacing * k);
  }
  for (int family = 0; fine && family < 3; ++family) {
    if (!enabled[family]) continue;
    painter.SetPen(finePens[family]);
    for (int k = -reach - 1; k <= reach; ++k) {
      for (int j = 1; j <= subdivisions[family].count; ++j) {
        const int y = middle + kYardSpacing * k + subdivisions[family].spacing * j;
        if (inside(y)) hline(y);
      }
    }
  }
}

void DrawYardNumber(Painter& painter, FieldLines& lines, const FieldViewState& view, int x, int label) {
  const CRect& f = view.m_rcField;
  const std::string text = Format("%d", label);
  const Font font = YardNumberFont();
  const int reach = font.width * static_cast<int>(text.size());  // generous: culling only
  if (!view.m_b3D) {
    const CPoint above{x, f.top - 144};
    if (lines.Visible(CRect{x - reach, above.y, x + reach, above.y + font.height})) {
      painter.SetFont(font);
      painter.Text(above, text, TextAlign::TopCenter);
    }
  }
  const CPoint below = lines.Place(CPoint{x, f.bottom + 72});
  if (lines.Visible(CRect{below.x - reach, below.y, below.x + reach, below.y + font.height})) {
    painter.SetFont(font);
    painter.Text(below, text, TextAlign::TopCenter);
  }
}

// Vertical 8-step lines from the middle outward, each with its yard number and hash marks,
// then the finer vertical families between them.
void DrawVerticalLines(Painter& painter, FieldLines& lines, const CPxDoc& doc, const FieldViewState& view,
                       const Pen& pen8, const Pen& hashPen, const Pen& fieldPen, const Pen (&finePens)[3]) {
  const CRect& f = view.m_rcField;
  const int middle = f.left + (f.right - f.left) / 2;
  auto inside = [&](int x) { return f.left < x && x < f.right; };
  auto vline = [&](int x) { lines.Line(CPoint{x, f.top}, CPoint{x, f.bottom}); };

  if (doc.m_bVertical8) {
    const bool numbered = f.right - f.left >= 7200;
    const double hashes[2] = {doc.m_dHash1, doc.m_dHash2};
    const bool shown[2] = {doc.m_bShowHash1 != 0, doc.m_bShowHash2 != 0};
    for (int direction : {1, -1}) {
      // The middle line belongs to the rightward pass only.
      for (int i = direction > 0 ? 0 : 1;; ++i) {
        const int x = middle + direction * kYardSpacing * i;
        if (!inside(x)) break;
        painter.SetPen(pen8);
        vline(x);
        const int label = 50 - 5 * i;
        if (numbered && label >= 0) DrawYardNumber(painter, lines, view, x, label);
        for (int h = 0; h < 2; ++h) {
          if (!shown[h]) continue;
          const int y = TruncClamped(f.top + hashes[h], -FIELD_EXTENT, 3 * FIELD_EXTENT);
          painter.SetPen(fieldPen);
          lines.Line(CPoint{x - 56, y}, CPoint{x + 56, y});
          painter.SetPen(hashPen);
          lines.Line(CPoint{x - 36, y}, CPoint{x + 36, y});
        }
      }
    }
  }

  if (view.m_b3D) return;
  const int enabled[3] = {doc.m_bVertical1, doc.m_bVertical2, doc.m_bVertical4};
  const Subdivision subdivisions[3] = {kOneStep, kTwoStep, kFourStep};
  const int reach = std::abs(f.right - f.left) / (2 * kYardSpacing) + 1;
  for (int family = 0; family < 3; ++family) {
    if (!enabled[family]) continue;
    painter.SetPen(finePens[family]);
    for (int i = -reach - 1; i <= reach; ++i) {
      for (int j = 1; j <= subdivisions[family].count; ++j) {
        const int x = middle + kYardSpacing * i + subdivisions[family].spacing * j;
        if (inside(x)) vline(x);
      }
    }
  }
}

void DrawSnapPoints(Painter& painter, const CPxDoc& doc, const FieldViewState& view) {
  const int spacing = SnapSpacing(doc);
  const CRect& f = view.m_rcField;
  const CRect clip = painter.ClipBox();
  const int left = std::max(f.left, clip.left), right = std::min(f.right, clip.right);
  const int top = std::max(f.top, clip.top), bottom = std::min(f.bottom, clip.bottom);
  auto firstMultiple = [spacing](int v) { return v <= 0 ? 0 : (v + spacing - 1) / spacing * spacing; };
  const COLORREF color = doc.m_crLines8;
  for (int y = firstMultiple(top); y <= bottom; y += spacing)
    for (int x = firstMultiple(left); x <= right; x += spacing) painter.Pixel(CPoint{x, y}, color);
}

// The field's colour where the field lies: its rectangle, or in 3D the rectangle seen in
// perspective, so no flat field stands empty above the far edge.
void FillField(Painter& painter, const CPxDoc& doc, const FieldViewState& view, COLORREF color) {
  const CRect& f = view.m_rcField;
  if (!view.m_b3D) {
    painter.FillRect(f, color);
    return;
  }
  const Perspective perspective = view.GetPerspective(doc);
  std::vector<CPoint>& corners = painter.Points();
  for (CPoint corner : {CPoint{f.left, f.top}, CPoint{f.right, f.top}, CPoint{f.right, f.bottom}, CPoint{f.left, f.bottom}})
    corners.push_back(perspective.Apply(corner));
  painter.SetPen(Pen{PenStyle::None, 1, color});
  painter.SetBrush(Brush{false, color});
  painter.Polygon(corners);
}

void DrawBandText(Painter& painter, const CPxDoc& doc, const FieldViewState& view, const FieldFrameOptions& options) {
  const CRect clip = painter.ClipBox();
  painter.SetFont(BandFont());
  if (clip.bottom > view.m_rcField.bottom) {
    std::string text = Format("Step %d: ", doc.m_nCurrentStep);
    text += doc.CommentAtStep(doc.m_nCurrentStep);
    text += "\r\n";
    const std::string song = options.songAtStep ? options.songAtStep(doc, doc.m_nCurrentStep) : std::string();
    if (!song.empty()) {
      text += "Song: ";
      text += song;
      text += "\r\n";
    }
    painter.WrappedText(view.m_rcBand, text);
  }
  if (options.animating) return;
  CRect info = view.m_rcBand;
  const int height = info.bottom - info.top;
  info.top += height;
  info.bottom += height;
  if (clip.bottom > info.top) {
    painter.WrappedText(info, Format("Title: %s\r\nClient: %s\r\nDesigner: %s\r\n%s", doc.m_strTitle.c_str(),
                                     doc.m_strClient.c_str(), doc.m_strDesigner.c_str(), doc.m_strDate.c_str()));
  }
}

}  // namespace

COLORREF FieldTextColor(const Painter& painter, const CPxDoc& doc) {
  return BlackOnWhite(painter.IsPrinting(), doc) ? kBlack : doc.m_crLines8;
}

Font YardNumberFont() { return Font{"Arial", 144, 72, false}; }
Font BandFont() { return Font{"Arial", 96, 48, false}; }

int SnapSpacing(const CPxDoc& doc) {
  // The dialog refuses less than 12 inches; a smaller value from a file would flood the
  // field with points.
  return TruncClamped(doc.m_dSnapDistance, 24, FIELD_EXTENT);
}

void DrawField(Painter& painter, const CPxDoc& doc, const FieldViewState& view) {
  const bool mono = BlackOnWhite(painter.IsPrinting(), doc);
  auto color = [mono](COLORREF c) { return mono ? kBlack : c; };
  const int width8 = doc.m_bBoldLines && !view.m_b3D ? 20 : 1;
  const Pen pen8 = LinePen(doc.m_bDotted8, width8, color(doc.m_crLines8));
  const Pen finePens[3] = {LinePen(doc.m_bDotted1, 1, color(doc.m_crLines1)),
                           LinePen(doc.m_bDotted2, 1, color(doc.m_crLines2)),
                           LinePen(doc.m_bDotted4, 1, color(doc.m_crLines4))};
  const Pen hashPen{PenStyle::Solid, width8, color(doc.m_crHash)};
  const Pen fieldPen{PenStyle::Solid, width8, mono ? kWhite : doc.m_crField};

  FieldLines lines(painter, doc, view);
  painter.SetPen(pen8);
  if (view.m_b3D || painter.IsPrinting()) DrawOutline(painter, lines, view.m_rcField);
  DrawHorizontalLines(painter, lines, doc, view, pen8, finePens);
  DrawVerticalLines(painter, lines, doc, view, pen8, hashPen, fieldPen, finePens);
}

// The field's pixels change only with the show's settings (any change of the show moves its
// revision), the view's layout of it and the perspective.
std::uint64_t FieldLayerKey(const CPxDoc& doc, const FieldViewState& view) {
  std::uint64_t key = MixKey(doc.ShowRevision(), view.m_b3D);
  const Perspective perspective = view.GetPerspective(doc);
  for (int v : {perspective.nearEdge, perspective.middleX, perspective.height, perspective.depth, view.m_rcField.left,
                view.m_rcField.top, view.m_rcField.right, view.m_rcField.bottom})
    key = MixKey(key, static_cast<std::uint64_t>(v));
  for (int y : view.m_nYardPos) key = MixKey(key, static_cast<std::uint64_t>(y));
  return key;
}

void DrawFieldFrame(Painter& painter, const CPxDoc& doc, const FieldViewState& view, const FieldFrameOptions& options) {
  const bool printing = painter.IsPrinting();
  // Off paper the surround covers everything, so the field is an opaque layer kept between
  // frames.
  painter.SetTextColor(FieldTextColor(painter, doc));
  if (printing || painter.BeginLayer(FieldLayerKey(doc, view), true)) {
    if (!printing) painter.FillRect(painter.ClipBox(), kSurround);
    FillField(painter, doc, view, BlackOnWhite(printing, doc) ? kWhite : doc.m_crField);
    DrawField(painter, doc, view);
    if (!printing) painter.EndLayer();
  }
  if (doc.m_bShowSnapPoints && !options.animating && !printing && !view.m_b3D) DrawSnapPoints(painter, doc, view);
  DrawBandText(painter, doc, view, options);
}

}  // namespace px
