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

// Puts the person at `at` for `step` through the position cache, and makes it current.
void Stand(CPerson& person, int step, CPoint at) {
  if (person.m_posCache.size() <= static_cast<size_t>(step)) person.m_posCache.resize(step + 1, POSITION_NONE);
  person.m_posCache[static_cast<size_t>(step)] = at;
  person.GetPosition(step);
}

CPerson* AddPerson(CPxDoc& doc, int id, CPoint at, int shape = SHAPE_SQUARE) {
  auto owned = std::make_unique<CPerson>();
  owned->m_nNumber = id;
  owned->m_nShape = shape;
  CPerson* person = doc.AddPerson(std::move(owned));
  Stand(*person, doc.m_nCurrentStep, at);
  return person;
}

// The person at (3000, 2000) with the default half-size 24 fills (2976, 1976)-(3024, 2024).
constexpr CRect kMarker{2976, 1976, 3024, 2024};

std::vector<Call> DrawOne(CPerson& person, const DrawView* view, bool printing = false,
                          const PersonLabelSource& labels = {}) {
  RecordingCanvas canvas(CRect{0, 0, 8640, 8640}, printing);
  Painter painter(canvas);
  DrawPerson(painter, person, view, 0, labels);
  return canvas.calls;
}

TEST(PersonDrawing, MarkersOfEveryKind) {
  CPxDoc doc;
  CPerson* p = AddPerson(doc, 1, CPoint{3000, 2000});
  EXPECT_EQ(p->m_rcBase, kMarker);
  p->m_logpen.lopnColor = kRed;
  p->m_logbrush = LOGBRUSH{BS_SOLID, kBlue, 0};

  auto calls = DrawOne(*p, nullptr);
  ASSERT_EQ(calls.size(), 1u);
  EXPECT_EQ(calls[0].op, Op::Rectangle);
  EXPECT_EQ(calls[0].rect, kMarker);
  EXPECT_EQ(calls[0].pen.color, kRed);
  EXPECT_EQ(calls[0].brush, (Brush{false, kBlue}));

  p->m_nShape = SHAPE_CIRCLE;
  calls = DrawOne(*p, nullptr);
  ASSERT_EQ(calls.size(), 1u);
  EXPECT_EQ(calls[0].op, Op::Ellipse);
  EXPECT_EQ(calls[0].rect, kMarker);

  p->m_nShape = SHAPE_CROSS;
  calls = DrawOne(*p, nullptr);
  ASSERT_EQ(calls.size(), 2u);
  EXPECT_EQ(calls[0].points, (std::vector<CPoint>{{2976, 1976}, {3024, 2024}}));
  EXPECT_EQ(calls[1].points, (std::vector<CPoint>{{2976, 2024}, {3024, 1976}}));

  p->m_nShape = SHAPE_FLAG;
  calls = DrawOne(*p, nullptr);
  ASSERT_EQ(calls.size(), 1u);
  EXPECT_EQ(calls[0].op, Op::Polygon);
  EXPECT_EQ(calls[0].points, (std::vector<CPoint>{{2976, 1976}, {3024, 2024}, {2976, 2024}}));
  EXPECT_EQ(calls[0].brush, (Brush{false, 0xFFFFFF}));  // "Flags": the show's flag colour
  doc.m_bShowFlags = 0;
  EXPECT_EQ(DrawOne(*p, nullptr).at(0).brush, (Brush{false, kBlue}));
}

TEST(PersonDrawing, LettersHideTheMarker) {
  CPxDoc doc;
  CPerson* p = AddPerson(doc, 1, CPoint{3000, 2000}, SHAPE_CIRCLE);
  p->m_strNote = "T1";
  p->m_logpen.lopnColor = kRed;
  auto calls = DrawOne(*p, nullptr);
  ASSERT_EQ(calls.size(), 1u);
  EXPECT_EQ(calls[0].op, Op::Text);
  EXPECT_EQ(calls[0].text, "T1");
  EXPECT_EQ(calls[0].points[0], (CPoint{2976, 1976}));
  EXPECT_EQ(calls[0].align, TextAlign::TopLeft);
  EXPECT_EQ(calls[0].textColor, kRed);
  EXPECT_EQ(calls[0].font.height, 50);  // Show People As "Size"

  // "Letter Fill" puts the fill colour under the letters.
  doc.m_bLetterFill = 1;
  p->m_logbrush.lbColor = kBlue;
  calls = DrawOne(*p, nullptr);
  ASSERT_EQ(calls.size(), 2u);
  EXPECT_EQ(calls[0].op, Op::FillRect);
  EXPECT_EQ(calls[0].rect, kMarker);
  EXPECT_EQ(calls[0].color, kBlue);
  EXPECT_EQ(calls[1].op, Op::Text);
}

