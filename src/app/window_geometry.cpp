#include "app/window_geometry.h"

#include <QGuiApplication>
#include <QScreen>

namespace px {
namespace {

const QString kGeometryKey = QStringLiteral("Main Window/Geometry");

}  // namespace

void RestoreWindowGeometry(QMainWindow& window, QSettings& settings) {
  if (window.restoreGeometry(settings.value(kGeometryKey).toByteArray())) return;
  const QScreen* screen = window.screen() ? window.screen() : QGuiApplication::primaryScreen();
  if (!screen) return;
  // Nine tenths of the free area, in its middle: room for the field and the desktop's edges.
  const QRect free = screen->availableGeometry();
  const QSize size = free.size() * 9 / 10;
  window.resize(size);
  window.move(free.center() - QPoint(size.width() / 2, size.height() / 2));
}

void SaveWindowGeometry(const QMainWindow& window, QSettings& settings) {
  settings.setValue(kGeometryKey, window.saveGeometry());
}

}  // namespace px
