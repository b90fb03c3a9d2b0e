#include "core/midi/midi_clock.h"

#include "core/midi/midi_output.h"

namespace px {

MidiClock::MidiClock(int periodMs, bool sendClock) : m_nPeriodMs(periodMs > 0 ? periodMs : kPeriodMs), m_bSendClock(sendClock) {
  UpdateRate();
}

void MidiClock::UpdateRate() {
  m_nNumerator = std::uint64_t{static_cast<std::uint32_t>(m_nPeriodMs)} * static_cast<std::uint32_t>(m_nResolution) * 256000;
  // Resolutions below 24 still give one MIDI clock a tick rather than none.
  m_nTicksPerClock = m_nResolution >= 24 ? static_cast<std::uint32_t>(m_nResolution / 24) : 1;
}

void MidiClock::SetResolution(int ticksPerBeat) {
  if (ticksPerBeat < 1 || ticksPerBeat > kMaxResolution) return;
  m_nResolution = ticksPerBeat;
  UpdateRate();
}

void MidiClock::SetTempo(std::uint32_t microsecondsPerBeat) {
  if (microsecondsPerBeat > 0) m_nTempoDivisor = std::uint64_t{microsecondsPerBeat} * 256;
}

void MidiClock::Start() {
  m_nRemainder = m_nTotal = 0;
  m_nBeatCounter = m_nClockCounter = 0;
  m_nBeatsPosted.store(0);
  m_bRefillPosted.store(false);
  m_bEndPosted.store(false);
  if (m_output && m_bSendClock) m_output->SendNow(0xFA);
  m_bRunning.store(true, std::memory_order_release);
}

void MidiClock::Stop() {
  if (!m_bRunning.exchange(false, std::memory_order_acq_rel)) return;
  if (m_output && m_bSendClock) m_output->SendNow(0xFC);
}

bool MidiClock::OnPeriod() {
  if (!m_bRunning.load(std::memory_order_acquire)) return false;
  const std::uint64_t n = m_nNumerator + m_nRemainder;
  const std::uint32_t ticks = static_cast<std::uint32_t>(n / m_nTempoDivisor);
  m_nRemainder = n % m_nTempoDivisor;
  m_nTotal += ticks;
  m_nBeatCounter += ticks;
  m_nClockCounter += ticks;

  bool posted = false;
  const std::uint32_t resolution = static_cast<std::uint32_t>(m_nResolution);
  while (m_nBeatCounter >= resolution) {
    m_nBeatCounter -= resolution;
    m_nBeatsPosted.fetch_add(1, std::memory_order_acq_rel);
    posted = true;
  }
  for (; m_nClockCounter >= m_nTicksPerClock; m_nClockCounter -= m_nTicksPerClock)
    if (m_output && m_bSendClock) m_output->SendNow(0xF8);

  if (m_output) {
    std::uint32_t tempo = Tempo();
    const MidiOutput::Due due = m_output->SendDue(m_nTotal, tempo);
    if (tempo != Tempo()) SetTempo(tempo);
    if (due.refill) m_bRefillPosted.store(true, std::memory_order_release);
    if (due.ended) m_bEndPosted.store(true, std::memory_order_release);
    posted = posted || due.refill || due.ended;
  }
  return posted;
}

}  // namespace px
