#include "core/draw/formation_drawing.h"

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
constexpr COLORREF kSelected = 0x00FF00;  // the default "Selected" colour

CFormation* AddRect(CPxDoc& doc, CRect rc, int shape = SHAPE_RECTANGLE) {
  auto f = std::make_unique<CDrawRect>(rc);
  f->m_nShape = shape;
  f->m_pOutline = {{rc.left, rc.top}, {rc.right, rc.top}, {rc.right, rc.bottom}, {rc.left, rc.bottom}};
  if (shape == SHAPE_LINE) f->m_pOutline = {{rc.left, rc.top}, {rc.right, rc.bottom}};
  f->m_nOutline = static_cast<int>(f->m_pOutline.size());
  return doc.AddFormation(std::move(f));
}

CFormation* AddPoly(CPxDoc& doc, std::vector<CPoint> points, int shape) {
  auto f = std::make_unique<CDrawPoly>();
  f->m_nShape = shape;
  f->SetPoints(points);
  return doc.AddFormation(std::move(f));
}

DrawView Selecting(const CFormation* selected) {
  DrawView view;
  view.isSelected = [selected](const CFormation* f) { return f == selected; };
  return view;
}

void Step(RecordingCanvas& canvas, CPxDoc& doc, const DrawView& view) {
  Painter painter(canvas);
  DrawStep(painter, doc, view);
}

TEST(FormationDrawing, SelectedColourIsForThisDrawingOnly) {
  CPxDoc doc;
  doc.m_bDirectionalIndicators = 0;
  CFormation* f = AddRect(doc, CRect{1000, 1000, 2000, 1500});
  f->m_logpen.lopnColor = kRed;
  f->m_logpen.lopnWidth = CPoint{6, 6};
  RecordingCanvas canvas;
  Step(canvas, doc, Selecting(f));
  const auto outline = canvas.Of(Op::Polyline);
  ASSERT_EQ(outline.size(), 1u);
  EXPECT_EQ(outline[0].pen, (Pen{PenStyle::Solid, 6, kSelected}));
  EXPECT_EQ(f->m_logpen.lopnColor, kRed);

  canvas.Clear();
  Step(canvas, doc, DrawView{});
  EXPECT_EQ(canvas.Of(Op::Polyline).at(0).pen.color, kRed);

  // In 3D the selection does not colour the record.
  DrawView threeD = Selecting(f);
  threeD.is3D = true;
  f->m_logbrush.lbStyle = BS_SOLID;  // only filled props survive 3D
  canvas.Clear();
  Step(canvas, doc, threeD);
  EXPECT_EQ(canvas.Of(Op::Polygon).at(0).pen.color, kRed);
}

TEST(FormationDrawing, RectangleOutlineIsClosedAndFillsWhenItsBrushDoes) {
  CPxDoc doc;
  doc.m_bDirectionalIndicators = 0;
  CFormation* f = AddRect(doc, CRect{1000, 1000, 2000, 1500});
  RecordingCanvas canvas;
  Step(canvas, doc, DrawView{});
  const std::vector<CPoint> ring{{1000, 1000}, {2000, 1000}, {2000, 1500}, {1000, 1500}, {1000, 1000}};
  EXPECT_EQ(canvas.Of(Op::Polyline).at(0).points, ring);

  f->m_logbrush = LOGBRUSH{BS_SOLID, kBlue, 0};
  canvas.Clear();
  Step(canvas, doc, DrawView{});
  const auto filled = canvas.Of(Op::Polygon);
  ASSERT_EQ(filled.size(), 1u);
  EXPECT_EQ(filled[0].points, std::vector<CPoint>(ring.begin(), ring.end() - 1));
  EXPECT_EQ(filled[0].brush, (Brush{false, kBlue}));
}

TEST(FormationDrawing, BlockOfFourRowsDrawsFourLinesFromTopToBottom) {
  CPxDoc doc;
  doc.m_bDirectionalIndicators = 0;
  CFormation* f = AddRect(doc, CRect{1000, 1000, 2000, 1600});
  f->m_bBlock = 1;
  f->m_nRows = 4;
  RecordingCanvas canvas;
  Step(canvas, doc, DrawView{});
  // Row r at 1000 + MulDiv(600, r, 3) = 1000 + 200 r.
  const auto rows = canvas.Of(Op::Line);
  ASSERT_EQ(rows.size(), 4u);
  for (int r = 0; r < 4; ++r) {
    EXPECT_EQ(rows[r].points[0], (CPoint{1000, 1000 + 200 * r}));
    EXPECT_EQ(rows[r].points[1], (CPoint{2000, 1000 + 200 * r}));
  }
  EXPECT_TRUE(canvas.Of(Op::Polyline).empty());

  f->m_nRows = 3;  // MulDiv(600, 1, 2) = 300
  canvas.Clear();
  Step(canvas, doc, DrawView{});
  EXPECT_EQ(canvas.Of(Op::Line).at(1).points[0].y, 1300);
}

