#pragma once
// Runs registered menu commands on a show the way the menus do: a scripted Ui, dialogs filled
// from scripts, and the command scripts' 2D view of the standard field.
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "cli/cli_view.h"
#include "core/commands/command_registry.h"
#include "core/doc/pxdoc.h"
#include "core/support/scripted_ui.h"
#include "core/ui/scripted_dialog_host.h"

namespace px::test {

struct CommandHarness {
  // Runs the command by its plain menu text, each dialog it opens taking the next script.
  void RunCommand(const std::string& command, std::vector<DialogScript> scripts = {}) {
    for (DialogScript& script : scripts) dialogs.Push(std::move(script));
    const CommandEntry* entry = ShowCommands().Find(command);
    ASSERT_NE(entry, nullptr) << command;
    CommandContext ctx{doc, ui, dialogs, view};
    entry->run(ctx);
  }
  void Select(std::initializer_list<CFormation*> formations) { doc.m_selection.formations = formations; }

  CPxDoc doc;
  ScriptedUi ui;
  ScriptedDialogHost dialogs{ui};
  CliView view{doc, ui};
};

}  // namespace px::test
