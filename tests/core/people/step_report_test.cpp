#include <gtest/gtest.h>

#include "core/doc/pxdoc.h"
#include "core/support/shows.h"
#include "core/people/person.h"

namespace px {
namespace {

constexpr const char* kSeparator = "-----------------------------\r\n\r\n";

TEST(StepReport, InstructionsWithTheirComments) {
  CPxDoc doc;
  doc.m_nLastStep = 20;
  doc.m_comments = {"4 Horns up\r\nand out", "12 ", "30 too late"};
  CPerson* person = doc.AddPerson(std::make_unique<CPerson>());
  int lines = -1;
  EXPECT_EQ(person->GetStepReport(&lines), "");  // no places, no instructions
  EXPECT_EQ(lines, 0);
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
  EXPECT_EQ(person->GetStepReport(&lines),
            std::string("On count 4, for 8 steps, march toward stands.\r\n\r\nUse a 22.50 inch step size.\r\n\r\n"
                        "Horns up\r\nand out\r\n\r\n") +
                kSeparator + "On count 12, for 2 steps, wait.\r\n\r\nUse a 15.00 inch step size.\r\n\r\n" + kSeparator +
                "On count 25, for 1 steps, wait.\r\n\r\nUse a 0.00 inch step size.\r\n\r\n" + kSeparator);
  // 4 + (2 comment lines + 1) + 2, then 4 + 2 (the empty comment adds nothing), then 4 + 2.
  EXPECT_EQ(lines, 21);
}

// Anna (ID 1) starts beside Ben on an opener, floats with flex to a hold where she stands
// alone, has a run on count 12 and marches X-Y to the middle of a three-person close.
TEST(StepReport, SmallTimeline) {
  test::ShowBuilder show;
  CFormation* opener = show.Formation(0, SHAPE_LINE, CRect{1440, 1620, 2160, 1620});
  CFormation* hold = show.Formation(8, SHAPE_LINE, CRect{1440, 2880, 1800, 2880});
  CFormation* close = show.Formation(16, SHAPE_LINE, CRect{2160, 2880, 2880, 2880});
  opener->m_strName = "Opener";
  hold->m_strName = "Hold";
  close->m_strName = "Close";
  CPerson* anna = show.Person(1);
  CPerson* ben = show.Person(2);
  CPerson* cleo = show.Person(3);
  anna->m_strName = "Anna";
  ben->m_strName = "Ben";
  cleo->m_strName = "Cleo";
  show.Spot(anna, opener);
  show.Spot(ben, opener);
  show.Spot(anna, hold)->m_bFlex = 1;
  show.Spot(ben, close);
  show.Spot(anna, close, MARCH_XY);
  show.Spot(cleo, close);
  CStepInst* run = anna->GetOrAddStepInst(12);
  run->m_nSteps = 2;
  run->m_bTowardStands = 1;
  run->m_dStepSize = 45.0;
  show.doc.m_comments = {"8 Hold"};
  ASSERT_EQ(show.doc.m_nLastStep, 16);

  // Spots: the opener's two ends (1440, 1620) and (2160, 1620); alone on the hold, its first
  // point (1440, 2880); the middle of the close, 2160 + 720 / 2 = 2520.
  // Flex: 2880 - 1620 = 1260 units = 630 inches over 8 steps = 78.75.
  // X-Y: 2520 - 1440 = 1080 units = 540 inches over 8 steps = 67.50.
  // Along: x' = 720 is the 10 yard line, x' = 1800 the 25; across: y' = 1260 is the visitor
  // hash, y' = 2520 the home hash.
  const std::string expected =
      "Start at position 0 on \r\n\r\nformation 1 (Opener - Line) on step 0.\r\n\r\n"
      "This position is on the 10 yard line to the right of the 50 yard line\r\n\r\non the visitor hash line.\r\n\r\n"
      "You are the first person on the formation.\r\n\r\n"
      "Ben, ID 2 is after you.\r\n\r\n"
      "-----------------------------\r\n\r\n"
      "Float to position 0 on \r\n\r\nformation 2 (Hold - Line) on step 8.\r\n\r\n"
      "This position is on the 10 yard line to the right of the 50 yard line\r\n\r\non the home hash line.\r\n\r\n"
      "The step size for the 8 step(s) is at least 78.75 inches.\r\n"
      "You may march a curved path to maintain interval spacing.\r\n\r\n"
      "Hold\r\n\r\n"
      "You are the only person on the formation.\r\n\r\n"
      "-----------------------------\r\n\r\n"
      "On count 12, for 2 steps, march toward stands.\r\n\r\nUse a 22.50 inch step size.\r\n\r\n"
      "-----------------------------\r\n\r\n"
      "X-Y march to position 1 on \r\n\r\nformation 3 (Close - Line) on step 16.\r\n\r\n"
      "This position is on the 25 yard line to the right of the 50 yard line\r\n\r\non the home hash line.\r\n\r\n"
      "The step size for the 8 step(s) is 67.50 inches.\r\n\r\n"
      "You are after Ben, ID 2.\r\n\r\n"
      "Cleo, ID 3 is after you.\r\n\r\n"
      "-----------------------------\r\n\r\n";
  int lines = 0;
  EXPECT_EQ(anna->GetStepReport(&lines), expected);
  // Step 0: 4 + 6 + 2 + 2 + 2; step 8: 4 + 6 + 2 + (1 + 1) + 2 + 2; step 12: 4 + 2;
  // step 16: 4 + 6 + 2 + 2 + 2 + 2.
  EXPECT_EQ(lines, 16 + 18 + 6 + 18);
  // Ben is last on the opener, and his approach spans his two places: (2160, 1620) to the
  // close's first point (2160, 2880), 1260 units = 630 inches over 16 steps = 39.375, which
  // "%0.2lf" prints as 39.38.
  const std::string benReport = ben->GetStepReport();
  EXPECT_NE(benReport.find("You are the end person on the formation.\r\n\r\n"), std::string::npos);
  EXPECT_NE(benReport.find("The step size for the 16 step(s) is 39.38 inches.\r\n\r\n"), std::string::npos);
}

}  // namespace
}  // namespace px
