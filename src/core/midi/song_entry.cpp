#include "core/midi/song_entry.h"

#include <climits>

#include "core/util/format.h"

namespace px {
namespace {

void SkipSpaces(const std::string& s, size_t& i) {
  while (i < s.size() && s[i] == ' ') ++i;
}

// The decimal number up to the next space; text that is not a number reads as 0.
int ReadField(const std::string& s, size_t& i) {
  const size_t start = i;
  while (i < s.size() && s[i] != ' ') ++i;
  long long v = 0;
  bool negative = false;
  size_t k = start;
  if (k < i && (s[k] == '-' || s[k] == '+')) negative = s[k++] == '-';
  for (; k < i && s[k] >= '0' && s[k] <= '9'; ++k) {
    v = v * 10 + (s[k] - '0');
    if (v > INT_MAX) v = INT_MAX;
  }
  return static_cast<int>(negative ? -v : v);
}

}  // namespace

SongEntry ParseSongEntry(const std::string& line) {
  SongEntry song;
  size_t i = 0;
  SkipSpaces(line, i);
  song.beginStep = ReadField(line, i);
  SkipSpaces(line, i);
  song.steps = ReadField(line, i);
  SkipSpaces(line, i);
  song.fileName = line.substr(i);
  return song;
}

std::string FormatSongEntry(const SongEntry& song) {
  return Format("%04d    %04d    %s", song.beginStep, song.steps, song.fileName.c_str());
}

}  // namespace px
