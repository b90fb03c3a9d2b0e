#pragma once
// The Formation Properties command: the Formation / Prop Properties dialog for the selected
// formations, then their sizes, settings, kind, scaling, pivot and direction as chosen.
#include <functional>

#include "core/doc/pxdoc.h"
#include "core/formation/formation_properties_dialog.h"
#include "core/formation/formation_view.h"
#include "core/ui/ui.h"

namespace px {

// Shows the dialog filled from the model; true when the designer pressed OK (the model then
// holds the values, checked).
using PropertiesDialogRunner = std::function<bool(FormationPropertiesDialog& model)>;

// Returns whether the show changed.
bool RunFormationProperties(CPxDoc& doc, Ui& ui, FormationView* view, ParkingLayout layout,
                            const PropertiesDialogRunner& runDialog);

}  // namespace px
