#pragma once
// The program's MIDI player, made on first use: the output devices, the clock's thread and
// the hand-over of the clock's beats to the user-interface thread through an event
// descriptor, so the clock's thread neither locks nor allocates to wake it.
#include <QObject>
#include <QSocketNotifier>
#include <memory>

#include "core/midi/midi_player.h"
#include "platform/system_midi_out.h"
#include "platform/thread_midi_timer.h"

namespace px {

class MidiService : public QObject {
  Q_OBJECT
 public:
  // The devices are the system's; $PYXARO_MIDI set to "null" makes them silent, "synth" the
  // built-in synthesizer only.
  static MidiService& Instance();
  ~MidiService() override;

  MidiPlayer& Player() { return *m_player; }
  SystemMidiOut& Devices() { return *m_devices; }

 private:
  explicit MidiService(QObject* parent);
  void Wake();
  void Woken();

  int m_eventFd = -1;
  QSocketNotifier* m_notifier = nullptr;
  std::unique_ptr<SystemMidiOut> m_devices;
  std::unique_ptr<ThreadMidiTimer> m_timer;
  std::unique_ptr<MidiPlayer> m_player;
};

}  // namespace px
