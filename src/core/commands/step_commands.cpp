#include "core/commands/step_commands.h"

#include "core/doc/pxdoc.h"
#include "core/people/person.h"
#include "core/ui/ui.h"
#include "core/util/format.h"

namespace px {

StepInstructionDialog BeginStepMode(CPxDoc& doc, const std::vector<CPerson*>& selected, Ui& ui) {
  ui.StopAnimation();
  StepInstructionDialog dialog;
  dialog.m_nOnCount = doc.m_nCurrentStep;
  dialog.m_strStepSize = Format("%.2lf", doc.m_dStepSize * 0.5);
  for (const CPerson* person : selected)
    if (const CStepInst* inst = person->FindStepInst(doc.m_nCurrentStep)) dialog.Load(*inst);
  return dialog;
}

void FinishStepMode(CPxDoc& doc, const std::vector<CPerson*>& selected, const StepInstructionDialog& dialog,
                    Ui& ui, const std::function<void()>& saveUndoSnapshot) {
  if (saveUndoSnapshot) saveUndoSnapshot();
  for (CPerson* person : selected) {
    dialog.Store(*person->GetOrAddStepInst(dialog.m_nOnCount));
    person->ClipStepInsts();
    // The runs change where the person stands from the instruction on.
    person->InvalidateAllPositions();
  }
  if (!selected.empty()) {
    const int end = dialog.m_nOnCount + dialog.m_nNumberOfSteps;
    if (end > doc.m_nLastStep) {
      doc.m_nLastStep = end;
      ui.RedrawTimeLine();
    }
    // An edited instruction is a change to save even when no record was added.
    doc.SetModifiedFlag();
  }
  doc.RecalcPositions();
  ui.UpdateAllViews();
}

std::string StepsTitle(const CPerson& person) {
  return "Step Instructions for " + person.m_strName + Format(" (%d)", person.Id());
}

std::string StepsText(CPerson& person, int currentStep) {
  return Format("Current step size: %.2lf\r\n\r\n", person.GetStepSize(currentStep)) + person.GetStepReport();
}

void ShowSteps(CPxDoc& doc, const std::vector<CPerson*>& selected, Ui& ui) {
  if (selected.size() != 1) {
    ui.MessageBox("To use this command, first select one person.", "Show Step Instructions");
    return;
  }
  ui.StopAnimation();
  CPerson& person = *selected.front();
  ui.ShowText(StepsTitle(person), StepsText(person, doc.m_nCurrentStep));
  doc.RecalcPositions();
  ui.UpdateAllViews();
}

}  // namespace px
