#pragma once
// A song of the show: a MIDI file placed on the steps, held in the document as one text line.
#include <algorithm>
#include <climits>
#include <string>

namespace px {

struct SongEntry {
  int beginStep = 0;
  int steps = 0;
  std::string fileName;
  // Saturates instead of overflowing on a damaged line.
  int EndStep() const {
    return static_cast<int>(std::clamp<long long>(static_cast<long long>(beginStep) + steps, INT_MIN, INT_MAX));
  }
};

// Reads a song line: begin step, number of steps, then the rest of the line as the file
// name (spaces included). Missing numbers read as 0.
SongEntry ParseSongEntry(const std::string& line);

// Writes the line in the document's form "%04d    %04d    %s".
std::string FormatSongEntry(const SongEntry& song);

}  // namespace px
