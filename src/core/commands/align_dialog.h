#pragma once
// The Align Selected Formations dialog: one group of fourteen radio buttons, shown in four
// boxes. The choice is the index into kAlignChoices.
#include <array>
#include <string>
#include <vector>

#include "core/ui/dialog_model.h"

namespace px {

enum AlignChoice {
  ALIGN_LEFT, ALIGN_RIGHT, ALIGN_TOP, ALIGN_BOTTOM, ALIGN_PIVOTS,
  ALIGN_MAKE_VERTICAL, ALIGN_MAKE_HORIZONTAL,
  ALIGN_FIELD_LEFT, ALIGN_FIELD_RIGHT, ALIGN_FIELD_TOP, ALIGN_FIELD_BOTTOM,
  ALIGN_CENTER_VERTICAL, ALIGN_CENTER_HORIZONTAL, ALIGN_CENTER_BOTH,
};

struct AlignButton {
  const char* box;    // the group box it sits in
  const char* label;
};

inline constexpr std::array<AlignButton, 14> kAlignChoices{{
    {"To Each Other", "Left"}, {"To Each Other", "Right"}, {"To Each Other", "Top"}, {"To Each Other", "Bottom"},
    {"To Each Other", "Pivot Points"},
    {"Lines", "Make Vertical"}, {"Lines", "Make Horizontal"},
    {"To Field", "Left"}, {"To Field", "Right"}, {"To Field", "Top"}, {"To Field", "Bottom"},
    {"Center", "Vertical"}, {"Center", "Horizontal"}, {"Center", "Both"},
}};

struct AlignDialog : DialogModel {
  static constexpr const char* kCaption = "Align Selected Formations";
  static constexpr const char* kHelpTopic = "The Formation Align Selected Formations Command";

  int m_nChoice = ALIGN_LEFT;

  std::string Caption() const override { return kCaption; }
  // Each button by its label; a label two boxes share ("Left") has its box's label first.
  std::vector<DialogControl> Controls() override;
};

// The name a script gives choice `index`: "To Field Left", "Pivot Points".
std::string AlignControlName(int index);

}  // namespace px
