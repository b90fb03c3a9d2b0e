#include "platform/system_midi_out.h"

namespace px {

SystemMidiOut::Kind SystemMidiOut::KindNamed(const std::string& name) {
  if (name == "null") return Kind::Silent;
  if (name == "synth") return Kind::Synth;
  return Kind::System;
}

SystemMidiOut::SystemMidiOut(Kind kind, bool liveAudio) : m_kind(kind) {
  if (kind != Kind::Silent) m_synth = std::make_unique<FluidSynthDevice>(liveAudio);
  if (kind == Kind::System) m_ports = std::make_unique<RtMidiPorts>();
}

void SystemMidiOut::Refresh() {
  if (m_ports && !m_ports->IsOpen()) m_ports->Refresh();
}

int SystemMidiOut::Count() {
  if (m_kind == Kind::Silent) return 0;
  return 1 + (m_ports ? static_cast<int>(m_ports->Names().size()) : 0);
}

std::string SystemMidiOut::Name(int index) {
  if (m_kind == Kind::Silent) return m_null.Name(index);
  if (index == kMidiMapper) return "MIDI Mapper";
  if (index <= 0 || !m_ports || index > static_cast<int>(m_ports->Names().size())) return m_synth->Name(0);
  return m_ports->Names()[static_cast<size_t>(index - 1)];
}

bool SystemMidiOut::Open(int index) {
  Close();
  m_error.clear();
  if (m_kind == Kind::Silent) {
    m_null.Open(0);
    m_open = &m_null;
    return true;
  }
  // The mapper, and any index past the list, is the synthesizer, as is device 0: a show
  // sounds on a machine without MIDI hardware.
  if (index <= 0 || index >= Count()) {
    if (!m_synth->Open(0)) {
      m_error = m_synth->LastError();
      return false;
    }
    m_open = m_synth.get();
    return true;
  }
  if (!m_ports->Open(index - 1, m_error)) return false;
  m_open = this;
  return true;
}

void SystemMidiOut::ShortMessage(std::uint32_t message) {
  if (m_open == this)
    m_ports->Send(message);
  else if (m_open)
    m_open->ShortMessage(message);
}

void SystemMidiOut::Reset() {
  if (m_open && m_open != this) m_open->Reset();
  // A port has no reset of its own: the notes were released and All Notes Off sent before.
}

void SystemMidiOut::Close() {
  if (m_open == this)
    m_ports->Close();
  else if (m_open)
    m_open->Close();
  m_open = nullptr;
}

}  // namespace px
