#include "core/people/step_instruction_dialog.h"

#include "core/model/step_inst.h"
#include "core/util/format.h"

namespace px {

void StepInstructionDialog::Load(const CStepInst& inst) {
  m_nOnCount = inst.m_nCount;
  m_nNumberOfSteps = inst.m_nSteps;
  m_bTowardStands = inst.m_bTowardStands;
  m_bAwayFromStands = inst.m_bAwayFromStands;
  m_bTowardLeft = inst.m_bTowardLeft;
  m_bTowardRight = inst.m_bTowardRight;
  m_strStepSize = Format("%0.2lf", inst.m_dStepSize * 0.5);
}

void StepInstructionDialog::Store(CStepInst& inst) const {
  inst.m_nCount = m_nOnCount;
  inst.m_nSteps = m_nNumberOfSteps;
  inst.m_bTowardStands = m_bTowardStands;
  inst.m_bAwayFromStands = m_bAwayFromStands;
  inst.m_bTowardLeft = m_bTowardLeft;
  inst.m_bTowardRight = m_bTowardRight;
  inst.m_dStepSize = ReadNumber(m_strStepSize) * 2.0;
}

}  // namespace px
