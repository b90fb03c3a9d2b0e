// Reading Standard MIDI Files: hand-made files for each rule, and real songs written by others.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <initializer_list>
#include <string>
#include <vector>

#include "core/midi/midi_file.h"

namespace px {
namespace {

using Bytes = std::vector<std::uint8_t>;

void Append(Bytes& out, std::initializer_list<int> values) {
  for (int v : values) out.push_back(static_cast<std::uint8_t>(v));
}
void Append(Bytes& out, const Bytes& more) { out.insert(out.end(), more.begin(), more.end()); }
void Append(Bytes& out, const char* tag) {
  for (int i = 0; i < 4; ++i) out.push_back(static_cast<std::uint8_t>(tag[i]));
}
void Length(Bytes& out, size_t n) { Append(out, {int(n >> 24) & 255, int(n >> 16) & 255, int(n >> 8) & 255, int(n) & 255}); }

Bytes Smf(int format, int division, std::initializer_list<Bytes> tracks, const Bytes& between = {}) {
  Bytes out;
  Append(out, "MThd");
  Length(out, 6);
  Append(out, {0, format, 0, int(tracks.size()), division >> 8, division & 255});
  for (const Bytes& track : tracks) {
    Append(out, between);
    Append(out, "MTrk");
    Length(out, track.size());
    Append(out, track);
  }
  return out;
}

// Variable-length quantity.
Bytes Vlq(std::uint32_t v) {
  Bytes out;
  for (int shift = 21; shift > 0; shift -= 7)
    if (v >> shift) out.push_back(static_cast<std::uint8_t>(0x80 | ((v >> shift) & 0x7F)));
  out.push_back(static_cast<std::uint8_t>(v & 0x7F));
  return out;
}
Bytes Ev(std::uint32_t delta, std::initializer_list<int> bytes) {
  Bytes out = Vlq(delta);
  Append(out, bytes);
  return out;
}
Bytes Track(std::initializer_list<Bytes> events, bool endOfTrack = true) {
  Bytes out;
  for (const Bytes& e : events) Append(out, e);
  if (endOfTrack) Append(out, {0, 0xFF, 0x2F, 0});
  return out;
}
Bytes Tempo(std::uint32_t delta, std::uint32_t us) { return Ev(delta, {0xFF, 0x51, 3, int(us >> 16), int(us >> 8) & 255, int(us) & 255}); }
Bytes NoteOn(std::uint32_t delta, int note) { return Ev(delta, {0x90, note, 100}); }

struct Read {
  std::vector<MidiEvent> events;
  MidiReadState state;
};
Read ReadTrack0(const Bytes& bytes, std::uint32_t offset = 0) {
  auto file = MidiFile::FromBytes(bytes);
  EXPECT_TRUE(file);
  Read r;
  r.state.startOffset = offset;
  if (file) file->ReadTrack(0, r.state, r.events);
  return r;
}
std::vector<std::uint32_t> Times(const std::vector<MidiEvent>& events) {
  std::vector<std::uint32_t> times;
  for (const MidiEvent& e : events) times.push_back(e.time);
  return times;
}

TEST(MidiFile, HeaderDecidesWhetherItOpens) {
  EXPECT_EQ(MidiFile::FromBytes(Smf(2, 96, {Track({})}))->Format(), 1);  // format 2 plays as 1
  Bytes riff{'R', 'I', 'F', 'F', 0, 0, 0, 0};
  Append(riff, Smf(0, 96, {Track({})}));
  EXPECT_FALSE(MidiFile::FromBytes(riff));                           // RMI wrapper
  EXPECT_FALSE(MidiFile::FromBytes(Smf(0, 0, {Track({})})));        // no ticks per beat
  EXPECT_FALSE(MidiFile::FromBytes(Bytes{'M', 'T', 'h', 'd', 0, 0}));  // header cut short
  EXPECT_FALSE(MidiFile::OpenForReading("/nonexistent/song.mid"));
  EXPECT_FALSE(MidiFile::OpenForReading("/dev/zero"));
}

TEST(MidiFile, EventsWithRunningStatusMetaAndSysex) {
  const Read r = ReadTrack0(Smf(0, 480, {Track({
      NoteOn(10, 60), Ev(5, {62, 90}),                     // running status
      Ev(7, {0xFF, 0x01, 2, 'h', 'i'}), NoteOn(3, 64),     // text meta: its 7 ticks go to the next note
      Ev(4, {0xF0, 3, 1, 2, 0xF7}), Ev(2, {0xC0, 5}),      // sysex is never stored; its time is kept
  })}));
  ASSERT_EQ(r.events.size(), 4u);
  EXPECT_EQ(Times(r.events), (std::vector<std::uint32_t>{10, 5, 10, 6}));
  EXPECT_EQ(r.events[1].status, 0x90);
  EXPECT_EQ(r.events[1].data1, 62);
  EXPECT_EQ(r.events[3].status, 0xC0);
  EXPECT_EQ(r.events[3].data1, 5);
  EXPECT_EQ(r.state.highestTick, 31u);
}

TEST(MidiFile, StartOffsetSkipsAndTakesTheTempoInForce) {
  // Eight beats into a song at 480 per beat.
  const Read r = ReadTrack0(Smf(0, 480, {Track({Tempo(0, 500000), NoteOn(960, 60), Tempo(960, 400000),
                                                 NoteOn(1920, 62), Tempo(160, 300000), NoteOn(40, 64)})}),
                            3840);
  EXPECT_EQ(r.state.tempo, 400000u);  // the one at tick 1920; the one at 4000 comes later
  ASSERT_EQ(r.events.size(), 3u);
  EXPECT_EQ(r.events[0].data1, 62);
  EXPECT_EQ(Times(r.events), (std::vector<std::uint32_t>{0, 160, 40}));
  EXPECT_EQ(r.events[1].status, MIDI_STATUS_TEMPO);
  EXPECT_EQ((std::vector<int>{r.events[1].data1, r.events[1].data2, r.events[1].data3}),
            (std::vector<int>{0x04, 0x93, 0xE0}));
}

TEST(MidiFile, FineDivisionsBecome480AndLengthRoundsUp) {
  auto fine = MidiFile::FromBytes(Smf(1, 960, {Track({NoteOn(960, 60), NoteOn(1, 61)}), Track({NoteOn(3, 60)})}));
  ASSERT_TRUE(fine);
  const auto song = LoadMidiSong(*fine, 0);
  EXPECT_EQ(Times(song->tracks[0]), (std::vector<std::uint32_t>{480, 0}));
  EXPECT_EQ(Times(song->tracks[1]), (std::vector<std::uint32_t>{1}));
  EXPECT_EQ(fine->Division(), 960);
  EXPECT_EQ(SongLengthInSteps(*fine), 2);  // 961 ticks
  EXPECT_EQ(SongLengthInSteps(*MidiFile::FromBytes(Smf(0, 480, {Track({NoteOn(1000, 60)})}))), 3);
}

TEST(MidiFile, TracksAreFoundWhereverTheyLieButNeverInsideAnother) {
  // "MTrk" inside the first track's data (a text event) must not be taken for the second track.
  const Bytes first = Track({Ev(0, {0xFF, 0x01, 8, 'M', 'T', 'r', 'k', 0, 0, 0, 0}), NoteOn(5, 60)});
  auto file = MidiFile::FromBytes(Smf(1, 96, {first, Track({NoteOn(7, 70)})}));
  ASSERT_TRUE(file);
  const auto song = LoadMidiSong(*file, 0);
  ASSERT_EQ(song->tracks[1].size(), 1u);
  EXPECT_EQ(song->tracks[1][0].data1, 70);

  // Junk between chunks is skipped, even when a tag straddles an 8 KiB boundary of the file.
  auto far = MidiFile::FromBytes(Smf(0, 96, {Track({NoteOn(1, 60)})}, Bytes(8192 - 16, 0x55)));
  ASSERT_TRUE(far);
  EXPECT_EQ(LoadMidiSong(*far, 0)->tracks[0].size(), 1u);

  // More tracks claimed than present: the missing ones read empty.
  Bytes claimed = Smf(1, 96, {Track({NoteOn(1, 60)})});
  claimed[11] = 3;
  EXPECT_EQ(LoadMidiSong(*MidiFile::FromBytes(claimed), 0)->tracks.size(), 3u);
}

TEST(MidiFile, DamagedTracksEndWithTheirData) {
  // A sysex claiming 2^28 bytes, a track without end-of-track, a note cut short, a data byte
  // before any status: each ends or is passed over at once, and nothing reads as a tempo.
  for (const Bytes& track : {Track({Ev(0, {0xF0, 0xFF, 0xFF, 0xFF, 0x7F, 1})}, false),
                             Track({NoteOn(1, 60)}, false), Track({Ev(1, {0x90, 60})}, false),
                             Track({Ev(3, {0x40}), NoteOn(1, 60)})}) {
    const Read r = ReadTrack0(Smf(0, 96, {track}));
    for (const MidiEvent& e : r.events) EXPECT_NE(e.status, MIDI_STATUS_TEMPO);
    EXPECT_LE(r.events.size(), 1u);
  }
  const Read cut = ReadTrack0(Smf(0, 96, {Track({Ev(1, {0x90, 60})}, false)}));
  ASSERT_EQ(cut.events.size(), 1u);
  EXPECT_EQ(cut.events[0].data2, 0);  // the missing byte reads as 0
}

// Real files written by others (kept outside the repository with their licences).
TEST(MidiFile, RealSongsOpenWithTheirHeaderAndPlayableEvents) {
  const char* env = std::getenv("PYXARO_MIDI_SAMPLES");
  const std::filesystem::path dir = env ? env : PYXARO_SOURCE_DIR "/../shared/midi-samples";
  if (!std::filesystem::exists(dir)) GTEST_SKIP() << "no MIDI samples at " << dir;
  struct Sample {
    const char* file;
    int format, tracks, division;
  };
  for (const Sample& s : {Sample{"freedoom-d_bunny.mid", 1, 12, 960}, {"freedoom-d_map29.mid", 1, 7, 600},
                          {"music21-test10.mid", 0, 1, 480}, {"music21-test02.mid", 1, 5, 1024},
                          {"jazz-test-running-status-metaevent.mid", 0, 1, 96}, {"jazz-test-track-length.mid", 0, 1, 96},
                          {"emidi-1-song-maple.mid", 1, 3, 384}, {"tonejs-230_bpm_multitrack.mid", 1, 5, 96}}) {
    auto file = MidiFile::OpenForReading((dir / s.file).string());
    ASSERT_TRUE(file) << s.file;
    EXPECT_EQ((std::vector<int>{file->Format(), file->TrackCount(), file->Division()}),
              (std::vector<int>{s.format, s.tracks, s.division}))
        << s.file;
    const auto song = LoadMidiSong(*file, 0);
    size_t notes = 0;
    for (const auto& track : song->tracks)
      for (const MidiEvent& e : track) notes += (e.status & 0xF0) == 0x90 && e.data2 > 0;
    EXPECT_GT(notes, 0u) << s.file;
    EXPECT_GT(SongLengthInSteps(*file), 0) << s.file;
  }
}

}  // namespace
}  // namespace px
