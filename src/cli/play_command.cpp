// pyxaro-cli play: plays a show headless, as the field view's timer would, and prints the
// current step after each tick.
#include <climits>
#include <iostream>

#include "core/animation/animation_clock.h"
#include "core/animation/animation_host.h"
#include "core/animation/song_player.h"
#include "core/doc/pxdoc.h"
#include "cli/commands.h"
#include "core/ui/quiet_ui.h"
#include "core/util/cp1252.h"

namespace px {
namespace {

// Without --ticks the show plays until it stops; a looping show stops here.
constexpr int kMaxTicks = 10000;

// No window: messages go to standard error, stopping goes to the clock.
class ConsoleUi final : public QuietUi {
 public:
  AnimationClock* clock = nullptr;

  void MessageBox(const std::string& text, const std::string& caption) override {
    std::cerr << Cp1252ToUtf8(caption) << ": " << Cp1252ToUtf8(text) << "\n";
  }
  bool AskYesNo(const std::string& text, const std::string& caption) override {
    MessageBox(text, caption);
    return false;
  }
  Answer AskYesNoCancel(const std::string& text, const std::string& caption) override {
    MessageBox(text, caption);
    return Answer::Cancel;  // nobody to answer: change nothing
  }
  void StopAnimation() override {
    if (clock) clock->Stop();
  }
};

// The timer is a flag: the loop below is its period.
class LoopTimer final : public AnimationHost {
 public:
  bool armed = false;
  void ArmTimer(int) override { armed = true; }
  void KillTimer() override { armed = false; }
  void ClearSelectedPeople() override {}
};

}  // namespace

int PlayCommand(const Args& args) {
  const Options options(args, {{"--from"}, {"--ticks"}}, 1);
  auto opened = OpenShowOrFail(options.Positional(0));
  CPxDoc& doc = *opened;
  // Playing goes on past the last picture (and moves the last step with it), so a start
  // beyond it is allowed, up to the largest step a show can store.
  if (options.Has("--from")) doc.SetCurrentStep(options.Int("--from", 0, kMaxStep, 0));
  const int ticks = options.Int("--ticks", 0, INT_MAX, kMaxTicks);
  doc.RecalcPositions();

  ConsoleUi ui;
  SilentSongPlayer player;  // no music on the command line: the show keeps its tempo
  LoopTimer timer;
  AnimationClock clock(doc, ui, player, timer);
  ui.clock = &clock;
  clock.SetActive(true);
  clock.Start();
  for (int tick = 0; tick < ticks && timer.armed; ++tick) {
    clock.OnTimer();
    std::cout << doc.m_nCurrentStep << '\n';
  }
  return 0;
}

}  // namespace px
