#include <gtest/gtest.h>

#include "core/doc/pxdoc.h"
#include "core/people/person.h"
#include "core/commands/step_commands.h"
#include "core/support/scripted_ui.h"

namespace px {
namespace {

class StepCommandsTest : public ::testing::Test {
 protected:
  CPerson* AddPerson(const char* name) {
    CPerson* person = doc.AddPerson(std::make_unique<CPerson>());
    person->m_strName = name;
    person->m_nNumber = static_cast<int>(doc.m_people.size());
    return person;
  }

  CPxDoc doc;
  test::ScriptedUi ui;
};

TEST_F(StepCommandsTest, StepModeOpensWithDefaultsOrTheLastSelectedInstruction) {
  doc.m_nCurrentStep = 12;
  doc.m_dStepSize = 45.0;
  CPerson* a = AddPerson("A");
  CPerson* b = AddPerson("B");
  CPerson* c = AddPerson("C");
  StepInstructionDialog dialog = BeginStepMode(doc, {a}, ui);
  EXPECT_EQ(ui.m_animationStops, 1);
  EXPECT_EQ(dialog.m_nOnCount, 12);
  EXPECT_EQ(dialog.m_nNumberOfSteps, 8);
  EXPECT_EQ(dialog.m_strStepSize, "22.50");

  b->GetOrAddStepInst(12)->m_nSteps = 4;
  CStepInst* fromC = c->GetOrAddStepInst(12);
  fromC->m_nSteps = 6;
  fromC->m_bTowardLeft = 1;
  fromC->m_dStepSize = 35.0;
  c->GetOrAddStepInst(13)->m_nSteps = 9;  // not at the current step
  dialog = BeginStepMode(doc, {a, c, b}, ui);
  EXPECT_EQ(dialog.m_nNumberOfSteps, 4);  // b was selected last
  dialog = BeginStepMode(doc, {b, c, a}, ui);
  EXPECT_EQ(dialog.m_nNumberOfSteps, 6);
  EXPECT_EQ(dialog.m_bTowardLeft, 1);
  EXPECT_EQ(dialog.m_strStepSize, "17.50");  // 35 x 0.5
}

TEST_F(StepCommandsTest, StepModeOkWritesClipsAndLengthensTheShow) {
  CPerson* a = AddPerson("A");
  CPerson* b = AddPerson("B");
  a->GetOrAddStepInst(14)->m_nSteps = 8;
  doc.m_nLastStep = 16;
  doc.SetModifiedFlag(false);
  StepInstructionDialog dialog;
  dialog.m_nOnCount = 10;
  dialog.m_nNumberOfSteps = 8;
  dialog.m_bTowardStands = 1;
  dialog.m_strStepSize = "22.5";
  int snapshots = 0;
  FinishStepMode(doc, {a, b}, dialog, ui, [&] {
    EXPECT_EQ(b->m_stepInsts.size(), 0u);  // the snapshot comes before any change
    ++snapshots;
  });
  EXPECT_EQ(snapshots, 1);
  ASSERT_EQ(a->m_stepInsts.size(), 2u);
  EXPECT_EQ(a->m_stepInsts[0]->m_nSteps, 4);  // clipped at a's instruction on 14
  EXPECT_EQ(a->m_stepInsts[0]->m_dStepSize, 45.0);
  EXPECT_EQ(a->m_stepInsts[0]->m_bTowardStands, 1);
  ASSERT_EQ(b->m_stepInsts.size(), 1u);
  EXPECT_EQ(b->m_stepInsts[0]->m_nSteps, 8);
  EXPECT_EQ(doc.m_nLastStep, 18);  // 10 + 8 > 16
  EXPECT_EQ(ui.m_timeLineRedraws, 1);
  EXPECT_EQ(ui.m_viewUpdates, 1);
  EXPECT_TRUE(doc.IsModified());

  // Editing the existing instruction in place still marks the show; a run that ends
  // within the show leaves its length alone.
  doc.SetModifiedFlag(false);
  dialog.m_nNumberOfSteps = 2;
  dialog.m_strStepSize = "not a size";
  FinishStepMode(doc, {b}, dialog, ui, {});
  EXPECT_EQ(b->m_stepInsts.size(), 1u);
  EXPECT_EQ(b->m_stepInsts[0]->m_dStepSize, 0.0);
  EXPECT_EQ(doc.m_nLastStep, 18);
  EXPECT_TRUE(doc.IsModified());
}

TEST_F(StepCommandsTest, ShowStepsOfExactlyOnePerson) {
  CPerson* a = AddPerson("Anna");
  a->m_nNumber = 7;
  a->GetOrAddStepInst(4)->m_nSteps = 8;
  ShowSteps(doc, {}, ui);
  ShowSteps(doc, {a, AddPerson("B")}, ui);
  EXPECT_EQ(ui.m_animationStops, 0);
  // The current step size in front, the person in the title.
  ShowSteps(doc, {a}, ui);
  EXPECT_EQ(ui.m_animationStops, 1);
  using Shown = std::vector<std::pair<std::string, std::string>>;
  const std::pair<std::string, std::string> refusal{"To use this command, first select one person.",
                                                    "Show Step Instructions"};
  EXPECT_EQ(ui.Shown(), (Shown{refusal, refusal,
                               {"Current step size: 0.00\r\n\r\n" + a->GetStepReport(), "Step Instructions for Anna (7)"}}));
  EXPECT_EQ(ui.m_messages.back().kind, "text");
}

}  // namespace
}  // namespace px
