#pragma once
// A DialogHost that fills each dialog from a script entry: the named controls are set in the
// order written, then the button is pressed. OK runs the dialog's checks; a refusal is shown
// as the dialog shows it (a message box) and the dialog counts as cancelled.
#include <deque>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "core/ui/dialog_model.h"
#include "core/ui/ui.h"

namespace px {

// A script that cannot be run as written: no entry left for a dialog, an unknown control or
// button, a value the control cannot take.
struct DialogScriptError : std::runtime_error {
  using std::runtime_error::runtime_error;
};

struct DialogScript {
  std::vector<std::pair<std::string, std::string>> fields;  // control name, value
  std::string button = kButtonOk;
};

class ScriptedDialogHost : public DialogHost {
 public:
  explicit ScriptedDialogHost(Ui& ui) : m_ui(ui) {}
  void Push(DialogScript script) { m_scripts.push_back(std::move(script)); }
  void Clear() { m_scripts.clear(); }
  // The captions of the dialogs run so far, in order.
  const std::vector<std::string>& Shown() const { return m_shown; }

  std::string Run(DialogModel& model) override;

 private:
  Ui& m_ui;
  std::deque<DialogScript> m_scripts;
  std::vector<std::string> m_shown;
};

}  // namespace px
