#include "core/people/people_on_formation.h"

#include "core/people/person.h"

namespace px {

void InvalidatePeopleOn(const CFormation& formation, bool recompute) {
  // Only the legs into and out of the formation change: from the step after the previous
  // place to the next place's step.
  for (CPlace* place : formation.m_ppPlaces) {
    if (!place || !place->m_pPerson) continue;
    CPerson& person = *place->m_pPerson;
    const CPlace* previous = person.GetPlaceAtOrBefore(place->m_nStep - 1);
    const CPlace* next = person.GetPlaceAtOrAfter(place->m_nStep + 1);
    person.InvalidatePositions(previous ? previous->m_nStep + 1 : 0, next ? next->m_nStep : STEP_END);
  }
  if (!recompute) return;
  for (CPlace* place : formation.m_ppPlaces)
    if (place && place->m_pPerson) place->m_pPerson->SetCurrentPosition(place->m_pPerson->GetPosition(formation.m_nStep));
}

void ShiftPeopleOn(const CFormation& formation, int dx, int dy) {
  for (CPlace* place : formation.m_ppPlaces) {
    if (!place || !place->m_pPerson) continue;
    CPerson& person = *place->m_pPerson;
    if (person.m_ptPosition.x != POSITION_NONE_VALUE) person.m_ptPosition = {person.m_ptPosition.x + dx, person.m_ptPosition.y + dy};
    const CRect& r = person.m_rcBase;
    person.m_rcBase = CRect{r.left + dx, r.top + dy, r.right + dx, r.bottom + dy};
  }
}

void MovePeopleOnto(CFormation& from, CFormation& to) {
  // Slot 0 each time, so the people keep their order on the new formation.
  while (from.m_nPlaces > 0) {
    CPlace* place = from.m_ppPlaces[0];
    CPerson* person = place ? place->m_pPerson : nullptr;
    if (!person) {
      from.CloseSlotGap(0);
      continue;
    }
    const CPlace settings = *place;
    person->DeassignFormation(&from);
    if (from.m_nPlaces > 0 && from.m_ppPlaces[0] == place) from.CloseSlotGap(0);  // a place the person did not own
    if (CPlace* moved = person->AssignToFormation(nullptr, &to)) moved->CopyMarchSettings(settings);
  }
}

void RecalcSpots(CFormation& formation) {
  for (int slot = 0; slot < formation.m_nPlaces; ++slot) {
    CPlace* place = formation.m_ppPlaces[static_cast<size_t>(slot)];
    if (place && place->m_pPerson)
      place->m_pPerson->SetCurrentPosition(place->m_pPerson->GetPosition(formation.m_nStep, &formation, slot));
  }
}

}  // namespace px
