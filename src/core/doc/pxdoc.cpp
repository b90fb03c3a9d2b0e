#include "core/doc/pxdoc.h"

#include <algorithm>
#include <atomic>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <unordered_map>

#include "core/midi/song_entry.h"
#include "core/people/people_on_formation.h"

namespace px {

CPxDoc::CPxDoc() { LoadSymbolBitmaps(); }

CPxDoc::~CPxDoc() = default;

CFormation* CPxDoc::FindFormation(int number) const {
  for (const auto& f : m_formations)
    if (f->m_nNumber == number) return f.get();
  return nullptr;
}

CPerson* CPxDoc::FindPerson(int id) const {
  for (const auto& p : m_people)
    if (p->m_nNumber == id) return p.get();
  return nullptr;
}

int CPxDoc::NextFreePersonId() const {
  int id = static_cast<int>(m_people.size()) + 1;
  while (FindPerson(id)) ++id;
  return id;
}

int CPxDoc::FormationIndex(const CFormation* formation) const {
  for (size_t i = 0; i < m_formations.size(); ++i)
    if (m_formations[i].get() == formation) return static_cast<int>(i);
  return -1;
}

CFormation* CPxDoc::AddFormation(std::unique_ptr<CFormation> formation) {
  CFormation* f = formation.get();
  f->m_nStep = m_nCurrentStep;
  int number = static_cast<int>(m_formations.size()) + 1;
  while (FindFormation(number)) ++number;
  f->m_nNumber = number;
  f->m_dInterval = m_dInterval;
  f->m_pDocument = this;
  auto at = std::find_if(m_formations.begin(), m_formations.end(), [f](const auto& other) {
    return other->m_nStep > f->m_nStep || (other->m_nStep == f->m_nStep && other->m_nNumber > f->m_nNumber);
  });
  m_formations.insert(at, std::move(formation));
  m_nLastStep = std::max(m_nLastStep, f->m_nStep);
  SetModifiedFlag();
  return f;
}

CPerson* CPxDoc::AddPerson(std::unique_ptr<CPerson> person) {
  person->m_pDocument = this;
  m_people.push_back(std::move(person));
  SetModifiedFlag();
  return m_people.back().get();
}

void CPxDoc::RemoveFormation(CFormation* formation) {
  auto it = std::find_if(m_formations.begin(), m_formations.end(),
                         [formation](const auto& f) { return f.get() == formation; });
  if (it == m_formations.end()) return;
  // The places on the formation go with it, so no place is left pointing at a deleted record.
  std::vector<CPerson*> standing;
  for (CPlace* place : formation->m_ppPlaces)
    if (place && place->m_pPerson && std::find(standing.begin(), standing.end(), place->m_pPerson) == standing.end())
      standing.push_back(place->m_pPerson);
  for (CPerson* person : standing) person->DeassignFormation(formation);
  std::erase(m_selection.formations, formation);
  std::unique_ptr<CFormation> owned = std::move(*it);
  m_formations.erase(it);
  SetModifiedFlag();
  for (DocViewObserver* view : m_views) view->OnObjectRemoved(formation);
  RecalcLastStep();
}

void CPxDoc::RemovePerson(CPerson* person) {
  auto it = std::find_if(m_people.begin(), m_people.end(), [person](const auto& p) { return p.get() == person; });
  if (it == m_people.end()) return;
  // Empty the person's slots first: formations must never point at a deleted place.
  person->Deassign(-99);
  m_selection.Remove(person);
  std::unique_ptr<CPerson> owned = std::move(*it);
  m_people.erase(it);
  SetModifiedFlag();
  for (DocViewObserver* view : m_views) view->OnObjectRemoved(person);
}

bool CPxDoc::HasFormationAtStep(int step) const {
  if (step == -1) step = m_nCurrentStep;
  return std::any_of(m_formations.begin(), m_formations.end(), [step](const auto& f) { return f->m_nStep == step; });
}

bool CPxDoc::HasFormationBetween(int first, int last) const {
  return std::any_of(m_formations.begin(), m_formations.end(),
                     [&](const auto& f) { return f->m_nStep >= first && f->m_nStep <= last; });
}

int CPxDoc::NextFormationStep(int step, bool inclusive) const {
  if (step == -1) step = m_nCurrentStep;
  if (inclusive && HasFormationAtStep(step)) return step;
  int best = -1;
  for (const auto& f : m_formations)
    if (f->m_nStep > step && (best == -1 || f->m_nStep < best)) best = f->m_nStep;
  return best;
}

void CPxDoc::RecalcLastStep() {
  int last = 0;
  for (const auto& f : m_formations) last = std::max(last, f->m_nStep);
  // A hand-edited or damaged song line cannot stretch the show beyond the largest step a
  // file can hold.
  for (const auto& line : m_songs) last = std::max(last, std::clamp(ParseSongEntry(line).EndStep(), 0, 65535));
  m_nLastStep = last;
}

std::string CPxDoc::CommentAtStep(int step) const {
  for (const auto& entry : m_comments) {
    char* end = nullptr;
    const long leading = std::strtol(entry.c_str(), &end, 10);
    if (end != entry.c_str() && leading == step) {
      const size_t space = entry.find(' ');
      return space == std::string::npos ? std::string() : entry.substr(space + 1);
    }
  }
  return {};
}

void CPxDoc::RenumberFormations() {
  // One pass over the places instead of one per formation: a large show renumbers before
  // every save and snapshot.
  std::unordered_map<const CFormation*, int> numbers;
  numbers.reserve(m_formations.size());
  int number = 1;
  for (const auto& f : m_formations) {
    f->m_nNumber = number++;
    numbers.emplace(f.get(), f->m_nNumber);
  }
  for (const auto& person : m_people)
    for (const auto& place : person->m_places)
      if (auto it = numbers.find(place->m_pFormation); it != numbers.end()) place->m_nFormationID = it->second;
}

void CPxDoc::RenumberPeople() {
  int id = 1;
  for (const auto& person : m_people) {
    person->m_nNumber = id++;
    for (const auto& place : person->m_places) place->m_nPersonID = person->m_nNumber;
  }
}

void CPxDoc::RelinkPlaces() {
  for (const auto& person : m_people) {
    // The timeline lookups rely on ascending steps; only a damaged file breaks that order.
    std::stable_sort(person->m_places.begin(), person->m_places.end(),
                     [](const auto& a, const auto& b) { return a->m_nStep < b->m_nStep; });
    for (const auto& place : person->m_places) {
      place->m_pPerson = person.get();
      place->m_nPersonID = person->m_nNumber;
      const int index = place->m_nFormationID - 1;
      CFormation* f = index >= 0 && index < static_cast<int>(m_formations.size()) ? m_formations[index].get() : nullptr;
      place->m_pFormation = f;
      // A slot outside the formation's array (only in a damaged file) is not stored.
      if (f && place->m_nSlot >= 0 && place->m_nSlot < f->m_nPlaces) f->m_ppPlaces[place->m_nSlot] = place.get();
    }
  }
}

void CPxDoc::SortPeopleById() {
  bool swapped = true;
  while (swapped) {
    swapped = false;
    for (size_t i = 0; i + 1 < m_people.size(); ++i) {
      if (m_people[i]->m_nNumber > m_people[i + 1]->m_nNumber) {
        std::swap(m_people[i], m_people[i + 1]);
        swapped = true;
      }
    }
  }
}

void CPxDoc::RecalcPositions() { ParkPeopleWithoutPlace(ParkingLayout::Normal); }

void CPxDoc::ParkPeopleWithoutPlace(ParkingLayout layout) {
  m_motion.SettleApproachesAt(m_nCurrentStep);
  constexpr int kSpacing = 144;
  constexpr int kFirst = 216;
  int column = layout == ParkingLayout::Normal ? 72 : 144;  // across the run of parked people
  int along = kFirst;                                       // within the run
  const int limit = layout == ParkingLayout::Normal ? 4320 : 7200;
  for (CPerson* person : m_motion.PlacePeopleAt(m_nCurrentStep)) {
    person->SetCurrentPosition(layout == ParkingLayout::Normal ? CPoint{column, along} : CPoint{along, column});
    if (along > limit) {
      // The normal layout starts a new column to the right; the 3D layout a new row nearer the top.
      column += layout == ParkingLayout::Normal ? kSpacing : -kSpacing;
      along = kFirst;
    } else {
      along += kSpacing;
    }
  }
}

void CPxDoc::ArrangeForPerspective() {
  ParkPeopleWithoutPlace(ParkingLayout::Perspective);
  // Stable: people in the same row keep their order.
  for (size_t i = 1; i < m_people.size(); ++i)
    for (size_t j = i; j > 0 && m_people[j - 1]->m_ptPosition.y > m_people[j]->m_ptPosition.y; --j)
      std::swap(m_people[j - 1], m_people[j]);
}

int BuiltInSymbolResource(int group) {
  static constexpr int kResources[GROUP_COUNT] = {153, 147, 151, 149, 148, 147, 150, 146};
  return group >= 0 && group < GROUP_COUNT ? kResources[group] : 0;
}

namespace {

// A picture file that loads: a Windows bitmap file with its header. The name comes from the
// show file, so anything but a regular file of sensible size (a folder, a device, a pipe)
// is passed over: a damaged show must not make loading throw, hang or read without end.
bool ReadBitmapFile(const std::string& path, std::vector<std::uint8_t>& bytes) {
  constexpr std::uintmax_t kMaxBitmapBytes = 64u << 20;
  std::error_code ec;
  if (!std::filesystem::is_regular_file(path, ec)) return false;
  const std::uintmax_t size = std::filesystem::file_size(path, ec);
  if (ec || size < 54 || size > kMaxBitmapBytes) return false;
  std::ifstream in(path, std::ios::binary);
  if (!in) return false;
  bytes.resize(static_cast<size_t>(size));
  in.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(size));
  return in.gcount() == static_cast<std::streamsize>(size) && bytes[0] == 'B' && bytes[1] == 'M';
}

}  // namespace

