#include "core/animation/animation_clock.h"

#include <algorithm>

#include "core/animation/animation_host.h"
#include "core/animation/navigation.h"
#include "core/animation/song_for_step.h"
#include "core/animation/song_player.h"
#include "core/doc/pxdoc.h"
#include "core/ui/ui.h"
#include "core/util/format.h"

namespace px {

int AnimationClock::PeriodForTempo(int tempo) { return 60000 / std::clamp(tempo, kMinTempo, kMaxTempo); }

AnimationClock::AnimationClock(CPxDoc& doc, Ui& ui, SongPlayer& player, AnimationHost& host)
    : m_doc(doc), m_ui(ui), m_player(player), m_host(host), m_nPeriod(PeriodForTempo(doc.m_nTempo)) {}

bool AnimationClock::IsPlaying() const { return m_doc.m_bPlaying; }

void AnimationClock::SetActive(bool active) {
  const bool wasActive = m_bActive;
  m_bActive = active;
  if (wasActive && !active) Stop();
}

void AnimationClock::Start() {
  m_ui.UpdateAllViews();
  m_doc.m_selection.formations.clear();
  m_host.ClearSelectedPeople();
  m_nPeriod = PeriodForTempo(m_doc.m_nTempo);
  m_bJustStarted = true;
  m_doc.m_bPlaying = true;
  if (!m_bActive) return;
  m_host.KillTimer();
  const SongEntry song = LookUpSong(m_doc.m_nCurrentStep);
  if (!song.fileName.empty() && !StartSong(song)) return;
  m_host.ArmTimer(m_nPeriod);
}

void AnimationClock::Stop() {
  m_doc.m_bPlaying = false;
  m_host.KillTimer();
  ForgetSong();
  m_ui.UpdateAllViews();
}

void AnimationClock::OnTimer() {
  // The song has run out: the next song (or this one again, from where the show stands)
  // takes over, while the timer keeps its period.
  if (m_doc.m_bSongStarted && !m_player.IsRunning()) {
    ForgetSong();
    const SongEntry song = LookUpSong(m_doc.m_nCurrentStep);
    // Past the last song the show goes on on the timer from the next tick. A song whose
    // music ran out before its steps did is not started again over the rest of them: it
    // would run out at once, tick after tick, and hold the show still.
    if (!song.fileName.empty() && (song.fileName != m_doc.m_strLastSong || song.beginStep != m_doc.m_nLastSongBegin)) {
      StartSong(song);
      return;
    }
  }

  m_host.KillTimer();
  const SongEntry song = LookUpSong(m_doc.m_nCurrentStep);
  if (!m_doc.m_bPlaying) {
    if (!song.fileName.empty()) ForgetSong();
    return;
  }
  if (song.fileName != m_doc.m_strLastSong || song.beginStep != m_doc.m_nLastSongBegin) {
    if (!song.fileName.empty()) {
      if (!StartSong(song)) return;
    } else {
      ForgetSong();
    }
    RememberSong(song);
  }

  bool step = false;
  if (m_doc.m_bSongStarted) {
    // The music's beats move the show; near a song's end, every sixth tick moves it too,
    // so the show does not hang when the music stops short of the next song.
    if (LookUpSong(m_doc.m_nCurrentStep + 3).fileName.empty() && ++m_nTicksWithoutSongAhead > kTicksWithoutSongAhead) {
      step = true;
      m_nTicksWithoutSongAhead = 0;
    }
  } else {
    step = true;
  }
  m_host.ArmTimer(m_nPeriod);
  // The step runs after the timer is armed again, so a stop in the step kills the timer.
  if (step) OnAnimationStep();
}

void AnimationClock::OnAnimationStep() {
  if (!m_doc.m_bPlaying) return;
  m_doc.m_selection.formations.clear();
  if (m_doc.m_bStepBeep) m_ui.Beep();

  bool wrapped = false;
  if (m_doc.m_bLoopAtEnd) {
    if (m_doc.m_nCurrentStep % 10 == 0 && NoPictureFromCurrentStep()) {
      m_doc.SetCurrentStep(-1);  // the advance below makes it 0
      wrapped = true;
    }
  } else if (m_doc.m_bStopAtEnd && NoPictureFromCurrentStep()) {
    Stop();
    return;
  }
  if (m_doc.m_bStopAtPicture && !m_bJustStarted && !wrapped && m_doc.HasFormationAtStep(m_doc.m_nCurrentStep)) {
    Stop();
    return;
  }
  AdvanceStep(m_doc, m_ui);
  m_ui.RedrawTimeLine();
  m_bJustStarted = false;
}

void AnimationClock::OnSongBeat(int startBeat) {
  // A beat still queued when the show stopped moves nothing.
  if (!m_bActive || !m_doc.m_bPlaying) return;
  const SongEntry song = LookUpSong(m_doc.m_nCurrentStep);
  // The step before the beat's, so the advance below shows begin + offset + beats: the
  // show stays on the beat the music has reached, not one ahead of it.
  if (!song.fileName.empty()) m_doc.SetCurrentStep(song.beginStep + startBeat - 1);
  OnAnimationStep();
}

SongEntry AnimationClock::LookUpSong(int step) const {
  if (!m_player.CanPlaySongs()) return {};
  return SongForStep(m_doc, step);
}

bool AnimationClock::StartSong(const SongEntry& song) {
  if (m_player.StartSong(song.fileName, m_doc.m_nCurrentStep - song.beginStep)) {
    m_doc.m_bSongStarted = true;
    // Remembered at once, so the next tick does not start the same song over.
    RememberSong(song);
    return true;
  }
  // A song that cannot be played stops the show where it stands.
  m_doc.m_bPlaying = false;
  m_host.KillTimer();
  ForgetSong();
  m_ui.UpdateAllViews();
  m_ui.MessageBox(Format("%s: Song not found.", song.fileName.c_str()), "MIDI Song");
  return false;
}

void AnimationClock::ForgetSong() {
  m_player.StopSong();
  m_doc.m_bSongStarted = false;
}

void AnimationClock::RememberSong(const SongEntry& song) {
  m_doc.m_strLastSong = song.fileName;
  m_doc.m_nLastSongBegin = song.beginStep;
}

bool AnimationClock::NoPictureFromCurrentStep() const {
  return m_doc.NextFormationStep(m_doc.m_nCurrentStep, true) < 0;
}

}  // namespace px
