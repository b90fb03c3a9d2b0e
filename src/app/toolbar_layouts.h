#pragma once
// What each toolbar holds, by the menu texts of its commands in groups between separators.
// A toolbar shows the commands the program has; commands still to come are left out.
#include <QString>
#include <QStringList>
#include <vector>

namespace px {

struct ToolbarLayout {
  QString name;       // the command that shows the toolbar (empty for the main toolbar)
  std::vector<QStringList> groups;
};

namespace toolbars {

inline const QStringList kPointers = {"Formation Sele&ct Pointer", "Rotate Pointer", "Skew Pointer",
                                      "People Select Pointer",     "Order Pointer",  "Lasso Pointer"};
inline const QStringList kShortPointers = {"Formation Sele&ct Pointer", "Rotate Pointer", "People Select Pointer",
                                           "Lasso Pointer"};
inline const QStringList kDrawing = {"P&oint",   "&Line",           "&Rectangle", "&Ellipse",
                                     "&Polygon", "&Closed Polygon", "C&urve",     "&Arc"};
inline const QStringList kPlay = {"&Start", "S&top", "&Rewind"};
inline const QStringList kSteps = {"&Next Step", "&Previous Step", "N&ext Picture", "Pre&vious Picture"};
inline const QStringList kZoom = {"Zoom &In", "Zoom &Out", "3D Mode"};

inline ToolbarLayout FullMain() {
  return {QString(), {{"&New", "&Open...", "&Save"}, kPointers, kDrawing, {"Help For Pyxaro..."}, kPlay, kSteps, kZoom}};
}
inline ToolbarLayout ShortMain() { return {QString(), {kShortPointers, kDrawing, kPlay + kSteps, kZoom}}; }

// The four optional toolbars, in the order of their commands in the View menu.
inline std::vector<ToolbarLayout> Optional() {
  return {{"Drawing Toolbar", {kDrawing}},
          {"Pointer Toolbar", {kShortPointers}},
          {"Animation Toolbar", {kPlay + kSteps}},
          {"Zoom / 3D Toolbar", {kZoom}}};
}

}  // namespace toolbars
}  // namespace px
