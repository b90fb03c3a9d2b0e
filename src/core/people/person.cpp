#include "core/people/person.h"

#include <algorithm>
#include <cstdio>

#include "core/doc/pxdoc.h"

namespace px {

CPerson::CPerson() { m_nShape = SHAPE_SQUARE; }

CPerson::~CPerson() = default;

const char* GetGroupName(int group) {
  static constexpr const char* kNames[GROUP_COUNT] = {"Baton", "Brass", "Drums",  "Flag",
                                                      "Honor Guard", "Horns", "Rifles", "Woodwinds"};
  return group >= 0 && group < GROUP_COUNT ? kNames[group] : "";
}

void CPerson::SetHeight(const std::string& text) {
  m_strHeight = text;
  double value = 0.0;
  if (std::sscanf(text.c_str(), "%lf", &value) != 1) value = 0.0;
  const double twice = 2.0 * value;
  // Out-of-range heights clamp instead of overflowing the integer.
  m_nHeight2 = twice >= 2147483647.0 ? 2147483647 : twice <= -2147483648.0 ? -2147483647 - 1 : static_cast<int>(twice);
}

CPlace* CPerson::GetPlaceAt(int step) const {
  for (const auto& place : m_places)
    if (place->m_nStep == step) return place.get();
  return nullptr;
}

CPlace* CPerson::GetPlaceAtOrAfter(int step) const {
  if (step == 0) step = 1;
  for (const auto& place : m_places)
    if (place->m_nStep >= step) return place.get();
  return nullptr;
}

CPlace* CPerson::GetPlaceAtOrBefore(int step) const {
  CPlace* found = nullptr;
  for (const auto& place : m_places)
    if (place->m_nStep <= step) found = place.get();
  return found;
}

CPlace* CPerson::GetPlaceOnFormation(const CFormation* formation) const {
  for (const auto& place : m_places)
    if (place->m_pFormation == formation) return place.get();
  return nullptr;
}

CPlace* CPerson::AssignToFormation(CPerson* otherPerson, CFormation* formation, bool keepExisting) {
  if (!formation) return nullptr;
  if (!keepExisting && GetPlaceAt(formation->m_nStep)) Deassign(formation->m_nStep);
  auto place = std::make_unique<CPlace>();
  int slot = formation->m_nPlaces;
  if (otherPerson) {
    const CPlace* other = otherPerson->GetPlaceOnFormation(formation);
    if (other && other->m_nStep == formation->m_nStep) slot = other->m_nSlot;
  }
  place->m_pPerson = this;
  place->m_nPersonID = m_nNumber;
  place->m_nStep = formation->m_nStep;
  place->m_nFormationID = formation->m_nNumber;
  place->m_pFormation = formation;
  place->m_nSlot = slot;
  formation->InsertSlot(slot);
  formation->m_ppPlaces[static_cast<size_t>(slot)] = place.get();
  auto at = std::find_if(m_places.begin(), m_places.end(),
                         [&](const auto& p) { return p->m_nStep > place->m_nStep; });
  return m_places.insert(at, std::move(place))->get();
}

void CPerson::RemovePlace(size_t index) {
  CPlace* place = m_places[index].get();
  if (CFormation* f = place->m_pFormation) {
    const int slot = place->m_nSlot;
    if (slot >= 0 && slot < f->m_nPlaces && f->m_ppPlaces[static_cast<size_t>(slot)] == place) f->CloseSlotGap(slot);
  }
  if (m_pFromPlace == place) m_pFromPlace = nullptr;
  if (m_pToPlace == place) m_pToPlace = nullptr;
  m_places.erase(m_places.begin() + static_cast<std::ptrdiff_t>(index));
}

void CPerson::Deassign(int step) {
  for (size_t i = m_places.size(); i-- > 0;)
    if (step == -99 || m_places[i]->m_nStep == step) RemovePlace(i);
  int from = 0;
  if (step != 0 && step != -99) {
    const CPlace* previous = GetPlaceAtOrBefore(step - 1);
    from = previous ? previous->m_nStep + 1 : 0;
  }
  InvalidatePositions(from, STEP_END);
}

void CPerson::DeassignFormation(const CFormation* formation) {
  int first = STEP_END;
  for (size_t i = m_places.size(); i-- > 0;) {
    if (m_places[i]->m_pFormation == formation) {
      first = std::min(first, m_places[i]->m_nStep);
      RemovePlace(i);
    }
  }
  if (first == STEP_END) return;
  const CPlace* previous = first > 0 ? GetPlaceAtOrBefore(first - 1) : nullptr;
  InvalidatePositions(previous ? previous->m_nStep + 1 : 0, STEP_END);
}

void CPerson::InvalidatePositions(int from, int to) {
  for (const auto& place : m_places)
    if (place->m_nStep >= from && place->m_nStep <= to) place->m_ptSpot = POSITION_NONE;
  const int last = std::min<int>(to, static_cast<int>(m_posCache.size()) - 1);
  for (int i = std::max(from, 0); i <= last; ++i) m_posCache[static_cast<size_t>(i)] = POSITION_NONE;
  std::fill(m_path.begin(), m_path.end(), POSITION_NONE);
  m_nPathCount = 0;
  m_nPathStep = -1;
}

void CPerson::SetCurrentPosition(CPoint pt) {
  m_ptPosition = pt;
  const int half = m_pDocument ? m_pDocument->m_nPersonSize : 0;
  m_rcBase = CRect{pt.x - half, pt.y - half, pt.x + half, pt.y + half};
}

}  // namespace px
