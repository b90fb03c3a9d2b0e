#include "core/midi/midi_output.h"

namespace px {

void MidiOutput::AttachTracks(const std::vector<std::vector<MidiEvent>>* tracks) { m_merger.Attach(tracks); }

void MidiOutput::DetachTracks() {
  m_merger.Detach();
  m_block.clear();
  m_blockIndex = 0;
}

void MidiOutput::Start() {
  m_head.store(0, std::memory_order_relaxed);
  m_tail.store(0, std::memory_order_relaxed);
  m_exhausted.store(false, std::memory_order_relaxed);
  m_refillAsked.store(false, std::memory_order_relaxed);
  m_endPosted = false;
  m_lastDue = 0;
  m_block.clear();
  m_blockIndex = 0;
  FillQueue();
}

void MidiOutput::Refill() {
  m_refillAsked.store(false, std::memory_order_release);
  FillQueue();
}

void MidiOutput::FillQueue() {
  for (;;) {
    if (m_blockIndex >= m_block.size()) {
      m_block = m_merger.NextBlock();
      m_blockIndex = 0;
      if (m_block.empty()) {
        m_exhausted.store(true, std::memory_order_release);
        return;
      }
    }
    if (!Put(m_block[m_blockIndex])) return;
    ++m_blockIndex;
  }
}

bool MidiOutput::Put(const MidiEvent& event) {
  const std::uint32_t tail = m_tail.load(std::memory_order_relaxed);
  if (tail - m_head.load(std::memory_order_acquire) >= kQueueSize) return false;
  MidiEvent& slot = m_queue[tail % kQueueSize];
  slot = event;
  // An event timed "never" (a damaged file's delta) goes with the one before it.
  if (slot.time == UINT32_MAX) slot.time = 0;
  m_tail.store(tail + 1, std::memory_order_release);
  return true;
}

MidiOutput::Due MidiOutput::SendDue(std::uint64_t totalTicks, std::uint32_t& tempo) {
  Due due;
  std::uint32_t head = m_head.load(std::memory_order_relaxed);
  const std::uint32_t tail = m_tail.load(std::memory_order_acquire);
  while (head != tail) {
    const MidiEvent& event = m_queue[head % kQueueSize];
    const std::uint64_t at = m_lastDue + event.time;
    if (at > totalTicks) break;
    m_lastDue = at;
    if (event.status == MIDI_STATUS_TEMPO) {
      const std::uint32_t t = (std::uint32_t{event.data1} << 16) | (std::uint32_t{event.data2} << 8) | event.data3;
      if (t != 0) tempo = t;
    } else if (event.status >= 0x80 && event.status != MIDI_STATUS_SYSEX) {
      TrackHeldNote(event);
      SendNow(PackShortMessage(event.status, event.data1, event.data2));
    }
    ++head;
  }
  m_head.store(head, std::memory_order_release);
  const std::uint32_t queued = tail - head;
  if (m_exhausted.load(std::memory_order_acquire)) {
    if (queued == 0 && !m_endPosted) due.ended = m_endPosted = true;
  } else if (queued < kLowWater && !m_refillAsked.exchange(true, std::memory_order_acq_rel)) {
    due.refill = true;
  }
  return due;
}

void MidiOutput::SendNow(std::uint32_t message) {
  if (m_device) m_device->ShortMessage(message);
}

void MidiOutput::TrackHeldNote(const MidiEvent& event) {
  const int kind = event.status & 0xF0;
  const std::uint16_t bit = static_cast<std::uint16_t>(1u << (event.status & 0x0F));
  std::uint16_t& held = m_held[event.data1 & 0x7F];
  if (kind == 0x90 && event.data2 > 0)
    held = static_cast<std::uint16_t>(held | bit);
  else if (kind == 0x80 || kind == 0x90)
    held = static_cast<std::uint16_t>(held & ~bit);
}

void MidiOutput::Silence() {
  m_head.store(0, std::memory_order_relaxed);
  m_tail.store(0, std::memory_order_relaxed);
  for (int note = 0; note < 128; ++note)
    for (int channel = 0; channel < 16; ++channel)
      if (IsHeld(channel, note))
        SendNow(PackShortMessage(static_cast<std::uint8_t>(0x90 + channel), static_cast<std::uint8_t>(note), 0));
  m_held.fill(0);
  for (int channel = 0; channel < 16; ++channel) SendNow(PackShortMessage(static_cast<std::uint8_t>(0xB0 + channel), 0x7B, 0));
  if (m_device) m_device->Reset();
}

}  // namespace px
