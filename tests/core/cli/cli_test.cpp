// pyxaro-cli as a user runs it: exit status, messages on standard error, files it writes
// and the JSON of `dump`.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>

#include <cstdlib>
#include <nlohmann/json.hpp>
#include <set>

#include "core/doc/pxdoc.h"
#include "core/support/show_bytes.h"
#include "core/doc/show_file.h"
#include "core/support/files.h"

namespace px {
namespace {

using nlohmann::json;
using test::ReadAll;

struct CliRun {
  int status = -1;
  std::string out, err;
};

class CliTest : public ::testing::Test {
 protected:
  // Runs pyxaro-cli with the arguments (each quoted) and collects both output streams.
  CliRun Cli(const std::vector<std::string>& args) {
    std::string command = "'" PYXARO_CLI "'";
    for (const auto& a : args) command += " '" + a + "'";
    command += " >'" + (dir_ / "out.txt") + "' 2>'" + (dir_ / "err.txt") + "' </dev/null";
    CliRun r;
    const int raw = std::system(command.c_str());
    r.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    const auto out = ReadAll(dir_ / "out.txt"), err = ReadAll(dir_ / "err.txt");
    r.out.assign(out.begin(), out.end());
    r.err.assign(err.begin(), err.end());
    return r;
  }
  std::string Path(const std::string& name) const { return dir_ / name; }
  json Dump(const std::string& path) {
    const CliRun r = Cli({"dump", path});
    EXPECT_EQ(r.status, 0) << r.err;
    return json::parse(r.out);
  }

