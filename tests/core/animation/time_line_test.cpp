// The Time Line drawing on a recording canvas: tick classes, the current-step arrow and the
// picture and song markers, for a show that fits every step and one that does not.
#include <gtest/gtest.h>

#include <algorithm>

#include "core/support/shows.h"
#include "core/animation/time_line.h"
#include "core/support/recording_canvas.h"

namespace px::test {
namespace {

// The tips (first points) of the filled markers of one colour.
std::vector<CPoint> MarkerTips(const RecordingCanvas& canvas, COLORREF color) {
  std::vector<CPoint> tips;
  for (const Call& c : canvas.Of(Op::Polygon))
    if (c.brush.color == color && !c.brush.hollow) tips.push_back(c.points.front());
  return tips;
}

// The black tick lines from the right edge, as (y, left end) pairs.
std::vector<std::pair<int, int>> Ticks(const RecordingCanvas& canvas, int right) {
  std::vector<std::pair<int, int>> ticks;
  for (const Call& c : canvas.Of(Op::Line))
    if (c.pen.color == RGB(0, 0, 0) && c.points[0].x == right) ticks.emplace_back(c.points[0].y, c.points[1].x);
  return ticks;
}

TEST(TimeLine, SmallShowTicksEveryStep) {
  AnimationFixture f;
  f.Pictures({0, 8, 8, 24});
  f.Song(16, 8, "a.mid");
  f.doc.m_nLastStep = 32;
  f.doc.SetCurrentStep(13);
  RecordingCanvas canvas;
  DrawTimeLine(canvas, f.doc, CRect{0, 0, 200, 100});

  // 33 ticks (steps 0..32) from the right edge; y = s * 100 / 32 rounded half up.
  const auto ticks = Ticks(canvas, 200);
  ASSERT_EQ(ticks.size(), 33u);
  EXPECT_EQ(ticks[1], std::make_pair(3, 150));    // 3.125; a step: three quarters of 200
  EXPECT_EQ(ticks[4], std::make_pair(13, 100));   // 12.5; every 4: half
  EXPECT_EQ(ticks[8], std::make_pair(25, 50));    // every 8: a quarter
  EXPECT_EQ(ticks[12], std::make_pair(38, 100));  // 37.5
  EXPECT_EQ(ticks[16], std::make_pair(50, 0));    // every 16: the left edge
  EXPECT_EQ(ticks[32], std::make_pair(100, 0));

  // The current step 13 exactly: 1300 / 32 = 40.625 -> 41; tip 10 in from the right edge.
  const auto red = canvas.Where([](const Call& c) { return c.op == Op::Polygon && c.brush.color == RGB(255, 0, 0); });
  ASSERT_EQ(red.size(), 1u);
  EXPECT_EQ(red[0].points, (std::vector<CPoint>{{190, 41}, {200, 36}, {195, 41}, {200, 46}}));

  // Pictures at 0, 8 and 24 (two formations at 8 are one picture): y 0, 25, 75, each a
  // line over a fifth of the width (40) ending in the marker.
  EXPECT_EQ(MarkerTips(canvas, RGB(0, 255, 0)), (std::vector<CPoint>{{40, 0}, {40, 25}, {40, 75}}));
  const auto pictureLines = canvas.Where([](const Call& c) { return c.op == Op::Line && c.pen.color == RGB(0, 255, 0); });
  EXPECT_EQ(pictureLines.at(1).points, (std::vector<CPoint>{{0, 25}, {40, 25}}));

  // The song from 16 to 24: blue at y 50, magenta at y 75, at the middle of the width.
  EXPECT_EQ(MarkerTips(canvas, RGB(0, 0, 255)), (std::vector<CPoint>{{100, 50}}));
  EXPECT_EQ(MarkerTips(canvas, RGB(255, 0, 255)), (std::vector<CPoint>{{100, 75}}));
}

TEST(TimeLine, LongShowTicksOnlyWhatFits) {
  AnimationFixture f;
  f.Pictures({0, 500});
  f.doc.m_nLastStep = 1000;
  f.doc.SetCurrentStep(30);
  RecordingCanvas canvas;
  DrawTimeLine(canvas, f.doc, CRect{10, 20, 110, 220});  // 100 wide, 200 high

  // 1000/16 = 62 and 1000/8 = 125 fit in 200, 1000/4 = 250 does not: multiples of 8 only,
  // 0 .. 1000 is 126 ticks; the 63 multiples of 16 reach the left edge, the other 63 a
  // quarter in (10 + 100/4 = 35).
  const auto ticks = Ticks(canvas, 110);
  ASSERT_EQ(ticks.size(), 126u);
  EXPECT_EQ(std::count_if(ticks.begin(), ticks.end(), [](auto t) { return t.second == 10; }), 63);
  EXPECT_EQ(std::count_if(ticks.begin(), ticks.end(), [](auto t) { return t.second == 35; }), 63);
  EXPECT_EQ(ticks[1].first, 22);  // step 8: 20 + 8 * 200 / 1000 = 21.6

  // Step 30 is drawn at 24, the multiple of 8 below it: 20 + 4.8 -> 25.
  EXPECT_EQ(MarkerTips(canvas, RGB(255, 0, 0)), (std::vector<CPoint>{{100, 25}}));
  // The picture at 500: 20 + 100; its line over 100/5 = 20 from the left edge.
  EXPECT_EQ(MarkerTips(canvas, RGB(0, 255, 0)), (std::vector<CPoint>{{30, 20}, {30, 120}}));

  // 2000 steps: 2000/8 = 250 no longer fits, 2000/16 = 125 does; step 30 is drawn at 16.
  f.doc.m_nLastStep = 2000;
  canvas.calls.clear();
  DrawTimeLine(canvas, f.doc, CRect{10, 20, 110, 220});
  EXPECT_EQ(Ticks(canvas, 110).size(), 126u);  // 0, 16, ... 2000
  EXPECT_EQ(MarkerTips(canvas, RGB(255, 0, 0)), (std::vector<CPoint>{{100, 22}}));  // 20 + 1.6
}

TEST(TimeLine, WhatIsLeftOut) {
  AnimationFixture f;
  f.Pictures({0, 1});
  RecordingCanvas canvas;
  DrawTimeLine(canvas, f.doc, CRect{0, 0, 200, 100});
  ASSERT_EQ(canvas.calls.size(), 1u);  // a show of one step: the background only
  EXPECT_EQ(canvas.calls[0].op, Op::FillRect);

  // 5000 steps in 200 pixels: 5000/16 = 312, no tick and so no arrow; pictures stay.
  f.doc.m_nLastStep = 5000;
  f.doc.SetCurrentStep(40);
  canvas.calls.clear();
  DrawTimeLine(canvas, f.doc, CRect{0, 0, 200, 200});
  EXPECT_TRUE(Ticks(canvas, 200).empty());
  EXPECT_TRUE(MarkerTips(canvas, RGB(255, 0, 0)).empty());
  EXPECT_EQ(MarkerTips(canvas, RGB(0, 255, 0)).size(), 2u);
}

}  // namespace
}  // namespace px::test
