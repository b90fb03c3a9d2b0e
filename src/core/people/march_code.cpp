// The march-code label drawn on a person's marker: the mode of the next approach in
// letters, with its waits around them.
#include "core/model/show_context.h"
#include "core/people/person.h"
#include "core/util/format.h"

namespace px {

std::string CPerson::GetMarchCode(int currentStep) const {
  const CPlace* next = GetPlaceAtOrAfter(currentStep + 1);
  if (!next) return "?";
  std::string letters;
  switch (next->m_nMarchMode) {
    case MARCH_FLOAT: letters = "F"; break;
    case MARCH_FOLLOW:
      letters = "L";
      if (next->m_bReverse) letters += "R";
      if (next->m_bAnchor) letters += "T";
      break;
    case MARCH_PIVOT: letters = next->m_bClockwise ? "P" : "PV"; break;
    case MARCH_XY: letters = "X"; break;
    case MARCH_YX: letters = "Y"; break;
    case MARCH_ARC:
      letters = "A";
      letters += next->m_bStartClockwise ? "+" : "-";
      letters += next->m_bEndClockwise ? "+" : "-";
      break;
    case MARCH_SKEW: letters = "S"; break;
    default: break;
  }
  std::string label = next->m_nWaitBefore != 0 ? Format("%d", next->m_nWaitBefore) : std::string();
  label += letters;
  if (next->m_nWaitAfter != 0) label += Format("%d", next->m_nWaitAfter);
  return label;
}

std::string CPerson::GetMarchLabel() {
  const int current = m_pDocument ? m_pDocument->m_nCurrentStep : 0;
  if (m_pDocument && m_pDocument->m_bShowStepSize) return Format("%.0lf", GetStepSize(current));
  return GetMarchCode(current);
}

}  // namespace px
