#include "core/formation/formation.h"

#include <algorithm>

#include "core/people/person.h"

namespace px {

CFormation::CFormation() = default;

CFormation::~CFormation() = default;

CDrawRect::CDrawRect(const CRect& rect) {
  m_nShape = SHAPE_RECTANGLE;
  m_rcBase = rect;
}

void CDrawPoly::SetPoints(const std::vector<CPoint>& points) {
  m_pPoints = points;
  m_nPoints = m_nAllocPoints = static_cast<int>(points.size());
}

void CFormation::RecalcSpots() {
  for (int slot = 0; slot < m_nPlaces; ++slot) {
    CPlace* place = m_ppPlaces[static_cast<size_t>(slot)];
    if (place && place->m_pPerson) place->m_pPerson->GetPosition(m_nStep, this, slot);
  }
}

void CFormation::ResizeSlots(int count) {
  m_nPlaces = std::max(count, 0);
  m_ppPlaces.resize(static_cast<size_t>(m_nPlaces), nullptr);
}

void CFormation::InsertSlot(int slot) {
  slot = std::clamp(slot, 0, m_nPlaces);
  m_ppPlaces.insert(m_ppPlaces.begin() + slot, nullptr);
  ++m_nPlaces;
  for (int i = slot + 1; i < m_nPlaces; ++i)
    if (CPlace* place = m_ppPlaces[static_cast<size_t>(i)]) place->m_nSlot = i;
}

void CFormation::CloseSlotGap(int slot) {
  if (slot < 0 || slot >= m_nPlaces) return;
  m_ppPlaces.erase(m_ppPlaces.begin() + slot);
  --m_nPlaces;
  for (int i = slot; i < m_nPlaces; ++i)
    if (CPlace* place = m_ppPlaces[static_cast<size_t>(i)]) place->m_nSlot = i;
}

}  // namespace px
