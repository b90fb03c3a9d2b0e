#include "core/animation/song_for_step.h"

#include "core/doc/pxdoc.h"

namespace px {

SongEntry SongCoveringStep(const std::vector<std::string>& songLines, int step) {
  SongEntry found;
  int best = 0;
  for (const std::string& line : songLines) {
    SongEntry song = ParseSongEntry(line);
    if (song.fileName.empty() || song.beginStep > step || song.beginStep < best || step >= song.EndStep()) continue;
    best = song.beginStep;
    found = std::move(song);
  }
  return found;
}

SongEntry SongForStep(const CPxDoc& doc, int step) {
  if (!doc.m_bSyncToMidi) return {};
  return SongCoveringStep(doc.m_songs, step);
}

}  // namespace px
