// `pyxaro-cli spots`: the outline and slot spots of a show's formations as JSON.
#include <gtest/gtest.h>

#include "core/support/cli_runner.h"

#include <cstdio>
#include <filesystem>
#include <string>

#include <unistd.h>

#include <nlohmann/json.hpp>

#include "core/doc/show_file.h"
#include "formation_fixtures.h"

namespace px {
namespace {

// Runs the command line and returns what it printed; `status` gets the exit status.
std::string RunCli(const std::string& arguments, int& status) {
  const testing::CliOutput run = testing::RunPyxaroCli(arguments);
  status = run.status;
  return run.out;
}

TEST(SpotsCommand, PrintsOutlineAndSpotsPerFormation) {
  const std::filesystem::path path = std::filesystem::temp_directory_path() / ("pyxaro_spots_test_" + std::to_string(getpid()) + ".sho");
  {
    CPxDoc doc;
    CFormation* line = test::AddRectShape(doc, SHAPE_LINE, CRect{0, 100, 900, 100});
    line->m_dSkew = 0.1;  // the formation's own skew applies: y += x * 0.1
    test::PutPeopleOn(doc, line, 3);
    doc.SetCurrentStep(8);
    test::AddRectShape(doc, SHAPE_RECTANGLE, CRect{0, 0, 400, 200});
    ASSERT_TRUE(WriteShowFile(path.string(), doc).ok);
  }
  int status = -1;
  const nlohmann::json all = nlohmann::json::parse(RunCli("spots " + path.string(), status));
  EXPECT_EQ(status, 0);
  ASSERT_EQ(all.size(), 2u);
  const auto& line = all[0];
  EXPECT_EQ(line["number"], 1);
  EXPECT_EQ(line["step"], 0);
  EXPECT_EQ(line["kind"], "Line");
  EXPECT_DOUBLE_EQ(line["length"].get<double>(), 900.0);
  EXPECT_EQ(line["outline"], nlohmann::json::parse("[[0, 100], [900, 100]]"));  // before the skew
  ASSERT_EQ(line["slots"].size(), 3u);
  EXPECT_EQ(line["slots"][0]["person"], 1);
  EXPECT_EQ(line["slots"][1]["spot"], nlohmann::json::parse("[450, 145]"));  // 100 + 450 * 0.1
  EXPECT_EQ(line["slots"][2]["spot"], nlohmann::json::parse("[900, 190]"));
  EXPECT_EQ(all[1]["slots"].size(), 0u);

  const nlohmann::json at8 = nlohmann::json::parse(RunCli("spots " + path.string() + " --step 8", status));
  ASSERT_EQ(at8.size(), 1u);
  EXPECT_EQ(at8[0]["kind"], "Rectangle");

  RunCli("spots " + path.string() + " --step x", status);
  EXPECT_NE(status, 0);
  std::filesystem::remove(path);
}

TEST(SpotsCommand, SpotsEveryFormationOfTheDemoShow) {
  int status = -1;
  const nlohmann::json all =
      nlohmann::json::parse(RunCli(std::string("spots ") + PYXARO_SOURCE_DIR + "/examples/demo.sho", status));
  EXPECT_EQ(status, 0);
  CPxDoc doc;
  ASSERT_TRUE(ReadShowFile(std::string(PYXARO_SOURCE_DIR) + "/examples/demo.sho", doc).ok);
  ASSERT_EQ(all.size(), doc.m_formations.size());
  for (const auto& f : all) {
    EXPECT_FALSE(f["kind"].get<std::string>().empty());
    for (const auto& slot : f["slots"]) {
      const int x = slot["spot"][0], y = slot["spot"][1];
      EXPECT_TRUE(x >= 0 && x <= FIELD_EXTENT && y >= 0 && y <= FIELD_EXTENT) << f["number"];
    }
  }
}

}  // namespace
}  // namespace px
