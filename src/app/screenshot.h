#pragma once
// Pictures of the program for its documentation: "--screenshot FILE" (with "--step N",
// "--3d" and "--size WxH") shows the show given on the command line at that step, saves a
// picture of the main window and quits.
#include <QSize>
#include <QString>
#include <QStringList>

namespace px {

class MainWindow;

struct ScreenshotRequest {
  QString file;
  int step = -1;  // -1: the step the show opens at
  bool threeD = false;
  QSize size{1280, 800};
  bool wanted() const { return !file.isEmpty(); }
};

// Takes the screenshot options out of the arguments, leaving the rest.
ScreenshotRequest TakeScreenshotOptions(QStringList& arguments);

// Returns the program's exit status: 0 when the picture was saved.
int TakeScreenshot(MainWindow& window, const ScreenshotRequest& request);

}  // namespace px
