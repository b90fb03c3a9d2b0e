#include "core/draw/print_pages.h"

#include <algorithm>

namespace px {

std::vector<int> PrintedSteps(const CPxDoc& doc) {
  std::vector<int> steps;
  switch (doc.m_nPrintRange) {
    case PRINT_STEPS:
      for (int step = 0; step <= doc.m_nLastStep; ++step) steps.push_back(step);
      break;
    case PRINT_PICTURES:
      for (const auto& f : doc.m_formations)
        if (f->m_nStep >= 0) steps.push_back(f->m_nStep);
      std::sort(steps.begin(), steps.end());
      steps.erase(std::unique(steps.begin(), steps.end()), steps.end());
      // A show without formations still prints its field once.
      if (steps.empty()) steps.push_back(doc.m_nCurrentStep);
      break;
    default:
      steps.push_back(doc.m_nCurrentStep);
      break;
  }
  return steps;
}

void ShowStepForPrinting(CPxDoc& doc, int step) {
  doc.SetCurrentStep(step);
  doc.RecalcPositions();
}

}  // namespace px
