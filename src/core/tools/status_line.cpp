// The status bar line while the pointer moves over the field: the step, what lies under the
// pointer, the size of the show and the pointer's field position.
#include "core/doc/hit_test.h"
#include "core/model/place.h"
#include "core/tools/pointer_tools.h"
#include "core/util/format.h"

namespace px {
namespace {

std::string IntervalText(const CPxDoc& doc, const CFormation& formation) {
  // With one formation selected, the spacing its people actually stand at.
  const auto& selected = doc.m_selection.formations;
  if (selected.size() == 1 && selected.front()->m_nPlaces >= 2) {
    const CFormation& one = *selected.front();
    const double spacing = one.m_bSpread ? one.m_dLength / one.m_nPlaces : one.m_dInterval;
    return Format(" interval: %.2lf inches", spacing / 2);
  }
  return Format(" interval: %2.lf inches", formation.m_dInterval / 2);
}

}  // namespace

std::string PointerTools::StatusLine(CPoint point) const {
  constexpr double kDegrees = 180.0 / PI;
  std::string text = Format("Step: %d", m_doc.m_nCurrentStep);
  const CFormation* formation = nullptr;
  if (const CPerson* person = PersonAt(m_doc, point)) {
    text += Format("  Person: %d", person->Id());
    if (const CPlace* place = person->GetPlaceAt(m_doc.m_nCurrentStep)) formation = place->m_pFormation;
  }
  if (!formation) formation = FormationAt(m_doc, point);
  if (formation) {
    text += Format("  Formation: %d", formation->m_nNumber);
    text += IntervalText(m_doc, *formation);
    text += Format(" rotated %.2lf degrees", formation->m_dRotation * kDegrees);
    if (formation->m_nShape == SHAPE_ARC)
      text += Format(" Begin: %.2lf End: %.2lf", formation->m_dArcStart * kDegrees, formation->m_dArcEnd * kDegrees);
  }
  text += Format("      %d formations, %d people", static_cast<int>(m_doc.m_formations.size()),
                 static_cast<int>(m_doc.m_people.size()));
  text += Format("  [%d, %d]", point.x, point.y);
  return text;
}

}  // namespace px
