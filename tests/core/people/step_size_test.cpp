// The step size of an approach: its length in inches over its steps, per march mode.
#include <gtest/gtest.h>

#include "core/support/shows.h"

namespace px {
namespace {

struct StepSizeShow {
  test::ShowBuilder show;
  CPerson* person = show.Person(1);
  CPlace* At(int step, CPoint spot, int mode = MARCH_FLOAT) { return show.Put(person, show.Formation(step), spot, mode); }
  double Size(int step) { return person->GetStepSize(step); }
};

TEST(StepSize, NoSizeAtStepZeroOrOutsideThePlaces) {
  StepSizeShow s;
  s.At(8, {1000, 1000});
  s.At(16, {1360, 1480});
  for (int step : {0, 4, 8, 17}) EXPECT_EQ(s.Size(step), 0.0) << step;
  // Steps 9..16: distance sqrt(360^2 + 480^2) = 600 field units, x 0.5 / 8 = 37.5 inches.
  EXPECT_DOUBLE_EQ(s.Size(9), 37.5);
  EXPECT_DOUBLE_EQ(s.Size(16), 37.5);
}

TEST(StepSize, StraightCornerAndArcModes) {
  StepSizeShow s;
  s.At(0, {1000, 1000});
  CPlace* second = s.At(8, {1360, 1480}, MARCH_SKEW);
  CPlace* third = s.At(16, {1660, 1080}, MARCH_XY);
  EXPECT_DOUBLE_EQ(s.Size(1), 37.5);  // 600 x 0.5 / 8
  // X-Y: the two legs 300 + 400 = 700, x 0.5 / 8 = 43.75; Y-X walks the same legs.
  EXPECT_DOUBLE_EQ(s.Size(12), 43.75);
  third->m_nMarchMode = MARCH_YX;
  EXPECT_DOUBLE_EQ(s.Size(12), 43.75);
  // Arc change is measured on the chord, waits do not shorten it: 500 x 0.5 / 8 = 31.25.
  third->m_nMarchMode = MARCH_ARC;
  third->m_nWaitBefore = 2;
  third->m_nWaitAfter = 3;
  EXPECT_DOUBLE_EQ(s.Size(12), 31.25);
  second->m_nMarchMode = 9;  // unknown mode
  EXPECT_EQ(s.Size(5), 0.0);
}

TEST(StepSize, PivotMeasuresTheArcAroundThePreviousPivot) {
  StepSizeShow s;
  s.At(0, {1000, 1000});
  CPlace* to = s.At(8, {1660, 1080}, MARCH_PIVOT);
  s.person->GetPlaceAt(0)->m_pFormation->m_ptPivot = CPoint{1300, 1560};  // 600 from the new spot
  const double turn = 6.283185307178;
  const struct {
    double degrees;
    int clockwise;
    double inches;
  } cases[] = {
      // Equal rotations: a whole turn either way, 600 x 0.5 x 2 pi / 8.
      {0, 1, 300 * turn / 8},
      {0, 0, 300 * turn / 8},
      {3, 1, 300 * turn / 8},                    // below 4 degrees: a whole turn instead
      {3, 0, 300 * (turn - 3 * PI / 180) / 8},   // counterclockwise 357 degrees: 233.656
      {90, 1, 300 * (PI / 2) / 8},               // 58.905
      {90, 0, 300 * (turn - PI / 2) / 8},        // the other three quarters: 176.715
  };
  for (const auto& c : cases) {
    to->m_pFormation->m_dRotation = c.degrees * PI / 180.0;
    to->m_bClockwise = c.clockwise;
    EXPECT_NEAR(s.Size(3), c.inches, 1e-9) << c.degrees << " cw " << c.clockwise;
  }
}

// Two people follow each other from a line at step 8 to a line at step 16. A's path runs
// (1440, 1620) -> B's old spot (2160, 1620) -> A's new spot (2160, 2340): 720 + 720 units.
TEST(StepSize, FollowMeasuresTheWholePathFromTheFirstStepOn) {
  test::ShowBuilder show;
  CPerson* a = show.Person(1);
  CPerson* b = show.Person(2);
  CFormation* from = show.Formation(8, SHAPE_LINE, CRect{1440, 1620, 2160, 1620});
  CFormation* to = show.Formation(16, SHAPE_LINE, CRect{2160, 2340, 2880, 2340});
  show.Spot(a, from);
  show.Spot(b, from);
  CPlace* toA = show.Spot(a, to, MARCH_FOLLOW);
  show.Spot(b, to, MARCH_FOLLOW);
  // 1440 units = 720 inches over 8 steps = 90 inches, also on the approach's first step,
  // where the person still stands on the old spot.
  EXPECT_DOUBLE_EQ(a->GetStepSize(9), 90.0);
  EXPECT_DOUBLE_EQ(a->GetStepSize(16), 90.0);
  EXPECT_EQ(a->m_ptPosition, POSITION_NONE);  // measuring moves nobody

  // No step under way (total = max(1, 8 - 7) = 1): the straight distance instead,
  // sqrt(720^2 + 720^2) x 0.5 / 8 = 45 sqrt(2) = 63.6396.
  toA->m_nWaitBefore = 7;
  EXPECT_NEAR(a->GetStepSize(12), 63.63961030678928, 1e-9);
}

TEST(StepSize, FollowHasNothingAtStepOne) {
  test::ShowBuilder show;
  CPerson* person = show.Person(1);
  show.Spot(person, show.Formation(0, SHAPE_LINE, CRect{1440, 1620, 2160, 1620}));
  show.Spot(person, show.Formation(8, SHAPE_LINE, CRect{1440, 2340, 2160, 2340}), MARCH_FOLLOW);
  EXPECT_EQ(person->GetStepSize(1), 0.0);
  // A single follower walks straight: 720 units = 360 inches over 8 steps.
  EXPECT_DOUBLE_EQ(person->GetStepSize(2), 45.0);
}

}  // namespace
}  // namespace px
