#pragma once
// The program-wide show clipboard: formations and people copied from one show, to be pasted
// into the same or another show. It outlives every show and is shared by all open shows.
#include <memory>
#include <vector>

#include "core/formation/formation.h"
#include "core/model/place.h"
#include "core/people/person.h"

namespace px {

class ShowClipboard {
 public:
  // A formation on the clipboard: a copy outside any show. Its slot array, when it has one,
  // points at the place copies held here beside it.
  struct Formation {
    std::unique_ptr<CFormation> formation;
    std::vector<std::unique_ptr<CPlace>> places;
  };

  const std::vector<Formation>& Formations() const { return m_formations; }
  std::vector<Formation>& Formations() { return m_formations; }
  // Person copies without places or step instructions, each keeping its ID.
  const std::vector<std::unique_ptr<CPerson>>& People() const { return m_people; }
  std::vector<std::unique_ptr<CPerson>>& People() { return m_people; }

  void ClearFormations() { m_formations.clear(); }
  void ClearPeople() { m_people.clear(); }
  // A copy of the formation's look and settings, without people (Copy and Cut).
  void AddFormation(const CFormation& source);
  // A copy with the source's number, step and slots, each filled slot holding a copy of its
  // place (person ID, march settings and slot kept).
  void AddFormationWithPlaces(const CFormation& source);
  // A copy of the person without places or instructions, with the same ID.
  void AddPerson(const CPerson& source);

 private:
  std::vector<Formation> m_formations;
  std::vector<std::unique_ptr<CPerson>> m_people;
};

// The one clipboard of the program.
ShowClipboard& TheShowClipboard();

}  // namespace px
