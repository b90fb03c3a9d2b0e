#pragma once
// Reading Standard MIDI Files (format 0 and 1; format 2 is read as 1) into lists of timed
// events for the player.
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "core/midi/midi_event.h"

namespace px {

// What reading tracks learns on the way: the tempo in force at the start offset and the
// last tick of the song. One state serves every track of one song.
struct MidiReadState {
  std::uint32_t startOffset = 0;  // ticks before this are played silently
  std::uint32_t highestTick = 0;
  bool tempoFrozen = false;       // the first stored event fixes the starting tempo
  std::uint32_t tempo = 0;        // microseconds per quarter note; 0 = none found
};

class MidiFile {
 public:
  // The file, or nothing when it cannot be read, does not start with "MThd" or its header
  // chunk is cut short. Larger files than any real song are refused too.
  static std::unique_ptr<MidiFile> OpenForReading(const std::string& path);
  static std::unique_ptr<MidiFile> FromBytes(std::vector<std::uint8_t> bytes);

  int Format() const { return m_nFormat; }
  int TrackCount() const { return m_nTracks; }
  int Division() const { return m_nDivision; }

  // Appends the events of track `index` to `events` (up to `capacity` of them), skipping
  // what lies before the state's start offset. A track whose chunk is missing reads empty.
  size_t ReadTrack(int index, MidiReadState& state, std::vector<MidiEvent>& events, size_t capacity = SIZE_MAX) const;

 private:
  struct TrackChunk {
    size_t begin = 0;  // first data byte
    size_t end = 0;    // one past the last, never beyond the file
  };
  explicit MidiFile(std::vector<std::uint8_t> bytes) : m_bytes(std::move(bytes)) {}
  bool ReadHeader();

  std::vector<std::uint8_t> m_bytes;
  std::vector<TrackChunk> m_tracks;  // empty chunk: no "MTrk" found for that track
  int m_nFormat = 0;
  int m_nTracks = 0;
  int m_nDivision = 0;
};

// A whole song read for playing: every track from `startOffset` on, times of files finer
// than 480 ticks per beat converted to 480.
struct MidiSong {
  int division = 0;  // the file's own division
  std::vector<std::vector<MidiEvent>> tracks;
  MidiReadState state;
};
std::unique_ptr<MidiSong> LoadMidiSong(const MidiFile& file, std::uint32_t startOffset);

// The length of a song in steps (beats): ceil(highest tick / division).
int SongLengthInSteps(const MidiFile& file);

}  // namespace px
