#include "core/draw/grid_properties_dialog.h"

#include <algorithm>
#include <cmath>

#include "core/util/format.h"
#include "core/util/muldiv.h"

namespace px {

const std::array<FieldPreset, 5>& FieldPresets() {
  static const std::array<FieldPreset, 5> kPresets = {{
      {"Football Field", 3600, 1890},
      {"Indoor Percussion 90 x 50", 1080, 600},
      {"Indoor Guard 70 x 50", 840, 600},
      {"Indoor Guard 80 x 50", 960, 600},
      {"Indoor Guard 80 x 55", 960, 660},
  }};
  return kPresets;
}

double InchesFromFieldUnits(double stored) { return stored * 0.5; }
double FieldUnitsFromInches(double inches) {
  // A wild entry clamps instead of overflowing the integer conversion.
  if (std::isnan(inches)) return 0.0;
  const double twice = std::clamp(2.0 * inches, -2147483647.0, 2147483647.0);
  return Trunc(twice);
}
std::string InchesText(double inches) { return Format("%.2lf", inches); }

namespace {

// The document's members of each family, in the dialog's order 8, 4, 2, 1.
struct FamilyMembers {
  int CPxDoc::*vertical;
  int CPxDoc::*horizontal;
  int CPxDoc::*dotted;
  COLORREF CPxDoc::*color;
};
constexpr std::array<FamilyMembers, 4> kFamilies = {{
    {&CPxDoc::m_bVertical8, &CPxDoc::m_bHorizontal8, &CPxDoc::m_bDotted8, &CPxDoc::m_crLines8},
    {&CPxDoc::m_bVertical4, &CPxDoc::m_bHorizontal4, &CPxDoc::m_bDotted4, &CPxDoc::m_crLines4},
    {&CPxDoc::m_bVertical2, &CPxDoc::m_bHorizontal2, &CPxDoc::m_bDotted2, &CPxDoc::m_crLines2},
    {&CPxDoc::m_bVertical1, &CPxDoc::m_bHorizontal1, &CPxDoc::m_bDotted1, &CPxDoc::m_crLines1},
}};

}  // namespace

void GridPropertiesDialog::LoadFrom(const CPxDoc& doc) {
  m_nFieldType = doc.m_nFieldType;
  m_dWidth = InchesFromFieldUnits(doc.m_dFieldWidth);
  m_dHeight = InchesFromFieldUnits(doc.m_dFieldHeight);
  m_dHash1 = InchesFromFieldUnits(doc.m_dHash1);
  m_dHash2 = InchesFromFieldUnits(doc.m_dHash2);
  for (size_t i = 0; i < kFamilies.size(); ++i) {
    m_families[i].vertical = doc.*kFamilies[i].vertical != 0;
    m_families[i].horizontal = doc.*kFamilies[i].horizontal != 0;
    m_families[i].dotted = doc.*kFamilies[i].dotted != 0;
    m_families[i].color = doc.*kFamilies[i].color;
  }
  m_crHash = doc.m_crHash;
  m_crField = doc.m_crField;
  m_bBold = doc.m_bBoldLines != 0;
  m_bShowHash1 = doc.m_bShowHash1 != 0;
  m_bShowHash2 = doc.m_bShowHash2 != 0;
  m_bCenterHorizontal = doc.m_bCenterHorizontal != 0;
}

void GridPropertiesDialog::ApplyTo(CPxDoc& doc) const {
  doc.m_nFieldType = m_nFieldType;
  doc.m_dFieldWidth = FieldUnitsFromInches(m_dWidth);
  doc.m_dFieldHeight = FieldUnitsFromInches(m_dHeight);
  doc.m_dHash1 = FieldUnitsFromInches(m_dHash1);
  doc.m_dHash2 = FieldUnitsFromInches(m_dHash2);
  bool anyVertical = false, anyHorizontal = false;
  for (size_t i = 0; i < kFamilies.size(); ++i) {
    doc.*kFamilies[i].vertical = m_families[i].vertical;
    doc.*kFamilies[i].horizontal = m_families[i].horizontal;
    doc.*kFamilies[i].dotted = m_families[i].dotted;
    doc.*kFamilies[i].color = m_families[i].color;
    anyVertical = anyVertical || m_families[i].vertical;
    anyHorizontal = anyHorizontal || m_families[i].horizontal;
  }
  // The finer lines are laid out from the 8-step lines, so those come along.
  doc.m_bVertical8 = anyVertical;
  doc.m_bHorizontal8 = anyHorizontal;
  doc.m_crHash = m_crHash;
  doc.m_crField = m_crField;
  doc.m_bBoldLines = m_bBold;
  doc.m_bShowHash1 = m_bShowHash1;
  doc.m_bShowHash2 = m_bShowHash2;
  doc.m_bCenterHorizontal = m_bCenterHorizontal;
}

void GridPropertiesDialog::SelectPreset(int fieldType) {
  if (fieldType < 0 || fieldType >= static_cast<int>(FieldPresets().size())) return;
  const FieldPreset& preset = FieldPresets()[static_cast<size_t>(fieldType)];
  m_nFieldType = fieldType;
  m_dWidth = preset.widthInches;
  m_dHeight = preset.heightInches;
  m_bShowHash1 = m_bShowHash2 = fieldType == 0;
}

}  // namespace px
