#include "view/step_navigation.h"

#include <algorithm>

namespace px {

void ShowStep(CPxDoc& doc, int step, ParkingLayout layout) {
  doc.m_selectedFormations.clear();
  doc.SetCurrentStep(step);
  for (const auto& person : doc.m_people) person->GetPosition(step);
  doc.ParkPeopleWithoutPlace(layout);
}

void NextStep(CPxDoc& doc, ParkingLayout layout) {
  ShowStep(doc, doc.m_nCurrentStep + 1, layout);
  doc.m_nLastStep = std::max(doc.m_nLastStep, doc.m_nCurrentStep);
}

bool PreviousStep(CPxDoc& doc, ParkingLayout layout) {
  if (doc.m_nCurrentStep <= 0) return false;
  ShowStep(doc, doc.m_nCurrentStep - 1, layout);
  return true;
}

}  // namespace px
