#include "core/animation/go_to_step_dialog.h"

#include <algorithm>
#include <climits>

namespace px {

void GoToStepDialog::SetStep(int step) {
  m_nStep = step;
  m_nMeasure = step / kStepsPerMeasure;
}

void GoToStepDialog::SetMeasure(int measure) {
  m_nMeasure = measure;
  // Saturates rather than overflowing on a huge typed measure.
  m_nStep = measure < 0 ? 0 : static_cast<int>(std::min<long long>(static_cast<long long>(measure) * kStepsPerMeasure, INT_MAX));
  if (measure < 0) m_nMeasure = 0;
}

void GoToStepDialog::Move(int steps) {
  const long long moved = static_cast<long long>(m_nStep) + steps;
  SetStep(static_cast<int>(std::clamp<long long>(moved, 0, INT_MAX)));
}

}  // namespace px
