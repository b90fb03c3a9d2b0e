#include <gtest/gtest.h>

#include "core/doc/pxdoc.h"
#include "core/people/people_fixture.h"
#include "core/people/person.h"

namespace px {
namespace {

// A person with places at steps 0, 8 and 16 on formations of their own, with spots set by
// hand (the spots are cached on the places, so no spotting is needed).
class StepSizeTest : public ::testing::Test {
 protected:
  CFormation* FormationAt(int step) {
    doc.m_nCurrentStep = step;
    return doc.AddFormation(std::make_unique<CDrawRect>());
  }
  CPlace* PlaceAt(int step, CPoint spot, int mode) {
    CPlace* place = person->AssignToFormation(nullptr, FormationAt(step));
    place->m_ptSpot = spot;
    place->m_nMarchMode = mode;
    return place;
  }

  CPxDoc doc;
  CPerson* person = doc.AddPerson(std::make_unique<CPerson>());
};

TEST_F(StepSizeTest, NoSizeAtStepZeroOrOutsideThePlaces) {
  PlaceAt(8, CPoint{1000, 1000}, MARCH_FLOAT);
  PlaceAt(16, CPoint{1360, 1480}, MARCH_FLOAT);
  EXPECT_EQ(person->GetStepSize(0), 0.0);
  EXPECT_EQ(person->GetStepSize(4), 0.0);   // before the first place
  EXPECT_EQ(person->GetStepSize(8), 0.0);   // no place before step 8
  EXPECT_EQ(person->GetStepSize(17), 0.0);  // after the last place
  // Steps 9..16: distance sqrt(360^2 + 480^2) = 600 field units, x 0.5 / 8 = 37.5 inches.
  EXPECT_DOUBLE_EQ(person->GetStepSize(9), 37.5);
  EXPECT_DOUBLE_EQ(person->GetStepSize(16), 37.5);
}

TEST_F(StepSizeTest, StraightCornerAndArcModes) {
  PlaceAt(0, CPoint{1000, 1000}, MARCH_FLOAT);
  CPlace* second = PlaceAt(8, CPoint{1360, 1480}, MARCH_SKEW);
  CPlace* third = PlaceAt(16, CPoint{1660, 1080}, MARCH_XY);
  EXPECT_DOUBLE_EQ(person->GetStepSize(1), 37.5);  // 600 x 0.5 / 8
  // X-Y: the two legs 300 + 400 = 700, x 0.5 / 8 = 43.75; Y-X walks the same legs.
  EXPECT_DOUBLE_EQ(person->GetStepSize(12), 43.75);
  third->m_nMarchMode = MARCH_YX;
  EXPECT_DOUBLE_EQ(person->GetStepSize(12), 43.75);
  // Arc change is measured on the chord: 500 x 0.5 / 8 = 31.25.
  third->m_nMarchMode = MARCH_ARC;
  EXPECT_DOUBLE_EQ(person->GetStepSize(12), 31.25);
  // Waits do not shorten the approach.
  third->m_nWaitBefore = 2;
  third->m_nWaitAfter = 3;
  EXPECT_DOUBLE_EQ(person->GetStepSize(12), 31.25);
  second->m_nMarchMode = 9;  // unknown mode
  EXPECT_EQ(person->GetStepSize(5), 0.0);
}

TEST_F(StepSizeTest, PivotMeasuresTheArcAroundThePreviousPivot) {
  PlaceAt(0, CPoint{1000, 1000}, MARCH_FLOAT);
  CPlace* to = PlaceAt(8, CPoint{1660, 1080}, MARCH_PIVOT);
  CFormation* from = person->GetPlaceAt(0)->m_pFormation;
  from->m_ptPivot = CPoint{1300, 1560};  // 600 from the new spot (360, 480)
  // Equal rotations: a whole turn either way, 600 x 0.5 x 6.283185307178 / 8.
  to->m_bClockwise = 1;
  EXPECT_DOUBLE_EQ(person->GetStepSize(3), 235.619449019175);
  to->m_bClockwise = 0;
  EXPECT_DOUBLE_EQ(person->GetStepSize(3), 235.619449019175);
  // A clockwise turn of 3 degrees is below the 4-degree limit: a whole turn instead;
  // counterclockwise the same rotations are 357 degrees apart:
  // 300 x (6.283185307178 - 3 pi / 180) / 8 = 233.65595361068...
  to->m_pFormation->m_dRotation = 3.0 * PI / 180.0;
  to->m_bClockwise = 1;
  EXPECT_DOUBLE_EQ(person->GetStepSize(3), 235.619449019175);
  to->m_bClockwise = 0;
  EXPECT_NEAR(person->GetStepSize(3), 233.655953610681, 1e-9);
  // A quarter turn clockwise: 300 x (pi / 2) / 8 = 58.904862254808624; counterclockwise
  // it is the other three quarters: 300 x (6.283185307178 - pi / 2) / 8 = 176.71458676436638.
  to->m_pFormation->m_dRotation = PI / 2.0;
  to->m_bClockwise = 1;
  EXPECT_NEAR(person->GetStepSize(3), 58.904862254808624, 1e-9);
  to->m_bClockwise = 0;
  EXPECT_NEAR(person->GetStepSize(3), 176.71458676436638, 1e-9);
}

// Two people follow each other from a line at step 8 to a line at step 16. A's path runs
// (1440, 1620) -> B's old spot (2160, 1620) -> A's new spot (2160, 2340): 720 + 720 units.
class FollowStepSizeTest : public ::testing::Test {
 protected:
  void SetUp() override {
    CFormation* from = show.Formation(8, SHAPE_LINE, CRect{1440, 1620, 2160, 1620});
    CFormation* to = show.Formation(16, SHAPE_LINE, CRect{2160, 2340, 2880, 2340});
    show.Spot(a, from);
    show.Spot(b, from);
    toA = show.Spot(a, to, MARCH_FOLLOW);
    show.Spot(b, to, MARCH_FOLLOW);
  }

