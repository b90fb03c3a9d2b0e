#include "core/animation/animation_options_dialog.h"

#include <cmath>
#include <cstdio>

#include "core/animation/animation_clock.h"
#include "core/doc/pxdoc.h"
#include "core/ui/ui.h"
#include "core/util/format.h"

namespace px {
namespace {

// The typed step size in inches; nothing when the text does not start with a number.
std::optional<double> ReadInches(const std::string& text) {
  double inches = 0.0;
  if (std::sscanf(text.c_str(), "%lf", &inches) != 1) return std::nullopt;
  return inches;
}

}  // namespace

void AnimationOptionsDialog::LoadFrom(const CPxDoc& doc) {
  m_strStepSize = Format("%.2lf", doc.m_dStepSize * 0.5);
  m_bLoopAtEnd = doc.m_bLoopAtEnd != 0;
  m_bStopAtEnd = doc.m_bStopAtEnd != 0;
  m_bStopAtPicture = doc.m_bStopAtPicture != 0;
  m_nTempo = doc.m_nTempo;
  m_bSyncToMidi = doc.m_bSyncToMidi != 0;
  m_bSaveStepsToMemory = doc.m_bSaveStepsToMemory != 0;
}

std::optional<DialogMessage> AnimationOptionsDialog::validate() const {
  const std::optional<double> inches = ReadInches(m_strStepSize);
  // An infinite size ("1e999", or one that doubles past the largest double) is refused too.
  if (!inches || !(*inches >= kMinStepInches) || !std::isfinite(*inches * 2))
    return DialogMessage{"Step size must be at least 12 inches.", kCaption};
  if (m_nTempo < AnimationClock::kMinTempo || m_nTempo > AnimationClock::kMaxTempo)
    return DialogMessage{Format("Tempo must be between 10 and %d.", AnimationClock::kMaxTempo), kCaption};
  return std::nullopt;
}

void AnimationOptionsDialog::ApplyTo(CPxDoc& doc) const {
  const double stepSize = ReadInches(m_strStepSize).value_or(doc.m_dStepSize * 0.5) * 2;
  const bool changed = stepSize != doc.m_dStepSize || m_bLoopAtEnd != (doc.m_bLoopAtEnd != 0) ||
                       m_bStopAtEnd != (doc.m_bStopAtEnd != 0) || m_bStopAtPicture != (doc.m_bStopAtPicture != 0) ||
                       m_nTempo != doc.m_nTempo || m_bSyncToMidi != (doc.m_bSyncToMidi != 0) ||
                       m_bSaveStepsToMemory != (doc.m_bSaveStepsToMemory != 0);
  doc.m_dStepSize = stepSize;
  doc.m_bLoopAtEnd = m_bLoopAtEnd;
  doc.m_bStopAtEnd = m_bStopAtEnd;
  doc.m_bStopAtPicture = m_bStopAtPicture;
  doc.m_nTempo = m_nTempo;
  doc.m_bSyncToMidi = m_bSyncToMidi;
  doc.m_bSaveStepsToMemory = m_bSaveStepsToMemory;
  // The settings are saved with the show: a change must not be lost on closing it.
  if (changed) doc.SetModifiedFlag();
}

AnimationOptionsDialog BeginAnimationOptions(CPxDoc& doc, Ui& ui) {
  ui.StopAnimation();
  ui.RedrawTimeLine();
  AnimationOptionsDialog dialog;
  dialog.LoadFrom(doc);
  return dialog;
}

void FinishAnimationOptions(CPxDoc& doc, const AnimationOptionsDialog& dialog, Ui& ui,
                            const std::function<void()>& takeUndoSnapshot) {
  if (takeUndoSnapshot) takeUndoSnapshot();
  dialog.ApplyTo(doc);
  ui.UpdateAllViews();
}

}  // namespace px
