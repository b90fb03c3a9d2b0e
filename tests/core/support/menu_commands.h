#pragma once
// Registered menu commands offered, checked and run as the menus do it, on a show of the
// test's own, with a scripted Ui, a scripted dialog host and a 2D view of the whole field.
#include <gtest/gtest.h>

#include <string>

#include "core/commands/command_registry.h"
#include "core/support/scripted_ui.h"
#include "core/ui/scripted_dialog_host.h"

namespace px::test {

class TestCommandView : public CommandView {
 public:
  void InvalidateFormation(const CFormation&) override {}
  void SetWaitCursor(bool) override {}
  bool Is3D() const override { return is3D; }
  CRect FieldRect() const override { return CRect{0, 0, 8640, 4500}; }
  int& PasteCount() override { return pasteCount; }

  bool is3D = false;
  int pasteCount = 0;
};

class MenuCommands {
 public:
  explicit MenuCommands(CPxDoc& doc) : m_doc(doc) {}

  // Whether the menu would offer the command now.
  bool Enabled(const std::string& name) {
    const CommandEntry& entry = Entry(name);
    CommandContext ctx = Context();
    return !entry.enabled || entry.enabled(ctx);
  }
  bool Checked(const std::string& name) {
    const CommandEntry& entry = Entry(name);
    CommandContext ctx = Context();
    return entry.checked && entry.checked(ctx);
  }
  // Runs the command as its menu item does: only when enabled. Returns whether it ran.
  bool Run(const std::string& name) {
    if (!Enabled(name)) return false;
    CommandContext ctx = Context();
    Entry(name).run(ctx);
    return true;
  }

  ScriptedUi ui;
  ScriptedDialogHost dialogs{ui};
  TestCommandView view;

 private:
  const CommandEntry& Entry(const std::string& name) {
    const CommandEntry* entry = ShowCommands().Find(name);
    if (!entry) throw std::invalid_argument("no command " + name);
    return *entry;
  }
  CommandContext Context() { return CommandContext{m_doc, ui, dialogs, view}; }

  CPxDoc& m_doc;
};

}  // namespace px::test
