#include "cli/cli_view.h"

#include "qtdraw/field_mapping.h"

namespace px {

CliView::CliView(CPxDoc& doc, Ui& ui) : m_doc(doc), m_tools(doc, ui, *this) {
  m_state.SetupField(doc);
  doc.ParkPeopleWithoutPlace(Parking());
}

void CliView::RefreshPositions() {
  for (const auto& person : m_doc.m_people) person->GetPosition(m_doc.m_nCurrentStep);
  m_doc.ParkPeopleWithoutPlace(Parking());
}

double CliView::PixelsPerFieldUnit() const {
  return FieldMapping::IsotropicScale(m_state.m_nExtent, QSizeF(kWidth, kHeight));
}

}  // namespace px
