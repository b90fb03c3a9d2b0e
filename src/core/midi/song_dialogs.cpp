#include "core/midi/song_dialogs.h"

#include <algorithm>
#include <cctype>

#include "core/midi/midi_file.h"
#include "core/util/cp1252.h"
#include "core/util/format.h"

namespace px {
namespace {

// The list box's order: its lines as texts, ignoring case.
bool ListOrder(const std::string& a, const std::string& b) {
  return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
    return std::tolower(static_cast<unsigned char>(x)) < std::tolower(static_cast<unsigned char>(y));
  });
}

constexpr const char* kSameBegin = "Two songs may not begin on the same step.";

}  // namespace

std::optional<int> SongLengthOfFile(const std::string& fileName) {
  // The show keeps its texts in Windows-1252; the file system takes UTF-8.
  const auto file = MidiFile::OpenForReading(Cp1252ToUtf8(fileName));
  if (!file) return std::nullopt;
  return SongLengthInSteps(*file);
}

void SongDialog::FileNameChanged() {
  if (const auto length = SongLengthOfFile(Trimmed(m_strFileName, " "))) m_nSteps = *length;
}

std::optional<DialogMessage> SongDialog::Validate() {
  m_strFileName = Trimmed(m_strFileName, " ");
  if (m_strFileName.empty()) return DialogMessage{"Please enter a valid song file.", kCaption};
  if (!SongLengthOfFile(m_strFileName)) return DialogMessage{"The file is not a valid MIDI file.", kCaption};
  if (m_nBeginStep < 0 || m_nBeginStep > kMaxSongStep) return DialogMessage{"Please enter a valid begin step.", kCaption};
  if (m_nSteps <= 0 || static_cast<long long>(m_nBeginStep) + m_nSteps > kMaxSongStep)
    return DialogMessage{"Please enter a valid number of steps.", kCaption};
  return std::nullopt;
}

SongListDialog::SongListDialog(std::vector<std::string> lines) : m_lines(std::move(lines)) {
  std::stable_sort(m_lines.begin(), m_lines.end(), ListOrder);
  Select(0);
}

void SongListDialog::Delete(Ui& ui) {
  if (m_nSelected < 0) {
    ui.MessageBox("Please select a song to delete.", kCaption);
    return;
  }
  m_lines.erase(m_lines.begin() + m_nSelected);
  Select(std::max(0, m_nSelected - 1));
}

void SongListDialog::Add(Ui& ui, const SongDialogRunner& run) { Edit(ui, run, SongDialog{}, -1); }

void SongListDialog::Change(Ui& ui, const SongDialogRunner& run) {
  if (m_nSelected < 0) {
    ui.MessageBox("Please select a song to change.", kCaption);
    return;
  }
  const SongEntry old = ParseSongEntry(m_lines[static_cast<size_t>(m_nSelected)]);
  Edit(ui, run, SongDialog{old.fileName, old.beginStep, old.steps}, m_nSelected);
}

void SongListDialog::Edit(Ui& ui, const SongDialogRunner& run, SongDialog song, int replacing) {
  if (!run(song)) return;
  const int last = song.m_nBeginStep + song.m_nSteps - 1;
  bool overlaps = false;
  for (int i = 0; i < static_cast<int>(m_lines.size()); ++i) {
    if (i == replacing) continue;
    const SongEntry other = ParseSongEntry(m_lines[static_cast<size_t>(i)]);
    if (other.beginStep == song.m_nBeginStep) {
      ui.MessageBox(kSameBegin, kCaption);
      return;
    }
    const auto within = [&](int step) { return step >= other.beginStep && step < other.EndStep(); };
    overlaps = overlaps || within(song.m_nBeginStep) || within(last);
  }
  if (overlaps)
    ui.MessageBox("Warning: one or more songs overlap.  (Songs will be shortened to their actual length when played)",
                  kCaption);
  const std::string name = Trimmed(song.m_strFileName, " ");
  if (name.empty()) return;
  const std::string line = FormatSongEntry(SongEntry{song.m_nBeginStep, song.m_nSteps, name});
  if (replacing >= 0) m_lines.erase(m_lines.begin() + replacing);
  const auto at = std::upper_bound(m_lines.begin(), m_lines.end(), line, ListOrder) - m_lines.begin();
  m_lines.insert(m_lines.begin() + at, line);
  Select(static_cast<int>(at));
}

std::optional<DialogMessage> SongListDialog::Validate() const {
  for (size_t i = 0; i < m_lines.size(); ++i)
    for (size_t j = i + 1; j < m_lines.size(); ++j)
      if (ParseSongEntry(m_lines[i]).beginStep == ParseSongEntry(m_lines[j]).beginStep)
        return DialogMessage{kSameBegin, kCaption};
  return std::nullopt;
}

int SongListDialog::LargestEnd() const {
  int end = 0;
  for (const std::string& line : m_lines) end = std::max(end, ParseSongEntry(line).EndStep());
  return end;
}

}  // namespace px
