#include "core/doc/hit_test.h"

#include <algorithm>
#include <cstdlib>

namespace px {
namespace {

bool IsSelectedAtCurrentStep(const CPxDoc& doc, const CFormation& formation) {
  const auto& selected = doc.m_selection.formations;
  return formation.m_nStep == doc.m_nCurrentStep &&
         std::find(selected.begin(), selected.end(), &formation) != selected.end();
}

bool Within(int a, int b, int distance) { return std::llabs(static_cast<long long>(a) - b) <= distance; }

}  // namespace

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

HandleHit HandleAt(const CPxDoc& doc, CPoint point) {
  for (const auto& formation : doc.m_formations) {
    if (!IsSelectedAtCurrentStep(doc, *formation)) continue;
    if (const int handle = formation->HitTest(point, true)) return HandleHit{formation.get(), handle};
  }
  return {};
}

CFormation* PivotAt(const CPxDoc& doc, CPoint point) {
  for (auto it = doc.m_formations.rbegin(); it != doc.m_formations.rend(); ++it) {
    const CFormation& formation = **it;
    if (IsSelectedAtCurrentStep(doc, formation) && Within(formation.m_ptPivot.x, point.x, kPivotGrabDistance) &&
        Within(formation.m_ptPivot.y, point.y, kPivotGrabDistance))
      return it->get();
  }
  return nullptr;
}

}  // namespace px
