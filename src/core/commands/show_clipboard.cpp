#include "core/commands/show_clipboard.h"

namespace px {

void ShowClipboard::AddFormation(const CFormation& source) {
  m_formations.push_back(Formation{source.Clone(), {}});
}

void ShowClipboard::AddFormationWithPlaces(const CFormation& source) {
  Formation entry{source.Clone(), {}};
  CFormation& copy = *entry.formation;
  copy.m_nNumber = source.m_nNumber;
  copy.m_nStep = source.m_nStep;
  copy.m_nPlaces = source.m_nPlaces;
  copy.m_ppPlaces.assign(source.m_ppPlaces.size(), nullptr);
  for (size_t slot = 0; slot < source.m_ppPlaces.size(); ++slot) {
    const CPlace* place = source.m_ppPlaces[slot];
    if (!place) continue;
    std::unique_ptr<CPlace> clone = place->ClonePlace();
    // The copy belongs to no show: nothing it pointed at there may be reached through it.
    clone->m_pPerson = nullptr;
    clone->m_pFormation = &copy;
    copy.m_ppPlaces[slot] = clone.get();
    entry.places.push_back(std::move(clone));
  }
  m_formations.push_back(std::move(entry));
}

void ShowClipboard::AddPerson(const CPerson& source) {
  std::unique_ptr<CPerson> copy = source.ClonePerson();
  copy->m_nNumber = source.m_nNumber;
  copy->m_pDocument = nullptr;
  m_people.push_back(std::move(copy));
}

ShowClipboard& TheShowClipboard() {
  static ShowClipboard clipboard;
  return clipboard;
}

}  // namespace px
