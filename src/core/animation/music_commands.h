#pragma once
// The Animate menu's music commands: Song List and MIDI Output Device.
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "core/midi/midi_out_device.h"
#include "core/midi/song_dialogs.h"
#include "core/ui/dialog_message.h"

namespace px {

class CPxDoc;
class Ui;

// Shows the Song List dialog on a copy of the show's songs; on OK the show takes them.
// Returns whether the show changed.
bool RunSongList(CPxDoc& doc, Ui& ui, const std::function<bool(SongListDialog&)>& runDialog);

// The MIDI Output Device dialog: every device by name with its index, the mapper first.
struct MidiDeviceDialog {
  static constexpr const char* kTitle = "MIDI Output Device";

  struct Item {
    std::string name;
    int index;
  };
  std::vector<Item> m_items;
  int m_nSelected = -1;  // a row of m_items

  // The devices of `device`, the show's `current` one selected.
  MidiDeviceDialog(MidiOutDevice& device, int current);
  std::optional<DialogMessage> Validate() const;
  int ChosenDevice() const { return m_items[static_cast<size_t>(m_nSelected)].index; }
};

// Stops the show, shows the dialog; on OK the show takes the chosen device and `reopen` opens
// the output on it. Returns whether the device was chosen.
bool RunMidiDeviceChoice(CPxDoc& doc, Ui& ui, MidiOutDevice& device,
                         const std::function<bool(MidiDeviceDialog&)>& runDialog, const std::function<void()>& reopen);

}  // namespace px
