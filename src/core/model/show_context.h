#pragma once
// What a formation or a person needs of the show it belongs to: the show's settings, its
// people, and a few operations that touch records of another kind. The show document
// implements it, so the records never depend on the document itself.
#include <memory>
#include <string>
#include <vector>

#include "core/model/show_settings.h"

namespace px {

class CFormation;
class CPerson;

class ShowContext : public ShowSettings {
 public:
  virtual ~ShowContext() = default;

  virtual void SetModifiedFlag(bool modified = true) = 0;
  virtual void UpdateAllViews() = 0;

  virtual const std::vector<std::unique_ptr<CPerson>>& People() const = 0;
  // The show's comment for a step, or "" when it has none.
  virtual std::string CommentAtStep(int step) const = 0;

  // Adds a formation at the current step with the next free number and the show's interval.
  virtual CFormation* AddFormation(std::unique_ptr<CFormation> formation) = 0;

  // The people standing on a formation: their positions no longer hold after it changed
  // (recompute: recomputed at the formation's step at once); they travel along with a
  // sticky formation; they move over to another formation, keeping order and march settings.
  virtual void InvalidatePeopleOn(const CFormation& formation, bool recompute) = 0;
  virtual void ShiftPeopleOn(const CFormation& formation, int dx, int dy) = 0;
  virtual void MovePeopleOnto(CFormation& from, CFormation& to) = 0;

  // Positions, kept by the show's motion engine: where a person stands at a step, and that
  // the person's positions at steps from..to no longer hold.
  virtual CPoint PositionOf(const CPerson& person, int step) = 0;
  virtual void ForgetPositions(const CPerson& person, int from, int to) = 0;
};

}  // namespace px
