#pragma once
// Merges the tracks of a song into one time-ordered stream, a block at a time.
#include <cstddef>
#include <cstdint>
#include <vector>

#include "core/midi/midi_event.h"

namespace px {

class MidiTrackMerger {
 public:
  static constexpr size_t kBlockSize = 512;

  // The tracks' events, each list timed by deltas; they must outlive the merger.
  void Attach(const std::vector<std::vector<MidiEvent>>* tracks);
  void Detach();
  bool Attached() const { return m_tracks != nullptr; }

  // The next events in time order (up to kBlockSize), timed by deltas from the last event of
  // the block before. Ties go to the earlier track; the pieces of a system-exclusive message
  // stay together. Empty when every track is used up.
  std::vector<MidiEvent> NextBlock();

 private:
  struct Cursor {
    size_t index = 0;        // next event of the track
    std::uint64_t time = 0;  // absolute time of that event
  };
  const std::vector<std::vector<MidiEvent>>* m_tracks = nullptr;
  std::vector<Cursor> m_cursors;
  std::uint64_t m_lastTime = 0;
  int m_sysexTrack = -1;  // the track whose system-exclusive message is being taken
};

}  // namespace px
