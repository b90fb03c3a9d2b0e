#pragma once
// Small builders shared by the formation tests: shapes on a document and people on them.
#include <initializer_list>
#include <memory>
#include <ostream>
#include <vector>

#include "core/doc/pxdoc.h"
#include "core/formation/formation.h"
#include "core/people/person.h"

namespace px {
// Readable points and rectangles in failure messages.
inline void PrintTo(const CPoint& p, std::ostream* os) { *os << "(" << p.x << ", " << p.y << ")"; }
inline void PrintTo(const CRect& r, std::ostream* os) {
  *os << "{" << r.left << ", " << r.top << ", " << r.right << ", " << r.bottom << "}";
}
}  // namespace px

namespace px::test {

inline CFormation* AddRectShape(CPxDoc& doc, int kind, const CRect& rect) {
  auto f = std::make_unique<CDrawRect>(rect);
  f->m_nShape = kind;
  CFormation* added = doc.AddFormation(std::move(f));
  added->RecalcOutline();
  return added;
}

inline CFormation* AddPolyShape(CPxDoc& doc, int kind, const std::vector<CPoint>& points) {
  auto f = std::make_unique<CDrawPoly>();
  f->m_nShape = kind;
  f->SetPoints(points);
  CFormation* added = doc.AddFormation(std::move(f));
  added->RecalcBounds();
  added->RecalcOutline();
  return added;
}

// Adds `count` people (IDs from 1 on) and puts them in order on the formation.
inline std::vector<CPerson*> PutPeopleOn(CPxDoc& doc, CFormation* formation, int count) {
  std::vector<CPerson*> people;
  for (int i = 0; i < count; ++i) {
    auto person = std::make_unique<CPerson>();
    person->m_nNumber = doc.NextFreePersonId();
    CPerson* added = doc.AddPerson(std::move(person));
    added->AssignToFormation(nullptr, formation);
    people.push_back(added);
  }
  return people;
}

inline CPoint Spot(CFormation* f, int slot) { return f->GetSpot(slot, 0.0, 0.0, f->m_dSkew); }

using Points = std::vector<CPoint>;

// The spots of the given slots, in order.
inline Points Spots(CFormation* f, std::initializer_list<int> slots) {
  Points spots;
  for (int slot : slots) spots.push_back(Spot(f, slot));
  return spots;
}

// The points at the given indices, in order.
inline Points Pick(const Points& points, std::initializer_list<int> indices) {
  Points picked;
  for (int i : indices) picked.push_back(points.at(static_cast<size_t>(i)));
  return picked;
}

}  // namespace px::test
