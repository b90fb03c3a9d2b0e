#pragma once
// A MidiTimer run by its owner, period by period: for playing a song faster than real time
// (rendering it to a file) and for tests.
#include "core/midi/midi_clock.h"
#include "core/midi/midi_player.h"
#include "core/midi/midi_timer.h"

namespace px {

class ManualMidiTimer : public MidiTimer {
 public:
  bool Start(MidiClock& clock, int) override {
    m_clock = &clock;
    return true;
  }
  void Stop() override { m_clock = nullptr; }
  bool Running() const { return m_clock != nullptr; }
  // One period of the clock and the delivery it asks for; false when the timer is stopped.
  bool Period(MidiPlayer& player) {
    if (!m_clock) return false;
    if (m_clock->OnPeriod()) player.Deliver();
    return true;
  }

 private:
  MidiClock* m_clock = nullptr;
};

}  // namespace px
