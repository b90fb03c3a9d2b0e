#pragma once
// The MIDI output ports of the system through RtMidi on the ALSA sequencer. A machine without
// a sequencer (no /dev/snd/seq) has no ports; that is not an error.
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

class RtMidiOut;

namespace px {

class RtMidiPorts {
 public:
  RtMidiPorts();
  ~RtMidiPorts();
  RtMidiPorts(const RtMidiPorts&) = delete;
  RtMidiPorts& operator=(const RtMidiPorts&) = delete;

  // Reads the list of ports again.
  void Refresh();
  const std::vector<std::string>& Names() const { return m_names; }

  bool Open(int port, std::string& error);
  bool IsOpen() const;
  void Send(std::uint32_t message);
  void Close();

 private:
  std::unique_ptr<RtMidiOut> m_out;
  std::vector<std::string> m_names;
  bool m_open = false;
};

}  // namespace px
