#pragma once
// The show document: every formation, person, comment and song of a show, and every
// show-wide setting. Everything here is stored in the show file.
#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "core/doc/selection.h"
#include "core/formation/formation.h"
#include "core/model/cobject.h"
#include "core/model/show_context.h"
#include "core/motion/motion_engine.h"
#include "core/people/person.h"
#include "core/util/types.h"

namespace px {

class CArchive;

// What a view of the show is told when the document changes.
class DocViewObserver {
 public:
  virtual ~DocViewObserver() = default;
  // The object is about to be deleted: the view drops it from its own state.
  virtual void OnObjectRemoved(const CFormation* object) = 0;
  virtual void OnUpdate() {}
};

// A loaded group symbol: either a picture file chosen by the user or the built-in picture.
struct SymbolBitmap {
  int resourceId = 0;    // the built-in picture of the group
  std::string file;      // the file the picture was loaded from; empty for the built-in one
  std::vector<std::uint8_t> bytes;  // the file's contents when it loaded
};

// Parking layout for people without a place: the 3D view parks them in rows.
enum class ParkingLayout { Normal, Perspective };

class CPxDoc : public ShowContext {
 public:
  CPxDoc();
  ~CPxDoc() override;
  CPxDoc(const CPxDoc&) = delete;
  CPxDoc& operator=(const CPxDoc&) = delete;

  // Writes or reads the whole show (the reading half appends to the lists and then runs
  // the after-loading steps).
  void Serialize(CArchive& ar);

  // Lookups.
  CFormation* FindFormation(int number) const;
  CPerson* FindPerson(int id) const;
  int NextFreePersonId() const;
  int FormationIndex(const CFormation* formation) const;  // 0-based, -1 when absent

  // List changes.
  CFormation* AddFormation(std::unique_ptr<CFormation> formation) override;
  CPerson* AddPerson(std::unique_ptr<CPerson> person);
  void RemoveFormation(CFormation* formation);
  void RemovePerson(CPerson* person);

  // Steps.
  bool HasFormationAtStep(int step) const;  // -1 = the current step
  bool HasFormationBetween(int first, int last) const;
  int NextFormationStep(int step, bool inclusive) const;  // -1 when none
  void RecalcLastStep();
  void SetCurrentStep(int step) { m_nCurrentStep = step; }
  std::string CommentAtStep(int step) const override;

  // Undo: SaveUndoSnapshot is called by every command that changes the show, before it
  // changes anything; ApplyUndo puts the snapshot back. A failed write or read of the undo
  // file is reported through ReportUndoFileError and leaves the show as it was.
  void SaveUndoSnapshot();
  void ApplyUndo();
  // Whether ApplyUndo has something to put back: a memory snapshot, or the undo file.
  bool HasUndoSnapshot() const;
  // Redo puts back what the last Undo took away, until the show changes again; the show
  // before the Redo becomes the undo snapshot.
  bool CanRedo() const;
  void ApplyRedo();

  // Numbering and links.
  void RenumberFormations();
  void RenumberPeople();
  void RelinkPlaces();
  void SortPeopleById();

  // Every person stands where it is at the current step (the approaches under way settle
  // first); people without a place there are parked.
  void RecalcPositions();
  void ParkPeopleWithoutPlace(ParkingLayout layout = ParkingLayout::Normal);
  // For the 3D view: people without a place park in rows, and the people list is ordered by
  // depth so that nearer people are drawn over those behind them.
  void ArrangeForPerspective();
  MotionEngine& Motion() { return m_motion; }

  // Group symbols.
  void LoadSymbolBitmaps();
  void FreeSymbolBitmaps();

