#include "dialogs/qt_dialog_host.h"

namespace px {

void RegisterAllQtDialogs(QtDialogRegistry& registry) {
  (void)registry;  // each Qt dialog of a command adds a line here: RegisterQtDialog<Model>(registry, Show...);
}

}  // namespace px
