#pragma once
// The pictures of the toolbar buttons, drawn by the program.
#include <QIcon>
#include <QString>

namespace px {

// The icon of a command named by its menu text ("Zoom &In"); a null icon when it has none.
QIcon CommandIcon(const QString& menuText);

}  // namespace px
