// libFuzzer target for the Standard MIDI File reader: any bytes either are refused or read
// as a song, every track within the file, in well under the -timeout=2 of the documented run.
#include <cstddef>
#include <cstdint>
#include <vector>

#include "core/midi/midi_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  auto file = px::MidiFile::FromBytes(std::vector<std::uint8_t>(data, data + size));
  if (!file) return 0;
  // From the start, and from an offset inside the song as a song entry may ask.
  for (const std::uint32_t offset : {0u, 480u}) px::LoadMidiSong(*file, offset);
  return 0;
}
