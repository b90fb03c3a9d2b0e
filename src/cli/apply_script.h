#pragma once
// The actions of a command script (`pyxaro-cli apply`), read from its JSON text: go to a
// step, select formations and people, run a menu command with its dialogs and answers, or
// use a pointer tool with the mouse.
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "core/ui/scripted_dialog_host.h"
#include "core/util/types.h"

namespace px {

// A script that cannot be run as written; `action` is the index of the action at fault
// (counted from 0), or -1 when the script as a whole is at fault.
struct ScriptError : std::runtime_error {
  ScriptError(int at, const std::string& what) : std::runtime_error(what), action(at) {}
  int action;
};

struct MouseEvent {
  enum Kind { Down, Move, Up, DoubleClick } kind;
  CPoint point;
};

struct ScriptAction {
  enum Kind { Step, Select, Command, Mouse } kind = Step;
  int step = 0;
  // Select: formation numbers and person IDs, in order; a list left out changes nothing.
  std::optional<std::vector<int>> formations, people;
  bool add = false;
  // Command: the menu text; Mouse: the tool's command text.
  std::string name;
  std::vector<DialogScript> dialogs;
  std::vector<std::string> answers;  // "Yes", "No" or "Cancel"
  std::vector<MouseEvent> events;
  bool shift = false, ctrl = false;
};

// Throws ScriptError for text that is not JSON, or not a script.
std::vector<ScriptAction> ParseScript(const std::string& json);

}  // namespace px