TEST(FormationDrawing, LineEndsArePulledInByHalfThePen) {
  CPxDoc doc;
  doc.m_bDirectionalIndicators = 0;
  CFormation* f = AddRect(doc, CRect{1000, 1000, 2000, 1500}, SHAPE_LINE);
  f->m_logpen.lopnWidth = CPoint{15, 15};  // half of 15, rounded up: 8
  RecordingCanvas canvas;
  Step(canvas, doc, DrawView{});
  const auto line = canvas.Of(Op::Line);
  ASSERT_EQ(line.size(), 1u);
  EXPECT_EQ(line[0].points[0], (CPoint{1008, 1008}));
  EXPECT_EQ(line[0].points[1], (CPoint{1992, 1492}));

  // A hairline keeps its ends; a wide pen on a short line meets in the middle.
  f->m_logpen.lopnWidth = CPoint{1, 1};
  f->m_rcBase = CRect{1000, 1000, 2000, 1004};
  canvas.Clear();
  Step(canvas, doc, DrawView{});
  EXPECT_EQ(canvas.Of(Op::Line).at(0).points[0], (CPoint{1000, 1000}));
  f->m_logpen.lopnWidth = CPoint{40, 40};
  canvas.Clear();
  Step(canvas, doc, DrawView{});
  EXPECT_EQ(canvas.Of(Op::Line).at(0).points[0], (CPoint{1020, 1002}));
  EXPECT_EQ(canvas.Of(Op::Line).at(0).points[1], (CPoint{1980, 1002}));
}

TEST(FormationDrawing, PolygonKindsAndTheFiveHundredPointLimit) {
  CPxDoc doc;
  doc.m_bDirectionalIndicators = 0;
  std::vector<CPoint> many;
  for (int i = 0; i < 600; ++i) many.push_back(CPoint{1000 + i, 1000 + (i % 2) * 50});
  CFormation* closed = AddPoly(doc, many, SHAPE_CLOSED_POLYGON);
  RecordingCanvas canvas;
  Step(canvas, doc, DrawView{});
  // Hollow: closed outline of 600 vertices plus the way back to the first.
  ASSERT_EQ(canvas.Of(Op::Polyline).size(), 1u);
  EXPECT_EQ(canvas.Of(Op::Polyline)[0].points.size(), 601u);
  EXPECT_EQ(canvas.Of(Op::Polyline)[0].points.back(), (CPoint{1000, 1000}));

  closed->m_logbrush.lbStyle = BS_SOLID;
  canvas.Clear();
  Step(canvas, doc, DrawView{});
  ASSERT_EQ(canvas.Of(Op::Polygon).size(), 1u);
  EXPECT_EQ(canvas.Of(Op::Polygon)[0].points.size(), 500u);

  // An open polygon is never closed nor filled.
  closed->m_nShape = SHAPE_POLYGON;
  canvas.Clear();
  Step(canvas, doc, DrawView{});
  EXPECT_TRUE(canvas.Of(Op::Polygon).empty());
  EXPECT_EQ(canvas.Of(Op::Polyline).at(0).points.size(), 600u);
}

TEST(FormationDrawing, DirectionalArrowheadFollowsTheLastSegment) {
  CPxDoc doc;  // directional indicators are on by default
  CFormation* f = AddRect(doc, CRect{1000, 1000, 2000, 1000}, SHAPE_LINE);
  f->m_logpen.lopnColor = kBlue;
  RecordingCanvas canvas;
  Step(canvas, doc, DrawView{});
  // Size 50 along +x: base (1950, 1000), sides 0.4 * 50 = 20 either way.
  const auto heads = canvas.Of(Op::Polygon);
  ASSERT_EQ(heads.size(), 1u);
  EXPECT_EQ(heads[0].points, (std::vector<CPoint>{{2000, 1000}, {1950, 1020}, {1950, 980}}));
  EXPECT_EQ(heads[0].brush, (Brush{false, kBlue}));
  // The outline's brush is back for whatever comes next.
  EXPECT_EQ(ArrowheadSize(*f, DRAW_NOW, nullptr, false), 50);

  // A polygon's arrowhead sits on its last vertex; a repeated last vertex is looked past.
  CFormation* poly = AddPoly(doc, {{3000, 3000}, {3000, 2000}, {3000, 2000}}, SHAPE_POLYGON);
  canvas.Clear();
  Painter painter(canvas);
  DrawFormation(painter, *poly, DRAW_NOW, nullptr);
  EXPECT_EQ(canvas.Of(Op::Polygon).at(0).points, (std::vector<CPoint>{{3000, 2000}, {3020, 2050}, {2980, 2050}}));
}

