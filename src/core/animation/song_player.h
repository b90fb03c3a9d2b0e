#pragma once
// What the animation clock needs of the MIDI player: start a song part-way, stop it, and
// whether its clock is still sending. The player calls AnimationClock::OnSongBeat on each
// beat of the music.
#include <string>

namespace px {

class SongPlayer {
 public:
  virtual ~SongPlayer() = default;

  // False when this player cannot play songs at all: the show then ignores its song list
  // and runs on the tempo of the internal timer.
  virtual bool CanPlaySongs() const = 0;
  // Loads `fileName` and starts it `offsetSteps` beats after its beginning. False when the
  // file cannot be found or read; the player has then shown any message of its own.
  virtual bool StartSong(const std::string& fileName, int offsetSteps) = 0;
  // Stops the music and lets go of the loaded file; nothing happens when none plays.
  virtual void StopSong() = 0;
  // Whether the MIDI clock is still running (false once a started song has run out).
  virtual bool IsRunning() const = 0;
};

// The player of a program built without MIDI output: the show plays silently on its tempo.
class SilentSongPlayer final : public SongPlayer {
 public:
  bool CanPlaySongs() const override { return false; }
  bool StartSong(const std::string&, int) override { return false; }
  void StopSong() override {}
  bool IsRunning() const override { return false; }
};

}  // namespace px
