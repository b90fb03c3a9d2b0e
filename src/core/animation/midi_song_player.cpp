#include "core/animation/midi_song_player.h"

#include <climits>
#include <filesystem>
#include <new>

#include "core/animation/animation_clock.h"
#include "core/doc/pxdoc.h"
#include "core/ui/ui.h"
#include "core/util/cp1252.h"
#include "core/util/format.h"

namespace px {

std::string DeviceOpenFailure(MidiOutDevice& device, int index) {
  const std::string name = device.Name(index < device.Count() ? index : kMidiMapper);
  return Format("The MIDI output device \"%s\" cannot be opened (%s). The show plays without music.",
                name.c_str(), device.LastError().c_str());
}

MidiSongPlayer::MidiSongPlayer(CPxDoc& doc, Ui& ui, std::function<MidiPlayer&()> player,
                               std::function<std::string()> showFolder)
    : m_doc(doc), m_ui(ui), m_getPlayer(std::move(player)), m_showFolder(std::move(showFolder)) {}

MidiSongPlayer::~MidiSongPlayer() {
  if (m_player) m_player->Forget(this);
}

void MidiSongPlayer::OpenShowDevice() {
  MidiPlayer& player = m_getPlayer();
  if (!player.OpenDevice(m_doc.m_nMidiDevice)) m_ui.MessageBox(DeviceOpenFailure(player.Device(), m_doc.m_nMidiDevice), "MIDI Device");
}

bool MidiSongPlayer::StartSong(const std::string& fileName, int offsetSteps) {
  m_player = &m_getPlayer();
  // A show with another device than the last one played switches the player over.
  if (m_player->DeviceIndex() != m_doc.m_nMidiDevice) OpenShowDevice();
  m_player->Stop();

  const auto file = MidiFile::OpenForReading(Resolve(fileName));
  if (!file) return false;
  std::unique_ptr<MidiSong> song;
  try {
    const std::uint64_t offset = std::uint64_t{static_cast<std::uint32_t>(file->Division())} *
                                 static_cast<std::uint32_t>(std::max(offsetSteps, 0));
    song = LoadMidiSong(*file, static_cast<std::uint32_t>(std::min<std::uint64_t>(offset, UINT32_MAX)));
  } catch (const std::bad_alloc&) {
    m_ui.MessageBox("The current MIDI file is unloadable.", "MIDI File");
    return false;
  }
  return m_player->Start(std::move(song), offsetSteps, this);
}

void MidiSongPlayer::StopSong() {
  if (m_player) m_player->Forget(this);
}

bool MidiSongPlayer::IsRunning() const { return m_player && m_player->IsRunning(); }

void MidiSongPlayer::OnMidiBeat(int startBeat) {
  if (m_clock) m_clock->OnSongBeat(startBeat);
}

std::string MidiSongPlayer::Resolve(const std::string& fileName) const {
  namespace fs = std::filesystem;
  // The show keeps its texts in Windows-1252; the file system takes UTF-8.
  const std::string name = Cp1252ToUtf8(fileName);
  const fs::path path(name);
  std::error_code ec;
  if (path.is_absolute() || fs::exists(path, ec) || !m_showFolder) return name;
  const std::string folder = m_showFolder();
  if (folder.empty()) return name;
  const fs::path beside = fs::path(folder) / path;
  return fs::exists(beside, ec) ? beside.string() : name;
}

}  // namespace px
