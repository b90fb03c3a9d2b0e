// The Song and Song List dialogs' checks and the Song List and MIDI Output Device commands.
#include <gtest/gtest.h>

#include "core/animation/music_commands.h"
#include "core/doc/pxdoc.h"
#include "core/midi/midi_writer.h"
#include "core/support/files.h"
#include "core/support/midi_devices.h"
#include "core/support/scripted_ui.h"

namespace px::test {
namespace {

using Lines = std::vector<std::string>;
constexpr const char* kOverlap =
    "Warning: one or more songs overlap.  (Songs will be shortened to their actual length when played)";

// A song of 1000 ticks at division 480: 3 steps long.
std::string WriteSong(const TempDir& dir, const std::string& name) {
  const auto bytes = WriteMidiFile({{{0, 0x90, 60, 100, 0}, {1000, 0x80, 60, 0, 0}}}, 480);
  WriteAll(dir / name, std::vector<char>(bytes.begin(), bytes.end()));
  return dir / name;
}

TEST(SongDialog, ChecksInOrderAndTakesTheLengthFromTheFile) {
  TempDir dir("song_dialog");
  const std::string song = WriteSong(dir, "a march.mid");
  WriteAll(dir / "riff.rmi", {'R', 'I', 'F', 'F', 0, 0, 0, 0});
  struct Case {
    std::string file;
    int begin, steps;
    std::string message;  // empty: OK closes
  };
  const Case cases[] = {
      {"   ", 0, 10, "Please enter a valid song file."},
      {dir / "riff.rmi", 0, 10, "The file is not a valid MIDI file."},
      {dir / "missing.mid", 0, 10, "The file is not a valid MIDI file."},
      {"  " + song + "  ", 10001, 1, "Please enter a valid begin step."},
      {song, 9990, 20, "Please enter a valid number of steps."},
      {song, 10, 0, "Please enter a valid number of steps."},
      {song, 9990, 10, ""},
  };
  for (const Case& c : cases) {
    SongDialog d{c.file, c.begin, c.steps};
    const auto refusal = d.Validate();
    EXPECT_EQ(refusal ? refusal->text : "", c.message) << c.file << " " << c.begin;
    EXPECT_EQ(refusal ? refusal->caption : "MIDI Song", "MIDI Song");
  }
  SongDialog d{" " + song, 0, 1000};
  d.FileNameChanged();
  EXPECT_EQ(d.m_nSteps, 3);  // ceil(1000 / 480)
  d.SpinSteps(-5);
  d.SpinBegin(1);
  EXPECT_EQ(d.m_nSteps, 0);
  EXPECT_EQ(d.m_nBeginStep, 1);
}

// The Song dialog as the list shows it: answers each run with the next values.
struct SongAnswers {
  std::vector<SongDialog> answers;
  std::vector<SongDialog> shown;
  bool operator()(SongDialog& d) {
    shown.push_back(d);
    if (answers.empty()) return false;
    d = answers.front();
    answers.erase(answers.begin());
    return true;
  }
};

TEST(SongListDialog, AddChangeDeleteKeepTheListSortedAndRefuseTheSameBegin) {
  ScriptedUi ui;
  SongListDialog list({"0016    0032    b c.mid", "0000    0016    a.mid"});
  EXPECT_EQ(list.Lines(), (Lines{"0000    0016    a.mid", "0016    0032    b c.mid"}));
  EXPECT_EQ(list.Selected(), 0);

  SongAnswers run{{{"x.mid", 10, 4}, {"y.mid", 16, 4}, {" z.mid ", 60, 8}}, {}};
  list.Add(ui, std::ref(run));  // 10 lies within 0..15: a warning, and the song is added
  EXPECT_EQ(run.shown[0].m_nSteps, 1000);  // Add opens with 1000 steps and no file
  EXPECT_EQ(list.Lines()[1], "0010    0004    x.mid");
  EXPECT_EQ(list.Selected(), 1);
  list.Add(ui, std::ref(run));  // the same begin as "b c.mid": dropped
  EXPECT_EQ(list.Lines().size(), 3u);
  list.Select(2);
  list.Change(ui, std::ref(run));  // "b c.mid" becomes z.mid at 60, no overlap
  EXPECT_EQ(run.shown[2].m_strFileName, "b c.mid");
  EXPECT_EQ(list.Lines(), (Lines{"0000    0016    a.mid", "0010    0004    x.mid", "0060    0008    z.mid"}));
  EXPECT_EQ(list.LargestEnd(), 68);
  list.Delete(ui);
  EXPECT_EQ(list.Selected(), 1);
  list.Select(-1);
  list.Delete(ui);
  list.Change(ui, std::ref(run));
  EXPECT_EQ(ui.Shown(), (std::vector<std::pair<std::string, std::string>>{
                            {kOverlap, "MIDI Song List"},
                            {"Two songs may not begin on the same step.", "MIDI Song List"},
                            {"Please select a song to delete.", "MIDI Song List"},
                            {"Please select a song to change.", "MIDI Song List"}}));
  EXPECT_FALSE(list.Validate());
  EXPECT_EQ(SongListDialog({"0004    0001    a.mid", "0004    0002    b.mid"}).Validate()->text,
            "Two songs may not begin on the same step.");
}

TEST(MusicCommands, SongListTakesTheLinesGrowsTheShowAndOffersMidiPlay) {
  CPxDoc doc;
  doc.m_bSyncToMidi = 0;
  ScriptedUi ui;
  ui.AnswerYesNo(true);
  ScriptedUi listUi;
  EXPECT_TRUE(RunSongList(doc, ui, [&](SongListDialog& d) {
    d.Add(listUi, [](SongDialog& s) { return s = SongDialog{"a.mid", 40, 24}, true; });
    return true;
  }));
  EXPECT_EQ(doc.m_songs, Lines{"0040    0024    a.mid"});
  EXPECT_EQ(doc.m_nLastStep, 64);
  EXPECT_TRUE(doc.IsModified());
  EXPECT_EQ(doc.m_bSyncToMidi, 1);
  EXPECT_EQ(ui.m_animationStops, 1);

  // Cancel changes nothing.
  EXPECT_FALSE(RunSongList(doc, ui, [&](SongListDialog& d) { return d.Delete(listUi), false; }));
  EXPECT_EQ(doc.m_songs.size(), 1u);
}

TEST(MusicCommands, DeviceListHasTheMapperFirstAndTheChoiceReopens) {
  RecordingMidiDevice device;
  MidiDeviceDialog dialog(device, kMidiMapper);
  ASSERT_EQ(dialog.m_items.size(), 3u);
  EXPECT_EQ(dialog.m_items[0].index, kMidiMapper);
  EXPECT_EQ(dialog.m_items[2].name, "Port 1");
  EXPECT_EQ(dialog.m_nSelected, 0);
  EXPECT_EQ(MidiDeviceDialog(device, 7).Validate()->text, "Please select an item");

  CPxDoc doc;
  ScriptedUi ui;
  int reopened = 0;
  EXPECT_TRUE(RunMidiDeviceChoice(doc, ui, device, [](MidiDeviceDialog& d) { return d.m_nSelected = 2, true; },
                                  [&] { ++reopened; }));
  EXPECT_EQ(doc.m_nMidiDevice, 1);
  EXPECT_EQ(reopened, 1);
}

}  // namespace
}  // namespace px::test
