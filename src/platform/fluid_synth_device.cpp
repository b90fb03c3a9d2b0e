#include "platform/fluid_synth_device.h"

#include <fluidsynth.h>

#include <cstdlib>
#include <filesystem>

namespace px {
namespace {

// FluidSynth writes its complaints to standard error; the device reports failures itself.
void QuietLog(int, const char*, void*) {}

}  // namespace

FluidSynthDevice::FluidSynthDevice(bool liveAudio) : m_bLiveAudio(liveAudio) {
  for (int level : {FLUID_PANIC, FLUID_ERR, FLUID_WARN, FLUID_INFO, FLUID_DBG}) fluid_set_log_function(level, QuietLog, nullptr);
}

FluidSynthDevice::~FluidSynthDevice() { Close(); }

std::string FluidSynthDevice::FindSoundFont() {
  if (const char* chosen = std::getenv("PYXARO_SOUNDFONT"); chosen && *chosen) return chosen;
  std::error_code ec;
  for (const char* path : {"/usr/share/sounds/sf2/default-GM.sf2", "/usr/share/sounds/sf2/FluidR3_GM.sf2",
                           "/usr/share/sounds/sf2/TimGM6mb.sf2", "/usr/share/soundfonts/default.sf2"})
    if (std::filesystem::is_regular_file(path, ec)) return path;
  return {};
}

bool FluidSynthDevice::Open(int) {
  Close();
  m_error.clear();
  const std::string font = FindSoundFont();
  if (font.empty()) {
    m_error = "no General MIDI soundfont is installed";
    return false;
  }
  m_settings = new_fluid_settings();
  fluid_settings_setnum(m_settings, "synth.sample-rate", kSampleRate);
  m_synth = m_settings ? new_fluid_synth(m_settings) : nullptr;
  if (!m_synth || fluid_synth_sfload(m_synth, font.c_str(), 1) == FLUID_FAILED) {
    m_error = "the soundfont " + font + " cannot be loaded";
    Close();
    return false;
  }
  if (m_bLiveAudio) {
    for (const char* driver : {"pulseaudio", "alsa"}) {
      fluid_settings_setstr(m_settings, "audio.driver", driver);
      if ((m_audio = new_fluid_audio_driver(m_settings, m_synth))) break;
    }
    if (!m_audio) {
      m_error = "no sound output was found";
      Close();
      return false;
    }
  }
  return true;
}

void FluidSynthDevice::Close() {
  if (m_audio) delete_fluid_audio_driver(m_audio);
  if (m_synth) delete_fluid_synth(m_synth);
  if (m_settings) delete_fluid_settings(m_settings);
  m_audio = nullptr;
  m_synth = nullptr;
  m_settings = nullptr;
}

void FluidSynthDevice::ShortMessage(std::uint32_t message) {
  if (!m_synth) return;
  const int status = message & 0xFF, channel = status & 0x0F;
  const int d1 = (message >> 8) & 0x7F, d2 = (message >> 16) & 0x7F;
  switch (status & 0xF0) {
    case 0x80: fluid_synth_noteoff(m_synth, channel, d1); break;
    case 0x90: d2 ? fluid_synth_noteon(m_synth, channel, d1, d2) : fluid_synth_noteoff(m_synth, channel, d1); break;
    case 0xA0: fluid_synth_key_pressure(m_synth, channel, d1, d2); break;
    case 0xB0: fluid_synth_cc(m_synth, channel, d1, d2); break;
    case 0xC0: fluid_synth_program_change(m_synth, channel, d1); break;
    case 0xD0: fluid_synth_channel_pressure(m_synth, channel, d1); break;
    case 0xE0: fluid_synth_pitch_bend(m_synth, channel, d1 | (d2 << 7)); break;
    default: break;  // MIDI Start, Clock and Stop mean nothing to a synthesizer
  }
}

void FluidSynthDevice::Reset() {
  if (m_synth) fluid_synth_all_notes_off(m_synth, -1);
}

void FluidSynthDevice::Render(int frames, std::vector<std::int16_t>& interleaved) {
  interleaved.assign(static_cast<size_t>(frames) * 2, 0);
  if (m_synth && frames > 0)
    fluid_synth_write_s16(m_synth, frames, interleaved.data(), 0, 2, interleaved.data(), 1, 2);
}

}  // namespace px
