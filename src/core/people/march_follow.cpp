// Follow: the group files along the old formation and into the new one, each member
// walking the spots of the members ahead of it.
#include <algorithm>
#include <cmath>
#include <unordered_map>
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

double Length(CPoint a, CPoint b) {
  const double dx = b.x - a.x;
  const double dy = b.y - a.y;
  return std::sqrt(dx * dx + dy * dy);
}

// The length of segment j (ending at point j) of member k's path through the old spots from
// its own and the new ones up to its own.
double SegmentOf(const FollowGroup& g, size_t k, size_t j) {
  const size_t onOld = g.people.size() - k;
  return j < onOld ? g.fromSeg[k + j] : j == onOld ? g.bridge : g.toSeg[j - onOld];
}

using PlaceOf = std::unordered_map<const CPerson*, CPlace*>;

// Everyone's place on a formation; someone in two slots counts with the later one.
PlaceOf PlacesOn(const CFormation& f) {
  PlaceOf places;
  places.reserve(f.m_ppPlaces.size());
  for (CPlace* place : f.m_ppPlaces)
    if (place && place->m_pPerson) places[place->m_pPerson] = place;
  return places;
}

CPlace* Find(const PlaceOf& places, const CPerson* person) {
  const auto it = places.find(person);
  return it == places.end() ? nullptr : it->second;
}

// Decides who leads: the anchored member of a closed formation the group fills (or, coming
// from a shape it does not fill, the member from the lowest old slot), else the head of the
// list, or its tail in reverse. Returns the index the list must start at.
size_t ChooseLeader(FollowGroup& g, const CFormation& pf, const CFormation& nf) {
  const size_t count = g.people.size();
  if (count >= static_cast<size_t>(nf.m_nPlaces) && IsClosedShape(nf.m_nShape)) {
    int leader = -1;
    for (size_t k = 0; k < count && leader < 0; ++k)
      if (g.to[k]->m_bAnchor) leader = static_cast<int>(k);
    if (!(IsClosedShape(pf.m_nShape) && count >= static_cast<size_t>(pf.m_nPlaces))) {
      leader = 0;
      for (size_t k = 1; k < count; ++k)
        if (g.from[k]->m_nSlot < g.from[static_cast<size_t>(leader)]->m_nSlot) leader = static_cast<int>(k);
    }
    if (leader < 0) return 0;
    g.anchor = g.to[static_cast<size_t>(leader)];
    return static_cast<size_t>(leader);
  }
  g.anchor = g.to.front()->m_bReverse ? g.to.back() : g.to.front();
  return 0;
}

}  // namespace

int FollowGroup::IndexOf(const CPerson& person) const {
  const auto it = std::find(people.begin(), people.end(), &person);
  return it == people.end() ? -1 : static_cast<int>(it - people.begin());
}

FollowGroup CollectFollowGroup(const CPerson& person, CPlace& legFrom, CPlace& legTo) {
  FollowGroup g;
  CFormation& pf = *legFrom.m_pFormation;
  CFormation& nf = *legTo.m_pFormation;
  const PlaceOf fromOf = PlacesOn(pf);
  const PlaceOf toOf = PlacesOn(nf);
  auto fromPlace = [&](const CPerson* x) {
    CPlace* place = Find(fromOf, x);
    return place ? place : x->GetPlaceOnFormation(&pf);
  };
  const CPlace* myTo = Find(toOf, &person);
  if (!myTo || !fromPlace(&person) || myTo->m_nMarchMode != MARCH_FOLLOW) return g;

  // The members in the order of the new formation's slots; a run that wraps around the end
  // of the slot array is moved to the front so the group is contiguous.
  std::vector<size_t> second;
  bool gap = false;
  for (CPlace* place : nf.m_ppPlaces) {
    CPerson* x = place ? place->m_pPerson : nullptr;
    CPlace* from = x && Find(toOf, x) == place ? fromPlace(x) : nullptr;
    if (from && place->m_nMarchMode == MARCH_FOLLOW && place->m_bReverse == myTo->m_bReverse) {
      if (gap) second.push_back(g.people.size());
      g.people.push_back(x);
      g.from.push_back(from);
      g.to.push_back(place);
    } else if (!g.people.empty()) {
      gap = true;
    }
  }
  if (g.people.empty()) return g;
  // The wrapped run moves to the front.
  const size_t wrapped = second.empty() ? 0 : second.front();
  auto rotate = [](auto& v, size_t at) { std::rotate(v.begin(), v.begin() + static_cast<std::ptrdiff_t>(at), v.end()); };
  if (wrapped > 0) {
    rotate(g.people, wrapped);
    rotate(g.from, wrapped);
    rotate(g.to, wrapped);
  }
  const size_t leader = ChooseLeader(g, pf, nf);
  if (leader > 0) {
    rotate(g.people, leader);
    rotate(g.from, leader);
    rotate(g.to, leader);
  }
  if (legTo.m_bReverse) {
    std::reverse(g.people.begin(), g.people.end());
    std::reverse(g.from.begin(), g.from.end());
    std::reverse(g.to.begin(), g.to.end());
  }

  const size_t count = g.people.size();
  g.fromSpot.resize(count);
  g.toSpot.resize(count);
  for (size_t i = 0; i < count; ++i) {
    g.fromSpot[i] = SpotOf(*g.from[i]);
    g.toSpot[i] = SpotOf(*g.to[i]);
  }
  g.fromSeg.assign(count, 0.0);
  g.toSeg.assign(count, 0.0);
  for (size_t i = 1; i < count; ++i) {
    g.fromSeg[i] = Length(g.fromSpot[i - 1], g.fromSpot[i]);
    g.toSeg[i] = Length(g.toSpot[i - 1], g.toSpot[i]);
  }
  g.bridge = Length(g.fromSpot[count - 1], g.toSpot[0]);
  g.wrap = Length(g.fromSpot[count - 1], g.fromSpot[0]);
  g.sameShape = SameShape(pf, nf);
  // Each member's path through the old spots from its own and the new ones up to its own
  // has count + 1 points. Its length is summed segment by segment from its start, the
  // members side by side so that their sums do not wait on one another.
  g.length.assign(count, 0.0);
  for (size_t j = 1; j <= count; ++j)
    for (size_t k = 0; k < count; ++k) g.length[k] += SegmentOf(g, k, j);
  return g;
}

