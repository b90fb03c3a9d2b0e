#include "core/midi/midi_player.h"

#include <algorithm>

namespace px {

int ClockResolutionFor(int division) { return std::clamp(division, 1, 480); }

MidiPlayer::MidiPlayer(MidiOutDevice& device, MidiTimer& timer) : m_device(device), m_timer(timer) {
  m_clock.SetOutput(&m_output);
  m_clock.SetResolution(MidiClock::kDefaultResolution);
  m_clock.SetTempo(MidiClock::TempoOfBpm(120));
}

MidiPlayer::~MidiPlayer() { CloseDevice(); }

bool MidiPlayer::OpenDevice(int index) {
  Stop();
  m_nDeviceIndex = index;
  m_output.SetDevice(nullptr);
  if (!m_device.Open(index)) return false;
  m_output.SetDevice(&m_device);
  return true;
}

void MidiPlayer::CloseDevice() {
  Stop();
  if (m_output.Device()) m_output.Device()->Close();
  m_output.SetDevice(nullptr);
}

bool MidiPlayer::Start(std::unique_ptr<MidiSong> song, int startBeat, MidiBeatListener* listener) {
  Stop();
  m_song = std::move(song);
  m_listener = listener;
  m_nStartBeat = startBeat;
  m_clock.SetResolution(ClockResolutionFor(m_song->division));
  m_clock.SetTempo(m_song->state.tempo ? m_song->state.tempo : MidiClock::TempoOfBpm(120));
  m_output.AttachTracks(&m_song->tracks);
  m_clock.Start();
  m_output.Start();
  if (m_timer.Start(m_clock, MidiClock::kPeriodMs)) return true;
  Stop();
  return false;
}

void MidiPlayer::Stop() {
  m_timer.Stop();
  if (m_clock.IsRunning()) {
    m_clock.Stop();
    m_output.Silence();
  }
  m_output.DetachTracks();
  m_song.reset();
  // What the clock posted before it stopped is dropped with the song.
  m_clock.TakeBeats();
  m_clock.TakeRefill();
  m_clock.TakeEnd();
}

void MidiPlayer::Forget(MidiBeatListener* listener) {
  if (m_listener != listener) return;
  Stop();
  m_listener = nullptr;
}

void MidiPlayer::Deliver() {
  if (!m_clock.IsRunning()) return;
  if (m_clock.TakeRefill()) m_output.Refill();
  // A beat may stop the show (the end of the show, a picture), which stops the song too.
  for (std::uint32_t beats = m_clock.TakeBeats(); beats > 0 && m_clock.IsRunning(); --beats) {
    ++m_nStartBeat;
    if (m_listener) m_listener->OnMidiBeat(m_nStartBeat);
  }
  if (m_clock.IsRunning() && m_clock.TakeEnd()) Stop();
}

}  // namespace px
