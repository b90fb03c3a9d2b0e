#include "core/people/person.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <cstdio>

#include "core/model/show_context.h"

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
  // An empty or unreadable text, or "nan", counts as 0.
  if (std::sscanf(text.c_str(), "%lf", &value) != 1 || std::isnan(value)) value = 0.0;
  const double twice = 2.0 * value;
  // Out-of-range heights clamp instead of overflowing the integer.
  m_nHeight2 = twice >= 2147483647.0 ? 2147483647 : twice <= -2147483648.0 ? -2147483647 - 1 : static_cast<int>(twice);
}

// The timeline is ascending by step, so every lookup by step is a binary search; the
// answers are those of a walk from the head. Positions are mostly asked in ascending steps,
// so the boundary found last time is tried first.
size_t CPerson::FirstPlaceIndexAtOrAfter(int step) const {
  const size_t count = m_places.size();
  auto startsAt = [&](size_t i) {
    return i <= count && (i == 0 || m_places[i - 1]->m_nStep < step) && (i == count || m_places[i]->m_nStep >= step);
  };
  const size_t hint = m_nPlaceHint;
  for (size_t i : {hint, hint + 1, hint - 1})
    if (startsAt(i)) return i;
  return static_cast<size_t>(
      std::partition_point(m_places.begin(), m_places.end(), [step](const auto& p) { return p->m_nStep < step; }) -
      m_places.begin());
}

CPerson::PlaceRange CPerson::PlacesAround(int step) const {
  const size_t count = m_places.size();
  const size_t lo = FirstPlaceIndexAtOrAfter(step);
  m_nPlaceHint = lo;
  size_t hi = lo;
  while (hi < count && m_places[hi]->m_nStep == step) ++hi;
  PlaceRange range;
  if (lo > 0) range.previous = m_places[lo - 1].get();
  if (hi > lo) {
    range.firstAt = m_places[lo].get();
    range.at = m_places[hi - 1].get();
  }
  if (hi < count) range.next = m_places[hi].get();
  return range;
}

CPlace* CPerson::GetPlaceAt(int step) const { return PlacesAround(step).firstAt; }

CPlace* CPerson::GetPlaceAtOrAfter(int step) const {
  if (step == 0) step = 1;
  const PlaceRange range = PlacesAround(step);
  return range.firstAt ? range.firstAt : range.next;
}

CPlace* CPerson::GetPlaceAtOrBefore(int step) const {
  const PlaceRange range = PlacesAround(step);
  return range.at ? range.at : range.previous;
}

CPlace* CPerson::GetPlaceOnFormation(const CFormation* formation) const {
  // A place stands at its formation's step: look there first.
  if (formation) {
    const int step = formation->m_nStep;
    for (size_t i = FirstPlaceIndexAtOrAfter(step); i < m_places.size() && m_places[i]->m_nStep == step; ++i)
      if (m_places[i]->m_pFormation == formation) return m_places[i].get();
  }
  // A place whose step no longer matches its formation's (a damaged file) is still found.
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
    // Look the place up rather than trusting m_nSlot, so a stale slot number can never
    // leave a pointer to the destroyed place in the formation.
    auto it = std::find(f->m_ppPlaces.begin(), f->m_ppPlaces.end(), place);
    if (it != f->m_ppPlaces.end()) f->CloseSlotGap(static_cast<int>(it - f->m_ppPlaces.begin()));
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
  if (m_pDocument && to >= from) m_pDocument->ForgetPositions(*this, from, to);
}

namespace {

// Both people march between the same two formations in the same direction and mode.
bool SameGroup(const CPerson& a, const CPerson& b, int mode) {
  const CPlace* fromA = a.m_pFromPlace;
  const CPlace* toA = a.m_pToPlace;
  const CPlace* fromB = b.m_pFromPlace;
  const CPlace* toB = b.m_pToPlace;
  if (!fromA || !toA || !fromB || !toB) return false;
  return fromA->m_pFormation == fromB->m_pFormation && toA->m_pFormation == toB->m_pFormation &&
         toA->m_bReverse == toB->m_bReverse && toA->m_nMarchMode == mode && toB->m_nMarchMode == mode;
}

}  // namespace

int CPerson::GetFollowRole(const CPerson& other) const {
  if (!SameGroup(*this, other, MARCH_FOLLOW)) return 0;
  return other.m_pToPlace->m_bAnchor ? 2 : 1;
}

