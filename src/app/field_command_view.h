#pragma once
// A field view as the registered commands see it: its redraws, its perspective mode, the
// field it draws, its count of repeated pastes and its pointer tools.
#include "core/commands/command_registry.h"
#include "view/field_view.h"

namespace px {

class FieldCommandView final : public CommandView {
 public:
  explicit FieldCommandView(FieldView& view) : m_view(view) {}

  void InvalidateFormation(const CFormation& formation) override { m_view.InvalidateFormation(formation); }
  void SetWaitCursor(bool busy) override { m_view.SetWaitCursor(busy); }
  bool Is3D() const override { return m_view.Is3D(); }
  CRect FieldRect() const override { return m_view.FieldRect(); }
  int& PasteCount() override { return m_view.PasteCount(); }
  bool SelectTool(const std::string& plainText) override { return m_view.SelectTool(plainText); }
  bool IsCurrentTool(const std::string& plainText) const override { return m_view.IsCurrentTool(plainText); }

 private:
  FieldView& m_view;
};

}  // namespace px