TEST(PersonDrawing, AbsentAndUnplacedPeopleAreNotDrawn) {
  CPxDoc doc;
  doc.m_bShowIdNumbers = 1;
  doc.m_bShowMarchMode = 1;
  CPerson* p = AddPerson(doc, 1, CPoint{3000, 2000});
  DrawView view;
  p->m_nExtra = 1;  // absent
  EXPECT_TRUE(DrawOne(*p, &view).empty());
  view.is3D = true;
  EXPECT_TRUE(DrawOne(*p, &view).empty());
  p->m_nExtra = 0;
  p->m_ptPosition = POSITION_NONE;
  EXPECT_TRUE(DrawOne(*p, &view).empty());
}

TEST(PersonDrawing, IdNumbersInTheFourPositions) {
  CPxDoc doc;
  doc.m_bShowIdNumbers = 1;
  doc.m_crIdNumbers = kBlue;
  CPerson* p = AddPerson(doc, 17, CPoint{3000, 2000});
  DrawView view;
  struct Expect {
    int position;
    CPoint at;
    TextAlign align;
  };
  // Marker 2976 .. 3024 by 1976 .. 2024, gap 8, ID size 50.
  const Expect cases[] = {
      {ID_RIGHT, {3032, 2000}, TextAlign::MiddleLeft},
      {ID_LEFT, {2968, 2000}, TextAlign::MiddleRight},
      {ID_TOP, {3000, 1976 - 8 - 50}, TextAlign::TopCenter},
      {ID_BOTTOM, {3000, 2032}, TextAlign::TopCenter},
  };
  for (const Expect& e : cases) {
    doc.m_nIdPosition = e.position;
    const auto calls = DrawOne(*p, &view);
    ASSERT_EQ(calls.size(), 2u);
    EXPECT_EQ(calls[1].text, "17");
    EXPECT_EQ(calls[1].points[0], e.at) << e.position;
    EXPECT_EQ(calls[1].align, e.align);
    EXPECT_EQ(calls[1].textColor, kBlue);
    EXPECT_EQ(calls[1].font, (Font{"Arial", 50, 25, false}));
  }
  // Without a view no ID is written; "As Index" writes the place in the list.
  EXPECT_EQ(DrawOne(*p, nullptr).size(), 1u);
  doc.m_bIdAsIndex = 1;
  EXPECT_EQ(DrawOne(*p, &view).at(1).text, "1");
}

TEST(PersonDrawing, MarchModeAndStepSizeLabels) {
  CPxDoc doc;
  doc.m_bShowMarchMode = 1;
  CPerson* p = AddPerson(doc, 1, CPoint{3000, 2000});
  // No next place: "?" above the marker.
  auto calls = DrawOne(*p, nullptr);
  ASSERT_EQ(calls.size(), 2u);
  EXPECT_EQ(calls[1].text, "?");
  EXPECT_EQ(calls[1].points[0], (CPoint{3000, 1918}));

  // Step sizes replace the march code; without a source there is nothing to show.
  doc.m_bShowStepSize = 1;
  EXPECT_EQ(DrawOne(*p, nullptr).size(), 1u);
  PersonLabelSource labels;
  labels.stepSize = [](CPerson&, int) { return 44.6; };
  calls = DrawOne(*p, nullptr, false, labels);
  EXPECT_EQ(calls.at(1).text, "45");  // "%.0lf" of 44.6

  // With the ID number on top, the label goes below.
  doc.m_bShowIdNumbers = 1;
  doc.m_nIdPosition = ID_TOP;
  DrawView view;
  calls = DrawOne(*p, &view, false, labels);
  ASSERT_EQ(calls.size(), 3u);
  EXPECT_EQ(calls[2].points[0], (CPoint{3000, 2032}));
}

TEST(PersonDrawing, GroupPictures) {
  CPxDoc doc;
  doc.m_bPeopleAsBitmaps = 1;
  CPerson* p = AddPerson(doc, 1, CPoint{3000, 2000});
  p->m_nGroup = GROUP_DRUMS;
  const auto calls = DrawOne(*p, nullptr);
  ASSERT_EQ(calls.size(), 1u);
  EXPECT_EQ(calls[0].op, Op::Bitmap);
  EXPECT_EQ(calls[0].rect, kMarker);
  EXPECT_EQ(calls[0].bitmap, doc.m_pSymbolBitmaps[GROUP_DRUMS].get());
  // Letters still win over the picture.
  p->m_strNote = "D";
  EXPECT_EQ(DrawOne(*p, nullptr).at(0).op, Op::Text);
}

TEST(PersonDrawing, SelectedPeopleOnScreenOnly) {
  CPxDoc doc;
  CPerson* a = AddPerson(doc, 1, CPoint{3000, 2000});
  CPerson* b = AddPerson(doc, 2, CPoint{4000, 2000});
  a->m_logpen.lopnColor = b->m_logpen.lopnColor = kRed;
  DrawView view;
  view.isSelected = [a](const CFormation* r) { return r == a; };
  RecordingCanvas canvas;
  Painter painter(canvas);
  DrawStep(painter, doc, view);
  const auto markers = canvas.Of(Op::Rectangle);
  ASSERT_EQ(markers.size(), 2u);
  EXPECT_EQ(markers[0].pen.color, 0x00FF00u);
  EXPECT_EQ(markers[1].pen.color, kRed);
  EXPECT_EQ(a->m_logpen.lopnColor, kRed);
  const auto trackers = canvas.Of(Op::InvertRect);
  ASSERT_EQ(trackers.size(), 1u);
  EXPECT_EQ(trackers[0].rect, kMarker);  // centre +- the half-size 24

  RecordingCanvas paper(CRect{0, 0, 8640, 6676}, true);
  Painter printer(paper);
  DrawStep(printer, doc, view);
  EXPECT_TRUE(paper.Of(Op::InvertRect).empty());
}

