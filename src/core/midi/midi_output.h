#pragma once
// The output side of a playing song: the tracks merged into a queue of timed events, which
// the clock's thread empties onto the device as their times come, and the notes left sounding.
//
// Two threads share it without a lock: the user-interface thread fills the queue (Start,
// Refill), the clock's thread empties it (SendDue). Everything else is touched only while the
// clock is stopped.
#include <array>
#include <atomic>
#include <cstdint>
#include <vector>

#include "core/midi/midi_event.h"
#include "core/midi/midi_out_device.h"
#include "core/midi/midi_track_merger.h"

namespace px {

class MidiOutput {
 public:
  static constexpr std::uint32_t kQueueSize = 512;
  // Below this many queued events the clock asks for a refill: at 960 events a second (a
  // dense orchestral file) that leaves a quarter of a second to answer.
  static constexpr std::uint32_t kLowWater = 256;

  // The device messages go to; null: the output is silent but keeps time.
  void SetDevice(MidiOutDevice* device) { m_device = device; }
  MidiOutDevice* Device() const { return m_device; }

  void AttachTracks(const std::vector<std::vector<MidiEvent>>* tracks);
  void DetachTracks();

  // The first block into the queue, timed from clock tick 0.
  void Start();
  // Tops the queue up from the tracks (the clock asked for it).
  void Refill();
  // Queues one event; with no room it waits for the next refill.
  bool Put(const MidiEvent& event);

  // On the clock's thread: sends every queued event due at `totalTicks`. A tempo record
  // changes `tempo` (microseconds per beat). Returns what the clock must post.
  struct Due {
    bool refill = false;  // the queue runs low
    bool ended = false;   // everything was sent
  };
  Due SendDue(std::uint64_t totalTicks, std::uint32_t& tempo);
  void SendNow(std::uint32_t message);

  // Releases every note still held, then All Notes Off on each channel, then the device's
  // reset; the queue is emptied first. Only while the clock is stopped.
  void Silence();

  std::uint32_t Queued() const { return m_tail.load(std::memory_order_acquire) - m_head.load(std::memory_order_acquire); }
  bool IsHeld(int channel, int note) const { return (m_held[static_cast<size_t>(note & 0x7F)] >> (channel & 15)) & 1; }

 private:
  void FillQueue();
  void TrackHeldNote(const MidiEvent& event);

  MidiOutDevice* m_device = nullptr;
  MidiTrackMerger m_merger;
  std::vector<MidiEvent> m_block;
  size_t m_blockIndex = 0;

  std::array<MidiEvent, kQueueSize> m_queue{};
  std::atomic<std::uint32_t> m_head{0};  // the clock's thread moves it
  std::atomic<std::uint32_t> m_tail{0};  // the filling thread moves it
  std::atomic<bool> m_exhausted{false};  // no event is left outside the queue
  std::atomic<bool> m_refillAsked{false};
  bool m_endPosted = false;
  std::uint64_t m_lastDue = 0;  // clock tick of the last event sent
  std::array<std::uint16_t, 128> m_held{};  // per note number, one bit per channel
};

}  // namespace px
