#pragma once
// A show with formations at chosen steps, a fake song player, a timer that only records
// whether it runs, and a Ui whose Stop stops the clock as the desktop program's does.
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "core/animation/animation_clock.h"
#include "core/animation/animation_host.h"
#include "core/animation/song_player.h"
#include "core/doc/pxdoc.h"
#include "core/formation/formation.h"
#include "core/midi/song_entry.h"
#include "core/support/scripted_ui.h"

namespace px::test {

class FakeSongPlayer : public SongPlayer {
 public:
  bool CanPlaySongs() const override { return canPlay; }
  bool StartSong(const std::string& fileName, int offsetSteps) override {
    starts.emplace_back(fileName, offsetSteps);
    return running = fileName != missing;
  }
  void StopSong() override { running = false; }
  bool IsRunning() const override { return running; }

  bool canPlay = true;
  bool running = false;
  std::string missing;  // a file that cannot be started
  std::vector<std::pair<std::string, int>> starts;
};

class FakeTimer : public AnimationHost {
 public:
  void ArmTimer(int periodMs) override {
    armed = true;
    period = periodMs;
  }
  void KillTimer() override { armed = false; }
  void ClearSelectedPeople() override { ++peopleCleared; }

  bool armed = false;
  int period = 0;
  int peopleCleared = 0;
};

class ClockUi : public ScriptedUi {
 public:
  void StopAnimation() override {
    ScriptedUi::StopAnimation();
    if (clock) clock->Stop();
  }
  AnimationClock* clock = nullptr;
};

struct AnimationFixture {
  AnimationFixture() {
    doc.m_bStopAtEnd = 0;
    ui.clock = &clock;
    clock.SetActive(true);
  }

  // A formation (a picture) at each step.
  void Pictures(std::initializer_list<int> steps) {
    for (int step : steps) {
      doc.SetCurrentStep(step);
      doc.AddFormation(std::make_unique<CDrawRect>(CRect{1000, 1000, 2000, 1000}));
    }
    doc.SetCurrentStep(0);
  }
  void Song(int begin, int steps, const std::string& file) {
    doc.m_songs.push_back(FormatSongEntry(SongEntry{begin, steps, file}));
  }
  // Starts at `step` and returns the step after each of `ticks` ticks of a running timer.
  std::vector<int> PlayFrom(int step, int ticks) {
    doc.SetCurrentStep(step);
    clock.Start();
    return Ticks(ticks);
  }
  std::vector<int> Ticks(int ticks) {
    std::vector<int> steps;
    for (int i = 0; i < ticks && timer.armed; ++i) {
      clock.OnTimer();
      steps.push_back(doc.m_nCurrentStep);
    }
    return steps;
  }

  CPxDoc doc;
  ClockUi ui;
  FakeSongPlayer player;
  FakeTimer timer;
  AnimationClock clock{doc, ui, player, timer};
};

}  // namespace px::test