TEST(PersonDrawing, PrintedWithoutColourIsBlackOnWhite) {
  CPxDoc doc;
  CPerson* p = AddPerson(doc, 1, CPoint{3000, 2000});
  p->m_logpen = LOGPEN{PS_INSIDEFRAME, CPoint{16, 16}, kRed};  // "Bold"
  p->m_logbrush = LOGBRUSH{BS_SOLID, kBlue, 0};
  p->m_strNote = "";
  doc.m_bShowIdNumbers = 1;
  doc.m_crIdNumbers = kRed;
  DrawView view;
  const auto calls = DrawOne(*p, &view, true);
  ASSERT_EQ(calls.size(), 2u);
  EXPECT_EQ(calls[0].pen, (Pen{PenStyle::Solid, 1, 0}));
  EXPECT_EQ(calls[0].brush, (Brush{false, 0xFFFFFF}));
  EXPECT_EQ(calls[1].textColor, 0u);
}

TEST(PersonDrawing, PerspectiveQuadrilateralsFromBackToFront) {
  CPxDoc doc;  // "Fill in 3D mode" is on by default
  doc.m_nLastStep = 0;
  CPerson* front = AddPerson(doc, 1, CPoint{4320, 4140});
  front->m_logbrush.lbColor = kBlue;
  AddPerson(doc, 2, CPoint{1000, 1000});
  AddPerson(doc, 3, CPoint{2000, 2000});
  auto unplaced = std::make_unique<CPerson>();
  unplaced->m_nNumber = 4;
  doc.AddPerson(std::move(unplaced));

  DrawView view;
  view.is3D = true;  // B = 4140, cx = 4320, H = 2400, D = 3400
  RecordingCanvas canvas;
  Painter painter(canvas);
  DrawStep(painter, doc, view);

  // The unplaced person parks in the first 3D row (216, 144); then ascending y.
  std::vector<int> order;
  for (const auto& p : doc.m_people) order.push_back(p->m_nNumber);
  EXPECT_EQ(order, (std::vector<int>{4, 2, 3, 1}));
  EXPECT_EQ(doc.m_people[0]->m_ptPosition, (CPoint{216, 144}));

  const auto quads = canvas.Of(Op::Polygon);
  ASSERT_EQ(quads.size(), 4u);
  // Front person corners: y 4116 -> 4140 - trunc(57600 / 3424 = 16.8) = 4124,
  // y 4164 -> 4140 + 17 (57600 / 3376 = 17.06); x 4320 -+ 24 * 3400 / s, truncated.
  EXPECT_EQ(quads[3].points, (std::vector<CPoint>{{4296, 4124}, {4343, 4124}, {4344, 4157}, {4295, 4157}}));
  EXPECT_EQ(quads[3].brush, (Brush{false, kBlue}));
  EXPECT_TRUE(canvas.Of(Op::InvertRect).empty());
}

TEST(PersonDrawing, PathsFollowEachPersonOverTheShow) {
  CPxDoc doc;
  doc.m_bShowPaths = 1;
  doc.m_nLastStep = 4;
  CPerson* p = AddPerson(doc, 1, CPoint{1000, 1000});
  p->m_logpen.lopnColor = kRed;
  Stand(*p, 1, CPoint{1100, 1000});
  Stand(*p, 3, CPoint{1200, 1000});
  Stand(*p, 4, CPoint{1200, 1000});
  p->GetPosition(0);
  RecordingCanvas canvas;
  Painter painter(canvas);
  DrawStep(painter, doc, DrawView{});
  // Step 2 has no position: the path breaks there; standing still adds no point.
  const auto paths = canvas.Of(Op::Polyline);
  ASSERT_EQ(paths.size(), 1u);
  EXPECT_EQ(paths[0].points, (std::vector<CPoint>{{1000, 1000}, {1100, 1000}}));
  EXPECT_EQ(paths[0].pen, (Pen{PenStyle::Dot, 1, kRed}));
  // The person is drawn where it stands now.
  EXPECT_EQ(canvas.Of(Op::Rectangle).at(0).rect, (CRect{976, 976, 1024, 1024}));

  DrawView playing;
  playing.playing = true;
  canvas.Clear();
  DrawStep(painter, doc, playing);
  EXPECT_TRUE(canvas.Of(Op::Polyline).empty());
}

}  // namespace
}  // namespace px
