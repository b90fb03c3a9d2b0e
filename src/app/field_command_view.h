#pragma once
// A field view as the registered commands see it: its redraws, its perspective mode, the
// field it draws and its count of repeated pastes.
#include "core/commands/command_registry.h"
#include "view/field_view.h"

namespace px {

class FieldCommandView final : public CommandView {
 public:
  explicit FieldCommandView(FieldView& view) : m_view(view) {}

  void InvalidateFormation(const CFormation& formation) override { m_view.InvalidateFormation(formation); }
  void SetWaitCursor(bool busy) override { m_view.SetWaitCursor(busy); }
  bool Is3D() const override { return m_view.state().m_b3D; }
  CRect FieldRect() const override { return m_view.state().m_rcField; }
  int& PasteCount() override { return m_pasteCount; }

 private:
  FieldView& m_view;
  int m_pasteCount = 0;
};

}  // namespace px
