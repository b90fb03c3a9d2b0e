#pragma once
// What a formation tells the view that changed it: areas to redraw and the busy cursor.
// Every operation that takes one accepts a null pointer, which means nobody is watching.

namespace px {

class CFormation;

class FormationView {
 public:
  virtual ~FormationView() = default;
  // The area the formation covers now must be redrawn (called before and after a change).
  virtual void InvalidateFormation(const CFormation& formation) = 0;
  // Shows the hourglass while a long resize runs, and the arrow again afterwards.
  virtual void SetWaitCursor(bool busy) = 0;
};

}  // namespace px