  // Views and the modified flag.
  void AddView(DocViewObserver* view);
  void RemoveView(DocViewObserver* view);
  void UpdateAllViews() override;
  // Every change of the show marks the document modified, which also counts as ShowChanged.
  void SetModifiedFlag(bool modified = true) override {
    m_bModified = modified;
    if (modified) ShowChanged();
  }
  bool IsModified() const { return m_bModified; }
  // What is worked out from the show and kept (the drawn paths) is kept with the revision it
  // was worked out from; ShowChanged gives the show a new one. Revisions are unique across
  // documents, so a revision names one state of one show.
  void ShowChanged() { m_nShowRevision = NextShowRevision(); }
  std::uint64_t ShowRevision() const { return m_nShowRevision; }

  // What the records ask of their show.
  const std::vector<std::unique_ptr<CPerson>>& People() const override { return m_people; }
  void InvalidatePeopleOn(const CFormation& formation, bool recompute) override;
  void ShiftPeopleOn(const CFormation& formation, int dx, int dy) override;
  void MovePeopleOnto(CFormation& from, CFormation& to) override;
  CPoint PositionOf(const CPerson& person, int step) override { return m_motion.PositionOf(person, step); }
  void ForgetPositions(const CPerson& person, int from, int to) override { m_motion.Forget(person, from, to); }

  // Lists.
  std::vector<std::unique_ptr<CFormation>> m_formations;  // sorted by (step, number) on add
  std::vector<std::unique_ptr<CPerson>> m_people;
  std::vector<std::unique_ptr<CFormation>> m_undoFormations;
  std::vector<std::unique_ptr<CPerson>> m_undoPeople;
  std::vector<std::string> m_comments;  // "step text"
  std::vector<std::string> m_songs;
  Selection m_selection;  // not owned, not stored

  // Show description.
  std::string m_strTitle, m_strDesigner, m_strCompany, m_strContactInfo, m_strClient,
      m_strClientContact, m_strDate, m_strOtherInfo;

  std::uint16_t m_nFileVersion[2] = {1, 12};  // major number and file version

  // Animation state of the open show (not stored): playing, a song started on the MIDI
  // output, and the name and begin step of the song last started.
  bool m_bPlaying = false;
  bool m_bSongStarted = false;
  std::string m_strLastSong;
  int m_nLastSongBegin = 0;

  // Group symbols, in group order (Baton, Brass, Drums, Flags, Honor Guard, Horns, Rifles,
  // Woodwinds).
  std::array<std::string, GROUP_COUNT> m_strSymbolBitmapFile;
  std::array<std::unique_ptr<SymbolBitmap>, GROUP_COUNT> m_pSymbolBitmaps;
  bool m_bCustomBitmaps = false;

 private:
  // What the last Undo took away: a memory snapshot, or the show's bytes when undo goes to
  // the file; with the revision the show had right after that Undo.
  struct RedoState {
    std::vector<std::unique_ptr<CFormation>> formations;
    std::vector<std::unique_ptr<CPerson>> people;
    std::vector<std::uint8_t> bytes;
    std::uint64_t revision = 0;
    bool held = false;
  };

  void AfterLoading();
  // Undo's halves: snapshots of the records, and putting a snapshot or a stored show back.
  bool TakeMemorySnapshot(std::vector<std::unique_ptr<CFormation>>& formations,
                          std::vector<std::unique_ptr<CPerson>>& people);
  void RestoreMemorySnapshot(std::vector<std::unique_ptr<CFormation>>& formations,
                             std::vector<std::unique_ptr<CPerson>>& people);
  void RestoreStoredShow(const std::vector<std::uint8_t>& bytes);
  void DeleteAllRecords();
  // Moves every formation and person out of the show (views told, selection emptied).
  void TakeAllRecords(std::vector<std::unique_ptr<CFormation>>& formations,
                      std::vector<std::unique_ptr<CPerson>>& people);
  void KeepForRedo();

  RedoState m_redo;

  static std::uint64_t NextShowRevision();

  bool m_bModified = false;
  std::uint64_t m_nShowRevision = NextShowRevision();
  std::vector<DocViewObserver*> m_views;
  MotionEngine m_motion{*this};
};

// The built-in picture of each group.
int BuiltInSymbolResource(int group);

}  // namespace px
