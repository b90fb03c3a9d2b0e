#pragma once
// The animation clock of one field view: moves the show's current step one step per tick
// of the view's timer, or one per beat of the music while a song plays. It holds no timer
// of its own; it tells its host when to arm and kill it, so it runs the same under a GUI
// timer, a command-line loop or a test.
#include <string>

namespace px {

class AnimationHost;
class CPxDoc;
class SongPlayer;
class Ui;
struct SongEntry;

class AnimationClock {
 public:
  static constexpr int kMinTempo = 10;
  static constexpr int kMaxTempo = 300;
  // Ticks without a song three steps ahead after which a tick advances the show anyway.
  static constexpr int kTicksWithoutSongAhead = 5;

  // The timer period of a tempo in steps per minute (a tempo outside 10..300, only found in
  // a damaged show, is brought into that range first).
  static int PeriodForTempo(int tempo);

  AnimationClock(CPxDoc& doc, Ui& ui, SongPlayer& player, AnimationHost& host);
  AnimationClock(const AnimationClock&) = delete;
  AnimationClock& operator=(const AnimationClock&) = delete;

  // Whether the view is the frame's active view; only the active view animates, and a view
  // that loses activation stops the show.
  void SetActive(bool active);
  bool IsActive() const { return m_bActive; }

  // Start (U) and Stop (S).
  void Start();
  void Stop();
  // One period of the host's timer.
  void OnTimer();
  // The animation step: one step forward, or the loop, stop at the end, stop at a picture.
  void OnAnimationStep();
  // A beat of the playing song; `startBeat` is the song's offset plus the beats so far.
  void OnSongBeat(int startBeat);

  bool IsPlaying() const;
  int Period() const { return m_nPeriod; }
  bool JustStarted() const { return m_bJustStarted; }

 private:
  SongEntry LookUpSong(int step) const;
  // Starts the song at the current step; on failure the show stops where it stands.
  bool StartSong(const SongEntry& song);
  void ForgetSong();
  void RememberSong(const SongEntry& song);
  bool NoPictureFromCurrentStep() const;

  CPxDoc& m_doc;
  Ui& m_ui;
  SongPlayer& m_player;
  AnimationHost& m_host;
  bool m_bActive = false;
  bool m_bJustStarted = false;
  int m_nPeriod = 0;
  int m_nTicksWithoutSongAhead = 0;
};

}  // namespace px
