#pragma once
// A band member: identity, marker look, and the timeline of places the member marches through.
#include <memory>
#include <string>
#include <vector>

#include "core/formation/formation.h"
#include "core/model/place.h"
#include "core/model/show_context.h"
#include "core/model/step_inst.h"

namespace px {

enum Group : int {
  GROUP_BATON = 0,
  GROUP_BRASS = 1,
  GROUP_DRUMS = 2,
  GROUP_FLAG = 3,
  GROUP_HONOR_GUARD = 4,
  GROUP_HORNS = 5,
  GROUP_RIFLES = 6,
  GROUP_WOODWINDS = 7,
};
constexpr int GROUP_COUNT = 8;

class CPerson : public CDrawRect {
 public:
  CPerson();
  ~CPerson() override;

  const char* GetRuntimeClassName() const override { return "CPerson"; }
  void Serialize(CArchive& ar) override;

  // The person's ID lives in the formation record's number.
  int Id() const { return m_nNumber; }

  // Sets the height text and recomputes m_nHeight2 from it.
  void SetHeight(const std::string& text);

  // Timeline lookups. m_places is ascending by step, so they search it rather than walk
  // it; the answers are those of a walk from its head.
  CPlace* GetPlaceAt(int step) const;
  CPlace* GetPlaceAtOrAfter(int step) const;  // a step of 0 reads as 1
  CPlace* GetPlaceAtOrBefore(int step) const;
  CPlace* GetPlaceOnFormation(const CFormation* formation) const;
  // The places around `step`: the last before it, the first and last at it and the first
  // after it (null where there is none).
  struct PlaceRange {
    CPlace* previous = nullptr;
    CPlace* firstAt = nullptr;
    CPlace* at = nullptr;
    CPlace* next = nullptr;
  };
  PlaceRange PlacesAround(int step) const;
  // The index of the first place at or after `step`, trying the last boundary found first.
  size_t FirstPlaceIndexAtOrAfter(int step) const;
  mutable size_t m_nPlaceHint = 0;  // where the last PlacesAround found its step would go

  // Puts the person on a new last slot of `formation` (or at otherPerson's slot, moving the
  // people from there on up by one). Replaces a place at the same step unless keepExisting.
  CPlace* AssignToFormation(CPerson* otherPerson, CFormation* formation, bool keepExisting = false);
  // Takes the person off the formation at `step` (-99: every step) and closes the gaps.
  void Deassign(int step);
  // Removes every place the person has on `formation`.
  void DeassignFormation(const CFormation* formation);
  // Resets the cached spots of places from `from` to `to` inclusive and tells the show that
  // the person's positions there no longer hold.
  void InvalidatePositions(int from, int to);
  void InvalidateAllPositions() { InvalidatePositions(0, STEP_END); }

  // The position at `step` (POSITION_NONE when the person has none there), as the show's
  // motion engine keeps it. With a formation, the spot of that formation's slot. Asking
  // changes nothing but caches: the current position is set by SetCurrentPosition.
  CPoint GetPosition(int step, CFormation* formation = nullptr, int slot = 0) const {
    if (!formation && m_pDocument) return m_pDocument->PositionOf(*this, step);
    return PositionAlone(step, formation, slot);
  }
  // Sets the current position and the marker rectangle around it.
  void SetCurrentPosition(CPoint pt);
  // The march-code letters of the approach after `currentStep` ("?" when there is none),
  // with the waits written around them, e.g. "2PV4".
  std::string GetMarchCode(int currentStep) const;
  // The label drawn on the marker at the document's current step: the march code, or the
  // step size in whole inches when the show displays step sizes.
  std::string GetMarchLabel();

  // Makes this person the one anchor of its Follow (or Float Flex) group at `step`.
  // False when the person has no place at `step` or none before it.
  bool SetAnchor(int step, bool floatGroup);
  // 0 when `other` does not march in this person's Follow group (as last set up in
  // m_pFromPlace / m_pToPlace), 2 when other leads it, else 1.
  int GetFollowRole(const CPerson& other) const;
  // Keep the march settings of the place at `step` across re-spotting.
  void SaveMarchSettings(int step);
  void RestoreMarchSettings(int step);
  // A copy for pasting: look, identity texts and formation settings, without ID, letter,
  // absent flag, places, instructions or caches.
  std::unique_ptr<CPerson> ClonePerson() const;
  // A copy of every stored field, with copies of the places and step instructions (not yet
  // linked to any formation), for an undo snapshot: the same member as far as the show file
  // can tell.
  std::unique_ptr<CPerson> CloneWhole() const;
  // The shown name of a shape kind ("" for an unknown one).
  static const char* GetKindName(int kind);

  CPoint m_ptPosition = POSITION_NONE;
  std::vector<std::unique_ptr<CPlace>> m_places;        // ascending by step
  std::vector<std::unique_ptr<CStepInst>> m_stepInsts;  // ascending by count
  int m_nGroup = GROUP_HORNS;
  std::string m_strHeight = "60";
  int m_nHeight2 = 120;
  int m_nFollowRole = 0;
  CPlace* m_pFromPlace = nullptr;
  CPlace* m_pToPlace = nullptr;
  std::unique_ptr<CPlace> m_pSavedPlace;
  // Where the show's motion engine keeps this person's positions (not stored).
  struct MotionRow {
    const void* table = nullptr;
    int row = -1;
  };
  mutable MotionRow m_motionRow;
  int m_nPersonVersion = 1;

  // Step instructions and step sizes.
  struct StepInstChain {
    CStepInst* inst = nullptr;   // the instruction starting at or covering the step
    CStepInst* first = nullptr;  // the earliest instruction of the unbroken chain leading to it
  };
  CStepInst* FindStepInst(int count) const;
  StepInstChain FindStepInstCovering(int step) const;
  // The instruction at `count`, or a new empty one for that count in its sorted place.
  CStepInst* GetOrAddStepInst(int count);
  // Shortens every run that reaches into the next instruction's count.
  void ClipStepInsts();
  // `position` moved by the runs from chainFirst on, as far as they reach by `step`.
  CPoint ApplyStepInsts(const CStepInst* chainFirst, CPoint position, int step) const;
  // Inches per step of the approach that contains `step`; 0 when there is none.
  double GetStepSize(int step);
  // The member's step sheet: every place and instruction of the show in words.
  std::string GetStepReport(int* lineCount = nullptr);

 private:
  // Takes the place at `index` of m_places off its formation and destroys it.
  void RemovePlace(size_t index);
  // GetPosition for a slot's spot or for a person outside a show.
  CPoint PositionAlone(int step, CFormation* formation, int slot) const;
};

// The group names shown in lists and reports.
const char* GetGroupName(int group);

}  // namespace px
