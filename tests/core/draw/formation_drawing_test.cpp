#include "core/draw/formation_drawing.h"

#include <gtest/gtest.h>

#include "core/draw/step_drawing.h"
#include "core/support/recording_canvas.h"
#include "core/support/shows.h"

namespace px {
namespace {

using test::Call;
using test::Op;
using test::RecordingCanvas;

constexpr COLORREF kRed = RGB(255, 0, 0);
constexpr COLORREF kBlue = RGB(0, 0, 255);
constexpr COLORREF kSelected = 0x00FF00;  // the default "Selected" colour

CFormation* AddRect(CPxDoc& doc, CRect rc, int shape = SHAPE_RECTANGLE) { return test::AddRectShape(doc, shape, rc); }

DrawView Selecting(const CFormation* selected) {
  DrawView view;
  view.isSelected = [selected](const CFormation* f) { return f == selected; };
  return view;
}

RecordingCanvas Step(CPxDoc& doc, const DrawView& view, bool printing = false) {
  RecordingCanvas canvas(CRect{0, 0, 8640, 6676}, printing);
  Painter painter(canvas);
  DrawStep(painter, doc, view);
  return canvas;
}

// Most drawings here are looked at without their direction arrowheads.
struct FormationDrawing : ::testing::Test {
  FormationDrawing() { doc.m_bDirectionalIndicators = 0; }
  CPxDoc doc;
};

RecordingCanvas One(const CFormation& f, const DrawView* view = nullptr) {
  RecordingCanvas canvas;
  Painter painter(canvas);
  DrawFormation(painter, f, DRAW_NOW, view);
  return canvas;
}

TEST_F(FormationDrawing, SelectedColourIsForThisDrawingOnly) {
  CFormation* f = AddRect(doc, CRect{1000, 1000, 2000, 1500});
  f->m_logpen = LOGPEN{PS_INSIDEFRAME, CPoint{6, 6}, kRed};
  const auto selected = Step(doc, Selecting(f)).Of(Op::Polyline);
  ASSERT_EQ(selected.size(), 1u);
  EXPECT_EQ(selected[0].points,
            (std::vector<CPoint>{{1000, 1000}, {2000, 1000}, {2000, 1500}, {1000, 1500}, {1000, 1000}}));
  EXPECT_EQ(selected[0].pen, (Pen{PenStyle::Solid, 6, kSelected}));
  EXPECT_EQ(f->m_logpen.lopnColor, kRed);
  EXPECT_EQ(Step(doc, DrawView{}).Of(Op::Polyline).at(0).pen.color, kRed);
}

TEST_F(FormationDrawing, FilledRectanglesAndThe500PointLimit) {
  CFormation* rect = AddRect(doc, CRect{1000, 1000, 2000, 1500});
  rect->m_logbrush = LOGBRUSH{BS_SOLID, kBlue, 0};
  const auto filled = One(*rect).Of(Op::Polygon);
  ASSERT_EQ(filled.size(), 1u);
  EXPECT_EQ(filled[0].brush, (Brush{false, kBlue}));

  std::vector<CPoint> many;
  for (int i = 0; i < 600; ++i) many.push_back(CPoint{1000 + i, 1000 + (i % 2) * 50});
  CFormation* closed = test::AddPolyShape(doc, SHAPE_CLOSED_POLYGON, many);
  EXPECT_EQ(One(*closed).Of(Op::Polyline).at(0).points.size(), 601u);  // hollow: closed ring
  closed->m_logbrush.lbStyle = BS_SOLID;
  EXPECT_EQ(One(*closed).Of(Op::Polygon).at(0).points.size(), 500u);
  closed->m_nShape = SHAPE_POLYGON;  // open kinds never close nor fill
  EXPECT_EQ(One(*closed).Of(Op::Polyline).at(0).points.size(), 600u);
}

TEST_F(FormationDrawing, BlockRowsRunFromTheTopEdgeToTheBottomEdge) {
  CFormation* f = AddRect(doc, CRect{1000, 1000, 2000, 1600});
  f->m_bBlock = 1;
  f->m_nRows = 4;
  const auto rows = One(*f).Of(Op::Line);
  ASSERT_EQ(rows.size(), 4u);
  for (int r = 0; r < 4; ++r)  // 1000 + MulDiv(600, r, 3) = 1000 + 200 r
    EXPECT_EQ(rows[r].points, (std::vector<CPoint>{{1000, 1000 + 200 * r}, {2000, 1000 + 200 * r}}));
}

TEST_F(FormationDrawing, LinesAndCurvedKinds) {
  CFormation* line = AddRect(doc, CRect{1000, 1000, 2000, 1500}, SHAPE_LINE);
  line->m_logpen.lopnWidth = CPoint{15, 15};  // ends pulled in by 15 / 2 rounded up = 8
  EXPECT_EQ(One(*line).Of(Op::Line).at(0).points, (std::vector<CPoint>{{1008, 1008}, {1992, 1492}}));
  line->m_rcBase = CRect{1000, 1000, 2000, 1004};
  line->m_logpen.lopnWidth = CPoint{40, 40};  // never past the middle: y moves by 4 / 2
  EXPECT_EQ(One(*line).Of(Op::Line).at(0).points, (std::vector<CPoint>{{1020, 1002}, {1980, 1002}}));

  // Closed kinds close their ring, an arc stays open.
  CFormation* ellipse = AddRect(doc, CRect{1000, 1000, 2000, 1600}, SHAPE_ELLIPSE);
  const auto ring = One(*ellipse).Of(Op::Polyline).at(0).points;
  EXPECT_EQ(ring.size(), 141u);
  EXPECT_EQ(ring.back(), ring.front());
  ellipse->m_nShape = SHAPE_ARC;
  ellipse->RecalcOutline();
  const auto arc = One(*ellipse).Of(Op::Polyline).at(0).points;
  EXPECT_NE(arc.front(), arc.back());

  // Points are transformed: a quarter turn about (1000, 1000) takes (2000, 1000) to (1000, 2000).
  line->m_rcBase = CRect{1000, 1000, 2000, 1000};
  line->m_logpen.lopnWidth = CPoint{1, 1};
  line->m_ptPivot = CPoint{1000, 1000};
  line->m_dRotation = PI / 2;
  EXPECT_EQ(One(*line).Of(Op::Line).at(0).points[1], (CPoint{1000, 2000}));
}

TEST_F(FormationDrawing, Arrowheads) {
  doc.m_bDirectionalIndicators = 1;
  CFormation* line = AddRect(doc, CRect{1000, 1000, 2000, 1000}, SHAPE_LINE);
  line->m_logpen.lopnColor = kBlue;
  // Size 50 along +x: base at 1950, sides 0.4 * 50 = 20 to either side, filled in the pen colour.
  const auto head = One(*line).Of(Op::Polygon);
  ASSERT_EQ(head.size(), 1u);
  EXPECT_EQ(head[0].points, (std::vector<CPoint>{{2000, 1000}, {1950, 1020}, {1950, 980}}));
  EXPECT_EQ(head[0].brush, (Brush{false, kBlue}));
  // A polygon's head is on its last vertex, looking past a repeated one.
  CFormation* poly = test::AddPolyShape(doc, SHAPE_POLYGON, {{3000, 3000}, {3000, 2000}, {3000, 2000}});
  EXPECT_EQ(One(*poly).Of(Op::Polygon).at(0).points, (std::vector<CPoint>{{3000, 2000}, {3020, 2050}, {2980, 2050}}));

  DrawView flat, threeD;
  threeD.is3D = true;
  EXPECT_EQ(ArrowheadSize(*line, DRAW_PAST, &flat, false), 0);
  EXPECT_EQ(ArrowheadSize(*line, DRAW_NOW, &flat, true), 0);  // directional heads are never printed
  EXPECT_EQ(ArrowheadSize(*line, DRAW_NOW, &threeD, false), 0);
  line->m_nEndStep = 8;  // a prop over steps 0 .. 8 gets none
  EXPECT_EQ(ArrowheadSize(*line, DRAW_NOW, &flat, false), 0);
  line->m_bArrow = 1;  // its own arrow is printed, but not drawn in 3D
  EXPECT_EQ(ArrowheadSize(*line, DRAW_NOW, &flat, true), 100);
  EXPECT_EQ(ArrowheadSize(*line, DRAW_NOW, &threeD, false), 0);
}

TEST_F(FormationDrawing, PastAndFutureOutlines) {
  doc.m_bOutlinePast = doc.m_bOutlineFuture = 1;
  doc.m_crFutureFormation = RGB(1, 2, 3);
  AddRect(doc, CRect{1000, 1000, 1500, 1500})->m_logpen = LOGPEN{PS_INSIDEFRAME, CPoint{12, 12}, kRed};
  doc.SetCurrentStep(2);
  AddRect(doc, CRect{1000, 2000, 1500, 2500})->m_logbrush.lbStyle = BS_SOLID;  // filled: no outline
  doc.SetCurrentStep(9);
  CFormation* future = AddRect(doc, CRect{5000, 1000, 5500, 1500});
  doc.SetCurrentStep(4);
  AddRect(doc, CRect{3000, 1000, 3500, 1500});

  RecordingCanvas canvas = Step(doc, DrawView{});
  const auto outlines = canvas.Of(Op::Polyline);
  ASSERT_EQ(outlines.size(), 3u);  // step 0 (step 2 is filled), step 9, then step 4
  EXPECT_EQ(outlines[0].points[0], (CPoint{1000, 1000}));
  EXPECT_EQ(outlines[0].pen, (Pen{PenStyle::Solid, 1, 0x969696}));
  EXPECT_EQ(outlines[1].pen, (Pen{PenStyle::Solid, 1, RGB(1, 2, 3)}));
  EXPECT_EQ(outlines[2].points[0], (CPoint{3000, 1000}));
  EXPECT_EQ(canvas.Of(Op::Line).size(), 4u);  // a pivot cross after each outline

  future->m_logbrush.lbStyle = BS_SOLID;  // the next formation step stays 9, with nothing to outline
  EXPECT_EQ(Step(doc, DrawView{}).Of(Op::Polyline).size(), 2u);
}

TEST_F(FormationDrawing, PlayingIn3DAndOnPaperOnlyPropsRemain) {
  AddRect(doc, CRect{1000, 1000, 1500, 1500});
  CFormation* filled = AddRect(doc, CRect{2000, 1000, 2500, 1500});
  filled->m_logbrush = LOGBRUSH{BS_SOLID, kBlue, 0};
  filled->m_logpen.lopnColor = kRed;
  AddRect(doc, CRect{3000, 1000, 3500, 1500})->m_nEndStep = 10;

  EXPECT_EQ(Step(doc, DrawView{}).Of(Op::Polyline).size(), 2u);
  DrawView playing = Selecting(filled);
  playing.playing = true;
  RecordingCanvas canvas = Step(doc, playing);
  EXPECT_EQ(canvas.Of(Op::Polyline).size(), 1u);  // the ranged prop
  EXPECT_EQ(canvas.Of(Op::Polygon).size(), 1u);   // the filled prop
  doc.m_bDrawOnAnimate = 1;
  EXPECT_EQ(Step(doc, playing).Of(Op::Polyline).size(), 2u);

  DrawView threeD = Selecting(filled);
  threeD.is3D = true;  // in 3D the rectangles are polygons, and selection does not colour
  canvas = Step(doc, threeD);
  ASSERT_EQ(canvas.Of(Op::Polygon).size(), 2u);
  EXPECT_EQ(canvas.Of(Op::Polygon)[0].pen.color, kRed);

  doc.SetCurrentStep(5);  // only the ranged prop (0 .. 10) still stands
  EXPECT_EQ(Step(doc, DrawView{}).Of(Op::Polyline).at(0).points[0], (CPoint{3000, 1000}));
}

TEST_F(FormationDrawing, PrintedWithoutColourIsBlackOnWhite) {
  doc.m_bDirectionalIndicators = 1;
  CFormation* prop = AddRect(doc, CRect{1000, 1000, 2000, 1500});
  prop->m_logpen = LOGPEN{PS_INSIDEFRAME, CPoint{10, 10}, kRed};
  prop->m_logbrush = LOGBRUSH{BS_SOLID, kBlue, 0};
  CFormation* arrow = AddRect(doc, CRect{3000, 1000, 4000, 1000}, SHAPE_LINE);
  arrow->m_bArrow = 1;
  arrow->m_nEndStep = 8;  // a prop over a range of steps: printed with its arrow
  const RecordingCanvas paper = Step(doc, Selecting(prop), true);
  const auto polygons = paper.Of(Op::Polygon);
  ASSERT_EQ(polygons.size(), 2u);  // the filled prop and the arrow prop's head
  for (const Call& c : paper.calls) {
    EXPECT_EQ(c.pen, (Pen{PenStyle::Solid, 1, 0}));
    EXPECT_TRUE(c.brush.hollow || c.brush.color == 0xFFFFFFu || c.op == Op::Polygon);
  }
  EXPECT_EQ(polygons[0].brush.color, 0xFFFFFFu);
  EXPECT_TRUE(paper.Of(Op::InvertRect).empty());
  doc.m_bPrintColor = 1;
  EXPECT_EQ(Step(doc, DrawView{}, true).Of(Op::Polygon).at(0).brush.color, kBlue);
}

TEST_F(FormationDrawing, TrackerAndPivotMarker) {
  doc.m_nShapeHandleSize = 30;
  CFormation* f = AddRect(doc, CRect{1000, 1000, 2000, 1600});
  f->m_ptPivotSaved = CPoint{1500, 1300};
  DrawView view = Selecting(f);
  RecordingCanvas canvas = Step(doc, view);
  ASSERT_EQ(canvas.Of(Op::InvertRect).size(), 8u);
  EXPECT_EQ(canvas.Of(Op::InvertRect)[0].rect, (CRect{970, 970, 1030, 1030}));  // handle 1 +- 30
  EXPECT_EQ(canvas.Of(Op::Line).size(), 2u);                                      // the small cross

  view.rotateTool = true;
  const auto circles = Step(doc, view).Of(Op::Ellipse);
  ASSERT_EQ(circles.size(), 2u);
  EXPECT_EQ(circles[0].rect, (CRect{1428, 1228, 1572, 1372}));  // radius 72
  EXPECT_EQ(circles[1].rect, (CRect{1464, 1264, 1536, 1336}));  // radius 36
  EXPECT_EQ(circles[0].pen, (Pen{PenStyle::Solid, 1, kSelected}));

  view.showsHandles = false;
  EXPECT_TRUE(Step(doc, view).Of(Op::InvertRect).empty());
}

}  // namespace
}  // namespace px