TEST(FormationDrawing, ArrowheadSizes) {
  CPxDoc doc;
  CFormation* f = AddRect(doc, CRect{1000, 1000, 2000, 1000}, SHAPE_LINE);
  DrawView flat, threeD;
  threeD.is3D = true;
  EXPECT_EQ(ArrowheadSize(*f, DRAW_NOW, &flat, false), 50);
  EXPECT_EQ(ArrowheadSize(*f, DRAW_NOW, &flat, true), 0);  // never printed
  EXPECT_EQ(ArrowheadSize(*f, DRAW_PAST, &flat, false), 0);
  EXPECT_EQ(ArrowheadSize(*f, DRAW_NOW, &threeD, false), 0);
  f->m_nEndStep = 8;  // a prop shown over steps 0 .. 8
  EXPECT_EQ(ArrowheadSize(*f, DRAW_NOW, &flat, false), 0);
  f->m_bArrow = 1;  // its own arrow, printed too, but not in 3D
  EXPECT_EQ(ArrowheadSize(*f, DRAW_NOW, &flat, true), 100);
  EXPECT_EQ(ArrowheadSize(*f, DRAW_NOW, &threeD, false), 0);
  doc.m_bDirectionalIndicators = 0;
  f->m_bArrow = 0;
  f->m_nEndStep = 0;
  EXPECT_EQ(ArrowheadSize(*f, DRAW_NOW, &flat, false), 0);
}

TEST(FormationDrawing, PastAndFutureOutlinesUseOneUnitPensInTheirColours) {
  CPxDoc doc;
  doc.m_bDirectionalIndicators = 0;
  doc.m_bOutlinePast = doc.m_bOutlineFuture = 1;
  doc.m_crFutureFormation = RGB(1, 2, 3);
  CFormation* past = AddRect(doc, CRect{1000, 1000, 1500, 1500});
  past->m_logpen = LOGPEN{PS_INSIDEFRAME, CPoint{12, 12}, kRed};
  doc.SetCurrentStep(2);
  CFormation* filledEarlier = AddRect(doc, CRect{1000, 2000, 1500, 2500});  // filled: not an outline
  filledEarlier->m_logbrush.lbStyle = BS_SOLID;
  doc.SetCurrentStep(4);
  AddRect(doc, CRect{3000, 1000, 3500, 1500});
  doc.SetCurrentStep(9);
  CFormation* future = AddRect(doc, CRect{5000, 1000, 5500, 1500});
  doc.SetCurrentStep(4);

  RecordingCanvas canvas;
  Step(canvas, doc, DrawView{});
  const auto outlines = canvas.Of(Op::Polyline);
  ASSERT_EQ(outlines.size(), 3u);  // past (step 0, step 2 is filled), future (9), current (4)
  EXPECT_EQ(outlines[0].points[0], (CPoint{1000, 1000}));
  EXPECT_EQ(outlines[0].pen, (Pen{PenStyle::Solid, 1, 0x969696}));
  EXPECT_EQ(outlines[1].points[0], (CPoint{5000, 1000}));
  EXPECT_EQ(outlines[1].pen, (Pen{PenStyle::Solid, 1, RGB(1, 2, 3)}));
  EXPECT_EQ(outlines[2].points[0], (CPoint{3000, 1000}));
  // Each outline has its pivot mark (a small cross with its pen), none for the current one.
  EXPECT_EQ(canvas.Of(Op::Line).size(), 4u);
  EXPECT_EQ(past->m_logpen.lopnColor, kRed);

  // The future formation step is the next one, even when it has nothing to outline.
  future->m_logbrush.lbStyle = BS_SOLID;
  canvas.Clear();
  Step(canvas, doc, DrawView{});
  EXPECT_EQ(canvas.Of(Op::Polyline).size(), 2u);
  EXPECT_EQ(OutlineStep(doc, DRAW_FUTURE), 9);
  EXPECT_EQ(OutlineStep(doc, DRAW_PAST), 0);
}

