#include "core/draw/person_drawing.h"

#include <gtest/gtest.h>

#include "core/draw/step_drawing.h"
#include "core/support/recording_canvas.h"

namespace px {
namespace {

using test::Call;
using test::Op;
using test::RecordingCanvas;

constexpr COLORREF kRed = RGB(255, 0, 0);
constexpr COLORREF kBlue = RGB(0, 0, 255);
// A person at (3000, 2000) with the default half-size 24.
constexpr CRect kMarker{2976, 1976, 3024, 2024};

// Gives the person a place at `step` whose spot is `at`, and makes that current.
void Stand(CPerson& person, int step, CPoint at) {
  auto place = std::make_unique<CPlace>();
  place->m_nStep = step;
  place->m_ptSpot = at;
  place->m_pPerson = &person;
  person.m_places.push_back(std::move(place));
  person.SetCurrentPosition(person.GetPosition(step));
}

CPerson* AddPerson(CPxDoc& doc, int id, CPoint at, int shape = SHAPE_SQUARE) {
  auto owned = std::make_unique<CPerson>();
  owned->m_nNumber = id;
  owned->m_nShape = shape;
  CPerson* person = doc.AddPerson(std::move(owned));
  Stand(*person, doc.m_nCurrentStep, at);
  return person;
}

std::vector<Call> DrawOne(CPerson& person, const DrawView* view, bool printing = false) {
  RecordingCanvas canvas(CRect{0, 0, 8640, 8640}, printing);
  Painter painter(canvas);
  DrawPerson(painter, static_cast<const CPxDoc&>(*person.m_pDocument), person, view, 0);
  return canvas.calls;
}

TEST(PersonDrawing, MarkersLettersAndPictures) {
  CPxDoc doc;
  CPerson* p = AddPerson(doc, 1, CPoint{3000, 2000});
  p->m_logpen.lopnColor = kRed;
  p->m_logbrush = LOGBRUSH{BS_SOLID, kBlue, 0};
  auto calls = DrawOne(*p, nullptr);
  ASSERT_EQ(calls.size(), 1u);
  EXPECT_EQ(calls[0].op, Op::Rectangle);
  EXPECT_EQ(calls[0].rect, kMarker);
  EXPECT_EQ(calls[0].brush, (Brush{false, kBlue}));
  p->m_nShape = SHAPE_CROSS;
  calls = DrawOne(*p, nullptr);
  ASSERT_EQ(calls.size(), 2u);
  EXPECT_EQ(calls[1].points, (std::vector<CPoint>{{2976, 2024}, {3024, 1976}}));
  p->m_nShape = SHAPE_FLAG;  // filled in the show's flag colour while "Flags" is on
  calls = DrawOne(*p, nullptr);
  EXPECT_EQ(calls.at(0).points, (std::vector<CPoint>{{2976, 1976}, {3024, 2024}, {2976, 2024}}));
  EXPECT_EQ(calls.at(0).brush, (Brush{false, 0xFFFFFF}));

  // Letters take the marker's place, with the fill under them when "Letter Fill" is on.
  p->m_strNote = "T1";
  doc.m_bLetterFill = 1;
  calls = DrawOne(*p, nullptr);
  ASSERT_EQ(calls.size(), 2u);
  EXPECT_EQ(calls[0].op, Op::FillRect);
  EXPECT_EQ(calls[0].color, kBlue);
  EXPECT_EQ(calls[1].text, "T1");
  EXPECT_EQ(calls[1].points[0], (CPoint{2976, 1976}));
  EXPECT_EQ(calls[1].textColor, kRed);

  // Group pictures stand in for markers, not for letters.
  doc.m_bPeopleAsBitmaps = 1;
  EXPECT_EQ(DrawOne(*p, nullptr).back().op, Op::Text);
  p->m_strNote.clear();
  p->m_nGroup = GROUP_DRUMS;
  calls = DrawOne(*p, nullptr);
  ASSERT_EQ(calls.size(), 1u);
  EXPECT_EQ(calls[0].bitmap, doc.m_pSymbolBitmaps[GROUP_DRUMS].get());
}

TEST(PersonDrawing, AbsentAndUnplacedPeopleAreNotDrawn) {
  CPxDoc doc;
  doc.m_bShowIdNumbers = doc.m_bShowMarchMode = 1;
  CPerson* p = AddPerson(doc, 1, CPoint{3000, 2000});
  DrawView view;
  p->m_nExtra = 1;  // absent
  EXPECT_TRUE(DrawOne(*p, &view).empty());
  p->m_nExtra = 0;
  p->m_ptPosition = POSITION_NONE;
  EXPECT_TRUE(DrawOne(*p, &view).empty());
}

TEST(PersonDrawing, IdNumbersAndLabels) {
  CPxDoc doc;
  doc.m_bShowIdNumbers = 1;
  CPerson* p = AddPerson(doc, 17, CPoint{3000, 2000});
  DrawView view;
  // Marker 2976 .. 3024 by 1976 .. 2024, gap 8, ID font 50 high.
  const std::pair<CPoint, TextAlign> expected[] = {{{3032, 2000}, TextAlign::MiddleLeft},
                                                   {{2968, 2000}, TextAlign::MiddleRight},
                                                   {{3000, 1976 - 8 - 50}, TextAlign::TopCenter},
                                                   {{3000, 2032}, TextAlign::TopCenter}};
  for (int position = ID_RIGHT; position <= ID_BOTTOM; ++position) {
    doc.m_nIdPosition = position;
    const auto calls = DrawOne(*p, &view);
    ASSERT_EQ(calls.size(), 2u);
    EXPECT_EQ(calls[1].text, "17");
    EXPECT_EQ(calls[1].points[0], expected[position].first) << position;
    EXPECT_EQ(calls[1].align, expected[position].second);
  }
  EXPECT_EQ(DrawOne(*p, nullptr).size(), 1u);  // no view, no ID
  doc.m_bIdAsIndex = 1;
  EXPECT_EQ(DrawOne(*p, &view).at(1).text, "1");

  // The march code ("?": no next place) goes above, or below when the ID is on top.
  doc.m_bShowMarchMode = 1;
  doc.m_nIdPosition = ID_TOP;
  EXPECT_EQ(DrawOne(*p, &view).at(2).points[0], (CPoint{3000, 2032}));
  doc.m_nIdPosition = ID_BOTTOM;
  EXPECT_EQ(DrawOne(*p, &view).at(2).text, "?");
  EXPECT_EQ(DrawOne(*p, &view).at(2).points[0], (CPoint{3000, 1918}));
  // "Step Size" replaces it: no approach, so "0" ("%.0lf").
  doc.m_bShowStepSize = 1;
  EXPECT_EQ(DrawOne(*p, &view).at(2).text, "0");
}

TEST(PersonDrawing, SelectionAndPrinting) {
  CPxDoc doc;
  doc.m_bShowIdNumbers = 1;
  CPerson* a = AddPerson(doc, 1, CPoint{3000, 2000});
  CPerson* b = AddPerson(doc, 2, CPoint{4000, 2000});
  for (CPerson* p : {a, b}) {
    p->m_logpen = LOGPEN{PS_INSIDEFRAME, CPoint{16, 16}, kRed};  // "Bold"
    p->m_logbrush = LOGBRUSH{BS_SOLID, kBlue, 0};
  }
  DrawView view;
  view.isSelected = [a](const CFormation* r) { return r == a; };
  RecordingCanvas canvas;
  Painter painter(canvas);
  DrawStep(painter, doc, view);
  const auto markers = canvas.Of(Op::Rectangle);
  ASSERT_EQ(markers.size(), 2u);
  EXPECT_EQ(markers[0].pen, (Pen{PenStyle::Solid, 16, 0x00FF00}));
  EXPECT_EQ(markers[1].pen.color, kRed);
  ASSERT_EQ(canvas.Of(Op::InvertRect).size(), 1u);
  EXPECT_EQ(canvas.Of(Op::InvertRect)[0].rect, kMarker);  // centre +- 24

  RecordingCanvas paper(CRect{0, 0, 8640, 6676}, true);
  Painter printer(paper);
  DrawStep(printer, doc, view);
  EXPECT_TRUE(paper.Of(Op::InvertRect).empty());
  for (const Call& c : paper.Of(Op::Rectangle)) {
    EXPECT_EQ(c.pen, (Pen{PenStyle::Solid, 1, 0}));
    EXPECT_EQ(c.brush, (Brush{false, 0xFFFFFF}));
  }
  for (const Call& c : paper.Of(Op::Text)) EXPECT_EQ(c.textColor, 0u);
}

TEST(PersonDrawing, PerspectivePeopleFromBackToFront) {
  CPxDoc doc;  // "Fill in 3D mode" is on by default
  AddPerson(doc, 1, CPoint{4320, 4140})->m_logbrush.lbColor = kBlue;
  AddPerson(doc, 2, CPoint{1000, 1000});
  AddPerson(doc, 3, CPoint{2000, 2000})->m_strNote = "T";
  doc.AddPerson(std::make_unique<CPerson>())->m_nNumber = 4;  // no place
  DrawView view;
  view.is3D = true;  // B = 4140, cx = 4320, H = 2400, D = 3400
  RecordingCanvas canvas;
  Painter painter(canvas);
  DrawStep(painter, doc, view);
  // The person without a place parks in the first 3D row at (216, 144); then by y.
  std::vector<int> order;
  for (const auto& p : doc.m_people) order.push_back(p->m_nNumber);
  EXPECT_EQ(order, (std::vector<int>{4, 2, 3, 1}));
  EXPECT_EQ(doc.m_people[0]->m_ptPosition, (CPoint{216, 144}));
  const auto quads = canvas.Of(Op::Polygon);
  ASSERT_EQ(quads.size(), 4u);
  // y 4116 -> 4140 - trunc(57600 / 3424 = 16.8); y 4164 -> 4140 + 17 (57600 / 3376 = 17.06);
  // x 4320 -+ 24 * 3400 / s, the sums truncated.
  EXPECT_EQ(quads[3].points, (std::vector<CPoint>{{4296, 4124}, {4343, 4124}, {4344, 4157}, {4295, 4157}}));
  EXPECT_EQ(quads[3].brush, (Brush{false, kBlue}));
  // Letters stand above their marker, which is still drawn.
  const auto letters = canvas.Of(Op::Text);
  ASSERT_EQ(letters.size(), 1u);
  EXPECT_EQ(letters[0].text, "T");
  EXPECT_LE(letters[0].points[0].y + letters[0].font.height, quads[2].points[0].y);
}

TEST(PersonDrawing, PathsOverTheShow) {
  CPxDoc doc;
  doc.m_bShowPaths = 1;
  doc.m_nLastStep = 4;
  CPerson* p = AddPerson(doc, 1, CPoint{1000, 1000});
  p->m_logpen.lopnColor = kRed;
  Stand(*p, 1, CPoint{1100, 1000});
  Stand(*p, 3, CPoint{1200, 1000});
  Stand(*p, 4, CPoint{1200, 1000});
  p->SetCurrentPosition(p->GetPosition(0));
  RecordingCanvas canvas;
  Painter painter(canvas);
  DrawStep(painter, doc, DrawView{});
  // No position at step 2 breaks the path; standing still adds no point.
  const auto paths = canvas.Of(Op::Polyline);
  ASSERT_EQ(paths.size(), 1u);
  EXPECT_EQ(paths[0].points, (std::vector<CPoint>{{1000, 1000}, {1100, 1000}}));
  EXPECT_EQ(paths[0].pen, (Pen{PenStyle::Dot, 1, kRed}));
  EXPECT_EQ(canvas.Of(Op::Rectangle).at(0).rect, (CRect{976, 976, 1024, 1024}));  // still at step 0
}

}  // namespace
}  // namespace px
