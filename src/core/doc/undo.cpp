// The one-level undo of a show. Before a change the document keeps a copy of its formations
// and people in memory, or writes the whole show to the undo file; Undo puts that copy back,
// and Redo puts back what the Undo took away.
#include <cerrno>
#include <filesystem>
#include <new>

#include "core/doc/pxdoc.h"
#include "core/doc/show_file.h"
#include "core/doc/undo_file.h"
#include "core/people/people_on_formation.h"

namespace px {

void CPxDoc::SaveUndoSnapshot() {
  m_redo = RedoState{};  // a change ends what Redo could put back
  if (!m_bUndoEnabled) return;
  SetModifiedFlag();
  if (m_bUndoToMemory) {
    TakeMemorySnapshot(m_undoFormations, m_undoPeople);
  } else {
    const std::string path = UndoFilePath().string();
    const FileResult written = MakeUndoFolder() ? WriteShowFile(path, *this) : FileErrorResult(errno, false, path);
    if (!written.ok) ReportUndoFileError(written.message);
  }
  SetModifiedFlag();
}

void CPxDoc::ApplyUndo() {
  if (!m_bUndoEnabled) return;
  if (m_bUndoToMemory) {
    if (m_undoFormations.empty() && m_undoPeople.empty()) return;
    KeepForRedo();
    RestoreMemorySnapshot(m_undoFormations, m_undoPeople);
  } else {
    // The file is read and checked before anything is deleted, so a damaged or vanished
    // undo file leaves the show as it is.
    std::vector<std::uint8_t> bytes;
    if (const FileResult read = ReadCheckedShowBytes(UndoFilePath().string(), bytes); !read.ok) {
      ReportUndoFileError(read.message);
      return;
    }
    // A repeated Undo with no change between restores the same file again: Redo still puts
    // back the show from before the first one.
    if (!CanRedo()) KeepForRedo();
    RestoreStoredShow(bytes);
  }
  m_redo.revision = ShowRevision();
}

bool CPxDoc::HasUndoSnapshot() const {
  if (!m_bUndoEnabled) return false;
  if (m_bUndoToMemory) return !m_undoFormations.empty() || !m_undoPeople.empty();
  std::error_code ec;
  return std::filesystem::exists(UndoFilePath(), ec);
}

bool CPxDoc::CanRedo() const { return m_redo.held && m_redo.revision == ShowRevision(); }

void CPxDoc::ApplyRedo() {
  if (!CanRedo()) return;
  RedoState redo = std::move(m_redo);
  SaveUndoSnapshot();  // so that Undo takes the Redo back
  if (!redo.bytes.empty())
    RestoreStoredShow(redo.bytes);
  else
    RestoreMemorySnapshot(redo.formations, redo.people);
}

bool CPxDoc::TakeMemorySnapshot(std::vector<std::unique_ptr<CFormation>>& formations,
                                std::vector<std::unique_ptr<CPerson>>& people) {
  // Every place must carry its formation's list position: that is how it finds it again.
  RenumberFormations();
  formations.clear();
  people.clear();
  try {
    people.reserve(m_people.size());
    for (const auto& person : m_people) people.push_back(person->CloneWhole());
    formations.reserve(m_formations.size());
    for (const auto& f : m_formations) {
      std::unique_ptr<CFormation> clone = f->Clone();
      clone->m_nNumber = f->m_nNumber;
      clone->m_pDocument = this;
      clone->m_nPlaces = f->m_nPlaces;
      clone->m_nStep = f->m_nStep;
      formations.push_back(std::move(clone));
    }
  } catch (const std::bad_alloc&) {
    // Half a snapshot would bring back people without their formations: keep none.
    formations.clear();
    people.clear();
    return false;
  }
  return true;
}

void CPxDoc::RestoreMemorySnapshot(std::vector<std::unique_ptr<CFormation>>& formations,
                                   std::vector<std::unique_ptr<CPerson>>& people) {
  DeleteAllRecords();
  m_formations.reserve(formations.size());
  for (auto& f : formations) {
    f->m_ppPlaces.assign(static_cast<size_t>(std::max(f->m_nPlaces, 0)), nullptr);
    m_formations.push_back(std::move(f));
  }
  formations.clear();
  m_people.reserve(people.size());
  for (auto& person : people) {
    person->m_pDocument = this;
    m_people.push_back(std::move(person));
  }
  people.clear();
  RelinkPlaces();
  for (const auto& f : m_formations) {
    f->m_pDocument = this;
    if (f->m_nStep == m_nCurrentStep) RecalcSpots(*f);
    m_nLastStep = std::max(m_nLastStep, f->m_nStep);
  }
  SetModifiedFlag();
}

void CPxDoc::RestoreStoredShow(const std::vector<std::uint8_t>& bytes) {
  DeleteAllRecords();
  // Reading appends to these lists: a show put back must not hold its comments twice.
  m_comments.clear();
  m_songs.clear();
  if (const FileResult loaded = LoadShowReporting(bytes, *this); !loaded.ok) ReportUndoFileError(loaded.message);
  SetModifiedFlag();
}

void CPxDoc::DeleteAllRecords() {
  std::vector<std::unique_ptr<CFormation>> formations;
  std::vector<std::unique_ptr<CPerson>> people;
  TakeAllRecords(formations, people);
}

void CPxDoc::TakeAllRecords(std::vector<std::unique_ptr<CFormation>>& formations,
                            std::vector<std::unique_ptr<CPerson>>& people) {
  m_selection.Clear();
  for (DocViewObserver* view : m_views) {
    for (const auto& f : m_formations) view->OnObjectRemoved(f.get());
    for (const auto& person : m_people) view->OnObjectRemoved(person.get());
  }
  formations = std::move(m_formations);
  people = std::move(m_people);
  m_formations.clear();
  m_people.clear();
  m_motion.ForgetAll();
}

void CPxDoc::KeepForRedo() {
  m_redo = RedoState{};
  if (m_bUndoToMemory) {
    // The records about to be replaced are kept as they are rather than copied and deleted;
    // numbered by list position, as a snapshot is, so that Redo relinks them the same way.
    RenumberFormations();
    TakeAllRecords(m_redo.formations, m_redo.people);
  } else {
    try {
      m_redo.bytes = SaveShowToBytes(*this);
    } catch (const std::bad_alloc&) {
      return;
    }
  }
  m_redo.held = true;
}

}  // namespace px
