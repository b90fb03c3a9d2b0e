#pragma once
// The Grid Properties dialog ("Field Options"): field size, hash lines and the look of the
// four line families, edited in inches and stored in field units (half inches).
#include <array>
#include <string>

#include "core/doc/pxdoc.h"

namespace px {

struct FieldPreset {
  const char* name;  // the button's text
  double widthInches;
  double heightInches;
};

// The preset buttons, in the order of m_nFieldType.
const std::array<FieldPreset, 5>& FieldPresets();

// Lengths typed in inches are stored as trunc(2 x inches); stored values show as half.
double InchesFromFieldUnits(double stored);
double FieldUnitsFromInches(double inches);
std::string InchesText(double inches);  // "%.2lf"

// One family of field lines (8, 4, 2 or 1 steps apart).
struct LineFamily {
  bool vertical = false;
  bool horizontal = false;
  bool dotted = false;
  COLORREF color = 0;
};

struct GridPropertiesDialog {
  static constexpr const char* kTitle = "Grid Properties";
  static constexpr const char* kHelpTopic = "The View Field Properties Command";

  int m_nFieldType = 0;
  double m_dWidth = 0.0;  // inches
  double m_dHeight = 0.0;
  double m_dHash1 = 0.0;
  double m_dHash2 = 0.0;
  // Families in the dialog's order: 8, 4, 2 and 1 step lines.
  std::array<LineFamily, 4> m_families;
  COLORREF m_crHash = 0;
  COLORREF m_crField = 0;
  bool m_bBold = false;
  bool m_bShowHash1 = false;
  bool m_bShowHash2 = false;
  bool m_bCenterHorizontal = false;

  void LoadFrom(const CPxDoc& doc);
  // Stores twice the typed inches; the 8-step switches are stored as the OR of their
  // direction, so any finer line family brings the 8-step lines along.
  void ApplyTo(CPxDoc& doc) const;
  // A preset button: its size, and hash lines on for the football field only.
  void SelectPreset(int fieldType);
};

}  // namespace px
