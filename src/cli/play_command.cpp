#include "cli/play_command.h"

#include <iostream>
#include <optional>

#include "core/animation/animation_clock.h"
#include "core/animation/animation_host.h"
#include "core/animation/song_player.h"
#include "core/doc/pxdoc.h"
#include "cli/cli_common.h"
#include "core/ui/ui.h"
#include "core/util/cp1252.h"

namespace px {
namespace {

constexpr const char* kUsage = "play: usage: play FILE [--from S] [--ticks N]\n";
// Without --ticks the show plays until it stops; a looping show stops here.
constexpr int kMaxTicks = 10000;

struct PlayOptions {
  std::string path;
  std::optional<int> from, ticks;
};

bool ParseOptions(const std::vector<std::string>& args, PlayOptions& options) {
  for (size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    if ((arg == "--from" || arg == "--ticks") && i + 1 < args.size()) {
      const std::optional<int> value = ParseInt(args[++i], 0);
      if (!value) {
        std::cerr << "play: " << arg << " needs a number of 0 or more\n";
        return false;
      }
      (arg == "--from" ? options.from : options.ticks) = value;
    } else if (options.path.empty() && arg.rfind("--", 0) != 0) {
      options.path = arg;
    } else {
      std::cerr << kUsage;
      return false;
    }
  }
  if (options.path.empty()) std::cerr << kUsage;
  return !options.path.empty();
}

// No window: messages go to standard error, stopping goes to the clock.
class ConsoleUi final : public Ui {
 public:
  AnimationClock* clock = nullptr;

  void MessageBox(const std::string& text, const std::string& caption) override {
    std::cerr << Cp1252ToUtf8(caption) << ": " << Cp1252ToUtf8(text) << "\n";
  }
  bool AskYesNo(const std::string& text, const std::string& caption) override {
    MessageBox(text, caption);
    return false;
  }
  void ShowText(const std::string&, const std::string&) override {}
  void SetStatusText(const std::string&) override {}
  void SetWaitCursor(bool) override {}
  void Beep() override {}
  void UpdateAllViews() override {}
  void StopAnimation() override {
    if (clock) clock->Stop();
  }
  void RedrawTimeLine() override {}
  void SetStepBoxText(const std::string&) override {}
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

int CmdPlay(const std::vector<std::string>& args) {
  PlayOptions options;
  if (!ParseOptions(args, options)) return 2;
  auto opened = OpenShowOrThrow(options.path);
  CPxDoc& doc = *opened;
  if (options.from) doc.SetCurrentStep(*options.from);
  doc.RecalcPositions();

  ConsoleUi ui;
  SilentSongPlayer player;  // no music on the command line: the show keeps its tempo
  LoopTimer timer;
  AnimationClock clock(doc, ui, player, timer);
  ui.clock = &clock;
  clock.SetActive(true);
  clock.Start();
  const int ticks = options.ticks.value_or(kMaxTicks);
  std::string out;
  for (int tick = 0; tick < ticks && timer.armed; ++tick) {
    clock.OnTimer();
    out += std::to_string(doc.m_nCurrentStep);
    out += '\n';
  }
  std::cout << out;
  return 0;
}

}  // namespace px
