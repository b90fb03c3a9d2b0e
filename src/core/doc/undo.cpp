// The one-level undo of a show. (Snapshots arrive with the undo work; until then a command's
// snapshot request keeps nothing and Undo has nothing to restore.)
#include "core/doc/pxdoc.h"

namespace px {

void CPxDoc::SaveUndoSnapshot() {}

void CPxDoc::ApplyUndo() {}

}  // namespace px
