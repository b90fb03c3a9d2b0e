#pragma once
// The View Options dialog: how formations and people look, snapping, ID numbers, labels,
// printing and the colours of the drawing.
#include <optional>

#include "core/doc/pxdoc.h"
#include "core/ui/dialog_message.h"

namespace px {

struct ViewOptionsDialog {
  static constexpr const char* kCaption = "View Options";
  static constexpr const char* kHelpTopic = "The View Options Command";
  static constexpr int kMinPeopleTextSize = 1, kMaxPeopleTextSize = 100;
  static constexpr int kMinHandleSize = 20, kMaxHandleSize = 200;

  // Lengths in inches as typed.
  double m_dInterval = 0.0;      // "Default Interval:"
  double m_dSnapInches = 0.0;    // "Snap Inches:"
  int m_nPersonSize = 0;         // "Shape Size"
  int m_nPeopleTextSize = 0;     // Show People As "Size"
  int m_nIdSize = 0;             // ID number "Size"
  int m_nShapeHandleSize = 0;    // "Shape Handle Size"
  int m_nControlHandleSize = 0;  // "Control Handle Size"

  bool m_bOutlineFuture = false, m_bOutlinePast = false, m_bDrawOnAnimate = false;
  bool m_bDirectionalIndicators = false, m_bShowPaths = false, m_bStepBeep = false;
  bool m_b3DHeight = false, m_bOutlineFill3D = false, m_bFill3D = false;
  bool m_bLetterFill = false, m_bSticky = false, m_bPeopleAsBitmaps = false, m_bShowFlags = false;
  bool m_bShowIdNumbers = false, m_bIdAsIndex = false;
  int m_nIdPosition = 0;  // 0 "Right", 1 "Left", 2 "Top", 3 "Bottom"
  bool m_bShowMarchMode = false, m_bShowStepSize = false;
  bool m_bSnapOnMove = false, m_bShowSnapPoints = false, m_bSnapOnSizeAndDraw = false;
  int m_nPrintRange = 0;  // 0 "Current Step", 1 "Steps", 2 "Pictures"
  bool m_bPrintColor = false;

  COLORREF m_crIdNumbers = 0, m_crFlag = 0, m_crPerson = 0, m_crPersonFill = 0;
  COLORREF m_crFormation = 0, m_crPastFormation = 0, m_crFutureFormation = 0, m_crSelectedFormation = 0;

  void LoadFrom(const CPxDoc& doc);
  // The first reason to refuse OK, in the dialog's order, or nothing.
  std::optional<DialogMessage> validate() const;
  void ApplyTo(CPxDoc& doc) const;
};

}  // namespace px
