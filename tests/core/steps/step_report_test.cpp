#include <gtest/gtest.h>

#include "core/doc/pxdoc.h"
#include "core/people/person.h"
#include "core/people/step_commands.h"
#include "core/support/scripted_ui.h"

namespace px {
namespace {

constexpr const char* kSeparator = "-----------------------------\r\n\r\n";

TEST(StepReport, EmptyWithoutPlacesOrInstructions) {
  CPxDoc doc;
  doc.m_nLastStep = 40;
  CPerson* person = doc.AddPerson(std::make_unique<CPerson>());
  int lines = -1;
  EXPECT_EQ(person->GetStepReport(&lines), "");
  EXPECT_EQ(lines, 0);
}

TEST(StepReport, InstructionsWithTheirComments) {
  CPxDoc doc;
  doc.m_nLastStep = 20;
  doc.m_comments = {"4 Horns up\r\nand out", "12 ", "30 too late"};
  CPerson* person = doc.AddPerson(std::make_unique<CPerson>());
  CStepInst* first = person->GetOrAddStepInst(4);
  first->m_nSteps = 8;
  first->m_bTowardStands = 1;
  first->m_dStepSize = 45.0;
  CStepInst* second = person->GetOrAddStepInst(12);
  second->m_nSteps = 2;
  second->m_dStepSize = 30.0;
  // Beyond the show's last step (which loading recomputes from formations and songs only):
  // still on the sheet.
  person->GetOrAddStepInst(25)->m_nSteps = 1;
  int lines = 0;
  EXPECT_EQ(person->GetStepReport(&lines),
            std::string("On count 4, for 8 steps, march toward stands.\r\n\r\nUse a 22.50 inch step size.\r\n\r\n"
                        "Horns up\r\nand out\r\n\r\n") +
                kSeparator + "On count 12, for 2 steps, wait.\r\n\r\nUse a 15.00 inch step size.\r\n\r\n" + kSeparator +
                "On count 25, for 1 steps, wait.\r\n\r\nUse a 0.00 inch step size.\r\n\r\n" + kSeparator);
  // 4 + (2 comment lines + 1) + 2, then 4 + 2 (the empty comment adds nothing), then 4 + 2.
  EXPECT_EQ(lines, 21);

  // Show Steps puts the current step size in front and titles the window with the person.
  person->m_strName = "Anna";
  person->m_nNumber = 7;
  test::ScriptedUi ui;
  ShowSteps(doc, {person}, ui);
  ASSERT_EQ(ui.m_messages.size(), 1u);
  EXPECT_EQ(ui.m_messages[0].kind, "text");
  EXPECT_EQ(ui.m_messages[0].caption, "Step Instructions for Anna (7)");
  EXPECT_EQ(ui.m_messages[0].text, "Current step size: 0.00\r\n\r\n" + person->GetStepReport());
  EXPECT_EQ(ui.m_animationStops, 1);
  EXPECT_EQ(ui.m_viewUpdates, 1);
}

}  // namespace
}  // namespace px
