#pragma once
// MIDI for tests: a device that records what it is sent, and a timer the test runs by hand.
#include <cstdint>
#include <string>
#include <vector>

#include "core/midi/midi_clock.h"
#include "core/midi/midi_out_device.h"
#include "core/midi/midi_player.h"
#include "core/midi/manual_midi_timer.h"

namespace px::test {

class RecordingMidiDevice : public MidiOutDevice {
 public:
  int Count() override { return 2; }
  std::string Name(int index) override { return index == kMidiMapper ? "Mapper" : "Port " + std::to_string(index); }
  bool Open(int index) override {
    opened.push_back(index);
    return open = index != refused;
  }
  std::string LastError() const override { return "refused"; }
  bool IsOpen() const override { return open; }
  void ShortMessage(std::uint32_t message) override { messages.push_back(message); }
  void Reset() override { messages.push_back(kReset); }
  void Close() override { open = false; }

  // The messages without the MIDI clock's real-time bytes.
  std::vector<std::uint32_t> Music() const {
    std::vector<std::uint32_t> music;
    for (std::uint32_t m : messages)
      if (m != 0xF8) music.push_back(m);
    return music;
  }

  static constexpr std::uint32_t kReset = 0xFFFFFFFF;
  std::vector<std::uint32_t> messages;
  std::vector<int> opened;
  int refused = -2;  // an index Open refuses
  bool open = false;
};

// The clock's timer, run by the test: each period as the clock's thread would, then the
// delivery the user-interface thread would make.
class HandTimer : public ManualMidiTimer {
 public:
  // Runs `periods` periods; `after` runs after each.
  template <class After>
  void Run(MidiPlayer& player, int periods, After after) {
    for (int i = 0; i < periods && Period(player); ++i) after();
  }
  void Run(MidiPlayer& player, int periods) { Run(player, periods, [] {}); }
};

}  // namespace px::test
