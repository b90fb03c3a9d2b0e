#pragma once
// The main window: every open show in its own field view window, the menus, the toolbars,
// the status bar with its step box, the recent-file list and the start-up sequence.
#include <QHash>
#include <QLabel>
#include <QMainWindow>
#include <QMdiArea>
#include <QPointer>
#include <QSettings>
#include <QStringList>
#include <QToolBar>
#include <map>
#include <memory>
#include <vector>

#include "app/recent_files.h"
#include "app/shell_ui.h"
#include "app/toolbar_layouts.h"
#include "view/chart_printer.h"

namespace px {

class FieldView;
class ShowDocument;

class MainWindow : public QMainWindow {
  Q_OBJECT
 public:
  // `ui` answers questions and shows messages (tests pass a scripted one); the settings
  // hold the recent-file list.
  MainWindow(ShellUi& ui, QSettings& settings, QWidget* parent = nullptr);
  ~MainWindow() override;

  // The start-up sequence after the window is shown: the command line's show ("new" or a
  // file) or the most recent show, then the leftover undo file is deleted.
  void StartUp(const QStringList& arguments);

  // File commands. Open and Save As take a path so they can run without a file dialog.
  FieldView* NewShow();
  FieldView* OpenShow(const QString& path);
  bool SaveShow(FieldView* view);
  bool SaveShowAs(FieldView* view, const QString& path);
  // Closes the show's window, asking first when it is modified; false when the designer
  // cancelled or saving failed.
  bool CloseShow(FieldView* view);

  FieldView* ActiveView() const;
  std::vector<FieldView*> Views() const;
  QMdiArea* mdiArea() const { return m_mdi; }
  ChartPrinter& chartPrinter() { return m_printer; }
  const RecentFiles& recentFiles() const { return m_recent; }

  // Commands by their menu text ("Zoom &In"); null for commands the program lacks.
  QAction* Command(const QString& menuText) const { return m_commands.value(menuText); }
  QToolBar* mainToolBar() const { return m_mainToolBar; }
  QToolBar* OptionalToolBar(const QString& name) const;
  QLabel* stepBox() const { return m_stepBox; }

 protected:
  void closeEvent(QCloseEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QAction* AddCommand(QMenu* menu, const QString& text, const QKeySequence& key, const QString& tip,
                      std::function<void()> run);
  void BuildMenus();
  void BuildRecentFileMenu(QMenu* file);
  void BuildToolBar(QToolBar* bar, const ToolbarLayout& layout);
  void ToggleShortToolbar();
  void ToggleOptionalToolBar(const ToolbarLayout& layout);
  void ToggleStatusBar();
  void CreateStatusBar();
  FieldView* AddView(std::unique_ptr<ShowDocument> show);
  void UpdateRecentFileActions();
  void UpdateCommandStates();
  void UpdateAllViews();
  // Runs a command on the active view's show, if there is one.
  void OnActiveView(const std::function<void(FieldView&)>& run);
  // After a dialog changed the show: positions, parking and every view.
  void ShowChanged(FieldView& view);
  bool OfferToSave(FieldView& view);
  void OpenWithDialog();
  void SaveAsWithDialog(FieldView& view);

  ShellUi& m_ui;
  RecentFiles m_recent;
  ChartPrinter m_printer;
  QMdiArea* m_mdi;
  QHash<QString, QAction*> m_commands;
  QToolBar* m_mainToolBar;
  bool m_shortToolbar = false;
  std::map<QString, QPointer<QToolBar>> m_optionalToolBars;
  QPointer<QLabel> m_stepBox;
  std::vector<QAction*> m_recentActions;
  QAction* m_recentSeparator = nullptr;
  std::map<FieldView*, std::unique_ptr<ShowDocument>> m_shows;
  // A window being closed after the question was answered is not asked again.
  FieldView* m_closing = nullptr;
};

}  // namespace px
