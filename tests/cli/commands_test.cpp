// The show commands of pyxaro-cli on shows written by the test: what each prints, and the
// exit status of a bad argument (2) and of a show that cannot be read (1).
#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include "core/doc/show_file.h"
#include "core/support/files.h"
#include "core/support/shows.h"

namespace px::test {
namespace {

using nlohmann::json;

struct CliCommands : ::testing::Test {
  std::string Write(const std::string& name, CPxDoc& doc) {
    EXPECT_TRUE(WriteShowFile(dir / name, doc).ok);
    return dir / name;
  }
  static std::string Out(const std::string& args) { return RunPyxaroCli(args).out; }
  static int Status(const std::string& args) { return RunPyxaroCli(args).status; }
  TempDir dir{"cli_commands"};
};

// The texts as the show words them, with the line feeds of the platform.
TEST_F(CliCommands, DescribeAndReportPrintTheTextsWithLineFeeds) {
  EXPECT_EQ(Out("describe 2000 3000"),
            "This position is 80 inches to the right of the 20 yard line to the right of the 50 yard line"
            "\n\n60 inches toward the home side from the home hash line.\n");
  EXPECT_EQ(Status("describe 2000 three"), 2);

  CPxDoc doc;
  doc.m_nLastStep = 8;
  CPerson* person = doc.AddPerson(std::make_unique<CPerson>());
  person->m_nNumber = 3;
  CStepInst* inst = person->GetOrAddStepInst(2);
  inst->m_nSteps = 4;
  inst->m_bAwayFromStands = 1;
  inst->m_dStepSize = 45.0;
  const std::string show = Write("report.sho", doc);
  EXPECT_EQ(Out("report " + show + " --person 3"),
            "Current step size: 0.00\n\n"
            "On count 2, for 4 steps, march away from stands.\n\nUse a 22.50 inch step size.\n\n"
            "-----------------------------\n\n");
  EXPECT_EQ(Status("report " + show + " --person 4"), 1);
}

TEST_F(CliCommands, PlayPrintsTheStepAfterEachTick) {
  AnimationFixture stop, loop;
  stop.Pictures({0, 8});
  loop.Pictures({0, 20});
  loop.doc.m_bLoopAtEnd = 1;
  for (AnimationFixture* f : {&stop, &loop}) {
    f->doc.m_bStopAtEnd = 1;
    f->Song(0, 8, "absent.mid");  // the command line plays no music: the song is ignored
  }
  const std::string show = Write("stop.sho", stop.doc);
  // Without a count it plays until the show stops: 9 is past the last picture at 8.
  EXPECT_EQ(Out("play " + show + " --from 6"), "7\n8\n9\n9\n");
  EXPECT_EQ(Out("play " + Write("loop.sho", loop.doc) + " --from 28 --ticks 4"), "29\n30\n0\n1\n");
  for (const char* bad : {" --ticks -1", " --from x", " --speed 3"}) EXPECT_EQ(Status("play " + show + bad), 2) << bad;
  EXPECT_EQ(Status("play " + (dir / "missing.sho")), 1);
}

// Pictures carry the screen's text band: the song playing at the step follows the comment.
TEST_F(CliCommands, RenderedTextBandNamesTheSongOfTheStep) {
  AnimationFixture f;
  f.Pictures({0, 8});
  f.Song(4, 4, "march one.mid");
  f.doc.m_comments = {"4 Brass box"};
  const std::string show = Write("song.sho", f.doc);
  const struct {
    int step;
    bool syncToMidi;
    bool song;
  } cases[] = {{4, true, true}, {2, true, false}, {4, false, false}};
  for (const auto& c : cases) {
    f.doc.m_bSyncToMidi = c.syncToMidi;
    Write("song.sho", f.doc);
    const std::string svg = dir / "step.svg";
    ASSERT_EQ(Status("render " + show + " --step " + std::to_string(c.step) + " -o " + svg), 0);
    const auto bytes = ReadAll(svg);
    const std::string text(bytes.begin(), bytes.end());
    EXPECT_NE(text.find("Step " + std::to_string(c.step) + ":"), std::string::npos);
    EXPECT_EQ(text.find("Song: march one.mid") != std::string::npos, c.song) << c.step << " " << c.syncToMidi;
  }
}

TEST_F(CliCommands, PositionsAsJsonAndCsvInAscendingSteps) {
  // Person 1 floats from (1000,1000) at step 0 to (1400,1000) at step 4; person 2 only
  // stands at (3000,3000) at step 4.
  ShowBuilder show;
  CPerson* one = show.Person(1);
  CPerson* two = show.Person(2);
  show.Put(one, show.Formation(0), {1000, 1000});
  show.Put(one, show.Formation(4), {1400, 1000});
  show.Put(two, show.Formation(4), {3000, 3000});
  show.doc.SetCurrentStep(0);
  const std::string path = Write("positions.sho", show.doc);
  EXPECT_EQ(Out("positions " + path),
            "{\"from\":0,\"to\":4,\"people\":["
            "{\"id\":1,\"positions\":[[1000,1000],[1100,1000],[1200,1000],[1300,1000],[1400,1000]]},"
            "{\"id\":2,\"positions\":[[-999,-999],[-999,-999],[-999,-999],[-999,-999],[3000,3000]]}]}\n");
  EXPECT_EQ(Out("positions " + path + " --from 3 --to 4 --csv"), "3,1,1300,1000\n3,2,-999,-999\n4,1,1400,1000\n4,2,3000,3000\n");
  EXPECT_EQ(Status("positions " + path + " --from 3 --to 2"), 2);
  EXPECT_EQ(Status("positions " + path + ".missing"), 1);
}

TEST_F(CliCommands, SpotsPrintOutlineAndSpotsPerFormation) {
  CPxDoc doc;
  CFormation* line = AddRectShape(doc, SHAPE_LINE, CRect{0, 100, 900, 100});
  line->m_dSkew = 0.1;  // the formation's own skew applies: y += x * 0.1
  PutPeopleOn(doc, line, 3);
  doc.SetCurrentStep(8);
  AddRectShape(doc, SHAPE_RECTANGLE, CRect{0, 0, 400, 200});
  const std::string path = Write("spots.sho", doc);
  const json all = json::parse(Out("spots " + path));
  ASSERT_EQ(all.size(), 2u);
  EXPECT_EQ(all[0]["number"], 1);
  EXPECT_EQ(all[0]["step"], 0);
  EXPECT_EQ(all[0]["kind"], "Line");
  EXPECT_DOUBLE_EQ(all[0]["length"].get<double>(), 900.0);
  EXPECT_EQ(all[0]["outline"], json::parse("[[0, 100], [900, 100]]"));  // before the skew
  ASSERT_EQ(all[0]["slots"].size(), 3u);
  EXPECT_EQ(all[0]["slots"][0]["person"], 1);
  EXPECT_EQ(all[0]["slots"][1]["spot"], json::parse("[450, 145]"));  // 100 + 450 * 0.1
  EXPECT_EQ(all[1]["slots"].size(), 0u);
  const json at8 = json::parse(Out("spots " + path + " --step 8"));
  ASSERT_EQ(at8.size(), 1u);
  EXPECT_EQ(at8[0]["kind"], "Rectangle");
  EXPECT_EQ(Status("spots " + path + " --step x"), 2);
  // Every formation of the demo, of every kind, is listed.
  CPxDoc demo;
  ASSERT_TRUE(ReadShowFile(PYXARO_SOURCE_DIR "/examples/demo.sho", demo).ok);
  EXPECT_EQ(json::parse(Out("spots " PYXARO_SOURCE_DIR "/examples/demo.sho")).size(), demo.m_formations.size());
}

}  // namespace
}  // namespace px::test
