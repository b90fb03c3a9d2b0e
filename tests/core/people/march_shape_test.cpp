// The modes that ask the formation for other spots: Pivot (not simple), Arc change, Skew.
#include <gtest/gtest.h>

#include "core/support/shows.h"

namespace px {
namespace {

using test::ShowBuilder;

// Two people on a 200-unit line (spots at its two ends) at step 0, then on a 400-unit line
// at step 4 turned a quarter clockwise about its middle.
struct GateTurn {
  ShowBuilder show;
  CPerson* first = show.Person(1);
  CPerson* second = show.Person(2);
  CFormation* from = show.Formation(0, SHAPE_LINE, CRect{1000, 1000, 1200, 1000});  // pivot (1100,1000)
  CFormation* to = show.Formation(4, SHAPE_LINE, CRect{1000, 1000, 1400, 1000});    // pivot (1200,1000)
  GateTurn() {
    to->m_dRotation = PI / 2;
    for (CPerson* p : {first, second}) show.Spot(p, from);
    for (CPerson* p : {first, second}) show.Spot(p, to, MARCH_PIVOT)->m_bClockwise = 1;
  }
};

TEST(MarchPivot, NotSimpleSlidesTheShapeAndThePivotWhileTurning) {
  GateTurn g;
  // Slot 1: (1200,1000) -> (1400,1000) unrotated, pivots (1100,1000) -> (1200,1000): the
  // spot gains (25,0) and the pivot (25,0) a step, and turns pi/8 a step.
  // Step 1: (1250,1000) about (1125,1000): 125 cos = 115.49 -> 115, 125 sin = 47.84 -> 48.
  EXPECT_EQ(g.second->GetPosition(1), (CPoint{1240, 1048}));
  // Step 2: (1300,1000) about (1150,1000) by pi/4: 150 cos = 150 sin = 106.07 -> 106.
  EXPECT_EQ(g.second->GetPosition(2), (CPoint{1256, 1106}));
  EXPECT_EQ(g.second->GetPosition(4), (CPoint{1200, 1200}));  // (1400,1000) turned about (1200,1000)

  // From an old rotation of a quarter to a half: step 2 first turns the offset (150, 0) a
  // quarter, then pi/4 more: x = -150 sin = -106.07 -> -106, y = 150 cos = 106.
  g.from->m_dRotation = PI / 2;
  g.to->m_dRotation = PI;
  g.show.doc.m_bSaveStepsToMemory = 0;
  for (CPerson* p : {g.first, g.second}) p->InvalidateAllPositions();
  EXPECT_EQ(g.second->GetPosition(2), (CPoint{1044, 1106}));

  // Simple: (1200,1000) about the old pivot (1100,1000) by pi/4: 100 cos = 70.71 -> 71.
  g.from->m_dRotation = 0;
  g.to->m_dRotation = PI / 2;
  for (CPerson* p : {g.first, g.second}) p->GetPlaceAt(4)->m_bSimple = 1;
  for (CPerson* p : {g.first, g.second}) p->InvalidateAllPositions();
  EXPECT_EQ(g.second->GetPosition(2), (CPoint{1171, 1071}));
}

TEST(MarchArc, TheStartAngleTurnsAndThePersonKeepsTheFirstArcPoint) {
  // A circle of radius 1000 about (2000,2000); one person stands at the arc's first point.
  ShowBuilder show;
  CPerson* p = show.Person(1);
  CFormation* from = show.Formation(0, SHAPE_ARC, CRect{1000, 1000, 3000, 3000});  // 0 .. pi
  CFormation* to = show.Formation(4, SHAPE_ARC, CRect{1000, 1000, 3000, 3000});
  to->m_dArcStart = PI / 2;
  to->RecalcOutline();
  show.Spot(p, from);
  show.Spot(p, to, MARCH_ARC)->m_bStartClockwise = 1;
  // Step 0: entry k = 1 past angle 0: 1000 cos(pi/64) = 998.8, 1000 sin(pi/64) = 49.07.
  EXPECT_EQ(p->GetPosition(0), (CPoint{2998, 2049}));
  // Step 1: start pi/8; entry 8 = (2923, 2382) lies at atan2(382, 923) = 0.39242 < pi/8
  // = 0.39270, so the first is entry 9: 1000 cos(9pi/64) = 903.99, 1000 sin = 427.56.
  EXPECT_EQ(p->GetPosition(1), (CPoint{2903, 2427}));
  // Step 2: start pi/4; entry 16 sits exactly on it and is left out; entry 17:
  // 1000 cos(17pi/64) = 671.56, 1000 sin = 740.95.
  EXPECT_EQ(p->GetPosition(2), (CPoint{2671, 2740}));
  EXPECT_EQ(from->m_dArcStart, 0.0);  // the formation keeps its own angles
}

TEST(MarchSkew, TheOldSlotIsShearedStepByStep) {
  ShowBuilder show;
  CPerson* a = show.Person(1);
  CPerson* b = show.Person(2);
  CFormation* from = show.Formation(0, SHAPE_LINE, CRect{1000, 1000, 1200, 1000});
  CFormation* to = show.Formation(4, SHAPE_LINE, CRect{1000, 1000, 1200, 1000});
  to->m_dSkew = 0.5;
  for (CPerson* p : {a, b}) show.Spot(p, from);
  for (CPerson* p : {a, b}) show.Spot(p, to, MARCH_SKEW);
  // Slot 1 at (1200,1000), 200 right of the left edge: y + 200 x skew.
  EXPECT_EQ(b->GetPosition(1), (CPoint{1200, 1025}));  // skew 0.125
  EXPECT_EQ(b->GetPosition(4), (CPoint{1200, 1100}));  // skew 0.5
}

TEST(MarchSkew, FillModeSpotsOfTheOldFormationStayItsOwn) {
  // Fill with a 90 grid inside (1000,1000)-(1180,1090): slot 1 is (1090,1000).
  ShowBuilder show;
  CPerson* a = show.Person(1);
  CPerson* b = show.Person(2);
  CFormation* from = show.Formation(0, SHAPE_RECTANGLE, CRect{1000, 1000, 1180, 1090});
  CFormation* to = show.Formation(4, SHAPE_RECTANGLE, CRect{1000, 1000, 1180, 1090});
  from->m_bFill = to->m_bFill = 1;
  to->m_dSkew = 0.5;
  for (CPerson* p : {a, b}) show.Spot(p, from);
  for (CPerson* p : {a, b}) show.Spot(p, to, MARCH_SKEW);
  show.doc.m_bSaveStepsToMemory = 0;
  EXPECT_EQ(b->GetPosition(0), (CPoint{1090, 1000}));
  EXPECT_EQ(b->GetPosition(2), (CPoint{1090, 1022}));  // 1000 + trunc(90 x 0.25)
  EXPECT_EQ(b->GetPlaceAt(0)->m_ptSpot, (CPoint{1090, 1000}));
}

}  // namespace
}  // namespace px
