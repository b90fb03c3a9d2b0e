// Playing songs: the clock's tick arithmetic, the merged and queued events as the device
// receives them, silencing, and the show following the beats.
#include <gtest/gtest.h>

#include "core/animation/animation_clock.h"
#include "core/animation/midi_song_player.h"
#include "core/midi/midi_writer.h"
#include "core/support/files.h"
#include "core/support/midi_devices.h"
#include "core/support/shows.h"

namespace px::test {
namespace {

using Events = std::vector<MidiEvent>;
using Messages = std::vector<std::uint32_t>;

MidiEvent On(std::uint32_t delta, int channel, int note) {
  return {delta, static_cast<std::uint8_t>(0x90 | channel), static_cast<std::uint8_t>(note), 100, 0};
}
MidiEvent Off(std::uint32_t delta, int channel, int note) {
  return {delta, static_cast<std::uint8_t>(0x80 | channel), static_cast<std::uint8_t>(note), 0, 0};
}
std::uint32_t Msg(const MidiEvent& e) { return PackShortMessage(e.status, e.data1, e.data2); }

void WriteSong(const std::string& path, const std::vector<Events>& tracks, int division) {
  const std::vector<std::uint8_t> bytes = WriteMidiFile(tracks, division);
  WriteAll(path, std::vector<char>(bytes.begin(), bytes.end()));
}

// A song as the player gets it, through the file writer and the reader.
std::unique_ptr<MidiSong> Song(const std::vector<Events>& tracks, int division, std::uint32_t startOffset = 0) {
  const auto file = MidiFile::FromBytes(WriteMidiFile(tracks, division));
  EXPECT_TRUE(file);
  return LoadMidiSong(*file, startOffset);
}

Messages AllNotesOff() {
  Messages m;
  for (int c = 0; c < 16; ++c) m.push_back(PackShortMessage(static_cast<std::uint8_t>(0xB0 + c), 0x7B, 0));
  m.push_back(RecordingMidiDevice::kReset);
  return m;
}

struct Player {
  RecordingMidiDevice device;
  HandTimer timer;
  MidiPlayer player{device, timer};
  Player() { player.OpenDevice(0); }
};

TEST(MidiClock, TicksBeatsAndClockBytesPerPeriod) {
  struct Case {
    std::uint32_t tempo;
    int resolution;
    int periods;
    std::uint64_t ticks;
    std::uint32_t beats;
  };
  const Case cases[] = {
      {500000, 480, 100, 960, 2},       // 9.6 ticks a period: a beat every half second
      {500000, 96, 100, 192, 2},        // a division of 96: a beat every 96 ticks
      {454545, 480, 6000, 63360, 132},  // a minute at 132 beats a minute
      {500000, 960, 50, 960, 1},        // the finest resolution the clock takes
  };
  for (const Case& c : cases) {
    MidiClock clock;
    clock.SetResolution(c.resolution);
    clock.SetTempo(c.tempo);
    clock.Start();
    std::uint64_t last = 0, fewest = UINT64_MAX, most = 0;
    for (int i = 0; i < c.periods; ++i) {
      clock.OnPeriod();
      fewest = std::min(fewest, clock.TotalTicks() - last);
      most = std::max(most, clock.TotalTicks() - last);
      last = clock.TotalTicks();
    }
    EXPECT_EQ(clock.TotalTicks(), c.ticks) << c.resolution << " " << c.tempo;
    EXPECT_EQ(clock.TakeBeats(), c.beats) << c.resolution << " " << c.tempo;
    // The remainder carries the fraction: never more than one tick apart.
    EXPECT_LE(most - fewest, 1u);
  }
  MidiClock clock;
  clock.SetResolution(1000);  // too fine: kept at 480
  EXPECT_EQ(clock.Resolution(), 480);
  EXPECT_EQ(ClockResolutionFor(960), 480);  // such files are read at 480 a beat
  EXPECT_EQ(ClockResolutionFor(96), 96);
  EXPECT_EQ(MidiClock::TempoOfBpm(0), 500000u);
  clock.Stop();
  EXPECT_FALSE(clock.OnPeriod());  // not started: nothing counts
  EXPECT_EQ(clock.TotalTicks(), 0u);
}

TEST(MidiMerger, TimeOrderTiesToTheEarlierTrackAndSysexKeptTogether) {
  const std::vector<Events> tracks = {
      {On(0, 0, 60), Off(10, 0, 60), {5, MIDI_STATUS_SYSEX, 0xF0, 0, 0}, {0, MIDI_STATUS_SYSEX, 0x41, 0, 0},
       {0, MIDI_STATUS_SYSEX, 0xF7, 0, 0}},
      {On(10, 1, 62), Off(3, 1, 62)},
  };
  MidiTrackMerger merger;
  merger.Attach(&tracks);
  const Events block = merger.NextBlock();
  std::vector<std::pair<std::uint32_t, std::uint8_t>> order;
  for (const MidiEvent& e : block) order.emplace_back(e.time, e.status == MIDI_STATUS_SYSEX ? e.data1 : e.status);
  // At tick 10 track 0 goes first; the system-exclusive message at 15 keeps its pieces together.
  EXPECT_EQ(order, (std::vector<std::pair<std::uint32_t, std::uint8_t>>{
                       {0, 0x90}, {10, 0x80}, {0, 0x91}, {3, 0x81}, {2, 0xF0}, {0, 0x41}, {0, 0xF7}}));
  EXPECT_TRUE(merger.NextBlock().empty());

  // Long songs come in blocks of 512, the first delta of a block measured from the last event
  // of the one before.
  std::vector<Events> one(1);
  for (int i = 0; i < 600; ++i) one[0].push_back(On(7, 0, 60));
  merger.Attach(&one);
  EXPECT_EQ(merger.NextBlock().size(), 512u);
  const Events rest = merger.NextBlock();
  ASSERT_EQ(rest.size(), 88u);
  EXPECT_EQ(rest[0].time, 7u);
}

TEST(MidiPlayer, SendsTheMergedSongInTimeAndSilencesAtTheEnd) {
  Player p;
  // Two tracks at division 96 (a beat every 96 ticks, 1.92 ticks a period at 120 a minute).
  const Events melody = {On(0, 0, 60), Off(96, 0, 60), On(0, 0, 64), Off(96, 0, 64)};
  const Events bass = {{0, 0xC1, 33, 0, 0}, On(0, 1, 36), Off(192, 1, 36)};
  p.player.Start(Song({melody, bass}, 96), 0, nullptr);
  std::vector<std::pair<std::uint64_t, std::uint32_t>> timed;
  size_t seen = 0;
  p.timer.Run(p.player, 400, [&] {
    for (; seen < p.device.messages.size(); ++seen)
      if (p.device.messages[seen] != 0xF8) timed.emplace_back(p.player.Clock().TotalTicks(), p.device.messages[seen]);
  });
  EXPECT_FALSE(p.player.IsRunning());
  EXPECT_FALSE(p.timer.Running());
  std::vector<std::pair<std::uint64_t, std::uint32_t>> expected = {
      {0, 0xFA},  // MIDI Start, sent when the clock starts
      {0, Msg(melody[0])}, {0, Msg(bass[0])}, {0, Msg(bass[1])},
      {96, Msg(melody[1])}, {96, Msg(melody[2])},
      {192, Msg(melody[3])}, {192, Msg(bass[2])},
      {192, 0xFC},  // the end of the events stops the clock
  };
  for (std::uint32_t m : AllNotesOff()) expected.emplace_back(192, m);
  // Each message goes out in the first period (1.92 ticks) that reaches its tick.
  ASSERT_EQ(timed.size(), expected.size());
  for (size_t i = 0; i < timed.size(); ++i) {
    EXPECT_EQ(timed[i].second, expected[i].second) << i;
    EXPECT_GE(timed[i].first, expected[i].first) << i;
    EXPECT_LE(timed[i].first, expected[i].first + 2) << i;
  }
}

TEST(MidiPlayer, StoppingReleasesHeldNotesThenAllNotesOff) {
  Player p;
  p.player.Start(Song({{On(0, 3, 70), On(0, 0, 40), Off(10, 0, 40), Off(2000, 3, 70)}}, 480), 0, nullptr);
  p.timer.Run(p.player, 5);  // 48 ticks: the note on channel 3 still sounds
  EXPECT_TRUE(p.player.Output().IsHeld(3, 70));
  p.device.messages.clear();
  p.player.Stop();
  Messages expected = {0xFC, PackShortMessage(0x93, 70, 0)};
  const Messages off = AllNotesOff();
  expected.insert(expected.end(), off.begin(), off.end());
  EXPECT_EQ(p.device.messages, expected);
  EXPECT_FALSE(p.player.Output().IsHeld(3, 70));
}

TEST(MidiPlayer, TempoChangesOfTheSongChangeTheClocksPace) {
  Player p;
  // 60 beats a minute from beat 1 on: the second beat takes a second.
  p.player.Start(Song({{On(0, 0, 60), TempoEvent(480, 1000000), Off(960, 0, 60)}}, 480), 0, nullptr);
  p.timer.Run(p.player, 50);
  EXPECT_EQ(p.player.Clock().Tempo(), 1000000u);
  const std::uint64_t at = p.player.Clock().TotalTicks();
  p.timer.Run(p.player, 100);
  EXPECT_EQ(p.player.Clock().TotalTicks() - at, 480u);
}

// A show whose song drives it: the whole way from the song line to the step shown.
struct MusicShow : AnimationFixture {
  MusicShow() : song(doc, ui, [this]() -> MidiPlayer& { return player; }, [] { return std::string(); }) {
    song.SetClock(&musicClock);
    musicClock.SetActive(true);
    Pictures({0, 2000});
  }
  Player hw;
  MidiPlayer& player = hw.player;
  MidiSongPlayer song;
  AnimationClock musicClock{doc, ui, song, timer};
};

TEST(MidiSongPlayer, TheShowStaysOnTheMusicsBeatForTenMinutes) {
  TempDir dir("music");
  // Ten minutes at 132 beats a minute, a note on each beat, 4 beats of silence before it.
  Events track = {TempoEvent(0, 454545)};
  for (int beat = 0; beat < 1320; ++beat) {
    track.push_back(On(beat == 0 ? 480 * 4 : 0, 0, 60 + beat % 12));
    track.push_back(Off(480, 0, 60 + beat % 12));
  }
  WriteSong(dir / "march.mid", {track}, 480);
  MusicShow f;
  f.Song(100, 1324, dir / "march.mid");
  f.doc.SetCurrentStep(103);  // 3 steps into the song
  f.musicClock.Start();
  ASSERT_TRUE(f.song.IsRunning());
  EXPECT_EQ(f.player.Clock().Tempo(), 454545u);  // the tempo in force at the offset

  int beats = 0, wrong = 0;
  std::uint64_t lastTicks = 0;
  f.hw.timer.Run(f.player, 61000, [&] {
    const std::uint64_t ticks = f.player.Clock().TotalTicks();
    const int counted = static_cast<int>(ticks / 480);
    if (counted != static_cast<int>(lastTicks / 480)) {
      beats = counted;
      if (f.doc.m_nCurrentStep != 100 + 3 + beats) ++wrong;
    }
    lastTicks = ticks;
  });
  EXPECT_EQ(wrong, 0);
  EXPECT_EQ(beats, 1321);  // the beats after the offset, up to the last note-off
  int noteOns = 0;
  for (std::uint32_t m : f.hw.device.messages) noteOns += (m & 0xFF) == 0x90 && (m >> 16) > 0;
  EXPECT_EQ(noteOns, 1320);  // every note, through many refills of the queue
  EXPECT_FALSE(f.song.IsRunning());
}

TEST(MidiSongPlayer, DeviceChoiceAndFailures) {
  TempDir dir("music_dev");
  WriteSong(dir / "a.mid", {{On(0, 0, 60), Off(480, 0, 60)}}, 96);
  MusicShow f;
  f.Song(0, 8, dir / "a.mid");
  f.doc.m_nMidiDevice = 1;
  f.hw.device.refused = 1;
  f.musicClock.Start();
  // The device cannot be opened: a message, and the song keeps time in silence.
  ASSERT_EQ(f.ui.m_messages.size(), 1u);
  EXPECT_EQ(f.ui.m_messages[0].caption, "MIDI Device");
  EXPECT_EQ(f.ui.m_messages[0].text,
            "The MIDI output device \"Port 1\" cannot be opened (refused). The show plays without music.");
  EXPECT_TRUE(f.song.IsRunning());
  EXPECT_EQ(f.player.Clock().Resolution(), 96);
  f.hw.timer.Run(f.player, 60);
  EXPECT_TRUE(f.hw.device.messages.empty());
  EXPECT_EQ(f.doc.m_nCurrentStep, 1);
  f.musicClock.Stop();
  EXPECT_FALSE(f.song.IsRunning());

  // A missing file is not a song.
  f.doc.m_songs = {FormatSongEntry(SongEntry{0, 8, dir / "gone.mid"})};
  f.doc.SetCurrentStep(0);
  f.musicClock.Start();
  EXPECT_EQ(f.ui.m_messages.back().text, dir / "gone.mid" + ": Song not found.");
  EXPECT_FALSE(f.doc.m_bPlaying);
}

}  // namespace
}  // namespace px::test