  test::TempDir dir_{std::string("cli_") + ::testing::UnitTest::GetInstance()->current_test_info()->name()};
};

const std::string kDemo = PYXARO_SOURCE_DIR "/examples/demo.sho";

// Failures of the work exit with 1 and say on standard error which path failed and why, in
// the system's words; a damaged show keeps the document message.
TEST_F(CliTest, FailuresNameThePathAndTheReason) {
  test::WriteAll(Path("junk.sho"), {'j', 'u', 'n', 'k'});
  ASSERT_EQ(::mkfifo(Path("pipe.sho").c_str(), 0644), 0);
  std::filesystem::create_directory(Path("folder.sho"));
  const struct {
    std::vector<std::string> args;
    std::string err;
  } cases[] = {
      {{"info", Path("missing.sho")}, "cannot read " + Path("missing.sho") + ": No such file or directory"},
      {{"info", Path("folder.sho")}, "cannot read " + Path("folder.sho") + ": Is a directory"},
      {{"dump", Path("pipe.sho")}, "cannot read " + Path("pipe.sho") + ": not a regular file"},
      {{"info", "/dev/zero"}, "cannot read /dev/zero: not a regular file"},
      {{"info", Path("nowhere/x.sho")},
       "cannot read " + Path("nowhere/x.sho") + ": No such file or directory (the folder " + Path("nowhere") +
           " does not exist)"},
      {{"info", Path("junk.sho")}, Path("junk.sho") + ": Unexpected file format."},
      {{"roundtrip", Path("junk.sho"), Path("out.sho")}, Path("junk.sho") + ": Unexpected file format."},
      {{"new", Path("nowhere/new.sho")},
       "cannot write " + Path("nowhere/new.sho") + ": No such file or directory (the folder " + Path("nowhere") +
           " does not exist)"},
      {{"render", kDemo, "--step", "0", "-o", Path("nowhere/a.png")},
       "cannot write " + Path("nowhere/a.png") + ": No such file or directory (the folder " + Path("nowhere") +
           " does not exist)"},
      {{"new", Path("folder.sho")}, "cannot write " + Path("folder.sho") + ": Is a directory"},
      {{"new", Path("pipe.sho")}, "cannot write " + Path("pipe.sho") + ": not a regular file"},
  };
  for (const auto& c : cases) {
    const CliRun r = Cli(c.args);
    EXPECT_EQ(r.status, 1) << c.args[1];
    EXPECT_EQ(r.err, c.err + "\n");
    EXPECT_EQ(r.out, "");
  }
  EXPECT_TRUE(std::filesystem::is_fifo(Path("pipe.sho")));
  EXPECT_FALSE(std::filesystem::exists(Path("out.sho")));
}

// Misuse exits with 2 before any work: unknown commands and options, missing values, and
// numbers outside what the show (or the field) allows, however large.
TEST_F(CliTest, MisuseAndArgumentsBeyondTheShowExitWithTwo) {
  const std::vector<std::vector<std::string>> cases = {
      {},
      {"frobnicate", Path("x.sho")},
      {"roundtrip", Path("x.sho")},
      {"info", kDemo, "--verbose"},
      {"positions", kDemo, "--to"},
      {"positions", kDemo, "--to", "33"},  // the demo's last step is 32
      {"positions", kDemo, "--to", "2147483647"},
      {"positions", kDemo, "--from", "2147483647", "--to", "2147483647"},
      {"positions", kDemo, "--from", "99999999999999999999"},
      {"positions", kDemo, "--from", "-1"},
      {"spots", kDemo, "--step", "33"},
      {"play", kDemo, "--from", "65536"},
      {"describe", "-2147483648", "-2147483648"},
      {"describe", "1000001", "0"},
      {"report", kDemo, "--person", "99999999999"},
  };
  for (const auto& args : cases) {
    const CliRun r = Cli(args);
    EXPECT_EQ(r.status, 2) << (args.empty() ? "" : args[0]) << " " << (args.size() > 2 ? args[2] : "");
    EXPECT_NE(r.err.find("usage: pyxaro-cli"), std::string::npos) << r.err;
  }
  // A step past the end says so, rather than only giving the range.
  const CliRun beyond = Cli({"render", kDemo, "--step", "99999", "-o", Path("a.png")});
  EXPECT_EQ(beyond.status, 2);
  EXPECT_NE(beyond.err.find("--step 99999 is beyond the show's last step, 32"), std::string::npos) << beyond.err;
  const CliRun last = Cli({"positions", kDemo, "--from", "32", "--csv"});
  EXPECT_EQ(last.status, 0) << last.err;
  EXPECT_EQ(last.out.substr(0, 3), "32,");
  EXPECT_EQ(Cli({"describe", "-1000000", "1000000"}).status, 0);
}

TEST_F(CliTest, EveryFileTheCliMakesSurvivesARoundtripByteForByte) {
  for (const char* command : {"new", "demo"}) {
    SCOPED_TRACE(command);
    const CliRun made = Cli({command, Path("made.sho")});
    ASSERT_EQ(made.status, 0) << made.err;
    EXPECT_EQ(made.err, "");
    const CliRun again = Cli({"roundtrip", Path("made.sho"), Path("again.sho")});
    ASSERT_EQ(again.status, 0) << again.err;
    EXPECT_TRUE(ReadAll(Path("made.sho")) == ReadAll(Path("again.sho")));
    // A second pass is stable too.
    ASSERT_EQ(Cli({"roundtrip", Path("again.sho"), Path("again.sho")}).status, 0);
    EXPECT_TRUE(ReadAll(Path("made.sho")) == ReadAll(Path("again.sho")));
  }
}

TEST_F(CliTest, CommittedDemoIsWhatTheCodeMakesNow) {
  ASSERT_EQ(Cli({"demo", Path("demo.sho")}).status, 0);
  const auto committed = ReadAll(kDemo);
  ASSERT_FALSE(committed.empty());
  EXPECT_TRUE(ReadAll(Path("demo.sho")) == committed)
      << "examples/demo.sho is stale: regenerate it with `pyxaro-cli demo examples/demo.sho`";
  EXPECT_TRUE(ReadAll(Path("demo.mid")) == ReadAll(PYXARO_SOURCE_DIR "/examples/demo.mid"))
      << "examples/demo.mid is stale: regenerate it with `pyxaro-cli demo examples/demo.sho`";
}

TEST_F(CliTest, PlayRendersTheDemoSongAndItsBeatsMoveTheShow) {
  const auto run = Cli({"play", kDemo, "--ticks", "20", "--audio", Path("demo.wav")});
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.err, "");
  // The song's 120 beats a minute move the show two steps a second of the music rendered,
  // not one step a tick of the show's own timer.
  const int last = std::stoi(run.out.substr(run.out.rfind('\n', run.out.size() - 2) + 1));
  const auto wav = ReadAll(Path("demo.wav"));
  ASSERT_GT(wav.size(), 44u);
  const double seconds = static_cast<double>(wav.size() - 44) / (4 * 44100);
  EXPECT_NEAR(last, seconds * 2, 1.0);
  EXPECT_LT(last, 20);
  const auto* samples = reinterpret_cast<const std::int16_t*>(wav.data() + 44);
  int loud = 0;
  for (size_t i = 0; i < (wav.size() - 44) / 2; ++i) loud += std::abs(samples[i]) > 500;
  EXPECT_GT(loud, 50000);  // a march, not silence
  EXPECT_EQ(Cli({"play", kDemo, "--midi", "loud"}).status, 2);
}

TEST_F(CliTest, MidiPrintsWhatTheReaderMakesOfASong) {
  const auto run = Cli({"midi", PYXARO_SOURCE_DIR "/examples/demo.mid", "--offset", "8"});
  ASSERT_EQ(run.status, 0) << run.err;
  const auto song = nlohmann::json::parse(run.out);
  EXPECT_EQ(song["length_steps"], 32);
  EXPECT_EQ(song["tempo"], 500000);  // set at tick 0, before the offset of 8 beats
  EXPECT_EQ(song["tracks"].size(), 4u);
  EXPECT_EQ(song["tracks"][1]["events"][0], (nlohmann::json{0, 0x90, 76, 100, 0}));  // the tune's ninth beat
  const auto refused = Cli({"midi", kDemo});
  EXPECT_EQ(refused.status, 1);
  EXPECT_EQ(refused.err, "The file is not a valid MIDI file.\n");
}

// The demo has what it promises: every kind of formation at steps 0, 8, 16 and 32, at least
// 24 people of several groups standing on them, a step instruction, a comment and a song;
// and `info` counts what `dump` lists.
TEST_F(CliTest, DemoShowsEveryKindOfFormationAndInfoCountsIt) {
  const json d = Dump(kDemo);
  std::set<int> kinds, steps, groups;
  bool block = false;
  for (const auto& f : d["m_formations"]) {
    kinds.insert(f["m_nShape"].get<int>());
    steps.insert(f["m_nStep"].get<int>());
    block = block || f["m_bBlock"] == 1;
  }
  for (int kind : {SHAPE_RECTANGLE, SHAPE_ELLIPSE, SHAPE_LINE, SHAPE_POLYGON, SHAPE_CURVE, SHAPE_ARC})
    EXPECT_TRUE(kinds.count(kind)) << kind;
  EXPECT_TRUE(block);
  EXPECT_EQ(steps, (std::set<int>{0, 8, 16, 32}));
  EXPECT_GE(d["m_people"].size(), 24u);
  size_t places = 0, insts = 0;
  for (const auto& p : d["m_people"]) {
    groups.insert(p["m_nGroup"].get<int>());
    EXPECT_FALSE(p["m_places"].empty()) << p["m_strName"];
    places += p["m_places"].size();
    insts += p["m_stepInsts"].size();
  }
  EXPECT_GE(groups.size(), 3u);
  EXPECT_GE(insts, 1u);
  EXPECT_EQ(d["m_comments"].size(), 1u);
  EXPECT_EQ(d["m_songs"].size(), 1u);

  const CliRun info = Cli({"info", kDemo});
  ASSERT_EQ(info.status, 0) << info.err;
  EXPECT_EQ(info.out, "Title: Pyxaro Demo Show\nLast step: 32\nFormations: " +
                          std::to_string(d["m_formations"].size()) + "\nPeople: " +
                          std::to_string(d["m_people"].size()) + "\nPlaces: " + std::to_string(places) +
                          "\nStep instructions: " + std::to_string(insts) + "\nComments: 1\nSongs: 1\n");
}

// A small show made here, so every dumped value is known.
TEST_F(CliTest, DumpShapeAndValues) {
  CPxDoc doc;
  doc.m_strTitle = "Caf\xE9 \x80";  // Windows-1252 e-acute and euro sign
  doc.m_comments = {"4 na\xEFve"};
  doc.m_strSymbolBitmapFile[GROUP_DRUMS] = "drum.bmp";
  doc.m_crField = 0x00336699;
  doc.m_bBoldLines = 1;
  auto box = std::make_unique<CDrawRect>();
  test::Apply({.name = "Box", .shape = SHAPE_RECTANGLE, .places = 2, .rect = {10, 20, 30, 40}, .penStyle = 2,
               .penWidth = {3, 4}, .penColor = 0x0000FF, .brushStyle = 0, .brushColor = 0x00FF00},
              *box);
  doc.m_formations.push_back(std::move(box));
  auto poly = std::make_unique<CDrawPoly>();
  poly->SetPoints({{1, 2}, {3, 4}});
  doc.AddFormation(std::move(poly));
  auto person = test::MakePerson({.base = {.number = 7}, .group = GROUP_DRUMS, .height = "61.5"});
  person->m_places.push_back(test::MakePlace({.march = MARCH_XY, .formationId = 1, .slot = 1}));
  person->m_stepInsts.push_back(test::MakeStepInst({.steps = 4, .stepSize = 22.5}));
  doc.AddPerson(std::move(person));
  ASSERT_TRUE(WriteShowFile(Path("small.sho"), doc).ok);

  const json d = Dump(Path("small.sho"));
  EXPECT_EQ(d["version"], json::array({1, 12}));
  EXPECT_EQ(d["m_dStepSize"], 45.0);
  EXPECT_EQ(d["m_crField"], 0x336699);
  EXPECT_EQ(d["m_bBoldLines"], 1);
  EXPECT_EQ(d["m_strTitle"], "Caf\xC3\xA9 \xE2\x82\xAC");  // UTF-8
  EXPECT_EQ(d["m_comments"], json::array({"4 na\xC3\xAFve"}));
  ASSERT_EQ(d["m_strSymbolBitmapFile"].size(), 8u);
  EXPECT_EQ(d["m_strSymbolBitmapFile"][GROUP_DRUMS], "drum.bmp");
  EXPECT_EQ(d["m_strSymbolBitmapFile"][0], "");

  ASSERT_EQ(d["m_formations"].size(), 2u);
  const json& fb = d["m_formations"][0];
  EXPECT_EQ(fb["class"], "CDrawRect");
  EXPECT_EQ(fb["m_nVersion"], 5);
  EXPECT_EQ(fb["m_strName"], "Box");
  EXPECT_EQ(fb["m_rcBase"], json::array({10, 20, 30, 40}));
  EXPECT_EQ(fb["m_logpen"], (json{{"style", 2}, {"width", {3, 4}}, {"color", 255}}));
  EXPECT_EQ(fb["m_logbrush"], (json{{"style", 0}, {"color", 0xFF00}, {"hatch", 0}}));
  EXPECT_EQ(fb["slots"], json::parse("[null, 7]"));
  for (const char* key : {"m_ptPivot", "m_ptArcStart", "m_ptArcEnd"}) EXPECT_EQ(fb[key].size(), 2u) << key;
  for (const char* key : {"m_dRotation", "m_dSkew", "m_nCurveRepeat", "m_bArrow", "m_nExtra", "m_nEndStep"})
    EXPECT_TRUE(fb.contains(key)) << key;
  const json& fp = d["m_formations"][1];
  EXPECT_EQ(fp["class"], "CDrawPoly");
  EXPECT_EQ(fp["vertices"], json::parse("[[1, 2], [3, 4]]"));
  EXPECT_EQ(fp["slots"], json::array());

  ASSERT_EQ(d["m_people"].size(), 1u);
  const json& p = d["m_people"][0];
  EXPECT_EQ(p["class"], "CPerson");
  EXPECT_EQ(p["m_nNumber"], 7);
  EXPECT_EQ(p["personVersion"], 1);
  EXPECT_EQ(p["position"].size(), 2u);
  EXPECT_EQ(p["m_nGroup"], GROUP_DRUMS);
  EXPECT_EQ(p["m_strHeight"], "61.5");
  EXPECT_EQ(p["m_nHeight2"], 123);
  ASSERT_EQ(p["m_places"].size(), 1u);
  EXPECT_EQ(p["m_places"][0]["m_nMarchMode"], MARCH_XY);
  EXPECT_EQ(p["m_places"][0]["m_nSlot"], 1);
  for (const char* key : {"m_nStep", "m_bAnchor", "m_bStartClockwise", "m_nWaitAfter", "m_ptSpot", "m_bFlex", "m_bSimple"})
    EXPECT_TRUE(p["m_places"][0].contains(key)) << key;
  ASSERT_EQ(p["m_stepInsts"].size(), 1u);
  EXPECT_EQ(p["m_stepInsts"][0]["m_nSteps"], 4);
  EXPECT_EQ(p["m_stepInsts"][0]["m_dStepSize"], 22.5);
}

}  // namespace
}  // namespace px
