#pragma once
// The field view's Step Mode and Show Steps commands.
#include <functional>
#include <string>
#include <vector>

#include "core/people/step_instruction_dialog.h"

namespace px {

class CPerson;
class CPxDoc;
class Ui;

// Step Mode, first half: stops the animation and fills the dialog: the defaults at the
// current step, or the instruction that the last selected person with one starts there.
StepInstructionDialog BeginStepMode(CPxDoc& doc, const std::vector<CPerson*>& selected, Ui& ui);

// Step Mode, OK: writes the instruction to every selected person. `saveUndoSnapshot` is
// called before anything changes.
void FinishStepMode(CPxDoc& doc, const std::vector<CPerson*>& selected, const StepInstructionDialog& dialog,
                    Ui& ui, const std::function<void()>& saveUndoSnapshot);

// Show Steps: the step sheet of the one selected person in a text window.
void ShowSteps(CPxDoc& doc, const std::vector<CPerson*>& selected, Ui& ui);

// The title and text Show Steps shows for a person at a step.
std::string StepsTitle(const CPerson& person);
std::string StepsText(CPerson& person, int currentStep);

}  // namespace px
