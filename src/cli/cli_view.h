#pragma once
// The field view a command script works in: a 2D view whose client area is 1600 by 1000
// pixels at zoom Normal, so distances in pixels mean what they mean on such a screen, with
// the pointer tools the script's mouse actions use.
#include <functional>

#include "core/draw/field_view_state.h"
#include "core/tools/pointer_tools.h"

namespace px {

class CliView : public ToolView {
 public:
  static constexpr int kWidth = 1600;
  static constexpr int kHeight = 1000;

  // Parks the people without a place, as a view opening on the show does.
  CliView(CPxDoc& doc, Ui& ui);

  PointerTools& tools() { return m_tools; }
  // What a double click on a selected formation runs (its properties).
  void OnEditProperties(std::function<void()> run) { m_editProperties = std::move(run); }
  // Positions at the current step again, the people without one parked: what a view does
  // when it redraws after a change.
  void RefreshPositions();

  // CommandView
  void InvalidateFormation(const CFormation&) override {}
  void SetWaitCursor(bool) override {}
  bool Is3D() const override { return false; }
  CRect FieldRect() const override { return m_state.m_rcField; }
  int& PasteCount() override { return m_pasteCount; }
  bool SelectTool(const std::string& plainText) override { return m_tools.SelectTool(plainText); }
  bool IsCurrentTool(const std::string& plainText) const override { return m_tools.IsCurrent(plainText); }
  // ToolView
  double PixelsPerFieldUnit() const override;
  void SetToolCursor(ToolCursor) override {}
  void ShowRubberBand(const std::optional<CRect>&) override {}
  void EditProperties() override {
    if (m_editProperties) m_editProperties();
  }

 private:
  CPxDoc& m_doc;
  FieldViewState m_state;
  int m_pasteCount = 0;
  std::function<void()> m_editProperties;
  PointerTools m_tools;
};

}  // namespace px
