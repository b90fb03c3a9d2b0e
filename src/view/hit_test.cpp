#include "view/hit_test.h"

namespace px {

CPerson* PersonAt(const CPxDoc& doc, CPoint point) {
  const CRect probe{point.x, point.y, point.x + 1, point.y + 1};
  for (auto it = doc.m_people.rbegin(); it != doc.m_people.rend(); ++it) {
    const CRect box = NormalizedRect((*it)->m_rcBase);
    if (box.left <= probe.right && probe.left <= box.right && box.top <= probe.bottom && probe.top <= box.bottom)
      return it->get();
  }
  return nullptr;
}

CFormation* FormationAt(const CPxDoc& doc, CPoint point) {
  CFormation* best = nullptr;
  double bestArea = 0.0;
  for (const auto& formation : doc.m_formations) {
    if (formation->m_nStep != doc.m_nCurrentStep) continue;
    const CPoint own = formation->InverseTransform(point);
    if (!formation->Intersects(CRect{own.x, own.y, own.x + 2, own.y + 2}, false)) continue;
    const double area = formation->GetArea();
    if (!best || area < bestArea) {
      best = formation.get();
      bestArea = area;
    }
  }
  return best;
}

}  // namespace px
