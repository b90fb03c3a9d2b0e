#pragma once
// The MIDI output devices of the program: the built-in synthesizer first (it is also the
// mapper), then every output port of the system; or one silent device.
#include <memory>
#include <string>

#include "core/midi/midi_out_device.h"
#include "platform/fluid_synth_device.h"
#include "platform/null_midi_device.h"
#include "platform/rtmidi_ports.h"

namespace px {

class SystemMidiOut final : public MidiOutDevice {
 public:
  enum class Kind { System, Synth, Silent };
  // `Kind` from a name: "null" (silent), "synth" (the synthesizer only) or anything else.
  static Kind KindNamed(const std::string& name);

  explicit SystemMidiOut(Kind kind = Kind::System, bool liveAudio = true);

  int Count() override;
  std::string Name(int index) override;
  bool Open(int index) override;
  std::string LastError() const override { return m_error; }
  bool IsOpen() const override { return m_open != nullptr; }
  void ShortMessage(std::uint32_t message) override;
  void Reset() override;
  void Close() override;

  // The synthesizer, for rendering offline; null for a silent device.
  FluidSynthDevice* Synth() { return m_synth.get(); }
  // The system's ports are read again (the device dialog opens).
  void Refresh();

 private:
  Kind m_kind;
  std::unique_ptr<FluidSynthDevice> m_synth;
  std::unique_ptr<RtMidiPorts> m_ports;
  NullMidiDevice m_null;
  MidiOutDevice* m_open = nullptr;  // the synth, the null device, or this for a port
  std::string m_error;
};

}  // namespace px
