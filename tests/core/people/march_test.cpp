// GetPosition between places: waits, the cache, the field range and the simple modes.
#include <gtest/gtest.h>

#include <cmath>

#include "people_fixture.h"

namespace px {
namespace {

using testing::ShowBuilder;

// One person marching from `p` at step 0 to `n` at step `steps` in `mode`.
struct OneMarch {
  ShowBuilder show;
  CPerson* person = show.Person(1);
  CPlace* from;
  CPlace* to;
  OneMarch(CPoint p, CPoint n, int steps, int mode = MARCH_FLOAT) {
    from = show.Put(person, show.Formation(0), p);
    to = show.Put(person, show.Formation(steps), n, mode);
  }
  CPoint At(int step) { return person->GetPosition(step); }
};

TEST(MarchWaits, TwoBeforeAndThreeAfterOverTenSteps) {
  OneMarch m({1000, 1000}, {1500, 2000}, 10);
  m.to->m_nWaitBefore = 2;
  m.to->m_nWaitAfter = 3;
  // total = 10 - 3 - 2 = 5 marching steps; elapsed = step - 2.
  EXPECT_EQ(m.At(1), (CPoint{1000, 1000}));
  EXPECT_EQ(m.At(2), (CPoint{1000, 1000}));
  EXPECT_EQ(m.At(3), (CPoint{1100, 1200}));  // 500 x 1/5, 1000 x 1/5
  EXPECT_EQ(m.At(4), (CPoint{1200, 1400}));
  EXPECT_EQ(m.At(6), (CPoint{1400, 1800}));
  EXPECT_EQ(m.At(7), (CPoint{1500, 2000}));  // arrived after 5 steps
  EXPECT_EQ(m.At(8), (CPoint{1500, 2000}));
  EXPECT_EQ(m.At(9), (CPoint{1500, 2000}));
  EXPECT_EQ(m.At(10), (CPoint{1500, 2000}));
}

TEST(MarchWaits, WaitsCoveringTheWholeIntervalStillStepOnce) {
  OneMarch m({1000, 1000}, {1500, 2000}, 10);
  m.to->m_nWaitBefore = 6;
  m.to->m_nWaitAfter = 6;
  // total = max(1, 10 - 12) = 1; elapsed = step - 6.
  for (int s = 1; s <= 6; ++s) EXPECT_EQ(m.At(s), (CPoint{1000, 1000})) << s;
  for (int s = 7; s <= 9; ++s) EXPECT_EQ(m.At(s), (CPoint{1500, 2000})) << s;
}

TEST(MarchFloat, InterpolatesWithHalvesAwayFromZero) {
  OneMarch m({1000, 1000}, {997, 1001}, 2);
  // MulDiv(-3, 1, 2) = -1.5 -> -2; MulDiv(1, 1, 2) = 0.5 -> 1.
  EXPECT_EQ(m.At(1), (CPoint{998, 1001}));
  OneMarch thirds({1000, 1000}, {1001, 1000}, 3);
  EXPECT_EQ(thirds.At(1), (CPoint{1000, 1000}));  // 1/3 rounds to 0
  EXPECT_EQ(thirds.At(2), (CPoint{1001, 1000}));  // 2/3 rounds to 1
}

TEST(MarchRange, NothingBeforeTheFirstPlaceAfterTheLastOrOffTheField) {
  ShowBuilder show;
  CPerson* p = show.Person(1);
  show.Put(p, show.Formation(4), {8600, 100});
  show.Put(p, show.Formation(8), {8700, 100});
  show.Formation(12);
  for (int s : {0, 1, 3, 9, 12}) EXPECT_EQ(p->GetPosition(s), POSITION_NONE) << s;
  EXPECT_EQ(p->GetPosition(5), (CPoint{8625, 100}));  // 8600 + 100/4
  EXPECT_EQ(p->GetPosition(6), POSITION_NONE);         // 8650 is past the field's 8640
  EXPECT_EQ(p->GetPosition(8), POSITION_NONE);         // the spot itself is off the field
  // The marker rectangle follows the last answer.
  p->GetPosition(5);
  EXPECT_EQ(p->m_rcBase, (CRect{8625 - 24, 100 - 24, 8625 + 24, 100 + 24}));
}

TEST(MarchCache, AnswersFromTheCacheUntilInvalidated) {
  OneMarch m({1000, 1000}, {1400, 1000}, 4);
  EXPECT_EQ(m.At(1), (CPoint{1100, 1000}));
  ASSERT_EQ(m.person->m_posCache.size(), 5u);  // last step 4, plus one
  EXPECT_EQ(m.person->m_posCache[1], (CPoint{1100, 1000}));

  m.to->m_ptSpot = CPoint{1800, 1000};  // a change nobody announced
  EXPECT_EQ(m.At(1), (CPoint{1100, 1000}));
  m.person->InvalidatePositions(1, 3);
  m.to->m_ptSpot = CPoint{1800, 1000};  // the place at 4 is outside the range and keeps it
  EXPECT_EQ(m.At(1), (CPoint{1200, 1000}));

  // With the switch off nothing is stored.
  m.show.doc.m_bSaveStepsToMemory = 0;
  m.person->m_posCache.clear();
  EXPECT_EQ(m.At(2), (CPoint{1400, 1000}));
  EXPECT_TRUE(m.person->m_posCache.empty());
}

TEST(MarchCorner, XYAndYXTakeDifferentCornersAndArriveTogether) {
  // L = 400 + 300 = 700 over 6 steps: d = 116.67, 233.33, 350, 466.67, 583.33.
  OneMarch xy({1000, 1000}, {1400, 1300}, 6, MARCH_XY);
  OneMarch yx({1000, 1000}, {1400, 1300}, 6, MARCH_YX);
  EXPECT_EQ(xy.At(1), (CPoint{1116, 1000}));
  EXPECT_EQ(xy.At(3), (CPoint{1350, 1000}));
  EXPECT_EQ(xy.At(4), (CPoint{1400, 1066}));  // 466.67 - 400 down the second leg
  EXPECT_EQ(xy.At(5), (CPoint{1400, 1183}));
  EXPECT_EQ(yx.At(1), (CPoint{1000, 1116}));
  EXPECT_EQ(yx.At(2), (CPoint{1000, 1233}));
  EXPECT_EQ(yx.At(3), (CPoint{1050, 1300}));  // 350 - 300 along x
  EXPECT_EQ(yx.At(4), (CPoint{1166, 1300}));
  EXPECT_EQ(xy.At(6), yx.At(6));

  // Going back, x falls: 1400 + trunc(-116.67) = 1284.
  OneMarch back({1400, 1300}, {1000, 1000}, 6, MARCH_XY);
  EXPECT_EQ(back.At(1), (CPoint{1284, 1300}));
}

TEST(MarchPivot, EqualRotationsMakeAWholeTurnEachWay) {
  // Radius 100 about the pivot (2000, 2000); a quarter turn per step over 4 steps.
  for (int clockwise : {1, 0}) {
    OneMarch m({2100, 2000}, {2100, 2000}, 4, MARCH_PIVOT);
    m.from->m_pFormation->m_ptPivot = CPoint{2000, 2000};
    m.to->m_bSimple = 1;
    m.to->m_bClockwise = clockwise;
    // y grows downward, so the clockwise quarter lands below the pivot.
    EXPECT_EQ(m.At(1), (CPoint{2000, clockwise ? 2100 : 1900})) << clockwise;
    EXPECT_EQ(m.At(2), (CPoint{1900, 2000})) << clockwise;
    EXPECT_EQ(m.At(3), (CPoint{2000, clockwise ? 1900 : 2100})) << clockwise;
  }
}

TEST(MarchPivot, TurnsBelowFourDegreesBecomeWholeTurns) {
  OneMarch small({2100, 2000}, {2100, 2000}, 4, MARCH_PIVOT);
  small.from->m_pFormation->m_ptPivot = CPoint{2000, 2000};
  small.to->m_pFormation->m_dRotation = 3.0 * PI / 180.0;
  small.to->m_bSimple = small.to->m_bClockwise = 1;
  EXPECT_EQ(small.At(1), (CPoint{2000, 2100}));  // a quarter of a whole turn, not of 3 degrees

  OneMarch five({2100, 2000}, {2100, 2000}, 4, MARCH_PIVOT);
  five.from->m_pFormation->m_ptPivot = CPoint{2000, 2000};
  five.to->m_pFormation->m_dRotation = 5.0 * PI / 180.0;
  five.to->m_bSimple = five.to->m_bClockwise = 1;
  // 1.25 degrees: 100 cos = 99.976 rounds to 100, 100 sin = 2.18 rounds to 2.
  EXPECT_EQ(five.At(1), (CPoint{2100, 2002}));
}

TEST(MarchPivot, CounterclockwiseTurnGoesTheLongWayRound) {
  // From 0 to 90 degrees counterclockwise is -270 degrees: -67.5 per step over 4 steps.
  OneMarch m({2100, 2000}, {2000, 2100}, 4, MARCH_PIVOT);
  m.from->m_pFormation->m_ptPivot = CPoint{2000, 2000};
  m.to->m_pFormation->m_dRotation = PI / 2;
  m.to->m_bSimple = 1;
  // 100 cos(-67.5) = 38.27 -> 38; 100 sin(-67.5) = -92.39 truncated to -92.
  EXPECT_EQ(m.At(1), (CPoint{2038, 1908}));
}

TEST(MarchCode, LettersAndWaits) {
  ShowBuilder show;
  CPerson* p = show.Person(1);
  show.Put(p, show.Formation(0), {1000, 1000});
  CPlace* next = show.Put(p, show.Formation(8), {1000, 1000}, MARCH_PIVOT);
  next->m_nWaitBefore = 2;
  next->m_nWaitAfter = 4;
  EXPECT_EQ(p->GetMarchCode(0), "2PV4");
  EXPECT_EQ(p->GetMarchCode(7), "2PV4");
  EXPECT_EQ(p->GetMarchCode(8), "?");  // nothing after the last place
  next->m_nWaitBefore = next->m_nWaitAfter = 0;
  const struct {
    int mode, a, b, c;
    const char* code;
  } cases[] = {{MARCH_FLOAT, 0, 0, 0, "F"},  {MARCH_FOLLOW, 1, 1, 0, "LRT"}, {MARCH_FOLLOW, 0, 1, 0, "LT"},
               {MARCH_PIVOT, 1, 0, 0, "P"},  {MARCH_XY, 0, 0, 0, "X"},       {MARCH_YX, 0, 0, 0, "Y"},
               {MARCH_ARC, 1, 0, 0, "A+-"},  {MARCH_ARC, 0, 0, 1, "A-+"},    {MARCH_SKEW, 0, 0, 0, "S"}};
  for (const auto& c : cases) {
    next->m_nMarchMode = c.mode;
    // a: reverse / clockwise / start clockwise; b: anchor; c: end clockwise.
    next->m_bReverse = next->m_bClockwise = next->m_bStartClockwise = c.a;
    next->m_bAnchor = c.b;
    next->m_bEndClockwise = c.c;
    EXPECT_EQ(p->GetMarchCode(3), c.code) << c.code;
  }
}

TEST(MarchLabel, StepSizeInWholeInchesWhenTheShowDisplaysSizes) {
  // 300 field units in 4 steps: 300 x 0.5 / 4 = 37.5 inches, shown "38".
  OneMarch m({1000, 1000}, {1300, 1000}, 4);
  m.show.doc.m_nCurrentStep = 2;
  EXPECT_EQ(m.person->GetMarchLabel(), "F");
  m.show.doc.m_bShowStepSize = 1;
  EXPECT_EQ(m.person->GetMarchLabel(), "38");
}

}  // namespace
}  // namespace px
