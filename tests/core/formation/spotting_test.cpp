// Where the people of a formation stand: along the outline, in blocks, in fill mode.
#include <gtest/gtest.h>

#include <cmath>

#include "core/support/shows.h"

namespace px {
namespace {

using test::AddPolyShape;
using test::AddRectShape;
using test::Points;
using test::PutPeopleOn;
using test::Spot;
using test::Spots;

TEST(SpotAlongOutline, OpenLinesSpreadEvenlyOrByTheInterval) {
  CPxDoc doc;
  CFormation* line = AddRectShape(doc, SHAPE_LINE, CRect{0, 0, 900, 0});
  PutPeopleOn(doc, line, 3);
  // Open: d = i * 900 / (3 - 1), the last exactly at the end.
  EXPECT_EQ(Spots(line, {0, 1, 2}), (Points{{0, 0}, {450, 0}, {900, 0}}));
  // Spread off: one interval (90) apart from the start.
  line->m_bSpread = 0;
  EXPECT_EQ(Spots(line, {1, 2}), (Points{{90, 0}, {180, 0}}));
  // Reversed, slot 0 starts at the other end.
  line->m_bSpread = 1;
  line->Reverse();
  EXPECT_EQ(Spots(line, {0, 2}), (Points{{900, 0}, {0, 0}}));

  // 20 people: 900 / 19 = 47.37 apart is less than 90, so it wins even with spread off:
  // 47.37 -> 47, 10 * 47.37 = 473.7 -> 473.
  CFormation* crowded = AddRectShape(doc, SHAPE_LINE, CRect{0, 0, 900, 0});
  crowded->m_bSpread = 0;
  PutPeopleOn(doc, crowded, 20);
  EXPECT_EQ(Spots(crowded, {1, 10, 19}), (Points{{47, 0}, {473, 0}, {900, 0}}));

  // A 10-unit line with 20 people, or with 10 (L <= N): all stand on its first point.
  for (int people : {20, 10}) {
    CFormation* tiny = AddRectShape(doc, SHAPE_LINE, CRect{100, 100, 110, 100});
    PutPeopleOn(doc, tiny, people);
    EXPECT_EQ(Spots(tiny, {0, 7, people - 1}), (Points(3, CPoint{100, 100}))) << people;
  }
}

TEST(SpotAlongOutline, ClosedShapesShareTheLengthEvenly) {
  CPxDoc doc;
  CFormation* rect = AddRectShape(doc, SHAPE_RECTANGLE, CRect{0, 0, 400, 200});
  PutPeopleOn(doc, rect, 4);
  // Closed: d = i * 1200 / 4 = 0, 300, 600, 900 around (0,0) (400,0) (400,200) (0,200).
  EXPECT_EQ(Spots(rect, {0, 1, 2, 3}), (Points{{0, 0}, {300, 0}, {400, 200}, {100, 200}}));

  // An ellipse with 4 people at 0, 1/4, 1/2, 3/4 of its length from (cx + rx, cy). The
  // 140-point polygon is not exactly symmetric, so the quarters land one unit off the axes
  // (walked by hand over the sampled table: d = 784.2, 1568.5, 2352.7 of L = 3136.9).
  CFormation* circle = AddRectShape(doc, SHAPE_ELLIPSE, CRect{1000, 1000, 2000, 2000});
  PutPeopleOn(doc, circle, 4);
  EXPECT_EQ(Spots(circle, {0, 1, 2, 3}), (Points{{2000, 1500}, {1501, 1999}, {1001, 1501}, {1499, 1001}}));
}

TEST(SpotAlongOutline, RotationAndSubstituteSkewApplyToTheSpot) {
  CPxDoc doc;
  CFormation* line = AddRectShape(doc, SHAPE_LINE, CRect{1000, 1000, 1900, 1000});
  PutPeopleOn(doc, line, 3);
  line->m_ptPivot = CPoint{1000, 1000};
  line->m_dRotation = std::atan2(3.0, 4.0);  // cos 0.8, sin 0.6
  // Slot 1 at (1450, 1000): dx = 450 -> (360, 270) -> (1360, 1270).
  EXPECT_EQ(Spot(line, 1), (CPoint{1360, 1270}));
  // The same slot without the rotation, as gate turns ask for it; then with a substitute
  // skew: y grows by |1450 - 1000| * 0.1 = 45.
  EXPECT_EQ(line->GetSpotRotated(1, 0.0, 0.0), (CPoint{1450, 1000}));
  EXPECT_EQ(line->GetSpotRotated(1, 0.0, 0.1), (CPoint{1450, 1045}));
}

TEST(SpotAlongOutline, ArcSubstituteAnglesLeaveTheArcAsItWas) {
  CPxDoc doc;
  CFormation* arc = AddRectShape(doc, SHAPE_ARC, CRect{0, 0, 1000, 1000});
  PutPeopleOn(doc, arc, 2);
  const Points outline = arc->m_pOutline;
  const CPoint start = arc->m_ptArcStart;
  const double length = arc->m_dLength;
  // Substitute angles (end, start) = (pi, pi/2): the quarter from the bottom to the left.
  // Its first entry is 33 = entry 31 mirrored in x; entry 31 = (500 + trunc(500 * 0.04907),
  // 500 + trunc(500 * 0.99880)) = (524, 999), so entry 33 = (476, 999). The arc's own start
  // lies far from the new ends and snaps to the nearest entry, 32 = (500, 1000), which is 24
  // from (476, 999) and so becomes the first point, where slot 0 stands.
  EXPECT_EQ(arc->GetSpot(0, PI, PI / 2, 0.0), (CPoint{500, 1000}));
  EXPECT_EQ(arc->m_pOutline, outline);
  EXPECT_EQ(arc->m_ptArcStart, start);
  EXPECT_DOUBLE_EQ(arc->m_dLength, length);
  EXPECT_DOUBLE_EQ(arc->m_dArcEnd, PI);
  // One zero angle means no substitute.
  EXPECT_EQ(arc->GetSpot(0, PI, 0.0, 0.0), Spot(arc, 0));
}

CFormation* AddBlock(CPxDoc& doc, const CRect& rect, int rows, bool spread, int people) {
  CFormation* block = AddRectShape(doc, SHAPE_RECTANGLE, rect);
  block->m_bBlock = 1;
  block->m_nRows = rows;
  block->m_bSpread = spread;
  PutPeopleOn(doc, block, people);
  return block;
}

TEST(SpotInBlock, TenPeopleInFourRowsSpreadOn) {
  CPxDoc doc;
  CFormation* block = AddBlock(doc, CRect{0, 0, 900, 300}, 4, true, 10);
  // p = 10 / 4 = 2 per row; the last row holds 2 + 10 mod 4 = 4. Rows at y = 0,
  // MulDiv(300, 1, 3) = 100, 200 and 300; the last row's columns at MulDiv(900, col, 3).
  EXPECT_EQ(Spots(block, {0, 1, 2, 5, 6, 7, 8, 9}),
            (Points{{0, 0}, {900, 0}, {0, 100}, {900, 200}, {0, 300}, {300, 300}, {600, 300}, {900, 300}}));
}

TEST(SpotInBlock, SpreadOffRowsAreIntervalsLongUpToTheEdge) {
  CPxDoc doc;
  CFormation* block = AddBlock(doc, CRect{0, 0, 450, 300}, 4, false, 25);
  // p = trunc(450 / 90) = 5 per row; rows 0..2 hold 5, the last row 25 - 3 * 5 = 10.
  // Rows of 5 span 5 * 90 = 450 <= 450: people at MulDiv(450, col, 4) = 0, 112.5 -> 113,
  // 225, 337.5 -> 338, 450; row 1 at MulDiv(300, 1, 3) = 100. The last row's 10 would span
  // 900 > 450: it ends at the right edge, MulDiv(450, col, 9) = 50 col.
  EXPECT_EQ(Spots(block, {1, 3, 6, 14, 15, 16, 24}),
            (Points{{113, 0}, {338, 0}, {113, 100}, {450, 200}, {0, 300}, {50, 300}, {450, 300}}));

  // p = trunc(1000 / 90) = 11; all 3 stand in row 0 with n = 11 (not the last row):
  // 11 * 90 = 990 <= 1000, so the row ends at 990; col 1 at MulDiv(990, 1, 10) = 99.
  CFormation* wide = AddBlock(doc, CRect{0, 1000, 1000, 1300}, 2, false, 3);
  EXPECT_EQ(Spot(wide, 1), (CPoint{99, 1000}));
}

TEST(SpotInFill, GridInsideTheRegionWithTheCornerForLeftovers) {
  CPxDoc doc;
  CFormation* square = AddRectShape(doc, SHAPE_RECTANGLE, CRect{0, 0, 180, 180});
  square->m_bFill = 1;
  square->m_dInterval = 0.0;  // grid of 90
  std::vector<CPerson*> people = PutPeopleOn(doc, square, 5);
  // Grid 3 x 3 at 0, 90, 180; like a filled region the square holds its left and top
  // edges but not its right and bottom ones. The fifth finds no grid point and takes the corner.
  EXPECT_EQ(Spot(square, 3), (CPoint{90, 90}));
  // One request writes every slot's place.
  Points written;
  for (CPerson* p : people) written.push_back(p->m_places[0]->m_ptSpot);
  EXPECT_EQ(written, (Points{{0, 0}, {90, 0}, {0, 90}, {90, 90}, {0, 0}}));
}

TEST(SpotInFill, OpenOutlinesCloseTheirRegionAndLinesNeverFill) {
  CPxDoc doc;
  // A triangle given as an open polygon: its region still closes back to the start.
  CFormation* tri = AddPolyShape(doc, SHAPE_POLYGON, {{0, 0}, {400, 0}, {0, 400}});
  tri->m_bFill = 1;
  tri->m_dInterval = 200.0;
  PutPeopleOn(doc, tri, 3);
  // Grid at 0, 200, 400: (200,200) lies on the closing edge x + y = 400, a right-hand edge
  // and so outside.
  EXPECT_EQ(Spots(tri, {0, 1, 2}), (Points{{0, 0}, {200, 0}, {0, 200}}));

  CFormation* line = AddRectShape(doc, SHAPE_LINE, CRect{0, 1000, 900, 1000});
  line->m_bFill = 1;
  PutPeopleOn(doc, line, 3);
  EXPECT_EQ(Spot(line, 1), (CPoint{450, 1000}));
}

}  // namespace
}  // namespace px