TEST(FormationDrawing, PlayingOnPaperAndIn3DOnlyPropsRemain) {
  CPxDoc doc;
  doc.m_bDirectionalIndicators = 0;
  AddRect(doc, CRect{1000, 1000, 1500, 1500});  // plain formation
  CFormation* filled = AddRect(doc, CRect{2000, 1000, 2500, 1500});
  filled->m_logbrush = LOGBRUSH{BS_SOLID, kBlue, 0};
  CFormation* ranged = AddRect(doc, CRect{3000, 1000, 3500, 1500});
  ranged->m_nEndStep = 10;
  doc.SetCurrentStep(5);  // the ranged prop (0 .. 10) still shows; the others stood at 0
  doc.m_nLastStep = 10;
  RecordingCanvas canvas;
  Step(canvas, doc, DrawView{});
  ASSERT_EQ(canvas.Of(Op::Polyline).size(), 1u);
  EXPECT_EQ(canvas.Of(Op::Polyline)[0].points[0], (CPoint{3000, 1000}));

  doc.SetCurrentStep(0);
  DrawView playing;
  playing.playing = true;
  canvas.Clear();
  Step(canvas, doc, playing);
  EXPECT_EQ(canvas.Of(Op::Polygon).size(), 1u);   // the filled prop
  EXPECT_EQ(canvas.Of(Op::Polyline).size(), 1u);  // the ranged prop
  // With "Draw On Animate" everything is drawn while playing.
  doc.m_bDrawOnAnimate = 1;
  canvas.Clear();
  Step(canvas, doc, playing);
  EXPECT_EQ(canvas.Of(Op::Polyline).size(), 2u);
}

TEST(FormationDrawing, PrintedWithoutColourIsBlackOnWhiteWithoutDirectionalArrows) {
  CPxDoc doc;
  CFormation* prop = AddRect(doc, CRect{1000, 1000, 2000, 1500});
  prop->m_logpen = LOGPEN{PS_INSIDEFRAME, CPoint{10, 10}, kRed};
  prop->m_logbrush = LOGBRUSH{BS_SOLID, kBlue, 0};
  CFormation* line = AddRect(doc, CRect{3000, 1000, 4000, 1000}, SHAPE_LINE);
  line->m_logpen.lopnColor = kRed;
  RecordingCanvas paper(CRect{0, 0, 8640, 6676}, true);
  Step(paper, doc, Selecting(line));
  ASSERT_EQ(paper.Of(Op::Polygon).size(), 1u);  // the filled prop; no arrowhead on the line
  for (const Call& c : paper.calls) {
    if (c.op == Op::Polygon || c.op == Op::Line) {
      EXPECT_EQ(c.pen, (Pen{PenStyle::Solid, 1, 0})) << static_cast<int>(c.op);
      EXPECT_TRUE(c.brush.hollow || c.brush.color == 0xFFFFFFu);
    }
  }
  EXPECT_TRUE(paper.Of(Op::InvertRect).empty());

  // In colour the show's colours print.
  doc.m_bPrintColor = 1;
  paper.Clear();
  Step(paper, doc, DrawView{});
  EXPECT_EQ(paper.Of(Op::Polygon).at(0).pen.color, kRed);
  EXPECT_EQ(paper.Of(Op::Polygon).at(0).brush.color, kBlue);
}

TEST(FormationDrawing, SelectedFormationGetsTrackerAndPivotMarker) {
  CPxDoc doc;
  doc.m_bDirectionalIndicators = 0;
  doc.m_nShapeHandleSize = 30;
  CFormation* f = AddRect(doc, CRect{1000, 1000, 2000, 1600});
  f->m_ptPivotSaved = CPoint{1500, 1300};
  DrawView view = Selecting(f);
  RecordingCanvas canvas;
  Step(canvas, doc, view);
  // Eight handles, the first around (1000, 1000) with half-size 30.
  const auto handles = canvas.Of(Op::InvertRect);
  ASSERT_EQ(handles.size(), 8u);
  EXPECT_EQ(handles[0].rect, (CRect{970, 970, 1030, 1030}));
  EXPECT_EQ(canvas.Of(Op::Line).size(), 2u);  // the small pivot cross

  view.rotateTool = true;
  canvas.Clear();
  Step(canvas, doc, view);
  const auto circles = canvas.Of(Op::Ellipse);
  ASSERT_EQ(circles.size(), 2u);
  EXPECT_EQ(circles[0].rect, (CRect{1428, 1228, 1572, 1372}));  // radius 72
  EXPECT_EQ(circles[1].rect, (CRect{1464, 1264, 1536, 1336}));  // radius 36
  EXPECT_EQ(circles[0].pen, (Pen{PenStyle::Solid, 1, kSelected}));
  EXPECT_TRUE(circles[0].brush.hollow);

  // No handles while playing, or when the view hides them.
  view.playing = true;
  doc.m_bDrawOnAnimate = 1;
  canvas.Clear();
  Step(canvas, doc, view);
  EXPECT_TRUE(canvas.Of(Op::InvertRect).empty());
  view.playing = false;
  view.showsHandles = false;
  canvas.Clear();
  Step(canvas, doc, view);
  EXPECT_TRUE(canvas.Of(Op::InvertRect).empty());
}

