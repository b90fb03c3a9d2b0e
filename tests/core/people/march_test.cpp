// GetPosition between places: the field range, the cache, march codes, and skews of fill-mode
// spots. The positions of every mode are checked against recorded shows in
// recorded_positions_test.cpp.
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
