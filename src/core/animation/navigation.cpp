#include "core/animation/navigation.h"

#include <algorithm>
#include <climits>
#include <cstdlib>
#include <optional>

#include "core/doc/pxdoc.h"
#include "core/midi/song_entry.h"
#include "core/ui/ui.h"
#include "core/util/format.h"

namespace px {
namespace {

// Every navigation command starts so: no formation stays selected and the show stops.
void BeginNavigation(CPxDoc& doc, Ui& ui) {
  doc.m_selection.formations.clear();
  ui.StopAnimation();
}

// Shows the current step after a move: positions, views and step box.
void ShowCurrentStep(CPxDoc& doc, Ui& ui) {
  doc.RecalcPositions();
  ui.UpdateAllViews();
  ui.SetStepBoxText(StepBoxText(doc.m_nCurrentStep));
}

void MoveTo(CPxDoc& doc, Ui& ui, int step) {
  doc.SetCurrentStep(step);
  ShowCurrentStep(doc, ui);
}

// The step a comment line ("12 Horns up") starts with; nothing when it starts otherwise.
std::optional<int> CommentStep(const std::string& line) {
  const char* text = line.c_str();
  char* end = nullptr;
  const long step = std::strtol(text, &end, 10);
  if (end == text) return std::nullopt;
  return static_cast<int>(std::clamp<long>(step, INT_MIN, INT_MAX));
}

// The nearest step of `steps` after the current step (below the end-of-show marker) or
// before it.
template <typename Steps>
std::optional<int> Nearest(const Steps& steps, int current, bool forward) {
  std::optional<int> best;
  for (const std::optional<int> step : steps) {
    if (!step) continue;
    if (forward ? (*step > current && *step < STEP_END && (!best || *step < *best))
                : (*step < current && (!best || *step > *best)))
      best = step;
  }
  return best;
}

std::vector<std::optional<int>> CommentSteps(const CPxDoc& doc) {
  std::vector<std::optional<int>> steps;
  for (const std::string& line : doc.m_comments) steps.push_back(CommentStep(line));
  return steps;
}

// Begin steps of the songs that name a file.
std::vector<std::optional<int>> SongSteps(const CPxDoc& doc) {
  std::vector<std::optional<int>> steps;
  for (const std::string& line : doc.m_songs) {
    const SongEntry song = ParseSongEntry(line);
    if (!song.fileName.empty()) steps.push_back(song.beginStep);
  }
  return steps;
}

void GoToComment(CPxDoc& doc, Ui& ui, bool forward) {
  BeginNavigation(doc, ui);
  if (forward && doc.m_comments.empty()) {
    ui.MessageBox("No comments.", "Next Comment");
  } else if (const std::optional<int> step = Nearest(CommentSteps(doc), doc.m_nCurrentStep, forward)) {
    MoveTo(doc, ui, *step);
  }
  ui.RedrawTimeLine();
}

void GoToSong(CPxDoc& doc, Ui& ui, bool forward) {
  BeginNavigation(doc, ui);
  if (doc.m_songs.empty()) {
    ui.MessageBox("No songs.", "Next Song");
  } else if (const std::optional<int> step = Nearest(SongSteps(doc), doc.m_nCurrentStep, forward)) {
    MoveTo(doc, ui, *step);
  }
  ui.RedrawTimeLine();
}

}  // namespace

std::string StepBoxText(int step) { return Format("Step: %d", step); }

void AdvanceStep(CPxDoc& doc, Ui& ui) {
  // A step typed far beyond any show cannot wrap around to a negative one.
  if (doc.m_nCurrentStep < INT_MAX) doc.SetCurrentStep(doc.m_nCurrentStep + 1);
  doc.m_nLastStep = std::max(doc.m_nLastStep, doc.m_nCurrentStep);
  ShowCurrentStep(doc, ui);
}

void NextStep(CPxDoc& doc, Ui& ui) {
  BeginNavigation(doc, ui);
  AdvanceStep(doc, ui);
  ui.RedrawTimeLine();
}

void PreviousStep(CPxDoc& doc, Ui& ui) {
  BeginNavigation(doc, ui);
  MoveTo(doc, ui, doc.m_nCurrentStep > 0 ? doc.m_nCurrentStep - 1 : doc.m_nCurrentStep);
  ui.RedrawTimeLine();
}

void Rewind(CPxDoc& doc, Ui& ui) {
  BeginNavigation(doc, ui);
  MoveTo(doc, ui, 0);
  ui.RedrawTimeLine();
}

void GoToEnd(CPxDoc& doc, Ui& ui) {
  BeginNavigation(doc, ui);
  MoveTo(doc, ui, doc.m_nLastStep);
  ui.RedrawTimeLine();
}

void NextPicture(CPxDoc& doc, Ui& ui) {
  BeginNavigation(doc, ui);
  const int next = doc.NextFormationStep(doc.m_nCurrentStep, false);
  if (next >= 0) MoveTo(doc, ui, next);
  ui.RedrawTimeLine();
}

void PreviousPicture(CPxDoc& doc, Ui& ui) {
  BeginNavigation(doc, ui);
  int step = doc.m_nCurrentStep;
  if (step > 0) {
    do --step;
    while (step > 0 && !doc.HasFormationAtStep(step));
  }
  MoveTo(doc, ui, step);
  ui.RedrawTimeLine();
}

void NextComment(CPxDoc& doc, Ui& ui) { GoToComment(doc, ui, true); }

void PreviousComment(CPxDoc& doc, Ui& ui) { GoToComment(doc, ui, false); }

void NextSong(CPxDoc& doc, Ui& ui) { GoToSong(doc, ui, true); }

void PreviousSong(CPxDoc& doc, Ui& ui) { GoToSong(doc, ui, false); }

void GoToStep(CPxDoc& doc, Ui& ui, int step) {
  BeginNavigation(doc, ui);
  doc.SetCurrentStep(std::max(step, 0));
  // A jump lands on a step no replay has passed through: every person starts afresh.
  for (const auto& person : doc.m_people) person->InvalidateAllPositions();
  ShowCurrentStep(doc, ui);
  ui.RedrawTimeLine();
}

bool CanNextSong(const CPxDoc& doc) { return !doc.m_songs.empty(); }

bool CanPreviousSong(const CPxDoc& doc) { return !doc.m_songs.empty() && doc.m_nCurrentStep > 0; }

bool CanNextComment(const CPxDoc& doc) { return !doc.m_comments.empty(); }

}  // namespace px
