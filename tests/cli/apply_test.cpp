// pyxaro-cli apply end to end: a script that runs saves the show; one that cannot run
// says where on standard error, exits 2 and writes nothing.
#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>

#include "core/doc/show_file.h"
#include "core/support/files.h"
#include "core/support/shows.h"

namespace px::test {
namespace {

TEST(CliApply, FailingScriptsWriteNothingAndExitTwo) {
  TempDir dir("cli_apply");
  ShowBuilder show;
  show.Formation(0);
  ASSERT_TRUE(WriteShowFile(dir / "in.sho", show.doc).ok);
  const std::string in = dir / "in.sho", out = dir / "out.sho";
  struct Case {
    const char* script;
    int status;
    const char* error;
  } cases[] = {
      {"[]", 0, ""},
      {"[{\"step\": 4}]", 0, ""},
      {"[{\"step\": 4}, {\"command\": \"No Such Command\"}]", 2, ": action 1: unknown command \"No Such Command\"\n"},
      {"[{\"step\": 4}", 2, ": not JSON"},
  };
  for (const Case& c : cases) {
    std::filesystem::remove(out);
    WriteAll(dir / "script.json", std::vector<char>(c.script, c.script + std::strlen(c.script)));
    const CliOutput run = RunPyxaroCli("apply " + in + " " + (dir / "script.json") + " -o " + out);
    EXPECT_EQ(run.status, c.status) << c.script << run.err;
    EXPECT_EQ(std::filesystem::exists(out), c.status == 0) << c.script;
    if (c.status == 0)
      EXPECT_EQ(run.err, "");
    else
      EXPECT_EQ(run.err.rfind(dir / "script.json" + c.error, 0), 0u) << run.err;
  }
  EXPECT_EQ(RunPyxaroCli("apply " + in + " " + (dir / "missing.json") + " -o " + out).status, 1);
  EXPECT_EQ(RunPyxaroCli("apply " + in + " " + (dir / "script.json")).status, 2);
}

}  // namespace
}  // namespace px::test
