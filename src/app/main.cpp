// pyxaro: the desktop program.
#include <QApplication>
#include <QPalette>
#include <QSettings>
#include <QStringList>

#include "app/main_window.h"
#include "app/screenshot.h"
#include "app/window_geometry.h"
#include "app/widget_ui.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setOrganizationName(QStringLiteral("Pyxaro"));
  QApplication::setApplicationName(QStringLiteral("Pyxaro"));
  QApplication::setApplicationVersion(QStringLiteral(PYXARO_VERSION));

  // Dialogs keep the light grey of the program's tradition.
  QPalette dialogs = QApplication::palette();
  dialogs.setColor(QPalette::Window, QColor(0xC0, 0xC0, 0xC0));
  QApplication::setPalette(dialogs, "QDialog");

  QStringList arguments = QApplication::arguments().mid(1);
  const px::ScreenshotRequest screenshot = px::TakeScreenshotOptions(arguments);

  QSettings settings;
  px::WidgetUi ui(nullptr);
  px::MainWindow main(ui, settings);
  ui.SetParent(&main);
  if (screenshot.wanted())
    main.resize(screenshot.size);
  else
    px::RestoreWindowGeometry(main, settings);
  main.show();
  main.StartUp(arguments);
  if (screenshot.wanted()) return px::TakeScreenshot(main, screenshot);
  const int status = app.exec();
  px::SaveWindowGeometry(main, settings);
  return status;
}
