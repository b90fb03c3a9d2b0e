#include "core/draw/field_view_state.h"

#include <gtest/gtest.h>

namespace px {
namespace {

TEST(FieldViewState, FieldIsCentredOnTheHundredYards) {
  CPxDoc doc;
  FieldViewState view;
  view.SetupField(doc);  // 7200 x 3780: shift (720 - 7920 + 7200) / 2 = 0
  EXPECT_EQ(view.m_rcField, (CRect{720, 360, 7920, 4140}));
  EXPECT_EQ(view.m_rcBand, (CRect{720, 4500, 7920, 5220}));
  doc.m_dFieldWidth = 1680;  // 840 x 600 inches
  doc.m_dFieldHeight = 1200;
  view.SetupField(doc);  // shift (720 - 2400 + 7200) / 2 = 2760
  EXPECT_EQ(view.m_rcField, (CRect{3480, 360, 5160, 1560}));
  EXPECT_EQ(view.m_rcBand, (CRect{3480, 1920, 5160, 2640}));
}

TEST(FieldViewState, ZoomLimits) {
  FieldViewState view;
  int steps = 0;
  while (view.ZoomIn()) ++steps;
  EXPECT_EQ(steps, 7);  // 8640 - 7 * 864 = 2592
  EXPECT_EQ(view.m_nExtent, 2592);
  EXPECT_FALSE(view.CanZoomIn());
  view.ZoomNormal();
  for (steps = 0; view.ZoomOut();) ++steps;
  EXPECT_EQ(steps, 20);  // 8640 + 20 * 864 = 25920
  EXPECT_FALSE(view.CanZoomOut());
  // One zoom in (7776) keeps the middle (1000 + 4320, 500 + 2160) less (3888, 1944).
  FieldViewState in;
  in.ZoomIn();
  EXPECT_EQ(in.ScrollAfterZoom(CPoint{1000, 500}, 8640, CPxDoc{}), (CPoint{1432, 716}));
}

TEST(FieldViewState, ThreeDHeightAndDepthStopAt36) {
  CPxDoc doc;
  doc.m_n3DHeight = 72;
  EXPECT_TRUE(FieldViewState::Decrease3DHeight(doc));
  EXPECT_FALSE(FieldViewState::Decrease3DHeight(doc));
  EXPECT_EQ(doc.m_n3DHeight, 36);
  doc.m_n3DDepth = 36;
  EXPECT_FALSE(FieldViewState::Decrease3DDepth(doc));
  FieldViewState view;  // "3D Mode" parks people in rows and drops the selection
  doc.m_selection.formations.push_back(nullptr);
  view.Toggle3D(doc);
  EXPECT_EQ(view.Parking(), ParkingLayout::Perspective);
  EXPECT_TRUE(doc.m_selection.formations.empty());
  EXPECT_TRUE(FieldViewState::Increase3DDepth(doc));
  EXPECT_EQ(doc.m_n3DDepth, 72);
}

TEST(FieldViewState, Projection) {
  CPxDoc doc;  // H = 2 * 1200, D = 2 * 1700; B = 4140, cx = 4320
  FieldViewState view;
  view.SetupField(doc);
  view.m_b3D = true;
  EXPECT_EQ(view.Project(CPoint{720, 4140}, doc), (CPoint{720, 4140}));  // near edge: v = 0
  // v = 3780, s = 7180: y = 4140 - trunc(2400 * 3780 / 7180 = 1263.5) = 2877;
  // x = trunc(4320 - 3600 * 3400 / 7180 = 2615.3).
  EXPECT_EQ(view.Project(CPoint{720, 360}, doc), (CPoint{2615, 2877}));
  EXPECT_EQ(view.Project(CPoint{4320, 360}, doc).x, 4320);
  // The whole sum truncates: 4320 - 0.47 = 4319.53 -> 4319, not 4320 - 0.
  EXPECT_EQ(view.Project(CPoint{4319, 360}, doc).x, 4319);
  // A point on the eye's plane (s = 0) does not divide by zero: s is held at 1.
  EXPECT_EQ(view.Project(CPoint{4320, 4140 + 3400}, doc).y, 4140 + 2400 * 3400);
}

}  // namespace
}  // namespace px
