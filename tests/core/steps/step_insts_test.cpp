#include <gtest/gtest.h>

#include "core/doc/pxdoc.h"
#include "core/people/person.h"

namespace px {
namespace {

CStepInst* AddInst(CPerson& person, int count, int steps, double size) {
  CStepInst* inst = person.GetOrAddStepInst(count);
  inst->m_nSteps = steps;
  inst->m_dStepSize = size;
  return inst;
}

TEST(StepInsts, OverlappingRunsAreClippedAndChained) {
  CPerson person;
  CStepInst* first = AddInst(person, 10, 8, 22.6);
  first->m_bTowardStands = 1;
  CStepInst* second = AddInst(person, 14, 8, 22.5);
  second->m_bTowardLeft = 1;
  person.ClipStepInsts();
  EXPECT_EQ(first->m_nSteps, 4);  // min(8, 14 - 10)
  EXPECT_EQ(second->m_nSteps, 8);

  const auto chain = person.FindStepInstCovering(20);
  EXPECT_EQ(chain.inst, second);
  EXPECT_EQ(chain.first, first);  // 10 + 4 >= 14 - 1
  // 4 steps of the first: trunc(4 * 22.6) = 90 toward stands; 6 of the second
  // (20 - 14): trunc(6 * 22.5) = 135 toward the left.
  EXPECT_EQ(person.ApplyStepInsts(chain.first, CPoint{1000, 1000}, 20), (CPoint{1135, 1090}));
  // At the chain's first count nothing has been marched yet; past the end, whole runs.
  EXPECT_EQ(person.ApplyStepInsts(first, CPoint{1000, 1000}, 10), (CPoint{1000, 1000}));
  // 8 steps of the second: 180.
  EXPECT_EQ(person.ApplyStepInsts(first, CPoint{1000, 1000}, 30), (CPoint{1180, 1090}));
  // No position stays no position.
  EXPECT_EQ(person.ApplyStepInsts(first, POSITION_NONE, 20), POSITION_NONE);
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
  EXPECT_EQ(person.FindStepInstCovering(15).inst, b);
  EXPECT_EQ(person.FindStepInstCovering(15).first, a);
  // 14 + 2 = 16 < 20 - 1: a new chain starts at c.
  EXPECT_EQ(person.FindStepInstCovering(17).inst, nullptr);
  EXPECT_EQ(person.FindStepInstCovering(24).inst, c);
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
  EXPECT_EQ(inst->DescribeStepInst(false), "On count 5, for 4 steps, march toward left of stands.  Use a 22.50 inch step size.");
  inst->m_bTowardStands = 1;
  inst->m_dStepSize = 37.0;
  EXPECT_EQ(inst->DescribeStepInst(false), "On count 5, for 4 steps, march toward stands.  Use a 18.50 inch step size.");
}

TEST(StepInsts, GetOrAddKeepsCountOrderAndMarksTheShow) {
  CPxDoc doc;
  CPerson* person = doc.AddPerson(std::make_unique<CPerson>());
  doc.SetModifiedFlag(false);
  CStepInst* twenty = person->GetOrAddStepInst(20);
  EXPECT_TRUE(doc.IsModified());
  doc.SetModifiedFlag(false);
  person->GetOrAddStepInst(10);
  EXPECT_TRUE(doc.IsModified());  // inserted before 20
  person->GetOrAddStepInst(15);
  ASSERT_EQ(person->m_stepInsts.size(), 3u);
  EXPECT_EQ(person->m_stepInsts[0]->m_nCount, 10);
  EXPECT_EQ(person->m_stepInsts[1]->m_nCount, 15);
  EXPECT_EQ(person->m_stepInsts[2].get(), twenty);
  EXPECT_EQ(person->m_stepInsts[1]->m_nSteps, 0);
  EXPECT_EQ(person->m_stepInsts[1]->m_dStepSize, 0.0);
  doc.SetModifiedFlag(false);
  EXPECT_EQ(person->GetOrAddStepInst(20), twenty);
  EXPECT_FALSE(doc.IsModified());
  EXPECT_EQ(person->m_stepInsts.size(), 3u);
}

}  // namespace
}  // namespace px
