#pragma once
// The Song dialog (one song of the show: its file, begin step and number of steps) and the
// Song List dialog (every song of the show), as models the windows bind to.
#include <algorithm>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "core/midi/song_entry.h"
#include "core/ui/dialog_message.h"
#include "core/ui/ui.h"

namespace px {

inline constexpr const char* kSongNotice =
    "IMPORTANT: MIDI Files which have a resolution (ticks per beat) greater than 480, will be converted to 480 "
    "before playing.  For best results, check the settings on your MIDI editor and make your files with a "
    "resolution of 480 ticks per beat or less.";

// The highest step a song may reach.
inline constexpr int kMaxSongStep = 10000;

// The length of the song in `fileName` (a show text) in steps, or nothing when it is not a MIDI file the
// player can read.
std::optional<int> SongLengthOfFile(const std::string& fileName);

struct SongDialog {
  static constexpr const char* kTitle = "Song";
  static constexpr const char* kCaption = "MIDI Song";

  std::string m_strFileName;
  int m_nBeginStep = 0;
  int m_nSteps = 1000;

  // A file was chosen or typed: a song the player can read sets the number of steps to its
  // length.
  void FileNameChanged();
  // The spin controls: one up or down, never below 0.
  void SpinBegin(int delta) { m_nBeginStep = std::max(0, m_nBeginStep + delta); }
  void SpinSteps(int delta) { m_nSteps = std::max(0, m_nSteps + delta); }
  // OK: trims the file name, then the checks in order.
  std::optional<DialogMessage> Validate();
};

class SongListDialog {
 public:
  static constexpr const char* kTitle = "Song List";
  static constexpr const char* kCaption = "MIDI Song List";
  static constexpr const char* kHeading = "Begin step -  Number Of Steps - File Name";

  // Shows the song dialog on the model; true on OK.
  using SongDialogRunner = std::function<bool(SongDialog&)>;

  // The show's lines, sorted as the list shows them, the first selected.
  explicit SongListDialog(std::vector<std::string> lines);

  const std::vector<std::string>& Lines() const { return m_lines; }
  int Selected() const { return m_nSelected; }  // -1: none
  void Select(int index) { m_nSelected = index >= 0 && index < static_cast<int>(m_lines.size()) ? index : -1; }

  void Delete(Ui& ui);
  void Add(Ui& ui, const SongDialogRunner& run);
  void Change(Ui& ui, const SongDialogRunner& run);
  // OK: no two songs may begin on the same step.
  std::optional<DialogMessage> Validate() const;
  // The step after the last song's end.
  int LargestEnd() const;

 private:
  void Edit(Ui& ui, const SongDialogRunner& run, SongDialog song, int replacing);

  std::vector<std::string> m_lines;
  int m_nSelected = -1;
};

}  // namespace px
