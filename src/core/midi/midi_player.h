#pragma once
// Plays one song at a time on a MIDI output device, in time with a clock driven by a periodic
// timer, and hands the song's beats to whoever started it. Lives on the user-interface thread;
// only the clock's period runs elsewhere.
#include <cstdint>
#include <memory>
#include <string>

#include "core/midi/midi_clock.h"
#include "core/midi/midi_file.h"
#include "core/midi/midi_out_device.h"
#include "core/midi/midi_output.h"
#include "core/midi/midi_timer.h"

namespace px {

// Who hears the beats of the song it started.
class MidiBeatListener {
 public:
  virtual ~MidiBeatListener() = default;
  // `startBeat`: the song's offset plus the beats played so far, this one included.
  virtual void OnMidiBeat(int startBeat) = 0;
};

class MidiPlayer {
 public:
  MidiPlayer(MidiOutDevice& device, MidiTimer& timer);
  ~MidiPlayer();
  MidiPlayer(const MidiPlayer&) = delete;
  MidiPlayer& operator=(const MidiPlayer&) = delete;

  MidiOutDevice& Device() { return m_device; }
  // Opens `index` (kMidiMapper or past the list: the mapper). When the device cannot be used
  // the player stays silent but keeps time; false then.
  bool OpenDevice(int index);
  // The index last asked for; -1 before any.
  int DeviceIndex() const { return m_nDeviceIndex; }
  void CloseDevice();

  // Plays `song` (read from its start offset) with its beats counted from `startBeat`.
  // False when the timer cannot run.
  bool Start(std::unique_ptr<MidiSong> song, int startBeat, MidiBeatListener* listener);
  // Stops the clock and silences the device; the song is let go.
  void Stop();
  // Whether the song still plays: false once its events ran out.
  bool IsRunning() const { return m_clock.IsRunning(); }
  // Forgets `listener` (a view that goes away); stops the song it started.
  void Forget(MidiBeatListener* listener);

  // On the user-interface thread, when the timer says the clock posted: tops the output up,
  // hands each beat to the listener, and stops the clock after the last event.
  void Deliver();

  MidiClock& Clock() { return m_clock; }
  MidiOutput& Output() { return m_output; }

 private:
  MidiOutDevice& m_device;
  MidiTimer& m_timer;
  MidiClock m_clock;
  MidiOutput m_output;
  std::unique_ptr<MidiSong> m_song;
  MidiBeatListener* m_listener = nullptr;
  int m_nDeviceIndex = -1;
  int m_nStartBeat = 0;
};

// The clock's resolution for a song of `division` ticks per beat: its own, or 480 for a finer
// file, whose times the reader converts to 480 per beat.
int ClockResolutionFor(int division);

}  // namespace px
