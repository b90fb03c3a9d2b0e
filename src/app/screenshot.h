#pragma once
// Pictures of the program for its documentation: "--screenshot FILE" (with "--step N",
// "--3d" and "--size WxH") shows the show given on the command line at that step, saves a
// picture of the main window and quits. "--tool TEXT" picks a pointer tool by its command
// text and each "--drag X1,Y1,X2,Y2" drags it between two field points first.
#include <QSize>
#include <QString>
#include <QStringList>
#include <vector>

#include "core/util/types.h"

namespace px {

class MainWindow;

struct ScreenshotRequest {
  QString file;
  int step = -1;  // -1: the step the show opens at
  bool threeD = false;
  QSize size{1280, 800};
  QString tool;
  std::vector<std::pair<CPoint, CPoint>> drags;
  bool wanted() const { return !file.isEmpty(); }
};

// Takes the screenshot options out of the arguments, leaving the rest.
ScreenshotRequest TakeScreenshotOptions(QStringList& arguments);

// Returns the program's exit status: 0 when the picture was saved.
int TakeScreenshot(MainWindow& window, const ScreenshotRequest& request);

}  // namespace px
