// Step instructions: clipping, chains of runs, their directions and texts, and the runs laid
// over the drill.
#include <gtest/gtest.h>

#include "core/support/shows.h"

namespace px {
namespace {

CStepInst* AddInst(CPerson& person, int count, int steps, double size) {
  CStepInst* inst = person.GetOrAddStepInst(count);
  inst->m_nSteps = steps;
  inst->m_dStepSize = size;
  return inst;
}

TEST(StepInsts, CoveringAndChainLimits) {
  CPerson person;
  CStepInst* a = AddInst(person, 10, 3, 45.0);
  CStepInst* b = AddInst(person, 14, 2, 45.0);
  CStepInst* c = AddInst(person, 20, 4, 45.0);
  EXPECT_EQ(person.FindStepInstCovering(9).inst, nullptr);
  EXPECT_EQ(person.FindStepInstCovering(10).inst, a);  // starts there
  EXPECT_EQ(person.FindStepInstCovering(13).inst, a);  // 10 < 13 <= 13
  // One free count between runs still chains (10 + 3 >= 14 - 1).
  EXPECT_EQ(person.FindStepInstCovering(15).first, a);
  // 14 + 2 = 16 < 20 - 1: a new chain starts at c.
  EXPECT_EQ(person.FindStepInstCovering(17).inst, nullptr);
  EXPECT_EQ(person.FindStepInstCovering(24).first, c);
  EXPECT_EQ(person.FindStepInstCovering(25).inst, nullptr);
  EXPECT_EQ(person.FindStepInst(14), b);
  EXPECT_EQ(person.FindStepInst(15), nullptr);
}

TEST(StepInsts, DirectionsAddUpAndNoDirectionWaits) {
  CPerson person;
  CStepInst* inst = AddInst(person, 5, 4, 45.0);
  EXPECT_EQ(person.ApplyStepInsts(inst, CPoint{500, 500}, 9), (CPoint{500, 500}));
  EXPECT_EQ(inst->DescribeStepInst(false), "On count 5, for 4 steps, wait.  Use a 22.50 inch step size.");
  // Away from stands and right together: d = 4 * 45 = 180 off both coordinates.
  inst->m_bAwayFromStands = 1;
  inst->m_bTowardRight = 1;
  EXPECT_EQ(person.ApplyStepInsts(inst, CPoint{500, 500}, 9), (CPoint{320, 320}));
  EXPECT_EQ(inst->DescribeStepInst(true),
            "On count 5, for 4 steps, march away from stands.\r\n\r\nUse a 22.50 inch step size.");
  inst->m_bAwayFromStands = 0;
  EXPECT_EQ(inst->DescribeStepInst(false), "On count 5, for 4 steps, march toward right of stands.  Use a 22.50 inch step size.");
  inst->m_bTowardLeft = 1;
  inst->m_bTowardStands = 1;
  inst->m_dStepSize = 37.0;
  EXPECT_EQ(inst->DescribeStepInst(false), "On count 5, for 4 steps, march toward stands.  Use a 18.50 inch step size.");
}

// A person floating from (1000, 1000) at step 0 to (1320, 1640) at step 32.
struct Overlay {
  test::ShowBuilder show;
  CPerson* person = show.Person(1);
  Overlay() {
    show.Put(person, show.Formation(0), {1000, 1000});
    show.Put(person, show.Formation(32), {1320, 1640});
  }
};

TEST(StepOverlay, ClippedInstructionsAtCountsTenAndFourteenChainFromTheDrill) {
  Overlay o;
  CStepInst* first = AddInst(*o.person, 10, 8, 45.0);
  first->m_bTowardStands = 1;
  CStepInst* second = AddInst(*o.person, 14, 8, 22.6);
  second->m_bTowardLeft = 1;
  o.person->ClipStepInsts();
  EXPECT_EQ(first->m_nSteps, 4);  // min(8, 14 - 10)
  EXPECT_EQ(second->m_nSteps, 8);
  EXPECT_EQ(o.person->FindStepInstCovering(20).first, first);  // 10 + 4 >= 14 - 1
  // At count 10 the float is at (1000 + 320 x 10/32, 1000 + 640 x 10/32) = (1100, 1200);
  // then 4 steps x 45 = 180 toward stands and 6 steps x 22.6 = 135.6, truncated, to the left.
  EXPECT_EQ(o.person->GetPosition(20), (CPoint{1235, 1380}));
  EXPECT_EQ(o.person->GetPosition(12), (CPoint{1100, 1290}));  // 2 x 45 into the first run
  // Count 23 is past both runs: the drill again, (1000 + 230, 1000 + 460).
  EXPECT_EQ(o.person->GetPosition(23), (CPoint{1230, 1460}));
}

TEST(StepOverlay, RunsAfterTheLastPlaceStartFromItsSpotAndEndAtTheField) {
  Overlay o;
  AddInst(*o.person, 32, 4, 45.0)->m_bTowardRight = 1;
  EXPECT_EQ(o.person->GetPosition(32), (CPoint{1320, 1640}));  // the place itself wins
  EXPECT_EQ(o.person->GetPosition(34), (CPoint{1230, 1640}));  // 2 x 45 to the right
  EXPECT_EQ(o.person->GetPosition(37), POSITION_NONE);         // the run is over

  Overlay off;
  AddInst(*off.person, 32, 8, 1000.0)->m_bTowardStands = 1;
  // 1640 + 7 x 1000 = 8640 is the field's edge; one more step is beyond it.
  EXPECT_EQ(off.person->GetPosition(39), (CPoint{1320, 8640}));
  EXPECT_EQ(off.person->GetPosition(40), POSITION_NONE);
  EXPECT_EQ(off.person->ApplyStepInsts(off.person->m_stepInsts[0].get(), POSITION_NONE, 34), POSITION_NONE);
}

}  // namespace
}  // namespace px
