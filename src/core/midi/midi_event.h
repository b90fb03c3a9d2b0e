#pragma once
// The unit of every in-memory event list of a song: eight bytes, as the player queues them.
#include <cstdint>

namespace px {

struct MidiEvent {
  std::uint32_t time = 0;   // delta ticks since the previous event of its list
  std::uint8_t status = 0;  // channel or system status; 0xF0 for system-exclusive data; 0 for a tempo change
  std::uint8_t data1 = 0;   // tempo change: the high byte of the microseconds per quarter note
  std::uint8_t data2 = 0;
  std::uint8_t data3 = 0;
};
static_assert(sizeof(MidiEvent) == 8);

constexpr std::uint8_t MIDI_STATUS_TEMPO = 0x00;
constexpr std::uint8_t MIDI_STATUS_SYSEX = 0xF0;

// Data bytes after a status byte: by the high nibble for channel messages, by the low nibble
// for system common ones.
int MidiDataBytes(std::uint8_t status);

}  // namespace px
