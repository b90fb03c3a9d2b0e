#pragma once
// The clock of a playing song: counts ticks at the song's tempo, one timer period at a time,
// sends the output's events as their ticks come, and posts beats, refills and the end for
// the user-interface thread. OnPeriod runs on the timer's thread and does integer arithmetic
// and queue work only; the posts are counters the other thread takes.
#include <atomic>
#include <cstdint>

namespace px {

class MidiOutput;

class MidiClock {
 public:
  static constexpr int kPeriodMs = 10;
  static constexpr int kDefaultResolution = 480;
  static constexpr int kMaxResolution = 960;
  static constexpr std::uint32_t kDefaultTempo = 500000;  // 120 beats a minute

  // Clock messages to the output (MIDI Start, Clock, Stop) unless `sendClock` is off.
  explicit MidiClock(int periodMs = kPeriodMs, bool sendClock = true);

  void SetOutput(MidiOutput* output) { m_output = output; }

  // Ticks per beat; values outside 1..960 leave it as it is.
  void SetResolution(int ticksPerBeat);
  int Resolution() const { return m_nResolution; }
  // Microseconds per beat; 0 leaves it as it is.
  void SetTempo(std::uint32_t microsecondsPerBeat);
  std::uint32_t Tempo() const { return static_cast<std::uint32_t>(m_nTempoDivisor / 256); }
  static std::uint32_t TempoOfBpm(int bpm) { return 60000000u / static_cast<std::uint32_t>(bpm > 0 ? bpm : 120); }

  // Counting from tick 0; sends MIDI Start. Only while the timer is not calling OnPeriod.
  void Start();
  // Sends MIDI Stop. Only while the timer is not calling OnPeriod.
  void Stop();
  bool IsRunning() const { return m_bRunning.load(std::memory_order_acquire); }

  // One timer period. True when something was posted.
  bool OnPeriod();

  // Taken by the user-interface thread: beats posted since the last call, and whether a
  // refill or the end was posted.
  std::uint32_t TakeBeats() { return m_nBeatsPosted.exchange(0, std::memory_order_acq_rel); }
  bool TakeRefill() { return m_bRefillPosted.exchange(false, std::memory_order_acq_rel); }
  bool TakeEnd() { return m_bEndPosted.exchange(false, std::memory_order_acq_rel); }

  std::uint64_t TotalTicks() const { return m_nTotal; }

 private:
  void UpdateRate();

  MidiOutput* m_output = nullptr;
  const int m_nPeriodMs;
  const bool m_bSendClock;
  int m_nResolution = kDefaultResolution;
  std::uint32_t m_nTicksPerClock = kDefaultResolution / 24;
  std::uint64_t m_nNumerator = 0;  // period × resolution × 256000
  std::uint64_t m_nTempoDivisor = std::uint64_t{kDefaultTempo} * 256;
  std::uint64_t m_nRemainder = 0;
  std::uint64_t m_nTotal = 0;
  std::uint32_t m_nBeatCounter = 0;
  std::uint32_t m_nClockCounter = 0;
  std::atomic<bool> m_bRunning{false};
  std::atomic<std::uint32_t> m_nBeatsPosted{0};
  std::atomic<bool> m_bRefillPosted{false};
  std::atomic<bool> m_bEndPosted{false};
};

}  // namespace px
