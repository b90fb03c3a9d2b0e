#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "core/doc/pxdoc.h"
#include "core/doc/show_file.h"
#include "core/support/files.h"

namespace px {
namespace {

using CliRun = test::CliOutput;
const auto RunCli = test::RunPyxaroCli;

TEST(StepsCli, DescribePrintsTheTextAsItIs) {
  const CliRun run = RunCli("describe 2000 3000");
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.out,
            "This position is 80 inches to the right of the 20 yard line to the right of the 50 yard line"
            "\r\n\r\n60 inches toward the home side from the home hash line.\n");
  EXPECT_EQ(RunCli("describe 2000 three").status, 2);
}

TEST(StepsCli, ReportOfOnePerson) {
  const std::string path = (std::filesystem::temp_directory_path() / "steps_cli_report.sho").string();
  {
    CPxDoc doc;
    doc.m_nLastStep = 8;
    CPerson* person = doc.AddPerson(std::make_unique<CPerson>());
    person->m_nNumber = 3;
    CStepInst* inst = person->GetOrAddStepInst(2);
    inst->m_nSteps = 4;
    inst->m_bAwayFromStands = 1;
    inst->m_dStepSize = 45.0;
    ASSERT_TRUE(WriteShowFile(path, doc).ok);
  }
  const CliRun report = RunCli("report " + path + " --person 3");
  EXPECT_EQ(report.status, 0);
  EXPECT_EQ(report.out,
            "Current step size: 0.00\r\n\r\n"
            "On count 2, for 4 steps, march away from stands.\r\n\r\nUse a 22.50 inch step size.\r\n\r\n"
            "-----------------------------\r\n\r\n");
  EXPECT_EQ(RunCli("report " + path + " --person 4").status, 1);
  std::filesystem::remove(path);
}

}  // namespace
}  // namespace px
