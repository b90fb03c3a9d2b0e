#pragma once
// The Animate menu's navigation: steps, pictures, comments, songs, the end of the show.
// Every command empties the formation selection, stops the animation (Ui::StopAnimation),
// moves the current step, recomputes positions, updates the views and the step box, and
// refreshes the time line.
#include <string>

namespace px {

class CPxDoc;
class Ui;

// "Step: 12"
std::string StepBoxText(int step);

// The step one step forward of the current one (the show grows to reach it), with
// positions, views and step box; it does not stop the animation. The animation step uses it.
void AdvanceStep(CPxDoc& doc, Ui& ui);

void NextStep(CPxDoc& doc, Ui& ui);         // T
void PreviousStep(CPxDoc& doc, Ui& ui);     // R
void Rewind(CPxDoc& doc, Ui& ui);           // W
void GoToEnd(CPxDoc& doc, Ui& ui);          // X
void NextPicture(CPxDoc& doc, Ui& ui);      // Y
void PreviousPicture(CPxDoc& doc, Ui& ui);  // E
void NextComment(CPxDoc& doc, Ui& ui);      // ~
void PreviousComment(CPxDoc& doc, Ui& ui);  // `
void NextSong(CPxDoc& doc, Ui& ui);         // (
void PreviousSong(CPxDoc& doc, Ui& ui);     // )
// Go To Step's OK: any step of 0 or more, also beyond the show's last step.
void GoToStep(CPxDoc& doc, Ui& ui, int step);

// Menu states.
bool CanNextSong(const CPxDoc& doc);
bool CanPreviousSong(const CPxDoc& doc);
bool CanNextComment(const CPxDoc& doc);

}  // namespace px