namespace {

// Member k's path round the old spots, from its own to the one of its new slot, when the
// group keeps the same shape.
struct Path {
  std::vector<CPoint> points;
  std::vector<double> seg, cum;

  Path() = default;
  Path(const FollowGroup& g, size_t k, const Approach& a) {
    const size_t count = g.people.size();
    for (size_t n = 0; n < count; ++n) {
      const size_t i = (k + n) % count;
      const double length = n == 0 ? 0.0 : i == 0 ? g.wrap : g.fromSeg[i];
      points.push_back(g.fromSpot[i]);
      seg.push_back(length);
      cum.push_back(cum.empty() ? 0.0 : cum.back() + length);
      if (g.from[i]->m_nSlot == a.to.m_nSlot) break;
    }
  }
  double Length() const { return cum.back(); }
};

}  // namespace

void FollowSteps(const FollowGroup& g, size_t k, const Approach& a, int first, int last, CPoint* out) {
  const size_t count = g.people.size();
  const bool around = g.sameShape && a.from.m_nSlot != a.to.m_nSlot;
  const Path path = around ? Path(g, k, a) : Path();
  const double length = around ? path.Length() : g.length[k];
  const size_t points = around ? path.points.size() : count + 1;
  const size_t onOld = count - k;
  auto point = [&](size_t j) {
    return around ? path.points[j] : j < onOld ? g.fromSpot[k + j] : g.toSpot[j - onOld];
  };
  auto segment = [&](size_t j) { return around ? path.seg[j] : SegmentOf(g, k, j); };
  // The walk only goes forward: each step lies at least as far along as the one before. The
  // running length is summed as it goes, in the same order as the whole length was.
  size_t i = 1;
  double cum = points > 1 ? segment(1) : 0.0;
  for (int s = first; s <= last; ++s) {
    if (!a.Marching(s)) {
      out[s - first] = a.Elapsed(s) <= 0 ? SpotOf(a.from) : SpotOf(a.to);
      continue;
    }
    if (length <= a.total + 1 || points < 2) {
      out[s - first] = point(0);
      continue;
    }
    const double d = a.Elapsed(s) * length / a.total;
    while (i < points - 1 && cum < d) cum += segment(++i);
    const double seg = segment(i);
    const double f = seg >= 1.0 ? (seg - (cum - d)) / seg : 1.0;
    const CPoint p = point(i - 1);
    const CPoint q = point(i);
    out[s - first] = CPoint{p.x + Trunc(f * (q.x - p.x)), p.y + Trunc(f * (q.y - p.y))};
  }
}

double FollowPathLength(const FollowGroup& g, size_t k, const Approach& a) {
  return g.sameShape && a.from.m_nSlot != a.to.m_nSlot ? Path(g, k, a).Length() : g.length[k];
}

void StoreFollowLeader(const FollowGroup& g) {
  for (CPlace* to : g.to) to->m_bAnchor = to == g.anchor;
}

}  // namespace px::march
