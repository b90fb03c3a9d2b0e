#pragma once
// Helpers of the GUI tests: a main window on settings of its own that asks and tells through
// a scripted Ui, and a driver for modal dialogs.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDeadlineTimer>
#include <QDialog>
#include <QDir>
#include <QLineEdit>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>
#include <QTimer>
#include <functional>
#include <memory>
#include <ostream>

#include "app/help_window.h"
#include "app/main_window.h"
#include "core/support/scripted_ui.h"
#include "dialogs/dialog_support.h"
#include "view/field_view.h"

// Readable texts in failure messages.
inline void PrintTo(const QString& text, std::ostream* os) { *os << '"' << text.toStdString() << '"'; }

namespace px::test {

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
  // The menu command with this text, and running it.
  QAction* Command(const char* text) const { return window->Command(QString::fromLatin1(text)); }
  void Run(const char* text) { Command(text)->trigger(); }

  QString oldCurrentDir;
  QTemporaryDir dir;
  ScriptedUi ui;
  QSettings settings;
  std::unique_ptr<MainWindow> window;
};

// The main window with a new show in it, for driving the show's commands and dialogs.
struct ShowFixture : AppFixture {
  void SetUp() override {
    view = window->NewShow();
    ASSERT_NE(view, nullptr);
  }
  CPxDoc& doc() { return view->doc(); }
  // The help page a dialog's Help button shows.
  static QString HelpShownBy(ModelDialog& dialog) {
    dialog.helpButton()->click();
    return HelpWindow::Instance().browser()->source().fileName();
  }
  static QString PageOf(const char* topic) { return HelpWindow::PageName(QString::fromLatin1(topic)); }
  // Types into a field as the keyboard would, after emptying it.
  static void Type(QLineEdit* edit, const QString& text) {
    edit->clear();
    QTest::keyClicks(edit, text);
  }
  using Shown = std::vector<std::pair<std::string, std::string>>;

  FieldView* view = nullptr;
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

// Runs the event loop until `done` holds or `ms` milliseconds have passed; whether it held.
inline bool WaitUntil(const std::function<bool()>& done, int ms = 3000) {
  QDeadlineTimer deadline(ms);
  while (!done()) {
    if (deadline.hasExpired()) return false;
    QTest::qWait(5);
  }
  return true;
}

// Counts the paint events a widget receives.
class PaintCounter : public QObject {
 public:
  explicit PaintCounter(QWidget* widget) { widget->installEventFilter(this); }
  int paints = 0;

 protected:
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::Paint) ++paints;
    return false;
  }
};

}  // namespace px::test
