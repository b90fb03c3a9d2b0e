#pragma once
// The built-in General MIDI synthesizer: FluidSynth with a soundfont from the system. It plays
// through the machine's sound output when there is one, or renders into buffers offline.
#include <cstdint>
#include <string>
#include <vector>

#include "core/midi/midi_out_device.h"

typedef struct _fluid_hashtable_t fluid_settings_t;
typedef struct _fluid_synth_t fluid_synth_t;
typedef struct _fluid_audio_driver_t fluid_audio_driver_t;

namespace px {

class FluidSynthDevice final : public MidiOutDevice {
 public:
  static constexpr int kSampleRate = 44100;

  // `liveAudio`: open a sound output on Open (PulseAudio, then ALSA); without it the synth
  // only renders on request.
  explicit FluidSynthDevice(bool liveAudio);
  ~FluidSynthDevice() override;
  FluidSynthDevice(const FluidSynthDevice&) = delete;
  FluidSynthDevice& operator=(const FluidSynthDevice&) = delete;

  // The General MIDI soundfont to load: $PYXARO_SOUNDFONT, else the system's default one.
  static std::string FindSoundFont();

  int Count() override { return 1; }
  std::string Name(int) override { return "Built-in General MIDI Synthesizer"; }
  bool Open(int index) override;
  std::string LastError() const override { return m_error; }
  bool IsOpen() const override { return m_synth != nullptr; }
  void ShortMessage(std::uint32_t message) override;
  void Reset() override;
  void Close() override;

  // Renders `frames` stereo frames (left, right interleaved) of what is sounding.
  void Render(int frames, std::vector<std::int16_t>& interleaved);

 private:
  bool m_bLiveAudio;
  fluid_settings_t* m_settings = nullptr;
  fluid_synth_t* m_synth = nullptr;
  fluid_audio_driver_t* m_audio = nullptr;
  std::string m_error;
};

}  // namespace px
