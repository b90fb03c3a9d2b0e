#include "app/screenshot.h"

#include <QApplication>
#include <QImage>
#include <QMdiSubWindow>
#include <QPixmap>
#include <QTextStream>
#include <QThread>

#include "app/main_window.h"
#include "core/animation/navigation.h"
#include "view/field_view.h"

namespace px {

ScreenshotRequest TakeScreenshotOptions(QStringList& arguments) {
  ScreenshotRequest request;
  QStringList rest;
  for (int i = 0; i < arguments.size(); ++i) {
    const QString& a = arguments[i];
    const bool hasValue = i + 1 < arguments.size();
    if (a == QLatin1String("--screenshot") && hasValue) {
      request.file = arguments[++i];
    } else if (a == QLatin1String("--step") && hasValue) {
      request.step = arguments[++i].toInt();
    } else if (a == QLatin1String("--3d")) {
      request.threeD = true;
    } else if (a == QLatin1String("--tool") && hasValue) {
      request.tool = arguments[++i];
    } else if (a == QLatin1String("--drag") && hasValue) {
      const QStringList v = arguments[++i].split(',');
      if (v.size() == 4)
        request.drags.push_back({CPoint{v[0].toInt(), v[1].toInt()}, CPoint{v[2].toInt(), v[3].toInt()}});
    } else if (a == QLatin1String("--size") && hasValue) {
      const QStringList parts = arguments[++i].split('x');
      if (parts.size() == 2) request.size = QSize(parts[0].toInt(), parts[1].toInt());
    } else {
      rest.append(a);
    }
  }
  arguments = rest;
  return request;
}

int TakeScreenshot(MainWindow& window, const ScreenshotRequest& request) {
  QTextStream err(stderr);
  FieldView* view = window.ActiveView();
  if (!view) {
    err << "pyxaro: no show is open for the screenshot\n";
    return 1;
  }
  if (auto* sub = qobject_cast<QMdiSubWindow*>(view->parentWidget())) sub->showMaximized();
  if (request.step >= 0) GoToStep(view->doc(), view->ui(), request.step);
  if (!request.tool.isEmpty() && !view->SelectTool(request.tool.toStdString())) {
    err << "pyxaro: no tool " << request.tool << "\n";
    return 1;
  }
  for (const auto& [from, to] : request.drags) {
    view->tools().ButtonDown(from, Keys{});
    view->tools().Move(to, Keys{false, false, true});
    view->tools().ButtonUp(to, Keys{});
    view->ui().SetStatusText(view->tools().StatusLine(to));
  }
  if (request.threeD) view->Toggle3D();
  // Let the window lay itself out and paint before it is grabbed.
  for (int i = 0; i < 20; ++i) {
    QApplication::processEvents();
    QThread::msleep(10);
  }
  const QImage shot = window.grab().toImage();
  if (!shot.save(request.file)) {
    err << "pyxaro: cannot write " << request.file << "\n";
    return 1;
  }
  return 0;
}

}  // namespace px
