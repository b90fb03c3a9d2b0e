#pragma once
// What the field view tells the drawing of formations and people: its perspective mode,
// its selection, its tool and whether the show is playing.
#include <functional>

#include "core/draw/field_view_state.h"
#include "core/draw/person_labels.h"
#include "core/draw/show_paths.h"
#include "core/formation/formation.h"

namespace px {

struct DrawView {
  bool is3D = false;
  Perspective perspective;   // used in 3D
  bool rotateTool = false;   // the rotate pointer is the current tool
  bool showsHandles = true;  // selected records get their trackers
  bool playing = false;      // the show is being animated
  // Whether the view has the formation or person selected; empty: nothing is selected.
  std::function<bool(const CFormation*)> isSelected;
  // The view's paths of the show and labels of its people, kept between frames; none: worked
  // out for this frame.
  ShowPaths* paths = nullptr;
  PersonLabels* labels = nullptr;

  bool IsSelected(const CFormation* record) const { return isSelected && isSelected(record); }
  CPoint Project(CPoint pt) const { return is3D ? perspective.Apply(pt) : pt; }
};

}  // namespace px
