#include "core/draw/view_options_dialog.h"

#include <type_traits>

#include "core/draw/grid_properties_dialog.h"
#include "core/util/format.h"

namespace px {
namespace {

// The same mapping in both directions keeps LoadFrom and ApplyTo from drifting apart.
template <typename Doc, typename Model>
void Exchange(Doc& doc, Model& model, bool toModel) {
  auto flag = [toModel](auto& docValue, bool& modelValue) {
    if (toModel) modelValue = docValue != 0;
    else if constexpr (!std::is_const_v<std::remove_reference_t<decltype(docValue)>>) docValue = modelValue;
  };
  auto value = [toModel](auto& docValue, auto& modelValue) {
    if (toModel) modelValue = docValue;
    else if constexpr (!std::is_const_v<std::remove_reference_t<decltype(docValue)>>) docValue = modelValue;
  };
  value(doc.m_nPersonSize, model.m_nPersonSize);
  value(doc.m_nPeopleTextSize, model.m_nPeopleTextSize);
  value(doc.m_nIdSize, model.m_nIdSize);
  value(doc.m_nShapeHandleSize, model.m_nShapeHandleSize);
  value(doc.m_nControlHandleSize, model.m_nControlHandleSize);
  flag(doc.m_bOutlineFuture, model.m_bOutlineFuture);
  flag(doc.m_bOutlinePast, model.m_bOutlinePast);
  flag(doc.m_bDrawOnAnimate, model.m_bDrawOnAnimate);
  flag(doc.m_bDirectionalIndicators, model.m_bDirectionalIndicators);
  flag(doc.m_bShowPaths, model.m_bShowPaths);
  flag(doc.m_bStepBeep, model.m_bStepBeep);
  flag(doc.m_b3DHeight, model.m_b3DHeight);
  flag(doc.m_bOutlineFill3D, model.m_bOutlineFill3D);
  flag(doc.m_bFill3D, model.m_bFill3D);
  flag(doc.m_bLetterFill, model.m_bLetterFill);
  flag(doc.m_bSticky, model.m_bSticky);
  flag(doc.m_bPeopleAsBitmaps, model.m_bPeopleAsBitmaps);
  flag(doc.m_bShowFlags, model.m_bShowFlags);
  flag(doc.m_bShowIdNumbers, model.m_bShowIdNumbers);
  flag(doc.m_bIdAsIndex, model.m_bIdAsIndex);
  value(doc.m_nIdPosition, model.m_nIdPosition);
  flag(doc.m_bShowMarchMode, model.m_bShowMarchMode);
  flag(doc.m_bShowStepSize, model.m_bShowStepSize);
  flag(doc.m_bSnapOnMove, model.m_bSnapOnMove);
  flag(doc.m_bShowSnapPoints, model.m_bShowSnapPoints);
  flag(doc.m_bSnapOnSizeAndDraw, model.m_bSnapOnSizeAndDraw);
  value(doc.m_nPrintRange, model.m_nPrintRange);
  flag(doc.m_bPrintColor, model.m_bPrintColor);
  value(doc.m_crIdNumbers, model.m_crIdNumbers);
  value(doc.m_crFlag, model.m_crFlag);
  value(doc.m_crPerson, model.m_crPerson);
  value(doc.m_crPersonFill, model.m_crPersonFill);
  value(doc.m_crFormation, model.m_crFormation);
  value(doc.m_crPastFormation, model.m_crPastFormation);
  value(doc.m_crFutureFormation, model.m_crFutureFormation);
  value(doc.m_crSelectedFormation, model.m_crSelectedFormation);
}

std::optional<DialogMessage> Refuse(std::string text) {
  return DialogMessage{std::move(text), ViewOptionsDialog::kCaption};
}

std::optional<DialogMessage> OutOfRange(int value, int low, int high) {
  if (value >= low && value <= high) return std::nullopt;
  return Refuse(Format("Please enter an integer between %d and %d.", low, high));
}

}  // namespace

void ViewOptionsDialog::LoadFrom(const CPxDoc& doc) {
  Exchange(doc, *this, true);
  m_dInterval = InchesFromFieldUnits(doc.m_dInterval);
  m_dSnapInches = InchesFromFieldUnits(doc.m_dSnapDistance);
}

std::optional<DialogMessage> ViewOptionsDialog::validate() const {
  if (m_dInterval < 12.0) return Refuse("Interval must be at least 12 inches.");
  if ((m_bSnapOnMove || m_bShowSnapPoints || m_bSnapOnSizeAndDraw) && m_dSnapInches < 12.0)
    return Refuse("Snap must be at least 12 inches.");
  if (m_nIdSize < 1) return Refuse("ID number size must be at least 1.");
  if (m_nPeopleTextSize < 1) return Refuse("Person letter size must be at least 1.");
  if (auto refusal = OutOfRange(m_nPeopleTextSize, kMinPeopleTextSize, kMaxPeopleTextSize)) return refusal;
  if (auto refusal = OutOfRange(m_nShapeHandleSize, kMinHandleSize, kMaxHandleSize)) return refusal;
  if (auto refusal = OutOfRange(m_nControlHandleSize, kMinHandleSize, kMaxHandleSize)) return refusal;
  return std::nullopt;
}

void ViewOptionsDialog::ApplyTo(CPxDoc& doc) const {
  ViewOptionsDialog copy = *this;
  Exchange(doc, copy, false);
  doc.m_dInterval = FieldUnitsFromInches(m_dInterval);
  doc.m_dSnapDistance = FieldUnitsFromInches(m_dSnapInches);
}

}  // namespace px
