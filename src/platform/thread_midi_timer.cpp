#include "platform/thread_midi_timer.h"

#include <chrono>
#include <system_error>

#include "core/midi/midi_clock.h"

namespace px {

bool ThreadMidiTimer::Start(MidiClock& clock, int periodMs) {
  Stop();
  m_stop.store(false);
  try {
    m_thread = std::thread([this, &clock, periodMs] { Run(clock, periodMs); });
  } catch (const std::system_error&) {
    return false;
  }
  return true;
}

void ThreadMidiTimer::Stop() {
  m_stop.store(true);
  if (m_thread.joinable()) m_thread.join();
}

void ThreadMidiTimer::Run(MidiClock& clock, int periodMs) {
  using Clock = std::chrono::steady_clock;
  const auto period = std::chrono::milliseconds(periodMs);
  auto next = Clock::now() + period;
  while (!m_stop.load(std::memory_order_acquire)) {
    std::this_thread::sleep_until(next);
    if (m_stop.load(std::memory_order_acquire)) break;
    if (clock.OnPeriod() && m_wake) m_wake();
    next += period;
    // Late periods are caught up so the music keeps its tempo, but after a long stall (a
    // suspended machine) the clock goes on from now instead of racing.
    const auto now = Clock::now();
    if (now - next > 10 * period) next = now + period;
  }
}

}  // namespace px
