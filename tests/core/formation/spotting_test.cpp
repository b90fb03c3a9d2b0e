// Where the people of a formation stand: along the outline, in blocks, in fill mode.
#include <gtest/gtest.h>

#include <cmath>

#include "core/support/shows.h"

namespace px {
namespace {

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

CFormation* AddBlock(CPxDoc& doc, const CRect& rect, int rows, bool spread, int people) {
  CFormation* block = AddRectShape(doc, SHAPE_RECTANGLE, rect);
  block->m_bBlock = 1;
  block->m_nRows = rows;
  block->m_bSpread = spread;
  PutPeopleOn(doc, block, people);
  return block;
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

// The grid spots of every kind are checked against recorded ones in fill_spots_test.cpp.
TEST(SpotInFill, OneRequestWritesEverySlotAndLinesNeverFill) {
  CPxDoc doc;
  CFormation* square = AddRectShape(doc, SHAPE_RECTANGLE, CRect{0, 0, 180, 180});
  square->m_bFill = 1;
  square->m_dInterval = 0.0;  // grid of 90
  std::vector<CPerson*> people = PutPeopleOn(doc, square, 5);
  // Grid 3 x 3 at 0, 90, 180 without the right and bottom edges; the fifth takes the corner.
  EXPECT_EQ(Spot(square, 3), (CPoint{90, 90}));
  Points written;
  for (CPerson* p : people) written.push_back(p->m_places[0]->m_ptSpot);
  EXPECT_EQ(written, (Points{{0, 0}, {90, 0}, {0, 90}, {90, 90}, {0, 0}}));

  CFormation* line = AddRectShape(doc, SHAPE_LINE, CRect{0, 1000, 900, 1000});
  line->m_bFill = 1;
  PutPeopleOn(doc, line, 3);
  EXPECT_EQ(Spot(line, 1), (CPoint{450, 1000}));
}

}  // namespace
}  // namespace px
