#pragma once
// Which song of the show's song list plays at a step.
#include <string>
#include <vector>

#include "core/midi/song_entry.h"

namespace px {

class CPxDoc;

// The song covering `step` among the song lines: of those with a file name whose steps
// cover it, the one that begins last (a later song cuts into an earlier, longer one). An
// entry with an empty file name when none covers the step.
SongEntry SongCoveringStep(const std::vector<std::string>& songLines, int step);

// The song the show plays at `step`: none while "Play / Synch To MIDI" is off.
SongEntry SongForStep(const CPxDoc& doc, int step);

}  // namespace px
