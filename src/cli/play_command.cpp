// pyxaro-cli play: plays a show headless, as the field view's timer would, and prints the
// current step after each tick. With --midi or --audio the show's songs play too, faster than
// real time, and their beats move the show; --audio writes what the built-in synthesizer
// plays into a WAV file.
#include <climits>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <memory>

#include "core/animation/animation_clock.h"
#include "core/animation/animation_host.h"
#include "core/animation/midi_song_player.h"
#include "core/midi/manual_midi_timer.h"
#include "core/animation/song_player.h"
#include "core/doc/pxdoc.h"
#include "cli/commands.h"
#include "core/ui/quiet_ui.h"
#include "core/util/cp1252.h"
#include "platform/system_midi_out.h"

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

// 16-bit stereo samples as a WAV file.
void WriteWav(const std::string& path, const std::vector<std::int16_t>& samples) {
  std::ofstream out(path, std::ios::binary);
  const auto put = [&](std::uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i) out.put(static_cast<char>((value >> (8 * i)) & 0xFF));
  };
  const std::uint32_t rate = FluidSynthDevice::kSampleRate, data = static_cast<std::uint32_t>(samples.size() * 2);
  out.write("RIFF", 4);
  put(36 + data, 4);
  out.write("WAVEfmt ", 8);
  put(16, 4);
  put(1, 2);             // PCM
  put(2, 2);             // stereo
  put(rate, 4);
  put(rate * 4, 4);      // bytes a second
  put(4, 2);             // bytes a frame
  put(16, 2);            // bits a sample
  out.write("data", 4);
  put(data, 4);
  out.write(reinterpret_cast<const char*>(samples.data()), static_cast<std::streamsize>(data));
  if (!out.flush()) Fail("cannot write " + path);
}

}  // namespace

int PlayCommand(const Args& args) {
  const Options options(args, {{"--from"}, {"--ticks"}, {"--midi"}, {"--audio"}}, 1);
  const std::string showPath = options.Positional(0);
  auto opened = OpenShowOrFail(showPath);
  CPxDoc& doc = *opened;
  // Playing goes on past the last picture (and moves the last step with it), so a start
  // beyond it is allowed, up to the largest step a show can store.
  if (options.Has("--from")) doc.SetCurrentStep(options.Int("--from", 0, kMaxStep, 0));
  const int ticks = options.Int("--ticks", 0, INT_MAX, kMaxTicks);
  const std::string audio = options.Has("--audio") ? *options.Value("--audio") : std::string();
  const std::string midi = options.Has("--midi") ? *options.Value("--midi") : audio.empty() ? "" : "synth";
  if (!midi.empty() && midi != "null" && midi != "synth") FailUsage("--midi is null or synth");
  if (!audio.empty() && midi != "synth") FailUsage("--audio plays through --midi synth");
  doc.RecalcPositions();

  ConsoleUi ui;
  LoopTimer timer;
  // Without --midi the songs stay silent and the show keeps its tempo.
  SilentSongPlayer silent;
  SystemMidiOut devices(SystemMidiOut::KindNamed(midi), false);
  ManualMidiTimer midiTimer;
  MidiPlayer midiPlayer(devices, midiTimer);
  const std::string folder = std::filesystem::absolute(showPath).parent_path().string();
  MidiSongPlayer songs(doc, ui, [&]() -> MidiPlayer& { return midiPlayer; }, [&] { return folder; });
  SongPlayer& player = midi.empty() ? static_cast<SongPlayer&>(silent) : songs;

  AnimationClock clock(doc, ui, player, timer);
  songs.SetClock(&clock);
  ui.clock = &clock;
  clock.SetActive(true);
  clock.Start();
  if (midi.empty()) {
    for (int tick = 0; tick < ticks && timer.armed; ++tick) {
      clock.OnTimer();
      std::cout << doc.m_nCurrentStep << '\n';
    }
    return 0;
  }
  // Time passes in the clock's periods; the view's timer ticks every so many of them.
  std::vector<std::int16_t> samples, period;
  constexpr int kFramesPerPeriod = FluidSynthDevice::kSampleRate * MidiClock::kPeriodMs / 1000;
  int sinceTick = 0;
  for (int tick = 0; tick < ticks && timer.armed;) {
    midiTimer.Period(midiPlayer);
    if (!audio.empty() && devices.Synth()) {
      devices.Synth()->Render(kFramesPerPeriod, period);
      samples.insert(samples.end(), period.begin(), period.end());
    }
    if ((sinceTick += MidiClock::kPeriodMs) < clock.Period()) continue;
    sinceTick = 0;
    clock.OnTimer();
    std::cout << doc.m_nCurrentStep << '\n';
    ++tick;
  }
  clock.Stop();
  if (!audio.empty()) WriteWav(audio, samples);
  return 0;
}

}  // namespace px
