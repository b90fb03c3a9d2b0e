#include "platform/rtmidi_ports.h"

#include <RtMidi.h>

#include "core/midi/midi_event.h"

namespace px {

RtMidiPorts::RtMidiPorts() { Refresh(); }

RtMidiPorts::~RtMidiPorts() { Close(); }

void RtMidiPorts::Refresh() {
  m_names.clear();
  try {
    if (!m_out) {
      m_out = std::make_unique<RtMidiOut>(RtMidi::LINUX_ALSA, "Pyxaro");
      // Warnings would go to standard error; a port that fails is reported by Open.
      m_out->setErrorCallback([](RtMidiError::Type, const std::string&, void*) {}, nullptr);
    }
    const unsigned count = m_out->getPortCount();
    for (unsigned i = 0; i < count; ++i) m_names.push_back(m_out->getPortName(i));
  } catch (const RtMidiError&) {
    m_out.reset();  // no sequencer: no ports
    m_names.clear();
  }
}

bool RtMidiPorts::Open(int port, std::string& error) {
  Close();
  if (!m_out || port < 0 || port >= static_cast<int>(m_names.size())) {
    error = "the port is gone";
    return false;
  }
  try {
    m_out->openPort(static_cast<unsigned>(port), "Pyxaro Output");
    m_open = m_out->isPortOpen();
  } catch (const RtMidiError& e) {
    error = e.getMessage();
    return false;
  }
  if (!m_open) error = "the port refused the connection";
  return m_open;
}

bool RtMidiPorts::IsOpen() const { return m_open; }

void RtMidiPorts::Send(std::uint32_t message) {
  if (!m_open) return;
  const unsigned char status = message & 0xFF;
  const unsigned char bytes[3] = {status, static_cast<unsigned char>(message >> 8), static_cast<unsigned char>(message >> 16)};
  try {
    m_out->sendMessage(bytes, 1 + static_cast<size_t>(MidiDataBytes(status)));
  } catch (const RtMidiError&) {
    // A port that went away mid-song: the rest plays silently.
  }
}

void RtMidiPorts::Close() {
  if (m_open && m_out) m_out->closePort();
  m_open = false;
}

}  // namespace px
