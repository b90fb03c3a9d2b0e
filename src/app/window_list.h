#pragma once
// The Window menu's list of the open show windows, numbered, the active one checked, built
// afresh each time the menu opens.
#include <QMdiArea>
#include <QMenu>

namespace px {

// Keeps the list at the end of `menu` (after a separator) for the windows of `area`.
void ListWindowsIn(QMenu* menu, QMdiArea* area);

}  // namespace px
