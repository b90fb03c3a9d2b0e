// Moving, resizing, flipping, pivots, reversing and vertex thinning of one formation.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>

#include "core/support/shows.h"

namespace px {
namespace {

using test::AddPolyShape;
using test::AddRectShape;
using test::Pick;
using test::Points;
using test::PutPeopleOn;

// The drawn points of `f` are `expected` moved by (dx, dy), within `tolerance` units.
void ExpectFieldPointsMoved(const Points& expected, int dx, int dy, const CFormation& f, int tolerance) {
  const Points actual = f.FieldPoints();
  ASSERT_EQ(actual.size(), expected.size());
  for (size_t i = 0; i < actual.size(); ++i) {
    EXPECT_LE(std::abs(expected[i].x + dx - actual[i].x), tolerance) << i;
    EXPECT_LE(std::abs(expected[i].y + dy - actual[i].y), tolerance) << i;
  }
}

TEST(MoveTo, MovesOutlinePivotAndStickyPeople) {
  CPxDoc doc;
  CFormation* line = AddRectShape(doc, SHAPE_LINE, CRect{100, 100, 1000, 100});
  line->m_ptPivot = CPoint{550, 100};
  std::vector<CPerson*> people = PutPeopleOn(doc, line, 3);
  doc.RecalcPositions();
  ASSERT_EQ(people[1]->m_ptPosition, (CPoint{550, 100}));

  line->MoveTo(CRect{200, 150, 1100, 150});
  EXPECT_EQ(line->m_pOutline[0], (CPoint{200, 150}));
  EXPECT_EQ(line->m_ptPivot, (CPoint{650, 150}));
  EXPECT_EQ(line->m_ptPivotSaved, (CPoint{650, 150}));
  // "Sticky" is on: the people travel with the formation at once.
  EXPECT_EQ(people[1]->m_ptPosition, (CPoint{650, 150}));
  // And their cached spots were dropped, so the next lookup finds the new spot.
  EXPECT_EQ(people[1]->GetPosition(0), (CPoint{650, 150}));
  EXPECT_TRUE(doc.IsModified());

  doc.m_bSticky = 0;
  line->MoveTo(CRect{300, 150, 1200, 150});
  EXPECT_EQ(people[1]->m_ptPosition, (CPoint{650, 150}));
}

TEST(MoveTo, BoundsCheckPushesBackOrRefuses) {
  CPxDoc doc;
  CFormation* rect = AddRectShape(doc, SHAPE_RECTANGLE, CRect{8000, 100, 8300, 200});
  rect->MoveTo(CRect{8500, 100, 8800, 200}, nullptr, true);
  EXPECT_EQ(rect->m_rcBase, (CRect{8340, 100, 8640, 200}));

  CFormation* turned = AddRectShape(doc, SHAPE_RECTANGLE, CRect{4000, 1000, 4300, 1200});
  turned->m_ptPivot = CPoint{4150, 1100};
  turned->m_dRotation = 0.3;
  turned->MoveTo(CRect{8500, 1000, 8800, 1200}, nullptr, true);
  EXPECT_EQ(turned->m_rcBase, (CRect{4000, 1000, 4300, 1200}));  // would leave: not moved
  turned->MoveTo(CRect{5000, 1000, 5300, 1200}, nullptr, true);
  EXPECT_EQ(turned->m_rcBase, (CRect{5000, 1000, 5300, 1200}));

  // An unrotated formation's pivot stays on the field.
  CFormation* edge = AddRectShape(doc, SHAPE_RECTANGLE, CRect{8000, 100, 8100, 200});
  edge->m_ptPivot = CPoint{8600, 150};
  edge->MoveTo(CRect{8100, 100, 8200, 200});
  EXPECT_EQ(edge->m_ptPivot, (CPoint{8640, 150}));
}

TEST(MoveTo, PolygonVerticesScaleIntoTheNewRectangle) {
  CPxDoc doc;
  CFormation* poly = AddPolyShape(doc, SHAPE_POLYGON, {{0, 0}, {200, 150}, {399, 299}, {400, 300}});
  poly->MoveTo(CRect{100, 100, 300, 400});
  // x: offsets 0, 200 of 400 -> 0, 200 * 200 / 400 = 100; 399 and 400 (at least 400 - 1)
  // snap to the far edge, 300. y: offsets 0, 150 -> 0, 150; 299 and 300 snap to 400.
  EXPECT_EQ(Pick(poly->m_pPoints, {0, 1, 2, 3}), (Points{{100, 100}, {200, 250}, {300, 400}, {300, 400}}));
  // Swapping left and right mirrors them (Flip Horizontal): 100 of 200 -> 300 - 100.
  poly->MoveTo(CRect{300, 100, 100, 400});
  EXPECT_EQ(Pick(poly->m_pPoints, {0, 1, 2, 3}), (Points{{300, 100}, {200, 250}, {100, 400}, {100, 400}}));
}

TEST(MoveHandleTo, CornersEdgesKeepSquareAndArcEnds) {
  CPxDoc doc;
  CFormation* rect = AddRectShape(doc, SHAPE_RECTANGLE, CRect{0, 0, 100, 100});
  rect->MoveHandleTo(5, CPoint{200, 50}, nullptr, true);
  EXPECT_EQ(rect->m_rcBase, (CRect{0, 0, 200, 200}));  // bottom = 0 + |200 - 0|
  rect->MoveHandleTo(1, CPoint{-50, 30}, nullptr, true);
  EXPECT_EQ(rect->m_rcBase, (CRect{-50, -50, 200, 200}));  // top = 200 - |200 + 50|
  rect->MoveHandleTo(6, CPoint{70, 300});
  EXPECT_EQ(rect->m_rcBase, (CRect{-50, -50, 200, 300}));

  CFormation* line = AddRectShape(doc, SHAPE_LINE, CRect{0, 0, 100, 0});
  line->MoveHandleTo(2, CPoint{300, 40});  // a line's second handle is corner 5
  EXPECT_EQ(line->m_rcBase, (CRect{0, 0, 300, 40}));

  CFormation* arc = AddRectShape(doc, SHAPE_ARC, CRect{0, 0, 1000, 1000});
  arc->MoveHandleTo(4, CPoint{500, 1000});  // straight below the centre (500, 500)
  EXPECT_DOUBLE_EQ(arc->m_dArcStart, PI / 2);
  EXPECT_EQ(arc->m_ptArcStart, (CPoint{500, 1000}));
  EXPECT_EQ(arc->m_rcBase, (CRect{0, 0, 1000, 1000}));  // edges 2, 4, 6, 8 never resize an arc
  arc->MoveHandleTo(2, CPoint{500, -300});
  EXPECT_EQ(arc->m_rcBase, (CRect{0, 0, 1000, 1000}));

  CFormation* poly = AddPolyShape(doc, SHAPE_POLYGON, {{0, 0}, {100, 0}, {100, 100}});
  poly->MoveHandleTo(10, CPoint{300, -20});  // vertex 2 of 3
  EXPECT_EQ(poly->m_pPoints[1], (CPoint{300, -20}));
  EXPECT_EQ(poly->m_rcBase, (CRect{0, -20, 300, 100}));
}

TEST(ShiftBy, MovesTheDrawnFormationExactlyByTheFieldDelta) {
  CPxDoc doc;
  CFormation* skewed = AddRectShape(doc, SHAPE_RECTANGLE, CRect{1000, 1000, 1400, 1200});
  skewed->m_dSkew = 0.5;
  Points before = skewed->FieldPoints();
  skewed->ShiftBy(100, 30);
  ExpectFieldPointsMoved(before, 100, 30, *skewed, 0);

  CFormation* turned = AddRectShape(doc, SHAPE_RECTANGLE, CRect{3000, 1000, 3400, 1200});
  turned->m_ptPivot = CPoint{3000, 1000};
  turned->m_dRotation = 0.6;
  before = turned->FieldPoints();
  turned->ShiftBy(-200, 150);
  ExpectFieldPointsMoved(before, -200, 150, *turned, 2);
  EXPECT_EQ(turned->m_ptPivot, (CPoint{3000, 1000}));
}

TEST(Pivot, SetPivotKeepsTheDrawnShapeWhereItIs) {
  CPxDoc doc;
  CFormation* rect = AddRectShape(doc, SHAPE_RECTANGLE, CRect{1000, 1000, 1600, 1300});
  rect->SetPivot(50, 60);
  EXPECT_EQ(rect->m_ptPivot, (CPoint{50, 60}));
  EXPECT_EQ(rect->m_rcBase, (CRect{1000, 1000, 1600, 1300}));  // unrotated: nothing moves

  rect->m_dRotation = 0.8;
  rect->m_dSkew = 0.2;
  const Points before = rect->FieldPoints();
  rect->SetPivot(2000, 2000);
  EXPECT_EQ(rect->m_ptPivot, (CPoint{2000, 2000}));
  EXPECT_EQ(rect->m_ptPivotSaved, (CPoint{2000, 2000}));
  EXPECT_EQ(rect->m_rcBase.Width(), 600);
  EXPECT_EQ(rect->m_rcBase.Height(), 300);
  ExpectFieldPointsMoved(before, 0, 0, *rect, 2);

  rect->m_dRotation = 0.0;
  rect->m_dSkew = 0.0;
  rect->CenterPivot();
  const CRect& r = rect->m_rcBase;
  EXPECT_EQ(rect->m_ptPivot, (CPoint{r.left + 300, r.top + 150}));
  rect->CornerPivot();
  EXPECT_EQ(rect->m_ptPivot, (CPoint{r.left, r.top}));
}

TEST(Flip, HorizontalTwiceRestoresAndArcsTurnHalfWayWhenMirroredBothWays) {
  CPxDoc doc;
  CFormation* poly = AddPolyShape(doc, SHAPE_POLYGON, {{0, 0}, {400, 100}, {100, 300}});
  poly->m_ptPivot = CPoint{200, 150};
  poly->m_dRotation = 0.5;
  poly->Flip(1000, 0, 0);
  EXPECT_EQ(poly->m_pPoints[1], (CPoint{1600, 100}));  // 2 * 1000 - 400
  EXPECT_EQ(poly->m_rcBase, (CRect{2000, 0, 1600, 300}));  // mirrored edges, like every kind
  EXPECT_EQ(poly->m_ptPivot, (CPoint{1800, 150}));
  EXPECT_NEAR(poly->m_dRotation, FULL_TURN - 0.5, 1e-12);
  poly->Flip(1000, 0, 0);
  EXPECT_EQ(poly->m_pPoints[1], (CPoint{400, 100}));
  EXPECT_EQ(poly->m_rcBase, (CRect{0, 0, 400, 300}));
  EXPECT_NEAR(poly->m_dRotation, 0.5, 1e-12);

  CFormation* arc = AddRectShape(doc, SHAPE_ARC, CRect{1000, 1000, 2000, 1600});
  arc->m_dArcStart = 0.5;
  arc->m_dArcEnd = 2.0;
  arc->m_dSkew = 0.25;
  arc->RecalcOutline();
  arc->Flip(4320, 2000, 2);
  EXPECT_EQ(arc->m_bReverse, 0);  // toggled twice
  // Mode 0: start = pi - 2.0, end = pi - 0.5; mode 1: start = 2pi - (pi - 0.5) = pi + 0.5,
  // end = 2pi - (pi - 2.0) = pi + 2.0.
  EXPECT_NEAR(arc->m_dArcStart, PI + 0.5, 1e-9);
  EXPECT_NEAR(arc->m_dArcEnd, PI + 2.0, 1e-9);
  EXPECT_DOUBLE_EQ(arc->m_dSkew, -0.25);
  EXPECT_EQ(arc->m_rcBase, (CRect{7640, 3000, 6640, 2400}));
  arc->Flip(4320, 0, 0);  // one mirror more runs it the other way again
  EXPECT_EQ(arc->m_bReverse, 1);
}

TEST(Reverse, TogglesTheFlagAndReversesTheVertices) {
  CPxDoc doc;
  CFormation* poly = AddPolyShape(doc, SHAPE_POLYGON, {{0, 0}, {100, 0}, {100, 100}});
  std::vector<CPerson*> people = PutPeopleOn(doc, poly, 2);
  EXPECT_EQ(people[0]->GetPosition(0), (CPoint{0, 0}));
  poly->Reverse();
  EXPECT_EQ(poly->m_bReverse, 1);
  EXPECT_EQ(Pick(poly->m_pPoints, {0, 2}), (Points{{100, 100}, {0, 0}}));
  EXPECT_EQ(people[0]->GetPosition(0), (CPoint{100, 100}));  // the stale spot was dropped
}

TEST(ThinAndDouble, VertexCountsAndMidpoints) {
  CPxDoc doc;
  auto* two = static_cast<CDrawPoly*>(AddPolyShape(doc, SHAPE_POLYGON, {{0, 0}, {100, 0}}));
  EXPECT_FALSE(two->ThinPoints());
  EXPECT_EQ(two->m_nPoints, 2);

  Points seven;
  for (int i = 0; i < 7; ++i) seven.push_back(CPoint{100 * i, (i % 2) * 50});
  auto* poly = static_cast<CDrawPoly*>(AddPolyShape(doc, SHAPE_POLYGON, seven));
  EXPECT_TRUE(poly->ThinPoints());
  ASSERT_EQ(poly->m_nPoints, 4);
  EXPECT_EQ(Pick(poly->m_pPoints, {0, 1, 2, 3}), Pick(seven, {0, 2, 4, 6}));

  auto* line = static_cast<CDrawPoly*>(AddPolyShape(doc, SHAPE_POLYGON, {{0, 0}, {101, 51}, {0, 100}}));
  EXPECT_TRUE(line->DoublePoints());
  ASSERT_EQ(line->m_nPoints, 5);
  // (0 + 101 / 2, 0 + 51 / 2) and (101 + (0 - 101) / 2, 51 + 49 / 2).
  EXPECT_EQ(Pick(line->m_pPoints, {1, 3}), (Points{{50, 25}, {51, 75}}));
  EXPECT_EQ(line->m_nAllocPoints, 13);               // 3, grown by blocks of 10

  Points many;
  for (int i = 0; i < 149; ++i) many.push_back(CPoint{10 * i, 0});
  auto* big = static_cast<CDrawPoly*>(AddPolyShape(doc, SHAPE_POLYGON, many));
  EXPECT_TRUE(big->DoublePoints());
  EXPECT_EQ(big->m_nPoints, 297);
  many.push_back(CPoint{1490, 0});
  auto* full = static_cast<CDrawPoly*>(AddPolyShape(doc, SHAPE_POLYGON, many));
  EXPECT_FALSE(full->DoublePoints());
  EXPECT_EQ(full->m_nPoints, 150);
}

}  // namespace
}  // namespace px
