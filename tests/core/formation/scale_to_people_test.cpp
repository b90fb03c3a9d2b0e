// Scale To Fit People and Scale To Interval.
#include <gtest/gtest.h>

#include <cmath>

#include "core/formation/formation_view.h"
#include "core/support/shows.h"

namespace px {
namespace {

using test::AddPolyShape;
using test::AddRectShape;
using test::PutPeopleOn;

class RecordingView : public FormationView {
 public:
  void InvalidateFormation(const CFormation&) override { ++redraws; }
  void SetWaitCursor(bool busy) override { cursor.push_back(busy); }
  int redraws = 0;
  std::vector<bool> cursor;
};

TEST(ScaleToInterval, OpenPolygonOf1000AimsAt990) {
  CPxDoc doc;
  CFormation* poly = AddPolyShape(doc, SHAPE_POLYGON, {{0, 0}, {1000, 0}});
  PutPeopleOn(doc, poly, 3);
  // M = trunc(1000 / 90) + 1 = 12 slots, target (12 - 1) * 90 = 990. With steps of 12 the
  // first shrink gives 988, within 10 of 990.
  EXPECT_TRUE(poly->FitStep(12, true));
  EXPECT_EQ(poly->m_pPoints[1], (CPoint{988, 0}));
  EXPECT_DOUBLE_EQ(poly->m_dLength, 988.0);

  // Step 100 instead: one shrink of 100 gives 900 < 990, 90 off, so that pass fails.
  poly->MoveTo(CRect{0, 0, 1000, 0});
  EXPECT_FALSE(poly->FitStep(100, true));
  EXPECT_DOUBLE_EQ(poly->m_dLength, 900.0);
  // Step 50 counts again: trunc(900 / 90) + 1 = 11 slots, target 900, already met.
  EXPECT_TRUE(poly->FitStep(50, true));
  EXPECT_DOUBLE_EQ(poly->m_dLength, 900.0);

  // The whole command tries steps 100 and 50 in turn.
  poly->MoveTo(CRect{0, 0, 1000, 0});
  RecordingView view;
  poly->ScaleToPeople(&view, true);
  EXPECT_DOUBLE_EQ(poly->m_dLength, 900.0);
  EXPECT_EQ(view.cursor, (std::vector<bool>{true, false}));  // hourglass, then the arrow
  EXPECT_GT(view.redraws, 0);
}

TEST(ScaleToFit, StraightLinesAreSetToTheTargetLength) {
  CPxDoc doc;
  CFormation* across = AddRectShape(doc, SHAPE_LINE, CRect{100, 500, 1000, 500});
  std::vector<CPerson*> people = PutPeopleOn(doc, across, 5);
  doc.RecalcPositions();
  EXPECT_EQ(people[0]->m_ptPosition, (CPoint{100, 500}));
  across->ScaleToPeople(nullptr, false);
  // Open: (5 - 1) * 90 = 360; horizontal, so left = right - 360. The people move along.
  EXPECT_EQ(across->m_rcBase, (CRect{640, 500, 1000, 500}));
  EXPECT_DOUBLE_EQ(across->m_dLength, 360.0);
  EXPECT_EQ(people[0]->m_ptPosition, (CPoint{640, 500}));
  EXPECT_EQ(people[0]->m_places[0]->m_ptSpot, (CPoint{640, 500}));

  CFormation* down = AddRectShape(doc, SHAPE_LINE, CRect{500, 1000, 500, 3000});
  PutPeopleOn(doc, down, 3);
  down->ScaleToPeople(nullptr, false);
  // Vertical: top = bottom - 180.
  EXPECT_EQ(down->m_rcBase, (CRect{500, 2820, 500, 3000}));
}

TEST(ScaleToFit, BlocksTakeTheirWidthFromRowsAndInterval) {
  CPxDoc doc;
  CFormation* block = AddRectShape(doc, SHAPE_RECTANGLE, CRect{0, 0, 1000, 300});
  block->m_bBlock = 1;
  block->m_nRows = 4;
  PutPeopleOn(doc, block, 10);
  EXPECT_TRUE(block->FitStep(100, false));
  EXPECT_EQ(block->m_rcBase.right, 180);  // trunc((10 / 4) * 90) = 2 * 90
  block->m_rcBase.right = 1000;
  EXPECT_TRUE(block->FitStep(100, true));
  EXPECT_EQ(block->m_rcBase.right, 990);  // trunc(trunc(1000 / 90) * 90) = 11 * 90
  // A block drawn right to left keeps its right edge and moves its left one.
  block->m_rcBase = CRect{1000, 0, 0, 300};
  EXPECT_TRUE(block->FitStep(100, false));
  EXPECT_EQ(block->m_rcBase, (CRect{180, 0, 0, 300}));
}

TEST(ScaleToFit, EllipseGrowsInProportionUntilItsPeopleFit) {
  CPxDoc doc;
  CFormation* circle = AddRectShape(doc, SHAPE_ELLIPSE, CRect{1000, 1000, 1400, 1400});
  PutPeopleOn(doc, circle, 60);
  circle->ScaleToPeople(nullptr, false);
  // Closed: 60 * 90 = 5400. A square rectangle grows equally on both sides (q = 1) and
  // keeps its top-left corner.
  EXPECT_LT(std::fabs(circle->m_dLength - 5400.0), 10.0);
  EXPECT_EQ(circle->m_rcBase.left, 1000);
  EXPECT_EQ(circle->m_rcBase.top, 1000);
  EXPECT_EQ(circle->m_rcBase.Width(), circle->m_rcBase.Height());
}

TEST(ScaleToFit, ShrinkingStopsShortOfCollapsingTheShape) {
  CPxDoc doc;
  CFormation* tri = AddPolyShape(doc, SHAPE_POLYGON, {{0, 0}, {400, 0}, {0, 300}});
  PutPeopleOn(doc, tri, 2);
  tri->ScaleToPeople(nullptr, false);
  // Target (2 - 1) * 90 = 90 from 900. Step 100 shrinks 400 x 300 by 100 / 75 per
  // iteration to 100 x 75 (length 225), then both sides stop at 10 (length 24.1 < 90).
  // Step 50 (q = 1 now) grows to 60 x 60 (length 144.9 > 90); step 25 shrinks to 35 x 35:
  // 35 + 49.5 = 84.5, within 10 of 90.
  EXPECT_EQ(tri->m_rcBase, (CRect{0, 0, 35, 35}));
  EXPECT_EQ(tri->m_pPoints[1], (CPoint{35, 0}));
  EXPECT_EQ(tri->m_pPoints[2], (CPoint{0, 35}));
}

}  // namespace
}  // namespace px
