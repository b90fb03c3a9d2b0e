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
#include "core/commands/command_registry.h"
#include "core/ui/ui.h"
#include "app/toolbar_layouts.h"
#include "view/chart_printer.h"

namespace px {

class FieldView;
class QtDialogHost;
class ShowDocument;
class ShowUi;
class TimeLineWindow;

class MainWindow : public QMainWindow {
  Q_OBJECT
 public:
  // `ui` answers questions and shows messages (tests pass a scripted one); the settings
  // hold the recent-file list.
  MainWindow(Ui& ui, QSettings& settings, QWidget* parent = nullptr);
  // With the menu commands of `commands` instead of every registered command (tests).
  MainWindow(Ui& ui, QSettings& settings, const CommandRegistry& commands, QWidget* parent = nullptr);
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
  // The field views of one show, and its time line window (null while not shown).
  std::vector<FieldView*> ViewsOf(const ShowDocument& show) const;
  TimeLineWindow* TimeLineOf(const ShowDocument& show) const;
  // "Time Line...": shows the active show's time line, or closes it when shown.
  void ToggleTimeLine();
  // Writes the step box for a show when the active view shows it.
  void WriteStepBox(const ShowDocument& show, const std::string& text);
  // Enabled and checked states of the commands, the window titles and the step box.
  void RefreshCommandStates() { UpdateCommandStates(); }
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
  // The registered commands' menu items (main_window_commands.cpp).
  void BuildRegisteredCommands();
  QMenu* RegisteredMenu(const std::string& path, std::map<QMenu*, QAction*>& blockEnds);
  void UpdateRegisteredStates(FieldView* view);
  void RunRegistered(const CommandEntry& entry);
  void BuildAnimateMenu(QMenu* animate);
  void UpdateAnimateStates(FieldView* view);
  // Only the active view's clock runs; the others stop.
  void ActivateClocks();
  void BuildRecentFileMenu(QMenu* file);
  void BuildToolBar(QToolBar* bar, const ToolbarLayout& layout);
  void ToggleShortToolbar();
  void ToggleOptionalToolBar(const ToolbarLayout& layout);
  void ToggleStatusBar();
  void CreateStatusBar();
  FieldView* AddView(std::unique_ptr<ShowDocument> show);
  void UpdateRecentFileActions();
  void UpdateCommandStates();
  // Runs a command on the active view's show, if there is one.
  void OnActiveView(const std::function<void(FieldView&)>& run);
  // After a dialog changed the show: positions, parking and every view.
  void ShowChanged(FieldView& view);
  bool OfferToSave(FieldView& view);
  void OpenWithDialog();
  void SaveAsWithDialog(FieldView& view);

  Ui& m_ui;
  const CommandRegistry& m_registry;
  std::vector<std::pair<const CommandEntry*, QAction*>> m_registered;
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
  // An open show with the Ui of its commands and its time line window.
  struct ShowEntry {
    std::unique_ptr<ShowDocument> show;
    std::unique_ptr<ShowUi> ui;
    QPointer<TimeLineWindow> timeLine;
    // The windows of the dialogs the registered commands open in this view.
    std::unique_ptr<QtDialogHost> dialogs;
    ShowEntry();
    ShowEntry(ShowEntry&&) noexcept;
    ~ShowEntry();
  };
  // The context of a registered command in a view of this window.
  CommandContext ContextOf(FieldView& view);
  std::map<FieldView*, ShowEntry> m_shows;
  // A window being closed after the question was answered is not asked again.
  FieldView* m_closing = nullptr;
};

}  // namespace px
