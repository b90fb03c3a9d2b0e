#include "core/animation/music_commands.h"

#include <algorithm>

#include "core/doc/pxdoc.h"
#include "core/ui/ui.h"

namespace px {

bool RunSongList(CPxDoc& doc, Ui& ui, const std::function<bool(SongListDialog&)>& runDialog) {
  ui.StopAnimation();
  ui.RedrawTimeLine();
  SongListDialog dialog(doc.m_songs);
  if (!runDialog(dialog)) return false;
  doc.m_nLastStep = std::max(doc.m_nLastStep, dialog.LargestEnd());
  doc.RecalcPositions();
  doc.m_songs = dialog.Lines();
  ui.UpdateAllViews();
  doc.SetModifiedFlag();
  if (!doc.m_songs.empty() && !doc.m_bSyncToMidi &&
      ui.AskYesNo("MIDI Play is not enabled for this show.  Do you want to enable it?\r\n\r\n(If no sound is "
                  "heard, choose a different MIDI device.)",
                  SongListDialog::kCaption))
    doc.m_bSyncToMidi = 1;
  return true;
}

MidiDeviceDialog::MidiDeviceDialog(MidiOutDevice& device, int current) {
  if (const std::string mapper = device.Name(kMidiMapper); !mapper.empty()) m_items.push_back({mapper, kMidiMapper});
  for (int i = 0; i < device.Count(); ++i) m_items.push_back({device.Name(i), i});
  for (size_t i = 0; i < m_items.size(); ++i)
    if (m_items[i].index == current) m_nSelected = static_cast<int>(i);
}

std::optional<DialogMessage> MidiDeviceDialog::Validate() const {
  if (m_nSelected < 0 || m_nSelected >= static_cast<int>(m_items.size()))
    return DialogMessage{"Please select an item", "MIDI Device"};
  return std::nullopt;
}

bool RunMidiDeviceChoice(CPxDoc& doc, Ui& ui, MidiOutDevice& device,
                         const std::function<bool(MidiDeviceDialog&)>& runDialog, const std::function<void()>& reopen) {
  ui.StopAnimation();
  ui.RedrawTimeLine();
  MidiDeviceDialog dialog(device, doc.m_nMidiDevice);
  if (!runDialog(dialog)) return false;
  doc.m_nMidiDevice = dialog.ChosenDevice();
  reopen();
  return true;
}

}  // namespace px
