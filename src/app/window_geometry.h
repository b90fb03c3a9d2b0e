#pragma once
// Where the main window opens: where it was last closed, or, the first time, large on the
// screen it starts on without covering all of it.
#include <QMainWindow>
#include <QSettings>

namespace px {

void RestoreWindowGeometry(QMainWindow& window, QSettings& settings);
void SaveWindowGeometry(const QMainWindow& window, QSettings& settings);

}  // namespace px
