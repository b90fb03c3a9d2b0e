#pragma once
// What core commands ask of the user interface: messages, questions, status texts and
// notifications to the views. The desktop program implements it with widgets; tests script it.
#include <string>

namespace px {

class Ui {
 public:
  virtual ~Ui() = default;

  // A modal message box with an OK button.
  virtual void MessageBox(const std::string& text, const std::string& caption) = 0;
  // A modal Yes/No question; true for Yes.
  virtual bool AskYesNo(const std::string& text, const std::string& caption) = 0;
  // A read-only multi-line text shown in a modal window with the given title.
  virtual void ShowText(const std::string& title, const std::string& text) = 0;

  // The status bar text; an empty text clears it.
  virtual void SetStatusText(const std::string& text) = 0;
  virtual void SetWaitCursor(bool on) = 0;
  virtual void Beep() = 0;

  // Notifications: redraw every view of the show, stop a running animation, redraw the
  // time line after the show's length changed.
  virtual void UpdateAllViews() = 0;
  virtual void StopAnimation() = 0;
  virtual void RedrawTimeLine() = 0;
  // The main window's step box ("Step: 12").
  virtual void SetStepBoxText(const std::string& text) = 0;
};

}  // namespace px
