#pragma once
// Helpers of the GUI tests: a scripted Ui with the shell's three-way question, a main window
// on settings of its own, and a driver for modal dialogs.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDeadlineTimer>
#include <QDialog>
#include <QDir>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <deque>
#include <functional>
#include <memory>

#include "app/main_window.h"
#include "app/shell_ui.h"
#include "core/support/scripted_ui.h"
#include "view/field_view.h"

namespace px::test {

class ScriptedShellUi : public ShellUi {
 public:
  void AnswerThreeWay(Answer answer) { m_threeWay.push_back(answer); }

  void MessageBox(const std::string& text, const std::string& caption) override { m_script.MessageBox(text, caption); }
  bool AskYesNo(const std::string& text, const std::string& caption) override { return m_script.AskYesNo(text, caption); }
  Answer AskYesNoCancel(const std::string& text, const std::string& caption) override {
    m_script.m_messages.push_back({"question", text, caption});
    if (m_threeWay.empty()) {
      ADD_FAILURE() << "unscripted question: " << text;
      return Answer::Cancel;
    }
    const Answer answer = m_threeWay.front();
    m_threeWay.pop_front();
    return answer;
  }
  void ShowText(const std::string& title, const std::string& text) override { m_script.ShowText(title, text); }
  void SetStatusText(const std::string& text) override { m_script.SetStatusText(text); }
  void SetWaitCursor(bool on) override { m_script.SetWaitCursor(on); }
  void Beep() override { m_script.Beep(); }
  void UpdateAllViews() override { m_script.UpdateAllViews(); }
  void StopAnimation() override { m_script.StopAnimation(); }
  void RedrawTimeLine() override { m_script.RedrawTimeLine(); }
  void SetStepBoxText(const std::string& text) override { m_script.SetStepBoxText(text); }

  ScriptedUi m_script;  // what was shown and asked, and the Yes/No answers
  std::deque<Answer> m_threeWay;
};

// A main window with its own settings file, shown on the offscreen screen.
struct AppFixture : ::testing::Test {
  AppFixture()
      : oldCurrentDir(QDir::currentPath()),
        settings(dir.filePath(QStringLiteral("settings.ini")), QSettings::IniFormat),
        window(std::make_unique<MainWindow>(ui, settings)) {
    window->show();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(window.get()));
  }
  ~AppFixture() override {
    // Nothing is asked while the test window goes away.
    for (FieldView* view : window->Views()) view->doc().SetModifiedFlag(false);
    window.reset();
    QDir::setCurrent(oldCurrentDir);
  }
  QString Path(const QString& name) const { return dir.filePath(name); }

  QString oldCurrentDir;
  QTemporaryDir dir;
  ScriptedShellUi ui;
  QSettings settings;
  std::unique_ptr<MainWindow> window;
};

// Runs `open`, which shows a modal dialog, and `act` on that dialog once it is up. The
// dialog is rejected (and the test fails) when it is still open after a few seconds.
template <typename Dialog>
void WithModal(const std::function<void()>& open, const std::function<void(Dialog&)>& act) {
  bool acted = false;
  QDeadlineTimer deadline(5000);
  QTimer timer;
  timer.setInterval(10);
  QObject::connect(&timer, &QTimer::timeout, [&] {
    QWidget* modal = QApplication::activeModalWidget();
    if (!modal) return;
    if (deadline.hasExpired()) {
      ADD_FAILURE() << "a modal dialog stayed open: " << modal->windowTitle().toStdString();
      if (auto* d = qobject_cast<QDialog*>(modal)) d->reject();
      return;
    }
    auto* dialog = qobject_cast<Dialog*>(modal);
    if (!dialog || acted) return;
    acted = true;
    act(*dialog);
  });
  timer.start();
  open();
  timer.stop();
  EXPECT_TRUE(acted) << "the expected dialog never opened";
}

}  // namespace px::test
