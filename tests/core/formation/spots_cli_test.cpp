// `pyxaro-cli spots`: the outline and slot spots of a show's formations as JSON.
#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include "core/doc/show_file.h"
#include "core/support/files.h"
#include "core/support/shows.h"

namespace px {
namespace {

using nlohmann::json;

TEST(SpotsCommand, PrintsOutlineAndSpotsPerFormation) {
  test::TempDir dir("spots");
  const std::string path = dir / "show.sho";
  {
    CPxDoc doc;
    CFormation* line = test::AddRectShape(doc, SHAPE_LINE, CRect{0, 100, 900, 100});
    line->m_dSkew = 0.1;  // the formation's own skew applies: y += x * 0.1
    test::PutPeopleOn(doc, line, 3);
    doc.SetCurrentStep(8);
    test::AddRectShape(doc, SHAPE_RECTANGLE, CRect{0, 0, 400, 200});
    ASSERT_TRUE(WriteShowFile(path, doc).ok);
  }
  test::CliOutput run = test::RunPyxaroCli("spots " + path);
  EXPECT_EQ(run.status, 0);
  const json all = json::parse(run.out);
  ASSERT_EQ(all.size(), 2u);
  const json& line = all[0];
  EXPECT_EQ(line["number"], 1);
  EXPECT_EQ(line["step"], 0);
  EXPECT_EQ(line["kind"], "Line");
  EXPECT_DOUBLE_EQ(line["length"].get<double>(), 900.0);
  EXPECT_EQ(line["outline"], json::parse("[[0, 100], [900, 100]]"));  // before the skew
  ASSERT_EQ(line["slots"].size(), 3u);
  EXPECT_EQ(line["slots"][0]["person"], 1);
  EXPECT_EQ(line["slots"][1]["spot"], json::parse("[450, 145]"));  // 100 + 450 * 0.1
  EXPECT_EQ(line["slots"][2]["spot"], json::parse("[900, 190]"));
  EXPECT_EQ(all[1]["slots"].size(), 0u);

  run = test::RunPyxaroCli("spots " + path + " --step 8");
  const json at8 = json::parse(run.out);
  ASSERT_EQ(at8.size(), 1u);
  EXPECT_EQ(at8[0]["kind"], "Rectangle");
  EXPECT_NE(test::RunPyxaroCli("spots " + path + " --step x").status, 0);

  // Every formation of the demo, of every kind, is listed.
  const std::string demo = PYXARO_SOURCE_DIR "/examples/demo.sho";
  run = test::RunPyxaroCli("spots " + demo);
  EXPECT_EQ(run.status, 0);
  CPxDoc doc;
  ASSERT_TRUE(ReadShowFile(demo, doc).ok);
  EXPECT_EQ(json::parse(run.out).size(), doc.m_formations.size());
}

}  // namespace
}  // namespace px
