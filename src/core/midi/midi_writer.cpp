#include "core/midi/midi_writer.h"

namespace px {
namespace {

void PutBigEndian(std::vector<std::uint8_t>& out, std::uint32_t value, int bytes) {
  for (int i = bytes - 1; i >= 0; --i) out.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
}

void PutQuantity(std::vector<std::uint8_t>& out, std::uint32_t value) {
  std::uint8_t groups[5];
  int n = 0;
  do {
    groups[n++] = value & 0x7F;
    value >>= 7;
  } while (value && n < 4);  // a quantity holds 28 bits
  while (n > 1) out.push_back(static_cast<std::uint8_t>(groups[--n] | 0x80));
  out.push_back(groups[0]);
}

}  // namespace

MidiEvent TempoEvent(std::uint32_t delta, std::uint32_t microsecondsPerBeat) {
  return MidiEvent{delta, MIDI_STATUS_TEMPO, static_cast<std::uint8_t>(microsecondsPerBeat >> 16),
                   static_cast<std::uint8_t>(microsecondsPerBeat >> 8), static_cast<std::uint8_t>(microsecondsPerBeat)};
}

std::vector<std::uint8_t> WriteMidiFile(const std::vector<std::vector<MidiEvent>>& tracks, int division) {
  std::vector<std::uint8_t> out{'M', 'T', 'h', 'd'};
  PutBigEndian(out, 6, 4);
  PutBigEndian(out, 1, 2);
  PutBigEndian(out, static_cast<std::uint32_t>(tracks.size()), 2);
  PutBigEndian(out, static_cast<std::uint32_t>(division), 2);
  for (const auto& track : tracks) {
    std::vector<std::uint8_t> data;
    for (const MidiEvent& e : track) {
      PutQuantity(data, e.time);
      if (e.status == MIDI_STATUS_TEMPO) {
        data.insert(data.end(), {0xFF, 0x51, 0x03, e.data1, e.data2, e.data3});
        continue;
      }
      data.push_back(e.status);
      const int count = MidiDataBytes(e.status);
      if (count >= 1) data.push_back(e.data1);
      if (count >= 2) data.push_back(e.data2);
    }
    data.insert(data.end(), {0x00, 0xFF, 0x2F, 0x00});
    out.insert(out.end(), {'M', 'T', 'r', 'k'});
    PutBigEndian(out, static_cast<std::uint32_t>(data.size()), 4);
    out.insert(out.end(), data.begin(), data.end());
  }
  return out;
}

}  // namespace px