  testing::ShowBuilder show;
  CPerson* a = show.Person(1);
  CPerson* b = show.Person(2);
  CPlace* toA = nullptr;
};

TEST_F(FollowStepSizeTest, MeasuresTheWholePathFromTheFirstStepOn) {
  // 1440 units = 720 inches over 8 steps = 90 inches, also on the approach's first step,
  // where the person still stands on the old spot.
  EXPECT_DOUBLE_EQ(a->GetStepSize(9), 90.0);
  EXPECT_DOUBLE_EQ(a->GetStepSize(16), 90.0);
  EXPECT_DOUBLE_EQ(toA->m_dPathLength, 1440.0);
  EXPECT_EQ(a->m_ptPosition, (CPoint{2160, 2340}));  // left on the new spot
}

TEST_F(FollowStepSizeTest, NoStepUnderWayFallsBackToTheStraightDistance) {
  toA->m_nWaitBefore = 7;  // total = max(1, 8 - 7) = 1: the path is never walked
  // sqrt(720^2 + 720^2) x 0.5 / 8 = 45 sqrt(2) = 63.63961030678928.
  EXPECT_NEAR(a->GetStepSize(12), 63.63961030678928, 1e-9);
}

TEST(FollowStepSize, NothingAtStepOne) {
  testing::ShowBuilder show;
  CPerson* person = show.Person(1);
  show.Spot(person, show.Formation(0, SHAPE_LINE, CRect{1440, 1620, 2160, 1620}));
  show.Spot(person, show.Formation(8, SHAPE_LINE, CRect{1440, 2340, 2160, 2340}), MARCH_FOLLOW);
  EXPECT_EQ(person->GetStepSize(1), 0.0);
  // A single follower walks straight: 720 units = 360 inches over 8 steps.
  EXPECT_DOUBLE_EQ(person->GetStepSize(2), 45.0);
}

}  // namespace
}  // namespace px
