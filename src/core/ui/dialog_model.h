#pragma once
// A dialog as the commands see it: a model of its fields that the desktop program shows in a
// window and a command script fills by control name. Setting a control by name does what the
// user's change of that control does, so the dialog's interlocks run in both cases.
#include <functional>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "core/ui/dialog_message.h"

namespace px {

// A value a control cannot take ("abc" for a number); the script runner reports it.
struct DialogValueError : std::runtime_error {
  using std::runtime_error::runtime_error;
};

// One control of a dialog, named as a script names it: the member name where the dialog has
// one (`m_nStepOfShow`), else the label without "&" and trailing colon ("Number of Steps").
// Values come as text: numbers as written, check boxes and radio buttons "1" or "0". A push
// button of the dialog's own that closes it ("More Options") is a control too: a script
// pressing it sets it to "1" and the dialog closes with that button.
struct DialogControl {
  std::string name;
  std::function<void(const std::string& value)> set;
};

// Value parsers for control setters; each throws DialogValueError on a value it cannot read.
int ControlInt(const std::string& value);
double ControlDouble(const std::string& value);
bool ControlBool(const std::string& value);

// Controls that only store their value.
DialogControl IntControl(std::string name, int& field);
DialogControl BoolControl(std::string name, bool& field);
DialogControl TextControl(std::string name, std::string& field);
// A radio button without a member name: setting it true chooses `value` for the group.
DialogControl RadioControl(std::string name, int& group, int value);

class DialogModel {
 public:
  virtual ~DialogModel() = default;
  virtual std::string Caption() const = 0;
  virtual std::vector<DialogControl> Controls() = 0;
  // The OK checks in order: the first failure, or nothing when the dialog may close.
  virtual std::optional<DialogMessage> Validate() { return std::nullopt; }
};

// The button that closed a dialog.
inline constexpr const char* kButtonOk = "OK";
inline constexpr const char* kButtonCancel = "Cancel";

// Opens dialogs for commands: the desktop program shows a window bound to the model, a
// script sets its controls. Run returns the button that closed it: "OK" (the model passed
// its checks and holds the values), "Cancel", or a button of the dialog's own
// ("More Options").
class DialogHost {
 public:
  virtual ~DialogHost() = default;
  virtual std::string Run(DialogModel& model) = 0;
};

}  // namespace px
