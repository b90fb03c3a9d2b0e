#pragma once
// The user interface that core commands and the shell talk to: message boxes, the status
// bar's message pane, the wait cursor and the views of every open show.
#include <QPointer>
#include <QWidget>
#include <functional>

#include "app/shell_ui.h"

#include <QStatusBar>

namespace px {

class WidgetUi : public ShellUi {
 public:
  explicit WidgetUi(QWidget* parent) : m_parent(parent) {}

  void MessageBox(const std::string& text, const std::string& caption) override;
  bool AskYesNo(const std::string& text, const std::string& caption) override;
  Answer AskYesNoCancel(const std::string& text, const std::string& caption) override;
  void ShowText(const std::string& title, const std::string& text) override;
  void SetStatusText(const std::string& text) override;
  void SetWaitCursor(bool on) override;
  void Beep() override;
  void UpdateAllViews() override;
  void StopAnimation() override {}  // nothing plays yet
  void RedrawTimeLine() override {}  // there is no time line window yet
  void SetStepBoxText(const std::string& text) override {
    if (m_setStepBox) m_setStepBox(text);
  }

  // Where status texts go (none while the status bar is hidden) and how views are redrawn.
  void SetStatusBar(QStatusBar* bar) { m_statusBar = bar; }
  void SetParent(QWidget* parent) { m_parent = parent; }
  void SetViewUpdater(std::function<void()> update) { m_updateViews = std::move(update); }
  void SetStepBoxWriter(std::function<void(const std::string&)> write) { m_setStepBox = std::move(write); }

 private:
  QPointer<QWidget> m_parent;
  QPointer<QStatusBar> m_statusBar;
  std::function<void()> m_updateViews;
  std::function<void(const std::string&)> m_setStepBox;
  bool m_waitCursor = false;
};

}  // namespace px
