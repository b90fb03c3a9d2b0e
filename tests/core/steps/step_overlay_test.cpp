#include <gtest/gtest.h>

#include "core/doc/pxdoc.h"
#include "core/people/person.h"

namespace px {
namespace {

// A person floating from (1000, 1000) at step 0 to (1320, 1640) at step 32, with the spots
// cached on the places by hand.
class StepOverlayTest : public ::testing::Test {
 protected:
  void SetUp() override {
    for (int step : {0, 32}) {
      doc.m_nCurrentStep = step;
      CPlace* place = person->AssignToFormation(nullptr, doc.AddFormation(std::make_unique<CDrawRect>()));
      place->m_ptSpot = step == 0 ? CPoint{1000, 1000} : CPoint{1320, 1640};
    }
  }
  CStepInst* AddInst(int count, int steps, double size) {
    CStepInst* inst = person->GetOrAddStepInst(count);
    inst->m_nSteps = steps;
    inst->m_dStepSize = size;
    return inst;
  }

  CPxDoc doc;
  CPerson* person = doc.AddPerson(std::make_unique<CPerson>());
};

TEST_F(StepOverlayTest, ClippedChainStartsFromTheMotionAtItsFirstCount) {
  AddInst(10, 8, 45.0)->m_bTowardStands = 1;
  AddInst(14, 8, 22.5)->m_bTowardLeft = 1;
  person->ClipStepInsts();
  // At count 10 the float is at (1000 + 320 x 10/32, 1000 + 640 x 10/32) = (1100, 1200);
  // then 4 steps x 45 = 180 toward stands and 6 steps x 22.5 = 135 to the left.
  EXPECT_EQ(person->GetPosition(20), (CPoint{1235, 1380}));
  EXPECT_EQ(person->GetPosition(12), (CPoint{1100, 1290}));  // 2 x 45 into the first run
  // Count 23 is past both runs: the drill again, (1000 + 230, 1000 + 460).
  EXPECT_EQ(person->GetPosition(23), (CPoint{1230, 1460}));
}

TEST_F(StepOverlayTest, RunsAfterTheLastPlaceStartFromItsSpot) {
  AddInst(32, 4, 45.0)->m_bTowardRight = 1;
  EXPECT_EQ(person->GetPosition(32), (CPoint{1320, 1640}));  // the place itself wins
  EXPECT_EQ(person->GetPosition(34), (CPoint{1230, 1640}));  // 2 x 45 to the right
  EXPECT_EQ(person->GetPosition(37), POSITION_NONE);         // the run is over
}

TEST_F(StepOverlayTest, RunsLeadingOffTheFieldGiveNoPosition) {
  AddInst(32, 8, 1000.0)->m_bTowardStands = 1;
  // 1640 + 7 x 1000 = 8640 is the field's edge; one more step is beyond it.
  EXPECT_EQ(person->GetPosition(39), (CPoint{1320, 8640}));
  EXPECT_EQ(person->GetPosition(40), POSITION_NONE);
}

}  // namespace
}  // namespace px