bool CPerson::SetAnchor(int step, bool floatGroup) {
  CPlace* to = GetPlaceAt(step);
  const CPlace* from = GetPlaceAtOrBefore(step - 1);
  if (!to || !from || !m_pDocument) return false;
  for (const auto& x : m_pDocument->People()) {
    x->m_pToPlace = x->GetPlaceOnFormation(to->m_pFormation);
    x->m_pFromPlace = x->GetPlaceOnFormation(from->m_pFormation);
  }
  const int mode = floatGroup ? MARCH_FLOAT : MARCH_FOLLOW;
  for (const auto& x : m_pDocument->People())
    if (SameGroup(*this, *x, mode)) x->m_pToPlace->m_bAnchor = 0;
  to->m_bAnchor = 1;
  return true;
}

void CPerson::SaveMarchSettings(int step) {
  const CPlace* place = GetPlaceAt(step);
  if (!place) return;
  m_pSavedPlace = place->ClonePlace();
  m_pSavedPlace->m_ptSpot = POSITION_NONE;
}

void CPerson::RestoreMarchSettings(int step) {
  CPlace* place = GetPlaceAt(step);
  if (!place || !m_pSavedPlace) return;
  place->CopyMarchSettings(*m_pSavedPlace);
  place->m_ptSpot = POSITION_NONE;
  m_pSavedPlace.reset();
}

std::unique_ptr<CPerson> CPerson::ClonePerson() const {
  auto copy = std::make_unique<CPerson>();
  copy->m_pDocument = m_pDocument;
  copy->m_nShape = m_nShape;
  copy->m_logpen = m_logpen;
  copy->m_logbrush = m_logbrush;
  copy->m_rcBase = m_rcBase;
  copy->m_ptPosition = m_ptPosition;
  copy->m_strName = m_strName;
  copy->m_nGroup = m_nGroup;
  copy->m_strHeight = m_strHeight;
  copy->m_nHeight2 = m_nHeight2;
  copy->m_ptPivot = m_ptPivot;
  copy->m_ptPivotSaved = m_ptPivotSaved;
  copy->m_dRotation = m_dRotation;
  copy->m_dArcStart = m_dArcStart;
  copy->m_dArcEnd = m_dArcEnd;
  copy->m_dLength = m_dLength;
  copy->m_dInterval = m_dInterval;
  copy->m_bSpread = m_bSpread;
  copy->m_bFill = m_bFill;
  copy->m_bBlock = m_bBlock;
  copy->m_nRows = m_nRows;
  copy->m_bReverse = m_bReverse;
  copy->m_bPoint = m_bPoint;
  copy->m_bArrow = m_bArrow;
  copy->m_nPoints = m_nPoints;
  copy->m_nAllocPoints = m_nAllocPoints;
  copy->m_pPoints = m_pPoints;
  return copy;
}

std::unique_ptr<CPerson> CPerson::CloneWhole() const {
  auto copy = std::make_unique<CPerson>();
  CopySettingsTo(*copy);
  copy->m_pDocument = m_pDocument;
  copy->m_nNumber = m_nNumber;
  copy->m_nStep = m_nStep;
  copy->m_nPlaces = m_nPlaces;
  copy->m_ppPlaces.assign(m_ppPlaces.size(), nullptr);
  copy->m_ptPosition = m_ptPosition;
  copy->m_nGroup = m_nGroup;
  copy->m_strHeight = m_strHeight;
  copy->m_nHeight2 = m_nHeight2;
  copy->m_nPersonVersion = m_nPersonVersion;
  copy->m_places.reserve(m_places.size());
  for (const auto& place : m_places) {
    auto clone = place->ClonePlace();
    clone->m_pPerson = copy.get();
    clone->m_pFormation = nullptr;
    copy->m_places.push_back(std::move(clone));
  }
  copy->m_stepInsts.reserve(m_stepInsts.size());
  for (const auto& inst : m_stepInsts) copy->m_stepInsts.push_back(std::make_unique<CStepInst>(*inst));
  return copy;
}

const char* CPerson::GetKindName(int kind) { return ShapeKindName(kind); }

void CPerson::SetCurrentPosition(CPoint pt) {
  m_ptPosition = pt;
  const int half = m_pDocument ? m_pDocument->m_nPersonSize : 0;
  // A point from a damaged file may lie near the integer limits: the box stops at them.
  const auto plus = [](int v, int d) { return static_cast<int>(std::clamp<long long>(1LL * v + d, INT_MIN, INT_MAX)); };
  m_rcBase = CRect{plus(pt.x, -half), plus(pt.y, -half), plus(pt.x, half), plus(pt.y, half)};
}

}  // namespace px
