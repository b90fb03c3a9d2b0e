#include "dialogs/qt_dialog_host.h"

#include "dialogs/align_dialog.h"
#include "dialogs/formation_properties_dialog.h"
#include "dialogs/mirror_dialog.h"

namespace px {

void RegisterAllQtDialogs(QtDialogRegistry& registry) {
  RegisterQtDialog<FormationPropertiesDialog>(registry, ShowFormationPropertiesQtDialog);
  RegisterQtDialog<MirrorDialog>(registry, ShowMirrorQtDialog);
  RegisterQtDialog<AlignDialog>(registry, ShowAlignQtDialog);
}

}  // namespace px
