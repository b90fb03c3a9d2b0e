// The people select pointer and the order pointer. Dragging selected people moves nobody:
// people move with their formations or through the people commands.
#include "core/doc/hit_test.h"
#include "core/model/place.h"
#include "core/tools/pointer_tools.h"

namespace px {
namespace {

bool Inside(const CRect& band, CPoint p) {
  return p != POSITION_NONE && band.left <= p.x && p.x <= band.right && band.top <= p.y && p.y <= band.bottom;
}

void SelectPeopleInBand(CPxDoc& doc, const CRect& band) {
  for (const auto& person : doc.m_people)
    if (Inside(band, person->m_ptPosition)) doc.m_selection.Add(person.get());
}

}  // namespace

void PointerTools::PeopleDown(CPoint point, Keys keys) {
  Selection& selection = m_doc.m_selection;
  if (CPerson* person = PersonAt(m_doc, point)) {
    if (!selection.Has(person)) {
      if (!keys.shift) selection.people.clear();
      selection.Add(person);
    }
    m_mode = DragMode::Move;
  } else {
    if (!keys.shift) selection.people.clear();
    StartRubberBand(point);
  }
  m_ui.UpdateAllViews();
}

void PointerTools::PeopleUp(CPoint point, Keys keys) {
  (void)keys;
  if (m_mode == DragMode::RubberBand) SelectPeopleInBand(m_doc, RubberBand(point));
  EndDrag();
  m_ui.UpdateAllViews();
}

bool PointerTools::SelectedPeopleShareFormation() const {
  const CFormation* shared = nullptr;
  for (const CPerson* person : m_doc.m_selection.people) {
    const CPlace* place = person->GetPlaceAt(m_doc.m_nCurrentStep);
    if (!place || !place->m_pFormation || (shared && place->m_pFormation != shared)) return false;
    shared = place->m_pFormation;
  }
  return true;
}

void PointerTools::OrderDown(CPoint point, Keys keys) {
  Selection& selection = m_doc.m_selection;
  const int step = m_doc.m_nCurrentStep;
  CPerson* clicked = SelectedPeopleShareFormation() ? PersonAt(m_doc, point) : nullptr;
  if (!clicked) {
    if (!keys.shift) selection.people.clear();
    StartRubberBand(point);
    m_ui.UpdateAllViews();
    return;
  }
  const CPlace* place = clicked->GetPlaceAt(step);
  if (!selection.Has(clicked) || !place) return;
  // The clicked person takes the lowest slot still held by the other selected people.
  CPerson* lowest = nullptr;
  int lowestSlot = 0;
  for (CPerson* other : selection.people) {
    const CPlace* otherPlace = other->GetPlaceAt(step);
    if (other == clicked || !otherPlace) continue;
    if (!lowest || otherPlace->m_nSlot < lowestSlot) {
      lowest = other;
      lowestSlot = otherPlace->m_nSlot;
    }
  }
  if (lowest) {
    CFormation* formation = place->m_pFormation;
    m_doc.SaveUndoSnapshot();
    // The place is made anew next to the other person; its march settings go along.
    clicked->SaveMarchSettings(step);
    clicked->Deassign(step);
    clicked->AssignToFormation(lowest, formation);
    clicked->RestoreMarchSettings(step);
    m_doc.SetModifiedFlag();
  }
  selection.Remove(clicked);
  if (selection.people.size() == 1) selection.people.clear();
  m_ui.UpdateAllViews();
}

void PointerTools::OrderUp(CPoint point, Keys keys) {
  (void)keys;
  if (m_mode == DragMode::RubberBand) SelectPeopleInBand(m_doc, RubberBand(point));
  EndDrag();
  for (const auto& person : m_doc.m_people) person->InvalidateAllPositions();
  Refresh();
}

}  // namespace px
