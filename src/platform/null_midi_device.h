#pragma once
// A device that plays nothing: the show keeps the music's time in silence.
#include "core/midi/midi_out_device.h"

namespace px {

class NullMidiDevice final : public MidiOutDevice {
 public:
  int Count() override { return 0; }
  std::string Name(int) override { return "No Sound"; }
  bool Open(int) override { return m_open = true; }
  std::string LastError() const override { return {}; }
  bool IsOpen() const override { return m_open; }
  void ShortMessage(std::uint32_t) override {}
  void Reset() override {}
  void Close() override { m_open = false; }

 private:
  bool m_open = false;
};

}  // namespace px
