#pragma once
// Drives a MidiClock from a thread of its own every period, and wakes the user-interface
// thread when the clock posted something.
#include <atomic>
#include <functional>
#include <thread>

#include "core/midi/midi_timer.h"

namespace px {

class ThreadMidiTimer final : public MidiTimer {
 public:
  // `wake` runs on the timer's thread after a period that posted; it must not block, lock or
  // allocate (writing to an event descriptor is the intended use).
  explicit ThreadMidiTimer(std::function<void()> wake) : m_wake(std::move(wake)) {}
  ~ThreadMidiTimer() override { Stop(); }

  bool Start(MidiClock& clock, int periodMs) override;
  void Stop() override;

 private:
  void Run(MidiClock& clock, int periodMs);

  std::function<void()> m_wake;
  std::thread m_thread;
  std::atomic<bool> m_stop{false};
};

}  // namespace px
