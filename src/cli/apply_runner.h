#pragma once
// Runs the actions of a command script on a show, through the registered menu commands
// with the script's dialog entries and answers, as the desktop program's menus run them.
#include <ostream>
#include <vector>

#include "cli/apply_script.h"
#include "cli/cli_ui.h"
#include "cli/cli_view.h"
#include "core/commands/command_registry.h"
#include "core/ui/scripted_dialog_host.h"

namespace px {

class ScriptRunner {
 public:
  // Messages and questions go to `out`.
  ScriptRunner(CPxDoc& doc, std::ostream& out, const CommandRegistry& commands = ShowCommands());

  // Throws ScriptError with the index of the action that cannot be run.
  void Run(const std::vector<ScriptAction>& actions);

 private:
  void RunAction(const ScriptAction& action);
  void Select(const ScriptAction& action);
  void RunCommand(const ScriptAction& action);
  void RunMouse(const ScriptAction& action);
  // Runs a command as its menu item would; false when the menu shows it disabled.
  bool RunEntry(const CommandEntry& entry);
  // The command named by its plain menu text, or "Menu/Text"; throws when unknown or when
  // the plain text stands in two menus.
  const CommandEntry& Find(const std::string& name) const;
  void Prepare(const ScriptAction& action);

  CPxDoc& m_doc;
  std::ostream& m_out;
  const CommandRegistry& m_commands;
  CliUi m_ui;
  ScriptedDialogHost m_dialogs;
  CliView m_view;
};

}  // namespace px
