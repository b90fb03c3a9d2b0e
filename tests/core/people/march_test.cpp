// GetPosition between places: waits, the cache, the field range and the simple modes.
#include <gtest/gtest.h>

#include "core/support/shows.h"

namespace px {
namespace {

using test::ShowBuilder;

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

TEST(MarchWaits, WaitsBeforeAndAfter) {
  const struct {
    int before, after, step;
    CPoint at;
  } cases[] = {
      // total = 10 - 2 - 3 = 5 marching steps, elapsed = step - 2: 500 and 1000 in fifths.
      {2, 3, 2, {1000, 1000}}, {2, 3, 3, {1100, 1200}}, {2, 3, 6, {1400, 1800}},
      {2, 3, 7, {1500, 2000}}, {2, 3, 9, {1500, 2000}},
      // total = max(1, 10 - 12) = 1; elapsed = step - 6.
      {6, 6, 6, {1000, 1000}}, {6, 6, 7, {1500, 2000}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(::testing::Message() << c.before << "/" << c.after << " at " << c.step);
    OneMarch m({1000, 1000}, {1500, 2000}, 10);
    m.to->m_nWaitBefore = c.before;
    m.to->m_nWaitAfter = c.after;
    EXPECT_EQ(m.At(c.step), c.at);
  }
}

TEST(MarchFloat, InterpolatesWithHalvesAwayFromZero) {
  OneMarch m({1000, 1000}, {997, 1001}, 2);
  EXPECT_EQ(m.At(1), (CPoint{998, 1001}));  // MulDiv(-3, 1, 2) = -1.5 -> -2; 0.5 -> 1
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
  EXPECT_EQ(p->GetPosition(6), POSITION_NONE);  // 8650 is past the field's 8640
  EXPECT_EQ(p->GetPosition(8), POSITION_NONE);  // the spot itself is off the field
  EXPECT_EQ(p->GetPosition(5), (CPoint{8625, 100}));  // 8600 + 100/4
  EXPECT_EQ(p->m_ptPosition, POSITION_NONE);             // asking moves nobody
  show.doc.SetCurrentStep(5);
  show.doc.RecalcPositions();
  EXPECT_EQ(p->m_rcBase, (CRect{8625 - 24, 100 - 24, 8625 + 24, 100 + 24}));
}

TEST(MarchCache, AnswersFromTheCacheUntilInvalidated) {
  OneMarch m({1000, 1000}, {1400, 1000}, 4);
  EXPECT_EQ(m.At(1), (CPoint{1100, 1000}));
  m.to->m_ptSpot = CPoint{1800, 1000};  // a change nobody announced
  EXPECT_EQ(m.At(1), (CPoint{1100, 1000}));
  m.person->InvalidatePositions(1, 3);
  m.to->m_ptSpot = CPoint{1800, 1000};  // the place at 4 is outside the range and keeps it
  EXPECT_EQ(m.At(1), (CPoint{1200, 1000}));
}

TEST(MarchCorner, XYAndYXTakeDifferentCornersAndArriveTogether) {
  // L = 400 + 300 = 700 over 6 steps: d = 116.67, 233.33, 350, 466.67, 583.33.
  const struct {
    int mode, step;
    CPoint at;
  } cases[] = {
      {MARCH_XY, 1, {1116, 1000}}, {MARCH_XY, 3, {1350, 1000}},
      {MARCH_XY, 4, {1400, 1066}},  // 466.67 - 400 down the second leg
      {MARCH_YX, 2, {1000, 1233}},
      {MARCH_YX, 3, {1050, 1300}},  // 350 - 300 along x
      {MARCH_XY, 6, {1400, 1300}},  {MARCH_YX, 6, {1400, 1300}},
  };
  for (const auto& c : cases) {
    OneMarch m({1000, 1000}, {1400, 1300}, 6, c.mode);
    EXPECT_EQ(m.At(c.step), c.at) << c.mode << " at " << c.step;
  }
  // Going back, x falls: 1400 + trunc(-116.67) = 1284.
  OneMarch back({1400, 1300}, {1000, 1000}, 6, MARCH_XY);
  EXPECT_EQ(back.At(1), (CPoint{1284, 1300}));
}

TEST(MarchPivot, SimpleTurnsAboutTheOldPivot) {
  // Radius 100 about (2000, 2000) over 4 steps; y grows downward, so clockwise goes below.
  const struct {
    double degrees;
    int clockwise, step;
    CPoint at;
  } cases[] = {
      // Equal rotations make a whole turn either way: a quarter a step.
      {0, 1, 1, {2000, 2100}}, {0, 1, 2, {1900, 2000}}, {0, 1, 3, {2000, 1900}},
      {0, 0, 1, {2000, 1900}}, {0, 0, 3, {2000, 2100}},
      {3, 1, 1, {2000, 2100}},  // below 4 degrees: a whole turn, not 3 degrees
      // 1.25 degrees a step: 100 cos = 99.976 -> 100, 100 sin = 2.18 -> 2.
      {5, 1, 1, {2100, 2002}},
      // 90 degrees counterclockwise is -270: -67.5 a step; 100 cos = 38.27 -> 38,
      // 100 sin = -92.39 truncated to -92.
      {90, 0, 1, {2038, 1908}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(::testing::Message() << c.degrees << " cw " << c.clockwise << " at " << c.step);
    OneMarch m({2100, 2000}, {2100, 2000}, 4, MARCH_PIVOT);
    m.from->m_pFormation->m_ptPivot = CPoint{2000, 2000};
    m.to->m_pFormation->m_dRotation = c.degrees * PI / 180.0;
    m.to->m_bSimple = 1;
    m.to->m_bClockwise = c.clockwise;
    EXPECT_EQ(m.At(c.step), c.at);
  }
}

TEST(MarchCode, LettersWaitsAndLabel) {
  OneMarch m({1000, 1000}, {1300, 1000}, 8, MARCH_PIVOT);
  m.to->m_nWaitBefore = 2;
  m.to->m_nWaitAfter = 4;
  EXPECT_EQ(m.person->GetMarchCode(0), "2PV4");
  EXPECT_EQ(m.person->GetMarchCode(7), "2PV4");
  EXPECT_EQ(m.person->GetMarchCode(8), "?");  // nothing after the last place
  CPlace* next = m.to;
  next->m_nWaitBefore = next->m_nWaitAfter = 0;
  const struct {
    int mode, a, b, c;
    const char* code;
  } cases[] = {{MARCH_FOLLOW, 1, 1, 0, "LRT"}, {MARCH_PIVOT, 1, 0, 0, "P"}, {MARCH_ARC, 0, 0, 1, "A-+"}};
  for (const auto& c : cases) {
    next->m_nMarchMode = c.mode;
    // a: reverse / clockwise / start clockwise; b: anchor; c: end clockwise.
    next->m_bReverse = next->m_bClockwise = next->m_bStartClockwise = c.a;
    next->m_bAnchor = c.b;
    next->m_bEndClockwise = c.c;
    EXPECT_EQ(m.person->GetMarchCode(3), c.code) << c.code;
  }
  // The label shows the step size instead: 300 units x 0.5 / 8 = 18.75 inches, "19".
  m.show.doc.m_nCurrentStep = 2;
  EXPECT_EQ(m.person->GetMarchLabel(), "A-+");
  m.show.doc.m_bShowStepSize = 1;
  next->m_nMarchMode = MARCH_FLOAT;
  EXPECT_EQ(m.person->GetMarchLabel(), "19");
}

}  // namespace
}  // namespace px
