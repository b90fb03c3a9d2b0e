#pragma once
// The field view a command script works in: a 2D view whose client area is 1600 by 1000
// pixels at zoom Normal, so distances in pixels mean what they mean on such a screen.
#include "core/commands/command_registry.h"
#include "core/draw/field_view_state.h"

namespace px {

class CliView : public CommandView {
 public:
  static constexpr int kWidth = 1600;
  static constexpr int kHeight = 1000;

  // Parks the people without a place, as a view opening on the show does.
  explicit CliView(CPxDoc& doc);

  void InvalidateFormation(const CFormation&) override {}
  void SetWaitCursor(bool) override {}
  bool Is3D() const override { return false; }
  CRect FieldRect() const override { return m_state.m_rcField; }
  int& PasteCount() override { return m_pasteCount; }
  // Screen pixels per field unit of the isotropic mapping at zoom Normal.
  double PixelsPerFieldUnit() const;
  // Positions at the current step again, the people without one parked: what a view does
  // when it redraws after a change.
  void RefreshPositions();

 private:
  CPxDoc& m_doc;
  FieldViewState m_state;
  int m_pasteCount = 0;
};

}  // namespace px
