// Follow: the group files along the old formation and into the new one, each member
// walking the spots of the members ahead of it.
#include <algorithm>
#include <cmath>
#include <vector>

#include "core/people/march.h"

namespace px::march {
namespace {

bool SameShape(const CFormation& a, const CFormation& b) {
  return a.m_nShape == b.m_nShape && a.m_dArcStart == b.m_dArcStart && a.m_dArcEnd == b.m_dArcEnd &&
         a.m_dRotation == b.m_dRotation && a.m_dSkew == b.m_dSkew && a.m_rcBase == b.m_rcBase &&
         a.m_dLength == b.m_dLength && a.m_nPoints == b.m_nPoints && a.m_nOutline == b.m_nOutline &&
         a.m_bReverse == b.m_bReverse;
}

// Fills in everyone's from- and to-place for this pair of formations and the follow role
// of everyone on the new formation relative to `me`.
void AssignRoles(CPerson& me, CFormation& pf, CFormation& nf) {
  for (CPlace* place : pf.m_ppPlaces) {
    if (!place || !place->m_pPerson) continue;
    place->m_pPerson->m_pFromPlace = place;
    place->m_pPerson->m_nFollowRole = 0;
  }
  for (CPlace* place : nf.m_ppPlaces)
    if (place && place->m_pPerson) place->m_pPerson->m_pToPlace = place;
  for (CPlace* place : nf.m_ppPlaces) {
    if (!place || !place->m_pPerson) continue;
    CPerson& y = *place->m_pPerson;
    // Someone who is not on the old formation must not keep a from-place of an earlier march.
    if (!y.m_pFromPlace || y.m_pFromPlace->m_pFormation != &pf) y.m_pFromPlace = y.GetPlaceOnFormation(&pf);
    y.m_nFollowRole = me.GetFollowRole(y);
  }
}

// The members in the order of the new formation's slots; a run that wraps around the end
// of the slot array is moved to the front so the group is contiguous.
std::vector<CPerson*> OrderBySlots(const CFormation& nf) {
  std::vector<CPerson*> first, second;
  bool gap = false;
  for (CPlace* place : nf.m_ppPlaces) {
    CPerson* x = place ? place->m_pPerson : nullptr;
    if (x && x->m_nFollowRole > 0 && x->m_pToPlace == place) {
      (gap ? second : first).push_back(x);
    } else if (!first.empty()) {
      gap = true;
    }
  }
  second.insert(second.end(), first.begin(), first.end());
  return second;
}

// Decides who leads, stores the anchor flags, and puts the leader at the head of a closed
// formation's list.
void ChooseLeader(std::vector<CPerson*>& list, const CFormation& pf, const CFormation& nf) {
  const int count = static_cast<int>(list.size());
  auto clearAnchors = [&] {
    for (CPerson* x : list) x->m_pToPlace->m_bAnchor = 0;
  };
  if (count >= nf.m_nPlaces && IsClosedShape(nf.m_nShape)) {
    int leader = -1;
    for (int k = 0; k < count; ++k) {
      CPlace* to = list[static_cast<size_t>(k)]->m_pToPlace;
      if (!to->m_bAnchor) continue;
      if (leader < 0) leader = k;
      else to->m_bAnchor = 0;
    }
    if (!(IsClosedShape(pf.m_nShape) && count >= pf.m_nPlaces)) {
      clearAnchors();
      leader = 0;
      for (int k = 1; k < count; ++k)
        if (list[static_cast<size_t>(k)]->m_pFromPlace->m_nSlot < list[static_cast<size_t>(leader)]->m_pFromPlace->m_nSlot)
          leader = k;
      list[static_cast<size_t>(leader)]->m_pToPlace->m_bAnchor = 1;
    }
    if (leader > 0) std::rotate(list.begin(), list.begin() + leader, list.end());
  } else {
    clearAnchors();
    const bool reverse = list.front()->m_pToPlace->m_bReverse != 0;
    (reverse ? list.back() : list.front())->m_pToPlace->m_bAnchor = 1;
  }
}

void BuildPath(const Leg& leg) {
  CPerson& me = leg.person;
  CFormation& pf = *leg.from.m_pFormation;
  CFormation& nf = *leg.to.m_pFormation;
  AssignRoles(me, pf, nf);
  std::vector<CPerson*> list = OrderBySlots(nf);
  me.m_nPathCount = 0;
  me.m_nPathStep = leg.from.m_nStep;
  auto own = std::find(list.begin(), list.end(), &me);
  if (own == list.end()) return;
  ChooseLeader(list, pf, nf);
  if (leg.to.m_bReverse) std::reverse(list.begin(), list.end());

  const size_t count = list.size();
  const size_t k = static_cast<size_t>(std::find(list.begin(), list.end(), &me) - list.begin());
  std::vector<CPoint>& path = me.m_path;
  path.clear();
  path.reserve(2 * count + 10);
  if (SameShape(pf, nf) && leg.from.m_nSlot != leg.to.m_nSlot) {
    // The same shape: walk around the old spots to the one with this person's new slot.
    for (size_t n = 0; n < count; ++n) {
      CPlace& from = *list[(k + n) % count]->m_pFromPlace;
      path.push_back(SpotOf(from));
      if (from.m_nSlot == leg.to.m_nSlot) break;
    }
  } else {
    for (size_t i = k; i < count; ++i) path.push_back(SpotOf(*list[i]->m_pFromPlace));
    for (size_t i = 0; i <= k; ++i) path.push_back(SpotOf(*list[i]->m_pToPlace));
  }

  me.m_segLen.assign(path.size(), 0.0);
  me.m_cumLen.assign(path.size(), 0.0);
  for (size_t i = 1; i < path.size(); ++i) {
    const double dx = path[i].x - path[i - 1].x;
    const double dy = path[i].y - path[i - 1].y;
    me.m_segLen[i] = std::sqrt(dx * dx + dy * dy);
    me.m_cumLen[i] = me.m_cumLen[i - 1] + me.m_segLen[i];
  }
  me.m_nPathCount = static_cast<int>(path.size());
  leg.to.m_dPathLength = me.m_cumLen.back();
}

}  // namespace

CPoint Follow(const Leg& leg) {
  CPerson& me = leg.person;
  const bool reuse = me.m_nPathStep == leg.from.m_nStep && me.m_nPathCount > 0 && me.m_path[0] != POSITION_NONE;
  if (!reuse) BuildPath(leg);
  // Only a person standing twice on the new formation can miss its own group; it floats.
  if (me.m_nPathCount == 0) return Float(leg);
  const double length = me.m_cumLen[static_cast<size_t>(me.m_nPathCount - 1)];
  if (length <= leg.total + 1) return me.m_path[0];
  const double d = leg.elapsed * length / leg.total;
  return PointAlongPath(me.m_path.data(), me.m_segLen.data(), me.m_cumLen.data(), me.m_nPathCount, d);
}

}  // namespace px::march
