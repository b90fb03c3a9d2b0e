#include "core/midi/midi_track_merger.h"

#include <algorithm>

namespace px {

void MidiTrackMerger::Attach(const std::vector<std::vector<MidiEvent>>* tracks) {
  m_tracks = tracks;
  m_cursors.assign(tracks ? tracks->size() : 0, Cursor{});
  for (size_t i = 0; i < m_cursors.size(); ++i)
    if (!(*tracks)[i].empty()) m_cursors[i].time = (*tracks)[i][0].time;
  m_lastTime = 0;
  m_sysexTrack = -1;
}

void MidiTrackMerger::Detach() { Attach(nullptr); }

std::vector<MidiEvent> MidiTrackMerger::NextBlock() {
  std::vector<MidiEvent> block;
  if (!m_tracks) return block;
  block.reserve(kBlockSize);
  while (block.size() < kBlockSize) {
    int pick = -1;
    if (m_sysexTrack >= 0 && m_cursors[static_cast<size_t>(m_sysexTrack)].index < (*m_tracks)[static_cast<size_t>(m_sysexTrack)].size()) {
      pick = m_sysexTrack;
    } else {
      m_sysexTrack = -1;
      for (size_t i = 0; i < m_cursors.size(); ++i) {
        if (m_cursors[i].index >= (*m_tracks)[i].size()) continue;
        if (pick < 0 || m_cursors[i].time < m_cursors[static_cast<size_t>(pick)].time) pick = static_cast<int>(i);
      }
    }
    if (pick < 0) break;
    const std::vector<MidiEvent>& track = (*m_tracks)[static_cast<size_t>(pick)];
    Cursor& cursor = m_cursors[static_cast<size_t>(pick)];
    MidiEvent event = track[cursor.index];
    if (event.status == MIDI_STATUS_SYSEX) m_sysexTrack = event.data1 == 0xF7 ? -1 : pick;
    // A sysex piece taken out of turn may lie before the last event: it goes at once.
    event.time = cursor.time > m_lastTime ? static_cast<std::uint32_t>(cursor.time - m_lastTime) : 0;
    m_lastTime = std::max(m_lastTime, cursor.time);
    block.push_back(event);
    if (++cursor.index < track.size()) cursor.time += track[cursor.index].time;
  }
  return block;
}

}  // namespace px
