#pragma once
// What the designer has selected in a show: formations and people, each in the order they
// were selected. One selection per show, shared by its field views, its list views and the
// command scripts; the records are the document's, not owned here.
#include <algorithm>
#include <vector>

namespace px {

class CFormation;
class CPerson;

struct Selection {
  std::vector<CFormation*> formations;
  std::vector<CPerson*> people;

  bool Has(const CFormation* formation) const {
    return std::find(formations.begin(), formations.end(), formation) != formations.end();
  }
  bool Has(const CPerson* person) const { return std::find(people.begin(), people.end(), person) != people.end(); }
  // Adds at the end unless already selected.
  void Add(CFormation* formation) {
    if (!Has(formation)) formations.push_back(formation);
  }
  void Add(CPerson* person) {
    if (!Has(person)) people.push_back(person);
  }
  void Remove(const CFormation* formation) { std::erase(formations, formation); }
  void Remove(const CPerson* person) { std::erase(people, person); }
  void Clear() {
    formations.clear();
    people.clear();
  }
  bool Empty() const { return formations.empty() && people.empty(); }
};

}  // namespace px
