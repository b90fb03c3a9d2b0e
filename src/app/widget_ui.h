#pragma once
// The program's user interface: message boxes, the status bar's message pane, the wait
// cursor and the beep. Each show's commands talk to the show's own Ui (ShowUi), which passes
// these on and looks after the show's views itself.
#include <QPointer>
#include <QStatusBar>
#include <QWidget>

#include "core/ui/ui.h"

namespace px {

class WidgetUi : public Ui {
 public:
  explicit WidgetUi(QWidget* parent) : m_parent(parent) {}

  void MessageBox(const std::string& text, const std::string& caption) override;
  bool AskYesNo(const std::string& text, const std::string& caption) override;
  Answer AskYesNoCancel(const std::string& text, const std::string& caption) override;
  void ShowText(const std::string& title, const std::string& text) override;
  void SetStatusText(const std::string& text) override;
  void SetWaitCursor(bool on) override;
  void Beep() override;
  // The views, the animation, the time line and the step box belong to a show: its ShowUi
  // handles them, and the program has none of its own to notify.
  void UpdateAllViews() override {}
  void StopAnimation() override {}
  void RedrawTimeLine() override {}
  void SetStepBoxText(const std::string&) override {}

  // Where status texts go (none while the status bar is hidden) and what boxes belong to.
  void SetStatusBar(QStatusBar* bar) { m_statusBar = bar; }
  void SetParent(QWidget* parent) { m_parent = parent; }

 private:
  QPointer<QWidget> m_parent;
  QPointer<QStatusBar> m_statusBar;
  bool m_waitCursor = false;
};

}  // namespace px
