#include "cli/demo_song.h"

#include <algorithm>

#include "core/midi/midi_writer.h"

namespace px {
namespace {

constexpr std::uint32_t kBeat = 480;

// Notes at absolute ticks, made into a track of delta-timed events.
class TrackBuilder {
 public:
  explicit TrackBuilder(int channel) : m_channel(static_cast<std::uint8_t>(channel)) {}
  void Program(int program) { Add(0, 0xC0, program, 0); }
  void Note(std::uint32_t at, std::uint32_t length, int key, int velocity) {
    Add(at, 0x90, key, velocity);
    Add(at + length, 0x80, key, 0);
  }
  std::vector<MidiEvent> Events() {
    std::stable_sort(m_events.begin(), m_events.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
    std::vector<MidiEvent> track;
    std::uint32_t last = 0;
    for (auto [at, e] : m_events) {
      e.time = at - last;
      last = at;
      track.push_back(e);
    }
    return track;
  }

 private:
  void Add(std::uint32_t at, int kind, int d1, int d2) {
    m_events.push_back({at, MidiEvent{0, static_cast<std::uint8_t>(kind | m_channel), static_cast<std::uint8_t>(d1),
                                      static_cast<std::uint8_t>(d2), 0}});
  }
  std::uint8_t m_channel;
  std::vector<std::pair<std::uint32_t, MidiEvent>> m_events;
};

}  // namespace

std::vector<std::uint8_t> BuildDemoSong() {
  // Eight bars of 4/4 at 120 beats a minute: a trumpet tune over a tuba and a drum line.
  struct Tone {
    int key;
    int beats;
  };
  const Tone tune[] = {{72, 1}, {76, 1}, {79, 1}, {76, 1}, {77, 1}, {81, 1}, {79, 2},
                       {76, 1}, {79, 1}, {84, 1}, {79, 1}, {77, 1}, {74, 1}, {72, 2},
                       {72, 1}, {76, 1}, {79, 1}, {84, 1}, {81, 1}, {77, 1}, {79, 2},
                       {77, 1}, {74, 1}, {71, 1}, {74, 1}, {72, 3}, {0, 1}};
  TrackBuilder melody(0);
  melody.Program(56);  // trumpet
  std::uint32_t at = 0;
  for (const Tone& t : tune) {
    if (t.key) melody.Note(at, static_cast<std::uint32_t>(t.beats) * kBeat - 60, t.key, 100);
    at += static_cast<std::uint32_t>(t.beats) * kBeat;
  }

  // One root a bar, on beats 1 and 3, the fifth below on 2 and 4.
  const int roots[] = {48, 53, 48, 55, 48, 53, 55, 48};
  TrackBuilder bass(1);
  bass.Program(58);  // tuba
  for (int bar = 0; bar < 8; ++bar)
    for (int beat = 0; beat < 4; ++beat)
      bass.Note(static_cast<std::uint32_t>(bar * 4 + beat) * kBeat, kBeat - 80, roots[bar] - (beat % 2 ? 5 : 0), 90);

  TrackBuilder drums(9);
  for (std::uint32_t beat = 0; beat < 32; ++beat) {
    drums.Note(beat * kBeat, 120, beat % 2 ? 38 : 36, beat % 4 == 0 ? 110 : 90);  // bass drum, snare
    if (beat % 16 >= 14)  // a roll into each half
      drums.Note(beat * kBeat + kBeat / 2, 120, 38, 80);
  }

  return WriteMidiFile({{TempoEvent(0, 500000)}, melody.Events(), bass.Events(), drums.Events()}, static_cast<int>(kBeat));
}

}  // namespace px
