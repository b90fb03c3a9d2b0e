// Reading a large MIDI file, and how late the clock's thread posts the beats of a song played
// into the silent device (30 s of real time; run it alone: bench_midi --benchmark_filter=Jitter).
#include <benchmark/benchmark.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <vector>

#include "core/midi/midi_file.h"
#include "core/midi/midi_player.h"
#include "core/midi/midi_writer.h"
#include "platform/null_midi_device.h"
#include "platform/thread_midi_timer.h"

namespace px {
namespace {

// About 1 MB: 16 tracks of dense notes.
std::vector<std::uint8_t> LargeSong() {
  std::vector<std::vector<MidiEvent>> tracks(16);
  for (int t = 0; t < 16; ++t)
    for (int i = 0; i < 16000; ++i) {
      tracks[static_cast<size_t>(t)].push_back({30, static_cast<std::uint8_t>(0x90 | t), static_cast<std::uint8_t>(40 + i % 40), 90, 0});
      tracks[static_cast<size_t>(t)].push_back({30, static_cast<std::uint8_t>(0x80 | t), static_cast<std::uint8_t>(40 + i % 40), 0, 0});
    }
  return WriteMidiFile(tracks, 480);
}

void BM_ReadLargeMidiFile(benchmark::State& state) {
  const std::vector<std::uint8_t> bytes = LargeSong();
  for (auto _ : state) {
    const auto file = MidiFile::FromBytes(bytes);
    const auto song = LoadMidiSong(*file, 0);
    benchmark::DoNotOptimize(song->tracks.data());
  }
  state.counters["bytes"] = static_cast<double>(bytes.size());
}
BENCHMARK(BM_ReadLargeMidiFile)->Unit(benchmark::kMillisecond);

void BM_ClockBeatJitter(benchmark::State& state) {
  using Clock = std::chrono::steady_clock;
  const int seconds = static_cast<int>(state.range(0));
  for (auto _ : state) {
    // One long note: the clock runs the whole time; 120 beats a minute at 480 ticks a beat.
    std::vector<std::vector<MidiEvent>> tracks = {{{0, 0x90, 60, 90, 0}, {static_cast<std::uint32_t>(seconds * 2 * 480 + 480), 0x80, 60, 0, 0}}};
    const auto file = MidiFile::FromBytes(WriteMidiFile(tracks, 480));
    NullMidiDevice device;
    std::vector<Clock::time_point> beats(static_cast<size_t>(seconds * 2 + 8));
    std::atomic<size_t> count{0};
    MidiPlayer* playerPtr = nullptr;
    ThreadMidiTimer timer([&] {
      // On the clock's thread: note the time of each beat (the UI thread would be woken here).
      for (std::uint32_t n = playerPtr->Clock().TakeBeats(); n > 0; --n) {
        const size_t i = count.load(std::memory_order_relaxed);
        if (i < beats.size()) beats[i] = Clock::now();
        count.store(i + 1, std::memory_order_relaxed);
      }
    });
    MidiPlayer player(device, timer);
    playerPtr = &player;
    player.OpenDevice(0);
    const auto start = Clock::now();
    player.Start(LoadMidiSong(*file, 0), 0, nullptr);
    while (count.load() < static_cast<size_t>(seconds * 2)) std::this_thread::sleep_for(std::chrono::milliseconds(50));
    player.Stop();
    // Beat k is due at the first 10 ms period whose ticks reach k × 480: 9.6 ticks a period.
    std::vector<double> late;
    for (size_t k = 1; k <= static_cast<size_t>(seconds * 2); ++k) {
      const long long period = static_cast<long long>((k * 480 * 10 + 95) / 96);
      const auto due = start + std::chrono::milliseconds(10 * period);
      late.push_back(std::chrono::duration<double, std::micro>(beats[k - 1] - due).count());
    }
    std::sort(late.begin(), late.end());
    state.counters["median_late_us"] = late[late.size() / 2];
    state.counters["worst_late_us"] = late.back();
  }
}
BENCHMARK(BM_ClockBeatJitter)->Arg(30)->Iterations(1)->Unit(benchmark::kSecond);

}  // namespace
}  // namespace px

BENCHMARK_MAIN();
