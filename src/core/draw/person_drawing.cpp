#include "core/draw/person_drawing.h"

#include "core/draw/print_style.h"
#include "core/draw/record_style.h"
#include <algorithm>
#include <string>

namespace px {
namespace {

struct Anchor {
  CPoint at;
  TextAlign align;
};

// Where text beside the marker goes, for one of the four positions.
Anchor Beside(const CRect& rc, int position, int textHeight) {
  const CPoint middle{rc.left + (rc.right - rc.left) / 2, rc.top + (rc.bottom - rc.top) / 2};
  switch (position) {
    case ID_RIGHT: return {CPoint{rc.right + kIdGap, middle.y}, TextAlign::MiddleLeft};
    case ID_LEFT: return {CPoint{rc.left - kIdGap, middle.y}, TextAlign::MiddleRight};
    case ID_TOP: return {CPoint{middle.x, rc.top - kIdGap - textHeight}, TextAlign::TopCenter};
    default: return {CPoint{middle.x, rc.bottom + kIdGap}, TextAlign::TopCenter};
  }
}

void DrawText(Painter& painter, const DrawView* view, const Anchor& anchor, const std::string& text) {
  painter.Text(view ? view->Project(anchor.at) : anchor.at, text, anchor.align);
}

// The quadrilateral of the marker's corners seen through the perspective. With the 3D fill
// options people are filled (and outlined) in their fill colour, so nearer people cover
// those behind them.
void DrawPerspectiveMarker(Painter& painter, const CPerson& person, const CRect& rc, Pen pen, Brush brush,
                           const DrawView& view, bool mono) {
  const ShowContext& doc = *person.m_pDocument;
  const COLORREF fill = mono ? kWhite : person.m_logbrush.lbColor;
  if (doc.m_bFill3D || doc.m_bOutlineFill3D) brush = Brush{false, fill};
  if (doc.m_bOutlineFill3D && !mono) pen.color = fill;
  painter.SetPen(pen);
  painter.SetBrush(brush);
  std::vector<CPoint>& quad = painter.Points();
  for (CPoint corner : {CPoint{rc.left, rc.top}, CPoint{rc.right, rc.top}, CPoint{rc.right, rc.bottom},
                        CPoint{rc.left, rc.bottom}})
    quad.push_back(view.perspective.Apply(corner));
  painter.Polygon(quad);
}

void DrawMarker(Painter& painter, const CPerson& person, const CRect& rc, bool mono) {
  const ShowContext& doc = *person.m_pDocument;
  switch (person.m_nShape) {
    case SHAPE_CIRCLE:
      painter.Ellipse(rc);
      break;
    case SHAPE_CROSS:
      painter.Line(CPoint{rc.left, rc.top}, CPoint{rc.right, rc.bottom});
      painter.Line(CPoint{rc.left, rc.bottom}, CPoint{rc.right, rc.top});
      break;
    case SHAPE_FLAG: {
      // "Flags" fills flag markers with the show's flag colour instead of the person's fill.
      if (doc.m_bShowFlags) painter.SetBrush(Brush{false, mono ? kWhite : doc.m_crFlag});
      std::vector<CPoint>& flag = painter.Points();
      flag.push_back(CPoint{rc.left, rc.top});
      flag.push_back(CPoint{rc.right, rc.bottom});
      flag.push_back(CPoint{rc.left, rc.bottom});
      painter.Polygon(flag);
      break;
    }
    default:  // SHAPE_SQUARE, and any unknown kind
      painter.Rectangle(rc);
      break;
  }
}

const SymbolBitmap* GroupPicture(const CPxDoc& doc, int group) {
  if (group < 0 || group >= GROUP_COUNT) return nullptr;
  return doc.m_pSymbolBitmaps[static_cast<size_t>(group)].get();
}

}  // namespace

Font IdNumberFont(const ShowSettings& doc) { return Font{"Arial", doc.m_nIdSize, doc.m_nIdSize / 2, false}; }
Font LetterFont(const ShowSettings& doc) { return Font{"Arial", doc.m_nPeopleTextSize, 0, true}; }
Font LabelFont(const ShowSettings& doc) { return Font{"Arial", doc.m_nPeopleTextSize, 0, false}; }

std::string PersonLabel(CPerson& person) {
  const ShowContext* doc = person.m_pDocument;
  if (!doc || !(doc->m_bShowStepSize || doc->m_bShowMarchMode)) return {};
  return person.GetMarchLabel();
}

void DrawPerson(Painter& painter, const CPxDoc& doc, CPerson& person, const DrawView* view, int index) {
  if (!person.m_pDocument || IsAbsent(person)) return;
  const CPoint pos = person.m_ptPosition;
  if (pos.x == POSITION_NONE_VALUE || pos.y == POSITION_NONE_VALUE) return;
  const bool printing = painter.IsPrinting();
  const bool mono = BlackOnWhite(printing, doc);
  const int half = std::max(doc.m_nPersonSize, (painter.LegibleSize() + 1) / 2);
  const CRect rc{pos.x - half, pos.y - half, pos.x + half, pos.y + half};
  const Pen pen = RecordPen(person, DRAW_NOW, view, printing, doc);
  const Brush brush = RecordBrush(person, printing, doc);

  if (view && view->is3D) {
    DrawPerspectiveMarker(painter, person, rc, pen, brush, *view, mono);
    // Far markers shrink to a few pixels: the letters above them still tell who stands there.
    if (!person.m_strNote.empty()) {
      const Font font = LetterFont(doc);
      const CPoint top = view->Project(CPoint{pos.x, rc.top});
      painter.SetFont(font);
      painter.SetTextColor(pen.color);
      painter.Text(CPoint{top.x, top.y - font.height}, person.m_strNote, TextAlign::TopCenter);
    }
  } else if (!person.m_strNote.empty()) {
    // Letters take the marker's place.
    if (doc.m_bLetterFill) painter.FillRect(rc, mono ? kWhite : person.m_logbrush.lbColor);
    painter.SetFont(LetterFont(doc));
    painter.SetTextColor(pen.color);
    painter.Text(CPoint{rc.left, rc.top}, person.m_strNote, TextAlign::TopLeft);
  } else if (const SymbolBitmap* picture = doc.m_bPeopleAsBitmaps ? GroupPicture(doc, person.m_nGroup) : nullptr) {
    painter.Bitmap(rc, *picture);
  } else {
    painter.SetPen(pen);
    painter.SetBrush(brush);
    DrawMarker(painter, person, rc, mono);
  }

  const COLORREF textColor = mono ? kBlack : doc.m_crIdNumbers;
  const bool showId = doc.m_bShowIdNumbers && view;
  if (showId) {
    const Font font = IdNumberFont(doc);
    painter.SetFont(font);
    painter.SetTextColor(textColor);
    DrawText(painter, view, Beside(rc, doc.m_nIdPosition, font.height),
             std::to_string(doc.m_bIdAsIndex ? index + 1 : person.m_nNumber));
  }
  const std::string& label = view && view->labels ? view->labels->Of(person) : PersonLabel(person);
  if (!label.empty()) {
    const Font font = LabelFont(doc);
    painter.SetFont(font);
    painter.SetTextColor(textColor);
    // Above the marker, or below it when the ID number is there.
    const int position = showId && doc.m_nIdPosition == ID_TOP ? ID_BOTTOM : ID_TOP;
    DrawText(painter, view, Beside(rc, position, font.height), label);
  }
}

void DrawPersonTracker(Painter& painter, const CPerson& person) {
  if (!person.m_pDocument) return;
  const int half = person.m_pDocument->m_nPersonSize;
  const CRect& rc = person.m_rcBase;
  // The handle is the centre of the marker rectangle, halves toward zero.
  const CPoint centre{rc.left + (rc.right - rc.left) / 2, rc.top + (rc.bottom - rc.top) / 2};
  painter.InvertRect(CRect{centre.x - half, centre.y - half, centre.x + half, centre.y + half});
}

void DrawPaths(Painter& painter, CPxDoc& doc, ShowPaths& paths) {
  const bool mono = BlackOnWhite(painter.IsPrinting(), doc);
  if (!painter.BeginLayer(ShowPaths::DrawKey(doc, mono), false)) return;
  paths.Update(doc);
  for (const auto& owned : doc.m_people) {
    const CPerson& person = *owned;
    if (IsAbsent(person)) continue;
    painter.SetPen(Pen{PenStyle::Dot, 1, mono ? kBlack : person.m_logpen.lopnColor});
    for (const std::vector<CPoint>& run : paths.Of(person)) painter.Polyline(run);
  }
  painter.EndLayer();
}

}  // namespace px