void CPxDoc::LoadSymbolBitmaps() {
  m_bCustomBitmaps = false;
  for (int group = 0; group < GROUP_COUNT; ++group) {
    auto bitmap = std::make_unique<SymbolBitmap>();
    bitmap->resourceId = BuiltInSymbolResource(group);
    const std::string& file = m_strSymbolBitmapFile[group];
    if (!file.empty()) {
      m_bCustomBitmaps = true;
      if (ReadBitmapFile(file, bitmap->bytes))
        bitmap->file = file;
      else
        bitmap->bytes.clear();  // falls back to the built-in picture without a message
    }
    m_pSymbolBitmaps[group] = std::move(bitmap);
  }
}

void CPxDoc::FreeSymbolBitmaps() {
  for (auto& bitmap : m_pSymbolBitmaps) bitmap.reset();
}

void CPxDoc::InvalidatePeopleOn(const CFormation& formation, bool recompute) {
  px::InvalidatePeopleOn(formation, recompute);
}

void CPxDoc::ShiftPeopleOn(const CFormation& formation, int dx, int dy) { px::ShiftPeopleOn(formation, dx, dy); }

void CPxDoc::MovePeopleOnto(CFormation& from, CFormation& to) { px::MovePeopleOnto(from, to); }

void CPxDoc::AddView(DocViewObserver* view) { m_views.push_back(view); }

void CPxDoc::RemoveView(DocViewObserver* view) { std::erase(m_views, view); }

std::uint64_t CPxDoc::NextShowRevision() {
  static std::atomic<std::uint64_t> last{0};
  return ++last;
}

void CPxDoc::UpdateAllViews() {
  for (DocViewObserver* view : m_views) view->OnUpdate();
}

}  // namespace px
