#include "core/commands/align_dialog.h"

#include <algorithm>
#include <string_view>

namespace px {

std::string AlignControlName(int index) {
  const AlignButton& button = kAlignChoices[static_cast<size_t>(index)];
  const auto shared = std::count_if(kAlignChoices.begin(), kAlignChoices.end(), [&](const AlignButton& other) {
    return std::string_view(other.label) == button.label;
  });
  return shared > 1 ? std::string(button.box) + " " + button.label : button.label;
}

std::vector<DialogControl> AlignDialog::Controls() {
  std::vector<DialogControl> controls;
  for (int i = 0; i < static_cast<int>(kAlignChoices.size()); ++i)
    controls.push_back(RadioControl(AlignControlName(i), m_nChoice, i));
  return controls;
}

}  // namespace px
