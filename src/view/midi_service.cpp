#include "view/midi_service.h"

#include <sys/eventfd.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QPointer>
#include <cstdint>
#include <cstdlib>

namespace px {

MidiService& MidiService::Instance() {
  static QPointer<MidiService> service;
  // Owned by the application, so it goes before the application does.
  if (!service) service = new MidiService(QCoreApplication::instance());
  return *service;
}

MidiService::MidiService(QObject* parent) : QObject(parent) {
  const char* kind = std::getenv("PYXARO_MIDI");
  m_devices = std::make_unique<SystemMidiOut>(SystemMidiOut::KindNamed(kind ? kind : ""));
  m_eventFd = ::eventfd(0, EFD_NONBLOCK | EFD_CLOEXEC);
  if (m_eventFd >= 0) {
    m_notifier = new QSocketNotifier(m_eventFd, QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, &MidiService::Woken);
  }
  m_timer = std::make_unique<ThreadMidiTimer>([this] { Wake(); });
  m_player = std::make_unique<MidiPlayer>(*m_devices, *m_timer);
}

MidiService::~MidiService() {
  m_player.reset();  // stops the clock's thread before the descriptor goes
  m_timer.reset();
  if (m_eventFd >= 0) ::close(m_eventFd);
}

void MidiService::Wake() {
  const std::uint64_t one = 1;
  if (m_eventFd >= 0) [[maybe_unused]] auto written = ::write(m_eventFd, &one, sizeof one);
}

void MidiService::Woken() {
  std::uint64_t count = 0;
  [[maybe_unused]] auto read = ::read(m_eventFd, &count, sizeof count);
  m_player->Deliver();
}

}  // namespace px
