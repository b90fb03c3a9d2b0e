#pragma once
// The periodic timer that drives a MidiClock: the desktop program runs it on a thread of its
// own, tests and offline rendering call the clock by hand.
namespace px {

class MidiClock;

class MidiTimer {
 public:
  virtual ~MidiTimer() = default;
  // Calls clock.OnPeriod() every `periodMs` until Stop. Whenever a call posted something, the
  // timer has the user-interface thread call MidiPlayer::Deliver. False when it cannot run.
  virtual bool Start(MidiClock& clock, int periodMs) = 0;
  // Returns once no call of OnPeriod runs or will run.
  virtual void Stop() = 0;
};

}  // namespace px
