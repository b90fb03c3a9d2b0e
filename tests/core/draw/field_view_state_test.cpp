#include "core/draw/field_view_state.h"

#include <gtest/gtest.h>

namespace px {
namespace {

TEST(FieldViewState, FootballFieldSitsOnTheGoalLines) {
  CPxDoc doc;  // 7200 x 3780 field units
  FieldViewState view;
  view.SetupField(doc);
  // shift = (720 - 7920 + 7200) / 2 = 0
  EXPECT_EQ(view.m_rcField, (CRect{720, 360, 7920, 4140}));
  // band: bottom + 360 = 4500, bottom + 1080 = 5220
  EXPECT_EQ(view.m_rcBand, (CRect{720, 4500, 7920, 5220}));
  EXPECT_EQ(view.m_nYardPos[0], 0);
  EXPECT_EQ(view.m_nYardPos[39], 14040);  // 360 * 39
}

TEST(FieldViewState, IndoorFloorsAreCentredOnTheFifty) {
  CPxDoc doc;
  FieldViewState view;
  doc.m_dFieldWidth = 1680;  // 840 inches
  doc.m_dFieldHeight = 1200;
  view.SetupField(doc);
  // shift = (720 - 2400 + 7200) / 2 = 2760: left 3480, right 2400 + 2760 = 5160
  EXPECT_EQ(view.m_rcField, (CRect{3480, 360, 5160, 1560}));
  EXPECT_EQ(view.m_rcBand, (CRect{3480, 1920, 5160, 2640}));

  doc.m_dFieldWidth = 2161;  // odd: shift = (720 - 2881 + 7200) / 2 = 5039 / 2 = 2519
  view.SetupField(doc);
  EXPECT_EQ(view.m_rcField.left, 720 + 2519);
}

TEST(FieldViewState, ZoomStopsAtItsLimits) {
  FieldViewState view;
  int zoomIns = 0;
  while (view.ZoomIn()) ++zoomIns;
  // 8640 - 7 * 864 = 2592, where Zoom In is no longer enabled
  EXPECT_EQ(zoomIns, 7);
  EXPECT_EQ(view.m_nExtent, 2592);
  EXPECT_FALSE(view.CanZoomIn());
  EXPECT_TRUE(view.CanZoomOut());

  view.ZoomNormal();
  EXPECT_EQ(view.m_nExtent, 8640);
  int zoomOuts = 0;
  while (view.ZoomOut()) ++zoomOuts;
  // 8640 + 20 * 864 = 25920
  EXPECT_EQ(zoomOuts, 20);
  EXPECT_EQ(view.m_nExtent, 25920);
  EXPECT_FALSE(view.CanZoomOut());
}

TEST(FieldViewState, ZoomKeepsTheMiddleInTheMiddle) {
  CPxDoc doc;
  FieldViewState view;
  view.ZoomIn();  // 7776
  // Old middle: (1000 + 4320, 500 + 2160) = (5320, 2660); new top-left: 5320 - 3888, 2660 - 1944
  EXPECT_EQ(view.ScrollAfterZoom(CPoint{1000, 500}, 8640, doc), (CPoint{1432, 716}));
  doc.m_dFieldHeight = 1200;  // a low field scrolls to the top
  EXPECT_EQ(view.ScrollAfterZoom(CPoint{1000, 500}, 8640, doc).y, 0);
  // Never scrolled before the world's origin.
  EXPECT_EQ(view.ScrollAfterZoom(CPoint{0, 0}, 2592, doc), (CPoint{0, 0}));
}

TEST(FieldViewState, PerspectiveHeightAndDepthNeverDropTo36OrBelow) {
  CPxDoc doc;
  EXPECT_TRUE(FieldViewState::Increase3DHeight(doc));
  EXPECT_EQ(doc.m_n3DHeight, 1236);
  doc.m_n3DHeight = 72;
  EXPECT_TRUE(FieldViewState::Decrease3DHeight(doc));
  EXPECT_EQ(doc.m_n3DHeight, 36);
  EXPECT_FALSE(FieldViewState::Decrease3DHeight(doc));
  EXPECT_EQ(doc.m_n3DHeight, 36);

  doc.m_n3DDepth = 36;
  EXPECT_FALSE(FieldViewState::Decrease3DDepth(doc));
  EXPECT_EQ(doc.m_n3DDepth, 36);
  EXPECT_TRUE(FieldViewState::Increase3DDepth(doc));
  EXPECT_EQ(doc.m_n3DDepth, 72);
}

TEST(FieldViewState, ProjectionKeepsTheNearEdgeAndTheMiddle) {
  CPxDoc doc;  // 3D height 1200, depth 1700: H = 2400, D = 3400; B = 4140, cx = 4320
  FieldViewState view;
  view.SetupField(doc);
  view.m_b3D = true;
  // Near edge: v = 0, s = 3400, so nothing moves.
  EXPECT_EQ(view.Project(CPoint{720, 4140}, doc), (CPoint{720, 4140}));
  EXPECT_EQ(view.Project(CPoint{7000, 4140}, doc), (CPoint{7000, 4140}));
  // Far edge in the middle: v = 3780, s = 7180; 2400 * 3780 / 7180 = 1263.5 -> y = 4140 - 1263
  EXPECT_EQ(view.Project(CPoint{4320, 360}, doc), (CPoint{4320, 2877}));
  // Far corner: x = 4320 - 3600 * 3400 / 7180 = 4320 - 1704.7 = 2615.3 -> 2615
  EXPECT_EQ(view.Project(CPoint{720, 360}, doc), (CPoint{2615, 2877}));
  // The middle keeps its x at any depth.
  doc.m_n3DDepth = 36;
  EXPECT_EQ(view.Project(CPoint{4320, 1000}, doc).x, 4320);
  doc.m_n3DDepth = 1700;
  // One unit left of the middle: 4320 - 3400 / 7180 = 4319.53 -> 4319 (the whole sum is
  // truncated, not the offset alone).
  EXPECT_EQ(view.Project(CPoint{4319, 360}, doc).x, 4319);
  EXPECT_EQ(view.Project(CPoint{4321, 360}, doc).x, 4320);  // 4320.47
  // 2D leaves points alone.
  view.m_b3D = false;
  EXPECT_EQ(view.Project(CPoint{720, 360}, doc), (CPoint{720, 360}));
}

TEST(FieldViewState, PointsBehindTheEyeStayFinite) {
  Perspective p;  // B = 4140, D = 3400: y = 4140 + 3400 would divide by zero
  const CPoint at = p.Apply(CPoint{5000, 4140 + 3400});
  // s is held at 1: y = 4140 - 2400 * (-3400) = 8164140, x = 4320 + 680 * 3400
  EXPECT_EQ(at, (CPoint{4320 + 680 * 3400, 4140 + 2400 * 3400}));
}

TEST(FieldViewState, ThreeDModeClearsTheSelectionAndParksInRows) {
  CPxDoc doc;
  CDrawRect rect(CRect{100, 100, 200, 200});
  doc.m_selectedFormations.push_back(&rect);
  FieldViewState view;
  EXPECT_EQ(view.Parking(), ParkingLayout::Normal);
  view.Toggle3D(doc);
  EXPECT_TRUE(view.m_b3D);
  EXPECT_TRUE(doc.m_selectedFormations.empty());
  EXPECT_EQ(view.Parking(), ParkingLayout::Perspective);
  view.Toggle3D(doc);
  EXPECT_FALSE(view.m_b3D);
}

}  // namespace
}  // namespace px
