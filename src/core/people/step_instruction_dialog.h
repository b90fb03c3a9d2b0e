#pragma once
// The Step Instruction dialog of Step Mode: from a count, a number of steps of a given
// size in one or more directions.
#include <string>

#include "core/people/step_calculator_dialog.h"

namespace px {

class CStepInst;

struct StepInstructionDialog {
  int m_nOnCount = 0;
  int m_nNumberOfSteps = 8;
  int m_bTowardStands = 0;    // "Down (toward stands)"
  int m_bAwayFromStands = 0;  // "Up (away from stands)"
  int m_bTowardLeft = 0;      // "Left (marchers left when facing stands)"
  int m_bTowardRight = 0;     // "Right (marchers right when facing stands)"
  std::string m_strStepSize;  // inches

  // Shows an existing instruction instead of the defaults.
  void Load(const CStepInst& inst);
  // Writes the dialog into an instruction (the size typed in inches, stored in field units).
  void Store(CStepInst& inst) const;

  // The "S" button: the calculator starts from the Step size, and its Inches come back.
  StepCalculatorDialog OpenCalculator() const { return StepCalculatorDialog::FromStepSize(m_strStepSize); }
  void TakeCalculator(const StepCalculatorDialog& calc) { m_strStepSize = calc.m_strInches; }
};

}  // namespace px
