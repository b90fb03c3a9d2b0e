#pragma once
// The Animation Options dialog: default step size, end-of-show and picture behaviour, the
// internal timer's tempo, MIDI play and the step cache.
#include <functional>
#include <optional>
#include <string>

#include "core/ui/dialog_message.h"

namespace px {

class CPxDoc;
class Ui;

struct AnimationOptionsDialog {
  static constexpr const char* kTitle = "Animation Options";
  static constexpr const char* kCaption = "March Options";  // of its messages
  static constexpr double kMinStepInches = 12.0;
  static constexpr int kStepSizeChars = 10;  // the longest text the step size field takes
  static constexpr int kStepsForCalculator = 1;  // the "S" button's Step Calculator

  std::string m_strStepSize;  // "Default Step Size:", inches as typed
  bool m_bLoopAtEnd = false;       // "Loop At End Of Show"
  bool m_bStopAtEnd = false;       // "Stop At End Of Show"
  bool m_bStopAtPicture = false;   // "Stop At Each Picture"
  int m_nTempo = 0;                // "Internal Timer Tempo:"
  bool m_bSyncToMidi = false;      // "Play / Synch To MIDI"
  bool m_bSaveStepsToMemory = false;  // "Save Steps To Memory"

  void LoadFrom(const CPxDoc& doc);
  // The first reason to refuse OK, or nothing.
  std::optional<DialogMessage> validate() const;
  // Stores the fields (only after validate() found nothing) and marks the show modified
  // when a setting changed.
  void ApplyTo(CPxDoc& doc) const;
};

// The command, first half: stops the animation, refreshes the time line and fills the
// dialog from the show.
AnimationOptionsDialog BeginAnimationOptions(CPxDoc& doc, Ui& ui);

// The command after OK. `takeUndoSnapshot` saves the show's state for Undo before anything
// changes; it is empty until the show has an undo.
void FinishAnimationOptions(CPxDoc& doc, const AnimationOptionsDialog& dialog, Ui& ui,
                            const std::function<void()>& takeUndoSnapshot);

}  // namespace px
