#include "core/draw/field_drawing.h"

#include <gtest/gtest.h>

#include <map>

#include "core/draw/grid_properties_dialog.h"
#include "core/support/recording_canvas.h"

namespace px {
namespace {

using test::Call;
using test::Op;
using test::RecordingCanvas;

RecordingCanvas DrawFieldOf(const CPxDoc& doc, bool threeD = false) {
  RecordingCanvas canvas;
  FieldViewState view;
  view.SetupField(doc);
  view.m_b3D = threeD;
  Painter painter(canvas);
  DrawField(painter, doc, view);
  return canvas;
}

std::map<std::string, int> TextsAtY(const RecordingCanvas& canvas, int y) {
  std::map<std::string, int> out;
  for (const Call& c : canvas.Of(Op::Text))
    if (c.points[0].y == y) ++out[c.text];
  return out;
}

TEST(FieldDrawing, FootballFieldNumbersAndNoGoalLines) {
  const RecordingCanvas canvas = DrawFieldOf(CPxDoc{});
  // Yard lines every 360 from the middle 4320, strictly inside 720 .. 7920.
  for (int i = 0; i <= 9; ++i) {
    EXPECT_EQ(canvas.VerticalLinesAt(4320 + 360 * i).size(), 1u);
    EXPECT_EQ(canvas.VerticalLinesAt(4320 - 360 * i).size(), 1u);
  }
  EXPECT_TRUE(canvas.VerticalLinesAt(720).empty());
  EXPECT_TRUE(canvas.VerticalLinesAt(7920).empty());
  // 50 once, 45 .. 5 on both sides; tops at 360 - 144 and 4140 + 72.
  const std::map<std::string, int> labels = {{"50", 1}, {"45", 2}, {"40", 2}, {"35", 2}, {"30", 2},
                                             {"25", 2}, {"20", 2}, {"15", 2}, {"10", 2}, {"5", 2}};
  EXPECT_EQ(TextsAtY(canvas, 216), labels);
  EXPECT_EQ(TextsAtY(canvas, 4212), labels);
  EXPECT_EQ(canvas.Of(Op::Text).size(), 38u);
  // Horizontal lines at 360 + 360 k up to 3960 (4320 would pass the bottom 4140).
  EXPECT_EQ(canvas.Where([](const Call& c) { return c.op == Op::Line && c.points[0].x == 720; }).size(), 10u);
  // Hash 1 at trunc(360 + 1260): the 112-unit field-coloured segment, then the 72-unit mark.
  const auto hash = canvas.HorizontalLinesAt(1620);
  ASSERT_EQ(hash.size(), 38u);
  EXPECT_EQ(hash[0].points, (std::vector<CPoint>{{4264, 1620}, {4376, 1620}}));
  EXPECT_EQ(hash[0].pen.color, 0xFFFFFFu);
  EXPECT_EQ(hash[1].points, (std::vector<CPoint>{{4284, 1620}, {4356, 1620}}));
}

TEST(FieldDrawing, IndoorFloorHasNoNumbers) {
  CPxDoc doc;
  GridPropertiesDialog grid;
  grid.LoadFrom(doc);
  grid.SelectPreset(2);  // 840 x 600 inches: 3480 .. 5160 by 360 .. 1560, no hashes
  grid.ApplyTo(doc);
  const RecordingCanvas canvas = DrawFieldOf(doc);
  EXPECT_TRUE(canvas.Of(Op::Text).empty());
  // Vertical at 3600, 3960, 4320, 4680, 5040; horizontal at 720, 1080, 1440.
  EXPECT_EQ(canvas.Of(Op::Line).size(), 8u);
}

TEST(FieldDrawing, OneStepVerticalSwitchBringsTheEightStepLines) {
  CPxDoc doc;
  GridPropertiesDialog grid;
  grid.LoadFrom(doc);
  for (LineFamily& family : grid.m_families) family.vertical = family.horizontal = false;
  grid.m_families[3].vertical = true;  // "Vertical" under "1 Step Lines" only
  grid.ApplyTo(doc);
  EXPECT_EQ(doc.m_bVertical8, 1);
  EXPECT_EQ(doc.m_bHorizontal8, 0);
  const RecordingCanvas canvas = DrawFieldOf(doc);
  EXPECT_EQ(canvas.VerticalLinesAt(4320).size(), 1u);
  // Every 45 units strictly inside the field: 159 lines, 19 of them yard lines.
  EXPECT_EQ(canvas.Where([](const Call& c) { return c.op == Op::Line && c.pen.color == 0xC8C8C8u; }).size(), 140u);
  EXPECT_EQ(canvas.VerticalLinesAt(765).size(), 1u);  // 720 + 45: beside the goal line
}

TEST(FieldDrawing, FinerHorizontalLinesFromTheTopOrTheMiddle) {
  CPxDoc doc;
  doc.m_bVertical8 = 0;
  doc.m_bHorizontal4 = 1;
  doc.m_bBoldLines = 1;
  RecordingCanvas canvas = DrawFieldOf(doc);
  // 4-step at 540, 900, ... 3780 (4140 is not below the bottom).
  EXPECT_EQ(canvas.Where([](const Call& c) { return c.pen.color == 0x414141u; }).size(), 10u);
  EXPECT_EQ(canvas.HorizontalLinesAt(720).at(0).pen, (Pen{PenStyle::Solid, 20, 0}));

  doc.m_bCenterHorizontal = 1;
  doc.m_bHorizontal4 = 0;
  canvas = DrawFieldOf(doc);
  // From the middle 360 + 1890 = 2250 by 360 both ways, strictly inside: 450 .. 4050.
  EXPECT_EQ(canvas.Of(Op::Line).size(), 11u);
  EXPECT_EQ(canvas.HorizontalLinesAt(450).size(), 1u);
  EXPECT_EQ(canvas.HorizontalLinesAt(4050).size(), 1u);
}

TEST(FieldDrawing, PerspectiveFrame) {
  CPxDoc doc;
  doc.m_bVertical1 = doc.m_bBoldLines = 1;
  const RecordingCanvas canvas = DrawFieldOf(doc, true);
  // The outline's far corners: x = 4320 -+ 1704.7, y = 2877 (see the projection test).
  ASSERT_EQ(canvas.Of(Op::Polyline).size(), 1u);
  EXPECT_EQ(canvas.Of(Op::Polyline)[0].points,
            (std::vector<CPoint>{{2615, 2877}, {6024, 2877}, {7920, 4140}, {720, 4140}, {2615, 2877}}));
  for (const Call& c : canvas.Of(Op::Line)) {
    EXPECT_EQ(c.pen.width, 1);  // no bold lines, and no 1-step family
    EXPECT_NE(c.pen.color, 0xC8C8C8u);
  }
  // Numbers only below: (4680, 4212) -> v = -72, s = 3328: y = 4140 + 51, x = 4320 + 367.8.
  EXPECT_TRUE(TextsAtY(canvas, 216).empty());
  EXPECT_EQ(canvas.Where([](const Call& c) { return c.op == Op::Text && c.points[0] == CPoint{4687, 4191}; }).size(),
            1u);
}

TEST(FieldFrame, SurroundBandTextAndShowInformation) {
  CPxDoc doc;
  doc.m_nCurrentStep = 5;
  doc.m_comments = {"4 Not this", "5 Opener"};
  doc.m_strTitle = "Fanfare";
  doc.m_strClient = "Central High";
  doc.m_strDesigner = "R. Doe";
  doc.m_strDate = "Fall";
  doc.m_bShowSnapPoints = 1;
  FieldViewState view;
  view.SetupField(doc);
  RecordingCanvas canvas(CRect{0, 0, 8640, 6000});
  Painter painter(canvas);
  FieldFrameOptions options;
  options.songAtStep = [](const CPxDoc&, int step) { return step == 5 ? std::string("March.mid") : std::string(); };
  DrawFieldFrame(painter, doc, view, options);

  EXPECT_EQ(canvas.calls[0].rect, (CRect{0, 0, 8640, 6000}));
  EXPECT_EQ(canvas.calls[0].color, RGB(192, 192, 192));
  EXPECT_EQ(canvas.calls[1].rect, view.m_rcField);
  const auto band = canvas.Of(Op::WrappedText);
  ASSERT_EQ(band.size(), 2u);
  EXPECT_EQ(band[0].rect, view.m_rcBand);
  EXPECT_EQ(band[0].text, "Step 5: Opener\r\nSong: March.mid\r\n");
  EXPECT_EQ(band[1].rect, (CRect{720, 5220, 7920, 5940}));  // one band height lower
  EXPECT_EQ(band[1].text, "Title: Fanfare\r\nClient: Central High\r\nDesigner: R. Doe\r\nFall");
  // Snap points every 90: x 720 .. 7920 (81) by y 360 .. 4140 (43).
  EXPECT_EQ(canvas.Of(Op::Pixel).size(), 81u * 43u);

  // While playing: no show information, no snap points, and no song line without a song.
  options.animating = true;
  doc.m_nCurrentStep = 6;
  canvas.calls.clear();
  DrawFieldFrame(painter, doc, view, options);
  ASSERT_EQ(canvas.Of(Op::WrappedText).size(), 1u);
  EXPECT_EQ(canvas.Of(Op::WrappedText)[0].text, "Step 6: \r\n");
  EXPECT_TRUE(canvas.Of(Op::Pixel).empty());
}

TEST(FieldFrame, PrintingWithoutColorIsBlackOnWhite) {
  CPxDoc doc;
  doc.m_crField = RGB(0, 128, 0);
  doc.m_crLines8 = RGB(255, 255, 0);
  doc.m_crHash = RGB(255, 0, 0);
  doc.m_bVertical4 = doc.m_bShowSnapPoints = 1;
  FieldViewState view;
  view.SetupField(doc);
  RecordingCanvas paper(CRect{0, 0, 8640, 6676}, true);
  Painter painter(paper);
  DrawFieldFrame(painter, doc, view, {});
  ASSERT_EQ(paper.Of(Op::FillRect).size(), 1u);  // the field only, in white
  EXPECT_EQ(paper.Of(Op::FillRect)[0].color, 0xFFFFFFu);
  EXPECT_EQ(paper.Of(Op::Polyline).size(), 1u);  // the outline is printed
  for (const Call& c : paper.Of(Op::Line)) {
    const bool underHash = c.points[1].x - c.points[0].x == 112;
    EXPECT_EQ(c.pen.color, underHash ? 0xFFFFFFu : 0u);
  }
  for (const Call& c : paper.Where([](const Call& c) { return c.op == Op::Text || c.op == Op::WrappedText; }))
    EXPECT_EQ(c.textColor, 0u);
  EXPECT_TRUE(paper.Of(Op::Pixel).empty());
}

}  // namespace
}  // namespace px
