#pragma once
// The Ui of one open show. Messages, questions, status texts, the cursor and the beep go to
// the program's Ui; redrawing views, stopping the animation, the time line and the step box
// concern this show's own windows.
#include "core/ui/ui.h"

namespace px {

class MainWindow;
class ShowDocument;

class ShowUi final : public Ui {
 public:
  ShowUi(Ui& program, MainWindow& window, ShowDocument& show) : m_program(program), m_window(window), m_show(show) {}

  void MessageBox(const std::string& text, const std::string& caption) override { m_program.MessageBox(text, caption); }
  bool AskYesNo(const std::string& text, const std::string& caption) override {
    return m_program.AskYesNo(text, caption);
  }
  Answer AskYesNoCancel(const std::string& text, const std::string& caption) override {
    return m_program.AskYesNoCancel(text, caption);
  }
  void ShowText(const std::string& title, const std::string& text) override { m_program.ShowText(title, text); }
  void SetStatusText(const std::string& text) override { m_program.SetStatusText(text); }
  void SetWaitCursor(bool on) override { m_program.SetWaitCursor(on); }
  void Beep() override { m_program.Beep(); }

  // The show's views, then the menus and toolbars, whose states follow the show.
  void UpdateAllViews() override;
  // Every field view of the show stops its clock.
  void StopAnimation() override;
  // The show's time line window, when it is shown.
  void RedrawTimeLine() override;
  // The step box shows the active view's show only.
  void SetStepBoxText(const std::string& text) override;

 private:
  Ui& m_program;
  MainWindow& m_window;
  ShowDocument& m_show;
};

}  // namespace px
