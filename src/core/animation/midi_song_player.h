#pragma once
// The song player of a field view: loads the show's songs and plays them on the program's
// MIDI player, on the show's MIDI device, and moves the view's animation clock on each beat.
#include <functional>
#include <string>

#include "core/animation/song_player.h"
#include "core/midi/midi_player.h"

namespace px {

class AnimationClock;
class CPxDoc;
class Ui;

class MidiSongPlayer final : public SongPlayer, public MidiBeatListener {
 public:
  // `player` gives the program's MIDI player, made on first use; `showFolder` the folder of
  // the show's file (empty before it is saved), where song names without a folder are looked
  // for.
  MidiSongPlayer(CPxDoc& doc, Ui& ui, std::function<MidiPlayer&()> player, std::function<std::string()> showFolder);
  ~MidiSongPlayer() override;
  MidiSongPlayer(const MidiSongPlayer&) = delete;
  MidiSongPlayer& operator=(const MidiSongPlayer&) = delete;

  // The clock the beats move.
  void SetClock(AnimationClock* clock) { m_clock = clock; }

  bool CanPlaySongs() const override { return true; }
  bool StartSong(const std::string& fileName, int offsetSteps) override;
  void StopSong() override;
  bool IsRunning() const override;
  void OnMidiBeat(int startBeat) override;

  // Opens the show's device on the player again (after the show's choice changed); a device
  // that cannot be opened is reported and the music stays silent.
  void OpenShowDevice();

 private:
  std::string Resolve(const std::string& fileName) const;

  CPxDoc& m_doc;
  Ui& m_ui;
  std::function<MidiPlayer&()> m_getPlayer;
  std::function<std::string()> m_showFolder;
  MidiPlayer* m_player = nullptr;  // set once a song was started
  AnimationClock* m_clock = nullptr;
};

// The message shown when a MIDI device cannot be opened.
std::string DeviceOpenFailure(MidiOutDevice& device, int index);

}  // namespace px
