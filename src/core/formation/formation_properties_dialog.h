#pragma once
// The Formation / Prop Properties dialog as a model: its fields, what each control does to
// the others, the OK checks and how the values reach a formation. The Qt dialog binds its
// widgets to these fields; the Step Calculator behind the "S" buttons is the Qt layer's.
#include <optional>
#include <string>
#include <vector>

#include "core/ui/dialog_model.h"

#include "core/formation/formation.h"
#include "core/util/types.h"

namespace px {

class FormationView;

struct FormationPropertiesDialog : DialogModel {
  static constexpr const char* kCaption = "Formation / Prop Properties";
  static constexpr const char* kHelpTopic = "The Formation Properties Command";

  std::string Caption() const override { return kCaption; }
  // Named by the formation member each control edits (`m_nStep` for "Count:"), else by the
  // label ("Width", "Center Pivot Point", "Prop Fill"); setting one runs its interlocks.
  std::vector<DialogControl> Controls() override;

  std::string m_strName;           // "Name:"
  int m_nCount = 0;                // "Count:" (the formation's step)
  std::string m_strWidth = "0";    // "Width:" in inches
  std::string m_strHeight = "0";   // "Height:" in inches
  bool m_bScaleToFit = false;      // "Scale To Fit People"
  bool m_bScaleToInterval = false; // "Scale To Interval"
  int m_nShape = SHAPE_RECTANGLE;  // shape radio buttons, kinds 0..6
  bool m_bBlock = false;           // "Block"
  int m_nRows = 4;                 // "Rows:"
  COLORREF m_crLine = RGB(0, 0, 0);            // "Color"
  int m_nSides = 0;                // "Sides:"
  std::string m_strStar = "0.0";   // "Star:"
  std::string m_strSkew = "0.00";  // "Skew:"
  std::string m_strRotated = "0";  // "Rotated:" in degrees
  std::string m_strNumber = "0";   // "Number:" (people on the formation), read only
  std::string m_strInterval = "45.00";  // "Interval:" in inches
  bool m_bSpread = true;           // "Spread People Out"
  bool m_bPeopleFill = false;      // "Fill" of the People group
  bool m_bPeopleFillEnabled = true;
  bool m_bReverse = false;         // "Reverse"
  bool m_bCenterPivot = false;     // "Center Pivot Point"
  bool m_bCornerPivot = false;     // "Corner Pivot Point"
  bool m_bPropFill = false;        // "Fill" of the Prop group
  COLORREF m_crFill = RGB(192, 192, 192);      // "Fill Color"
  int m_nEndStep = 0;              // "End Step"
  bool m_bArrow = false;           // "Arrow"

  // Fills every field from the formation; loading several in turn leaves the last one's.
  void LoadFrom(const CFormation& formation);

  // Control interlocks.
  void CountPlus();   // "+"
  void CountMinus();  // "-", not below 0
  void CountPlus8();  // "+ 8"
  void CountMinus8(); // "- 8", 0 when Count is below 9
  void SetScaleToFit(bool on);       // the two scale boxes exclude each other
  void SetScaleToInterval(bool on);
  void SetCenterPivot(bool on);      // the two pivot boxes exclude each other
  void SetCornerPivot(bool on);
  void SetBlock(bool on);            // checking Block makes a Rectangle with at least 2 rows
  void TypeSides(int sides);         // a positive count selects Closed Polygon
  void ChooseShape(int kind);        // a shape radio button
  void SpinRotated(int delta);       // +1 / -1 degree, wrapping at 0 and 360
  void Unrotate();
  void SpinEndStep(int delta);       // not below 0

  // The OK checks in order; the first failure, or nothing when the dialog may close. Some
  // checks correct fields silently (People Fill, End Step, Prop Fill), as the dialog does.
  std::optional<DialogMessage> Validate() override;

  // Writes the values into the formation: size first (through MoveTo), then the settings.
  // Kind, sides, reverse and the pivot boxes are for the command that runs the dialog.
  void ApplyTo(CFormation& formation, FormationView* view = nullptr) const;
};

// The texts the dialog shows for a formation's stored values.
std::string WidthText(const CFormation& formation);
std::string HeightText(const CFormation& formation);
std::string SkewText(const CFormation& formation);
std::string RotatedText(const CFormation& formation);
std::string IntervalText(const CFormation& formation);

}  // namespace px
