#pragma once
// The "Mirror" dialog, shared by Mirror Formations and Mirror Show: the axis to mirror about
// and whether the originals go.
#include <string>
#include <vector>

#include "core/ui/dialog_model.h"

namespace px {

struct MirrorDialog : DialogModel {
  static constexpr const char* kCaption = "Mirror";
  static constexpr const char* kHelpTopic = "The Edit Mirror Show Command";
  // The radio buttons in order; the index is the mode a formation's Flip takes.
  static constexpr const char* kAxes[] = {"Horizontal", "Vertical", "Both"};

  int m_nAxis = 0;
  bool m_bDeleteOriginal = false;

  std::string Caption() const override { return kCaption; }
  std::vector<DialogControl> Controls() override {
    return {RadioControl(kAxes[0], m_nAxis, 0), RadioControl(kAxes[1], m_nAxis, 1), RadioControl(kAxes[2], m_nAxis, 2),
            BoolControl("Delete Original", m_bDeleteOriginal)};
  }
};

}  // namespace px
