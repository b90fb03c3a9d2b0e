#include "core/ui/scripted_dialog_host.h"

#include <algorithm>

namespace px {

std::string ScriptedDialogHost::Run(DialogModel& model) {
  const std::string caption = model.Caption();
  m_shown.push_back(caption);
  if (m_scripts.empty()) throw DialogScriptError("no dialog entry left for \"" + caption + "\"");
  DialogScript script = std::move(m_scripts.front());
  m_scripts.pop_front();

  std::vector<DialogControl> controls = model.Controls();
  for (const auto& [name, value] : script.fields) {
    auto control = std::find_if(controls.begin(), controls.end(), [&](const DialogControl& c) { return c.name == name; });
    if (control == controls.end())
      throw DialogScriptError("the dialog \"" + caption + "\" has no control \"" + name + "\"");
    try {
      control->set(value);
    } catch (const DialogValueError& e) {
      throw DialogScriptError("\"" + caption + "\" " + name + ": " + e.what());
    }
    // A control may change which controls the dialog has (a page that opens): ask again.
    controls = model.Controls();
  }
  if (script.button == kButtonCancel) return kButtonCancel;
  if (script.button != kButtonOk) {
    for (const DialogControl& c : controls)
      if (c.name == script.button) {
        c.set("1");
        return script.button;
      }
    throw DialogScriptError("the dialog \"" + caption + "\" has no button \"" + script.button + "\"");
  }
  if (const auto refusal = model.Validate()) {
    m_ui.MessageBox(refusal->text, refusal->caption);
    return kButtonCancel;
  }
  return kButtonOk;
}

}  // namespace px
