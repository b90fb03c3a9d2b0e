// pyxaro-cli positions on a show written by the test.
#include <gtest/gtest.h>

#include <filesystem>

#include "core/doc/show_file.h"
#include "core/support/shows.h"
#include "core/support/files.h"

namespace px {
namespace {

// Person 1 floats from (1000,1000) at step 0 to (1400,1000) at step 4; person 2 only
// stands at (3000,3000) at step 4.
std::string WriteShow() {
  const std::string path = (std::filesystem::temp_directory_path() / "positions_cli_test.sho").string();
  test::ShowBuilder show;
  CPerson* one = show.Person(1);
  CPerson* two = show.Person(2);
  show.Put(one, show.Formation(0, SHAPE_LINE, CRect{1000, 1000, 2000, 1000}), {1000, 1000});
  show.Put(one, show.Formation(4, SHAPE_LINE, CRect{1400, 1000, 2400, 1000}), {1400, 1000});
  show.Put(two, show.Formation(4, SHAPE_LINE, CRect{3000, 3000, 4000, 3000}), {3000, 3000});
  show.doc.SetCurrentStep(0);
  EXPECT_TRUE(WriteShowFile(path, show.doc).ok);
  return path;
}

TEST(PositionsCli, JsonAndCsvInAscendingSteps) {
  const std::string path = WriteShow();
  const auto json = test::RunPyxaroCli("positions " + path);
  EXPECT_EQ(json.status, 0);
  // 400 in 4 steps: 100 a step.
  EXPECT_EQ(json.out,
            "{\"from\":0,\"to\":4,\"people\":["
            "{\"id\":1,\"positions\":[[1000,1000],[1100,1000],[1200,1000],[1300,1000],[1400,1000]]},"
            "{\"id\":2,\"positions\":[[-999,-999],[-999,-999],[-999,-999],[-999,-999],[3000,3000]]}]}\n");

  const auto csv = test::RunPyxaroCli("positions " + path + " --from 3 --to 4 --csv");
  EXPECT_EQ(csv.status, 0);
  EXPECT_EQ(csv.out, "3,1,1300,1000\n3,2,-999,-999\n4,1,1400,1000\n4,2,3000,3000\n");

  EXPECT_EQ(test::RunPyxaroCli("positions " + path + " --from 3 --to 2").status, 2);
  EXPECT_EQ(test::RunPyxaroCli("positions " + path + ".missing").status, 1);
  std::filesystem::remove(path);
}

}  // namespace
}  // namespace px