TEST(FormationDrawing, RotatedFormationsAndPerspective) {
  CPxDoc doc;
  doc.m_bDirectionalIndicators = 0;
  CFormation* f = AddRect(doc, CRect{1000, 1000, 2000, 1000}, SHAPE_LINE);
  f->m_ptPivot = CPoint{1000, 1000};
  f->m_dRotation = PI / 2;  // (2000, 1000) turns to (1000, 2000)
  RecordingCanvas canvas;
  Painter painter(canvas);
  DrawFormation(painter, *f, DRAW_NOW, nullptr);
  EXPECT_EQ(canvas.Of(Op::Line).at(0).points[1], (CPoint{1000, 2000}));

  f->m_dRotation = 0;
  f->m_rcBase = CRect{720, 360, 4320, 4140};
  DrawView threeD;
  threeD.is3D = true;  // B = 4140, cx = 4320, H = 2400, D = 3400
  canvas.Clear();
  DrawFormation(painter, *f, DRAW_NOW, &threeD);
  // (720, 360) -> (2615, 2877) as the field corner; the near end stays.
  EXPECT_EQ(canvas.Of(Op::Line).at(0).points[0], (CPoint{2615, 2877}));
  EXPECT_EQ(canvas.Of(Op::Line).at(0).points[1], (CPoint{4320, 4140}));
}

}  // namespace
}  // namespace px

namespace px {
namespace {

TEST(FormationDrawing, CurvedKindsDrawTheirComputedOutlines) {
  CPxDoc doc;
  doc.m_bDirectionalIndicators = 0;
  CFormation* ellipse = AddRect(doc, CRect{1000, 1000, 2000, 1600}, SHAPE_ELLIPSE);
  ellipse->RecalcOutline();
  RecordingCanvas canvas;
  Painter painter(canvas);
  DrawFormation(painter, *ellipse, DRAW_NOW, nullptr);
  // 140 outline points, closed: entry 0 is (cx + rx, cy) = (2000, 1300).
  ASSERT_EQ(canvas.Of(Op::Polyline).size(), 1u);
  const auto ring = canvas.Of(Op::Polyline)[0].points;
  EXPECT_EQ(ring.size(), 141u);
  EXPECT_EQ(ring.front(), (CPoint{2000, 1300}));
  EXPECT_EQ(ring.back(), ring.front());

  ellipse->m_logbrush.lbStyle = BS_SOLID;
  canvas.Clear();
  DrawFormation(painter, *ellipse, DRAW_NOW, nullptr);
  EXPECT_EQ(canvas.Of(Op::Polygon).at(0).points.size(), 140u);

  // An arc stays open: it neither returns to its first point nor fills.
  ellipse->m_nShape = SHAPE_ARC;
  ellipse->RecalcOutline();
  canvas.Clear();
  DrawFormation(painter, *ellipse, DRAW_NOW, nullptr);
  ASSERT_EQ(canvas.Of(Op::Polyline).size(), 1u);
  EXPECT_TRUE(canvas.Of(Op::Polygon).empty());
  EXPECT_NE(canvas.Of(Op::Polyline)[0].points.front(), canvas.Of(Op::Polyline)[0].points.back());

  // A curve draws its 61 points, open, whatever the number of vertices.
  CFormation* curve = AddPoly(doc, {{1000, 3000}, {1500, 2500}, {2000, 3000}}, SHAPE_CURVE);
  curve->RecalcOutline();
  canvas.Clear();
  DrawFormation(painter, *curve, DRAW_NOW, nullptr);
  const auto curveLine = canvas.Of(Op::Polyline);
  ASSERT_EQ(curveLine.size(), 1u);
  EXPECT_EQ(curveLine[0].points.size(), 61u);
  EXPECT_EQ(curveLine[0].points.front(), (CPoint{1000, 3000}));
}

}  // namespace
}  // namespace px
