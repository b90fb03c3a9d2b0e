#include "core/draw/field_drawing.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>

#include "core/draw/grid_properties.h"
#include "core/support/recording_canvas.h"

namespace px {
namespace {

using test::Call;
using test::Op;
using test::RecordingCanvas;

struct Drawn {
  RecordingCanvas canvas;
  FieldViewState view;
};

void DrawFieldOf(CPxDoc& doc, Drawn& d, bool threeD = false) {
  d.view.SetupField(doc);
  d.view.m_b3D = threeD;
  Painter painter(d.canvas);
  DrawField(painter, doc, d.view);
}

// How often each text was drawn, by the y of its anchor.
std::map<std::string, int> TextsAtY(const RecordingCanvas& canvas, int y) {
  std::map<std::string, int> out;
  for (const Call& c : canvas.Of(Op::Text))
    if (c.points[0].y == y) ++out[c.text];
  return out;
}

TEST(FieldDrawing, FootballFieldHasYardLinesAndNumbersButNoGoalLines) {
  CPxDoc doc;
  Drawn d;
  DrawFieldOf(doc, d);
  // Middle x = 720 + 7200 / 2 = 4320; lines every 360 strictly inside 720 .. 7920.
  for (int i = 0; i <= 9; ++i) {
    EXPECT_EQ(d.canvas.VerticalLinesAt(4320 + 360 * i).size(), 1u) << i;
    EXPECT_EQ(d.canvas.VerticalLinesAt(4320 - 360 * i).size(), 1u) << i;
  }
  EXPECT_TRUE(d.canvas.VerticalLinesAt(720).empty());
  EXPECT_TRUE(d.canvas.VerticalLinesAt(7920).empty());
  // The field outline is drawn only in 3D or on paper.
  EXPECT_TRUE(d.canvas.Of(Op::Polyline).empty());

  // Numbers: above with their top at 360 - 144 = 216, below at 4140 + 72 = 4212.
  const std::map<std::string, int> expected = {{"50", 1}, {"45", 2}, {"40", 2}, {"35", 2}, {"30", 2}, {"25", 2},
                                               {"20", 2}, {"15", 2}, {"10", 2}, {"5", 2}};
  EXPECT_EQ(TextsAtY(d.canvas, 216), expected);
  EXPECT_EQ(TextsAtY(d.canvas, 4212), expected);
  for (const Call& c : d.canvas.Of(Op::Text)) {
    EXPECT_EQ(c.align, TextAlign::TopCenter);
    EXPECT_EQ(c.font.height, 144);
  }
  // "45" sits on x = 4680 and 3960.
  const auto fortyFives = d.canvas.Where([](const Call& c) { return c.op == Op::Text && c.text == "45"; });
  for (const Call& c : fortyFives) EXPECT_TRUE(c.points[0].x == 4680 || c.points[0].x == 3960);

  // Horizontal 8-step lines at 360 + 360 k for k = 1 .. 10 (3960 <= 4140 < 4320).
  // (Hash marks share y = 2880 with one of them, so count the full-width lines.)
  auto fullWidthAt = [&](int y) {
    int n = 0;
    for (const Call& c : d.canvas.HorizontalLinesAt(y)) n += c.points[0].x == 720 && c.points[1].x == 7920;
    return n;
  };
  for (int k = 1; k <= 10; ++k) EXPECT_EQ(fullWidthAt(360 + 360 * k), 1) << k;
  EXPECT_EQ(fullWidthAt(360), 0);
  EXPECT_EQ(fullWidthAt(4320), 0);
  EXPECT_EQ(d.canvas.Where([](const Call& c) { return c.op == Op::Line && c.points[0].x == 720; }).size(), 10u);
}

TEST(FieldDrawing, HashMarksEraseTheLineUnderThemFirst) {
  CPxDoc doc;
  doc.m_crHash = RGB(200, 0, 0);
  doc.m_crField = RGB(0, 120, 0);
  Drawn d;
  DrawFieldOf(doc, d);
  // Hash 1 at trunc(360 + 1260) = 1620: the field-coloured 112-unit segment, then the
  // 72-unit hash segment, centred on every yard line.
  const auto at1620 = d.canvas.HorizontalLinesAt(1620);
  const auto wide = std::find_if(at1620.begin(), at1620.end(), [](const Call& c) { return c.points[0].x == 4264; });
  const auto narrow = std::find_if(at1620.begin(), at1620.end(), [](const Call& c) { return c.points[0].x == 4284; });
  ASSERT_NE(wide, at1620.end());
  ASSERT_NE(narrow, at1620.end());
  EXPECT_EQ(wide->points[1].x, 4376);
  EXPECT_EQ(wide->pen.color, RGB(0, 120, 0));
  EXPECT_EQ(narrow->points[1].x, 4356);
  EXPECT_EQ(narrow->pen.color, RGB(200, 0, 0));
  EXPECT_LT(wide - at1620.begin(), narrow - at1620.begin());
  // Hash 2 at 360 + 2520 = 2880: two segments on each of the 19 yard lines, plus the 8-step
  // line that runs there (360 + 7 * 360).
  EXPECT_EQ(d.canvas.HorizontalLinesAt(2880).size(), 2u * 19 + 1);

  doc.m_bShowHash1 = 0;
  Drawn without;
  DrawFieldOf(doc, without);
  EXPECT_TRUE(without.canvas.HorizontalLinesAt(1620).empty());
}

TEST(FieldDrawing, NarrowFloorHasNoYardNumbers) {
  CPxDoc doc;
  GridPropertiesModel grid;
  grid.LoadFrom(doc);
  grid.SelectPreset(2);  // Indoor Guard 70 x 50: 1680 x 1200 units, field 3480 .. 5160
  grid.ApplyTo(doc);
  Drawn d;
  DrawFieldOf(doc, d);
  EXPECT_TRUE(d.canvas.Of(Op::Text).empty());
  // 8-step lines strictly inside 3480 .. 5160 around the middle 4320.
  for (int x : {3600, 3960, 4320, 4680, 5040}) EXPECT_EQ(d.canvas.VerticalLinesAt(x).size(), 1u) << x;
  // No hash marks on indoor floors.
  // 5 vertical lines; horizontal at 720, 1080 and 1440 (1800 passes the bottom at 1560).
  EXPECT_EQ(d.canvas.Of(Op::Line).size(), 5u + 3u);
}

TEST(FieldDrawing, OneStepVerticalSwitchBringsTheEightStepLines) {
  CPxDoc doc;
  GridPropertiesModel grid;
  grid.LoadFrom(doc);
  for (LineFamily& family : grid.m_families) family.vertical = family.horizontal = false;
  grid.m_families[3].vertical = true;  // only "Vertical" under "1 Step Lines"
  grid.ApplyTo(doc);
  EXPECT_EQ(doc.m_bVertical1, 1);
  EXPECT_EQ(doc.m_bVertical8, 1);
  EXPECT_EQ(doc.m_bHorizontal8, 0);

  Drawn d;
  DrawFieldOf(doc, d);
  EXPECT_EQ(d.canvas.VerticalLinesAt(4320).size(), 1u);
  // 1-step lines at 4320 + 45 j between the yard lines, in the 1-step colour; none where an
  // 8-step line is.
  for (int x : {4365, 4635, 4725, 7875, 765, 4275})
    ASSERT_EQ(d.canvas.VerticalLinesAt(x).size(), 1u) << x;
  EXPECT_EQ(d.canvas.VerticalLinesAt(4365)[0].pen.color, 0xC8C8C8u);
  // 7200 / 45 - 1 = 159 lines strictly inside, 19 of them 8-step lines: 140 one-step lines.
  const auto oneStep = d.canvas.Where([](const Call& c) { return c.op == Op::Line && c.pen.color == 0xC8C8C8u; });
  EXPECT_EQ(oneStep.size(), 140u);
  EXPECT_TRUE(d.canvas.HorizontalLinesAt(720).empty());
}

TEST(FieldDrawing, FinerHorizontalFamiliesFromTheTopOrTheMiddle) {
  CPxDoc doc;
  doc.m_bHorizontal4 = doc.m_bHorizontal2 = 1;
  doc.m_bVertical8 = 0;
  Drawn d;
  DrawFieldOf(doc, d);
  // 4-step at 360 + 360 k + 180 below 4140: k = 0 .. 10 (3960 + 180 = 4140 is not below).
  const auto fourStep = d.canvas.Where([](const Call& c) { return c.op == Op::Line && c.pen.color == 0x414141u; });
  EXPECT_EQ(fourStep.size(), 10u);
  // 2-step at +90, +180, +270: 3 per yard, the last yard (3960) has 4050 only.
  const auto twoStep = d.canvas.Where([](const Call& c) { return c.op == Op::Line && c.pen.color == 0x828282u; });
  EXPECT_EQ(twoStep.size(), 10u * 3 + 1);

  doc.m_bCenterHorizontal = 1;
  doc.m_bHorizontal4 = doc.m_bHorizontal2 = 0;
  Drawn centred;
  DrawFieldOf(doc, centred);
  // Middle y = 360 + 1890 = 2250; 2250 +- 360 k strictly inside 360 .. 4140.
  for (int y : {450, 810, 1170, 1530, 1890, 2250, 2610, 2970, 3330, 3690, 4050})
    EXPECT_EQ(centred.canvas.HorizontalLinesAt(y).size(), 1u) << y;
  EXPECT_EQ(centred.canvas.Of(Op::Line).size(), 11u);
}

TEST(FieldDrawing, PensFollowTheSettings) {
  CPxDoc doc;
  doc.m_bBoldLines = 1;
  doc.m_bDotted8 = 1;
  doc.m_crLines8 = RGB(10, 20, 30);
  Drawn d;
  DrawFieldOf(doc, d);
  const Call& yardLine = d.canvas.VerticalLinesAt(4320).at(0);
  EXPECT_EQ(yardLine.pen, (Pen{PenStyle::Dot, 20, RGB(10, 20, 30)}));
  // Hash marks use the 8-step width too.
  EXPECT_EQ(d.canvas.HorizontalLinesAt(1620).at(0).pen.width, 20);

  // No bold lines in 3D.
  Drawn threeD;
  DrawFieldOf(doc, threeD, true);
  for (const Call& c : threeD.canvas.Of(Op::Line)) EXPECT_EQ(c.pen.width, 1);
}

TEST(FieldDrawing, PerspectiveDrawsOnlyTheEightStepFrame) {
  CPxDoc doc;  // H = 2400, D = 3400, B = 4140
  doc.m_bVertical1 = doc.m_bHorizontal1 = 1;
  Drawn d;
  DrawFieldOf(doc, d, true);
  // Outline through the projection: far corners at x = 4320 -+ 1704.7, truncated: 2615 and 6024.
  const auto outline = d.canvas.Of(Op::Polyline);
  ASSERT_EQ(outline.size(), 1u);
  EXPECT_EQ(outline[0].points,
            (std::vector<CPoint>{{2615, 2877}, {6024, 2877}, {7920, 4140}, {720, 4140}, {2615, 2877}}));
  // No 1-step lines, no numbers above the field.
  EXPECT_TRUE(d.canvas.Where([](const Call& c) { return c.pen.color == 0xC8C8C8u; }).empty());
  EXPECT_TRUE(TextsAtY(d.canvas, 216).empty());
  // Number below: (4680, 4212) -> v = -72, s = 3328; y = 4140 + 51 (2400 * 72 / 3328 = 51.9),
  // x = 4320 + 360 * 3400 / 3328 = 4687.8 -> 4687.
  const auto below = d.canvas.Where([](const Call& c) { return c.op == Op::Text && c.text == "45"; });
  ASSERT_EQ(below.size(), 2u);
  EXPECT_TRUE(below[0].points[0] == (CPoint{4687, 4191}) || below[1].points[0] == (CPoint{4687, 4191}));
  // The middle line runs from the near edge to the projected far edge.
  const auto middle = d.canvas.VerticalLinesAt(4320);
  ASSERT_EQ(middle.size(), 1u);
  EXPECT_EQ(middle[0].points[0], (CPoint{4320, 2877}));
  EXPECT_EQ(middle[0].points[1], (CPoint{4320, 4140}));
}

TEST(FieldDrawing, ClippedLinesAndNumbersAreSkipped) {
  CPxDoc doc;
  FieldViewState view;
  view.SetupField(doc);
  // Only the right third of the field needs drawing.
  RecordingCanvas canvas(CRect{6000, 0, 9000, 5000});
  Painter painter(canvas);
  DrawField(painter, doc, view);
  EXPECT_TRUE(canvas.VerticalLinesAt(4320).empty());
  EXPECT_EQ(canvas.VerticalLinesAt(6120).size(), 1u);  // 4320 + 5 * 360
  for (const Call& c : canvas.Of(Op::Text)) EXPECT_GE(c.points[0].x, 6000 - 300);
}

TEST(FieldFrame, ScreenDrawingHasSurroundBandAndShowInformation) {
  CPxDoc doc;
  doc.m_nCurrentStep = 5;
  doc.m_comments = {"4 Not this", "5 Opener"};
  doc.m_strTitle = "Fanfare";
  doc.m_strClient = "Central High";
  doc.m_strDesigner = "R. Doe";
  doc.m_strDate = "Fall";
  FieldViewState view;
  view.SetupField(doc);
  RecordingCanvas canvas(CRect{0, 0, 8640, 6000});
  Painter painter(canvas);
  FieldFrameOptions options;
  options.songAtStep = [](const CPxDoc&, int step) { return step == 5 ? std::string("March.mid") : std::string(); };
  DrawFieldFrame(painter, doc, view, options);

  const auto fills = canvas.Of(Op::FillRect);
  ASSERT_GE(fills.size(), 2u);
  EXPECT_EQ(fills[0].rect, (CRect{0, 0, 8640, 6000}));
  EXPECT_EQ(fills[0].color, RGB(192, 192, 192));
  EXPECT_EQ(fills[1].rect, view.m_rcField);
  EXPECT_EQ(fills[1].color, 0xFFFFFFu);

  const auto band = canvas.Of(Op::WrappedText);
  ASSERT_EQ(band.size(), 2u);
  EXPECT_EQ(band[0].rect, (CRect{720, 4500, 7920, 5220}));
  EXPECT_EQ(band[0].text, "Step 5: Opener\r\nSong: March.mid\r\n");
  // The show information sits one band height (720) lower.
  EXPECT_EQ(band[1].rect, (CRect{720, 5220, 7920, 5940}));
  EXPECT_EQ(band[1].text, "Title: Fanfare\r\nClient: Central High\r\nDesigner: R. Doe\r\nFall");
  EXPECT_TRUE(canvas.Of(Op::Pixel).empty());
}

TEST(FieldFrame, AnimationDropsTheShowInformationAndTheSongLineNeedsASong) {
  CPxDoc doc;
  doc.m_bShowSnapPoints = 1;
  FieldViewState view;
  view.SetupField(doc);
  RecordingCanvas canvas(CRect{0, 0, 8640, 6000});
  Painter painter(canvas);
  FieldFrameOptions options;
  options.animating = true;
  DrawFieldFrame(painter, doc, view, options);
  const auto band = canvas.Of(Op::WrappedText);
  ASSERT_EQ(band.size(), 1u);
  EXPECT_EQ(band[0].text, "Step 0: \r\n");
  EXPECT_TRUE(canvas.Of(Op::Pixel).empty());  // no snap points while playing
}

TEST(FieldFrame, BandTextOnlyWhenTheClipReachesBelowTheField) {
  CPxDoc doc;
  FieldViewState view;
  view.SetupField(doc);
  RecordingCanvas canvas(CRect{0, 0, 8640, 4140});
  Painter painter(canvas);
  DrawFieldFrame(painter, doc, view, {});
  EXPECT_TRUE(canvas.Of(Op::WrappedText).empty());
}

TEST(FieldFrame, SnapPointsAreSinglePixelsOnTheSnapGrid) {
  CPxDoc doc;
  doc.m_bShowSnapPoints = 1;  // 90 units apart
  FieldViewState view;
  view.SetupField(doc);
  RecordingCanvas canvas(CRect{0, 0, 8640, 4320});
  Painter painter(canvas);
  DrawFieldFrame(painter, doc, view, {});
  // x = 720 .. 7920 step 90: 81 columns; y = 360 .. 4140 step 90: 43 rows.
  const auto pixels = canvas.Of(Op::Pixel);
  EXPECT_EQ(pixels.size(), 81u * 43u);
  EXPECT_EQ(pixels.front().points[0], (CPoint{720, 360}));

  view.m_b3D = true;
  canvas.Clear();
  DrawFieldFrame(painter, doc, view, {});
  EXPECT_TRUE(canvas.Of(Op::Pixel).empty());
}

TEST(FieldFrame, PrintingWithoutColorIsBlackOnWhite) {
  CPxDoc doc;
  doc.m_crField = RGB(0, 128, 0);
  doc.m_crLines8 = RGB(255, 255, 0);
  doc.m_crHash = RGB(255, 0, 0);
  doc.m_bVertical4 = doc.m_bHorizontal1 = 1;
  doc.m_bShowSnapPoints = 1;
  FieldViewState view;
  view.SetupField(doc);
  RecordingCanvas paper(CRect{0, 0, 8640, 6676}, true);
  Painter painter(paper);
  DrawFieldFrame(painter, doc, view, {});

  // No grey surround: the first fill is the field, in white.
  const auto fills = paper.Of(Op::FillRect);
  ASSERT_EQ(fills.size(), 1u);
  EXPECT_EQ(fills[0].color, 0xFFFFFFu);
  // The outline is printed; every line is black except the white segments under the hashes.
  EXPECT_EQ(paper.Of(Op::Polyline).size(), 1u);
  for (const Call& c : paper.Of(Op::Line)) {
    const bool underHash = c.points[1].x - c.points[0].x == 112;
    EXPECT_EQ(c.pen.color, underHash ? 0xFFFFFFu : 0u);
  }
  for (const Call& c : paper.Of(Op::Text)) EXPECT_EQ(c.textColor, 0u);
  for (const Call& c : paper.Of(Op::WrappedText)) EXPECT_EQ(c.textColor, 0u);
  EXPECT_TRUE(paper.Of(Op::Pixel).empty());

  // In colour the show's colours are printed, still without the surround.
  doc.m_bPrintColor = 1;
  paper.Clear();
  Painter colour(paper);
  DrawFieldFrame(colour, doc, view, {});
  EXPECT_EQ(paper.Of(Op::FillRect).at(0).color, RGB(0, 128, 0));
  EXPECT_EQ(paper.VerticalLinesAt(4320).at(0).pen.color, RGB(255, 255, 0));
}

}  // namespace
}  // namespace px
