#include "app/main_window.h"

#include <QApplication>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QMessageBox>
#include <QStatusBar>

#include "app/help_window.h"
#include "app/show_document.h"
#include "app/show_ui.h"
#include "app/toolbar_icons.h"
#include "app/widget_ui.h"
#include "app/window_list.h"
#include "core/animation/navigation.h"
#include "dialogs/grid_properties_dialog.h"
#include "dialogs/show_settings_dialogs.h"
#include "dialogs/view_options_dialog.h"
#include "view/field_view.h"
#include "view/time_line_window.h"

namespace px {
namespace {

constexpr const char* kAppCaption = "Pyxaro";

// The menu text without its accelerator marks, for tool tips.
QString Plain(QString text) { return text.remove('&'); }

}  // namespace

MainWindow::MainWindow(Ui& ui, QSettings& settings, QWidget* parent)
    : MainWindow(ui, settings, ShowCommands(), parent) {}

MainWindow::MainWindow(Ui& ui, QSettings& settings, const CommandRegistry& commands, QWidget* parent)
    : QMainWindow(parent), m_ui(ui), m_registry(commands), m_recent(settings), m_mdi(new QMdiArea), m_mainToolBar(new QToolBar(tr("Main"))) {
  setWindowTitle(QString::fromLatin1(kAppCaption));
  m_mdi->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  m_mdi->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  setCentralWidget(m_mdi);
  BuildMenus();
  m_mainToolBar->setObjectName(QStringLiteral("MainToolBar"));
  addToolBar(Qt::TopToolBarArea, m_mainToolBar);
  BuildToolBar(m_mainToolBar, toolbars::FullMain());
  CreateStatusBar();
  connect(m_mdi, &QMdiArea::subWindowActivated, this, [this] {
    ActivateClocks();
    UpdateCommandStates();
  });
  resize(1100, 760);
  UpdateCommandStates();
}

MainWindow::~MainWindow() {
  // The views go first: each one leaves its show's list of views as it is destroyed. The
  // window no longer has an area for them while that happens.
  QMdiArea* area = m_mdi;
  m_mdi = nullptr;
  delete area;
}

QAction* MainWindow::AddCommand(QMenu* menu, const QString& text, const QKeySequence& key, const QString& tip,
                                std::function<void()> run) {
  auto* action = new QAction(text, this);
  action->setShortcut(key);
  action->setStatusTip(tip);
  action->setToolTip(Plain(text));
  action->setIcon(CommandIcon(text));
  action->setIconVisibleInMenu(false);
  connect(action, &QAction::triggered, this, [run = std::move(run)] { run(); });
  menu->addAction(action);
  m_commands.insert(text, action);
  return action;
}

void MainWindow::BuildMenus() {
  QMenu* file = menuBar()->addMenu(tr("&File"));
  AddCommand(file, QStringLiteral("&New"), QKeySequence::New, tr("Start a new show"), [this] { NewShow(); });
  AddCommand(file, QStringLiteral("&Open..."), QKeySequence::Open, tr("Open a show"), [this] { OpenWithDialog(); });
  AddCommand(file, QStringLiteral("&Close"), QKeySequence(), tr("Close the show"),
             [this] { OnActiveView([this](FieldView& v) { CloseShow(&v); }); });
  AddCommand(file, QStringLiteral("&Save"), QKeySequence::Save, tr("Save the show"),
             [this] { OnActiveView([this](FieldView& v) { SaveShow(&v); }); });
  AddCommand(file, QStringLiteral("Save &As..."), QKeySequence(), tr("Save the show under a new name"),
             [this] { OnActiveView([this](FieldView& v) { SaveAsWithDialog(v); }); });
  file->addSeparator();
  AddCommand(file, QStringLiteral("&Print..."), QKeySequence::Print, tr("Print the field charts"),
             [this] {
               OnActiveView([this](FieldView& v) {
                 // The pages move through the show's steps: the show must stand still.
                 v.ui().StopAnimation();
                 m_printer.Print(v.doc(), v.ui(), this);
                 ShowChanged(v);  // the pages moved through the show's steps
               });
             });
  AddCommand(file, QStringLiteral("Print Pre&view"), QKeySequence(), tr("Show the printed field charts"),
             [this] {
               OnActiveView([this](FieldView& v) {
                 v.ui().StopAnimation();
                 m_printer.Preview(v.doc(), this);
                 ShowChanged(v);
               });
             });
  AddCommand(file, QStringLiteral("P&rint Setup..."), QKeySequence(), tr("Choose the paper and its orientation"),
             [this] { m_printer.Setup(this); });
  AddCommand(file, QStringLiteral("Export P&DF..."), QKeySequence(), tr("Write the printed field charts to a PDF file"),
             [this] {
               OnActiveView([this](FieldView& v) {
                 v.ui().StopAnimation();
                 m_printer.ExportPdf(v.doc(), v.ui(), this);
                 ShowChanged(v);
               });
             });
  BuildRecentFileMenu(file);
  AddCommand(file, QStringLiteral("E&xit"), QKeySequence::Quit, tr("Quit Pyxaro"), [this] { close(); });

  QMenu* edit = menuBar()->addMenu(tr("&Edit"));
  AddCommand(edit, QStringLiteral("Document Info..."), QKeySequence(), tr("Title, designer and client of the show"),
             [this] {
               OnActiveView([this](FieldView& v) {
                 if (EditDocumentInfo(v.doc(), v.ui(), this)) ShowChanged(v);
               });
             });

  // Its commands are all registered ones; the menu stands here for its place and mnemonic.
  menuBar()->addMenu(tr("F&ormation"));

  QMenu* view = menuBar()->addMenu(tr("&View"));
  AddCommand(view, QStringLiteral("Zoom &In"), QKeySequence(), tr("Show the field larger"),
             [this] { OnActiveView([](FieldView& v) { v.ZoomIn(); }); });
  AddCommand(view, QStringLiteral("Zoom &Out"), QKeySequence(), tr("Show more of the field"),
             [this] { OnActiveView([](FieldView& v) { v.ZoomOut(); }); });
  AddCommand(view, QStringLiteral("Zoom &Normal"), QKeySequence(), tr("Show the whole field"),
             [this] { OnActiveView([](FieldView& v) { v.ZoomNormal(); }); });
  view->addSeparator();
  AddCommand(view, QStringLiteral("3D Mode"), QKeySequence(), tr("Look at the field in perspective"),
             [this] { OnActiveView([](FieldView& v) { v.Toggle3D(); }); })
      ->setCheckable(true);
  AddCommand(view, QStringLiteral("Increase 3d Height"), QKeySequence(), tr("Raise the eye by 36 inches"),
             [this] { OnActiveView([](FieldView& v) { v.Increase3DHeight(); }); });
  AddCommand(view, QStringLiteral("Decrease 3d Height"), QKeySequence(), tr("Lower the eye by 36 inches"),
             [this] { OnActiveView([](FieldView& v) { v.Decrease3DHeight(); }); });
  AddCommand(view, QStringLiteral("Increase 3d Depth"), QKeySequence(), tr("Deepen the perspective by 36 inches"),
             [this] { OnActiveView([](FieldView& v) { v.Increase3DDepth(); }); });
  AddCommand(view, QStringLiteral("Decrease 3d Depth"), QKeySequence(), tr("Flatten the perspective by 36 inches"),
             [this] { OnActiveView([](FieldView& v) { v.Decrease3DDepth(); }); });
  view->addSeparator();
  AddCommand(view, QStringLiteral("Field Options"), QKeySequence(), tr("Field size, lines and colours"), [this] {
    OnActiveView([this](FieldView& v) {
      if (EditGridProperties(v.doc(), v.ui(), this)) ShowChanged(v);
    });
  });
  AddCommand(view, QStringLiteral("View Options..."), QKeySequence(), tr("How formations and people are drawn"), [this] {
    OnActiveView([this](FieldView& v) {
      if (EditViewOptions(v.doc(), v.ui(), this)) ShowChanged(v);
    });
  });
  AddCommand(view, QStringLiteral("Set Bitmaps..."), QKeySequence(), tr("Pictures of the people groups"), [this] {
    OnActiveView([this](FieldView& v) {
      if (EditSetBitmaps(v.doc(), v.ui(), this)) ShowChanged(v);
    });
  });
  view->addSeparator();
  AddCommand(view, QStringLiteral("Time Line..."), QKeySequence(QStringLiteral("*")),
             tr("Show or close the show's time line"), [this] { ToggleTimeLine(); })
      ->setCheckable(true);
  BuildAnimateMenu(menuBar()->addMenu(tr("&Animate")));

  QMenu* window = menuBar()->addMenu(tr("&Window"));
  AddCommand(window, QStringLiteral("&Cascade"), QKeySequence(), tr("Arrange the windows overlapping"),
             [this] { m_mdi->cascadeSubWindows(); });
  AddCommand(window, QStringLiteral("&Tile"), QKeySequence(), tr("Arrange the windows side by side"),
             [this] { m_mdi->tileSubWindows(); });
  ListWindowsIn(window, m_mdi);

  QMenu* help = menuBar()->addMenu(tr("&Help"));
  AddCommand(help, QStringLiteral("Help For Pyxaro..."), QKeySequence(Qt::Key_F1), tr("The contents of the help"),
             [] { HelpWindow::ShowContents(); });
  AddCommand(help, QStringLiteral("&About Pyxaro..."), QKeySequence(), tr("About Pyxaro"), [this] {
    QMessageBox::about(this, tr("About Pyxaro"),
                       tr("<h3>Pyxaro %1</h3><p>A design tool for marching-band drill: formations on the field, "
                          "the members who march them, and the charts the band learns from.</p>")
                           .arg(QApplication::applicationVersion()));
  });

  BuildRegisteredCommands();

  // The toolbar switches come last: a toolbar is offered when some of its commands exist.
  view->addSeparator();
  AddCommand(view, QStringLiteral("Short Toolbar"), QKeySequence(), tr("Switch the main toolbar to its short form"),
             [this] { ToggleShortToolbar(); })
      ->setCheckable(true);
  for (const ToolbarLayout& layout : toolbars::Optional()) {
    // A toolbar none of whose commands exist yet is not offered.
    bool any = false;
    for (const QStringList& group : layout.groups)
      for (const QString& name : group) any = any || m_commands.contains(name);
    if (!any) continue;
    AddCommand(view, layout.name, QKeySequence(), tr("Show or hide the %1").arg(layout.name),
               [this, layout] { ToggleOptionalToolBar(layout); })
        ->setCheckable(true);
  }
  AddCommand(view, QStringLiteral("&Status Bar"), QKeySequence(), tr("Show or hide the status bar"),
             [this] { ToggleStatusBar(); })
      ->setCheckable(true);
}

void MainWindow::BuildToolBar(QToolBar* bar, const ToolbarLayout& layout) {
  bar->clear();
  bool needsSeparator = false;
  for (const QStringList& group : layout.groups) {
    bool added = false;
    for (const QString& name : group) {
      QAction* action = m_commands.value(name);
      if (!action) continue;  // a command still to come
      if (needsSeparator && !added) bar->addSeparator();
      bar->addAction(action);
      added = true;
    }
    needsSeparator = needsSeparator || added;
  }
}

void MainWindow::ToggleShortToolbar() {
  m_shortToolbar = !m_shortToolbar;
  BuildToolBar(m_mainToolBar, m_shortToolbar ? toolbars::ShortMain() : toolbars::FullMain());
  UpdateCommandStates();
}

QToolBar* MainWindow::OptionalToolBar(const QString& name) const {
  const auto it = m_optionalToolBars.find(name);
  return it == m_optionalToolBars.end() ? nullptr : it->second.data();
}

void MainWindow::ToggleOptionalToolBar(const ToolbarLayout& layout) {
  // Optional toolbars exist only while shown.
  if (QToolBar* bar = OptionalToolBar(layout.name)) {
    removeToolBar(bar);
    delete bar;
  } else {
    auto* created = new QToolBar(QString(layout.name).remove(QStringLiteral(" Toolbar")), this);
    created->setObjectName(layout.name);
    created->setMovable(true);
    created->setFloatable(true);
    BuildToolBar(created, layout);
    addToolBar(Qt::TopToolBarArea, created);
    m_optionalToolBars[layout.name] = created;
  }
  UpdateCommandStates();
}

void MainWindow::CreateStatusBar() {
  auto* bar = new QStatusBar;
  bar->setObjectName(QStringLiteral("StatusBar"));
  m_stepBox = new QLabel;
  m_stepBox->setMinimumWidth(90);
  bar->addPermanentWidget(m_stepBox);
  setStatusBar(bar);
  if (auto* widgetUi = dynamic_cast<WidgetUi*>(&m_ui)) widgetUi->SetStatusBar(bar);
}

void MainWindow::ToggleStatusBar() {
  if (QStatusBar* bar = findChild<QStatusBar*>(QStringLiteral("StatusBar"))) {
    if (auto* widgetUi = dynamic_cast<WidgetUi*>(&m_ui)) widgetUi->SetStatusBar(nullptr);
    setStatusBar(nullptr);
    delete bar;  // at once, not later: the bar exists only while shown
  } else {
    CreateStatusBar();
  }
  UpdateCommandStates();
}

FieldView* MainWindow::ActiveView() const {
  QMdiSubWindow* sub = m_mdi ? m_mdi->currentSubWindow() : nullptr;
  auto* view = sub ? qobject_cast<FieldView*>(sub->widget()) : nullptr;
  return view && m_shows.count(view) && !sub->isHidden() ? view : nullptr;
}

std::vector<FieldView*> MainWindow::Views() const {
  std::vector<FieldView*> views;
  if (!m_mdi) return views;
  for (QMdiSubWindow* sub : m_mdi->subWindowList())
    if (auto* view = qobject_cast<FieldView*>(sub->widget()); view && !sub->isHidden()) views.push_back(view);
  return views;
}

void MainWindow::OnActiveView(const std::function<void(FieldView&)>& run) {
  if (FieldView* view = ActiveView()) run(*view);
  UpdateCommandStates();
}

void MainWindow::ShowChanged(FieldView& view) {
  view.RefreshPositions();
  view.doc().UpdateAllViews();
  // The show's title or length may have changed.
  view.ui().RedrawTimeLine();
}

void MainWindow::UpdateCommandStates() {
  if (!m_mdi) return;
  FieldView* view = ActiveView();
  const bool hasView = view != nullptr;
  for (const char* name : {"&Close", "&Save", "Save &As...", "&Print...", "Print Pre&view", "Export P&DF...",
                           "Document Info...", "Zoom &Normal", "3D Mode",
                           "Increase 3d Height", "Increase 3d Depth", "Field Options", "View Options...",
                           "Set Bitmaps...", "Time Line..."})
    if (QAction* a = Command(QString::fromLatin1(name))) a->setEnabled(hasView);
  Command(QStringLiteral("Zoom &In"))->setEnabled(hasView && view->state().CanZoomIn());
  Command(QStringLiteral("Zoom &Out"))->setEnabled(hasView && view->state().CanZoomOut());
  Command(QStringLiteral("Decrease 3d Height"))
      ->setEnabled(hasView && view->doc().m_n3DHeight > FieldViewState::k3DStep);
  Command(QStringLiteral("Decrease 3d Depth"))->setEnabled(hasView && view->doc().m_n3DDepth > FieldViewState::k3DStep);
  UpdateAnimateStates(view);
  UpdateRegisteredStates(view);
  Command(QStringLiteral("3D Mode"))->setChecked(hasView && view->state().m_b3D);
  Command(QStringLiteral("Short Toolbar"))->setChecked(m_shortToolbar);
  Command(QStringLiteral("&Status Bar"))->setChecked(findChild<QStatusBar*>(QStringLiteral("StatusBar")) != nullptr);
  for (const ToolbarLayout& layout : toolbars::Optional())
    if (QAction* toggle = Command(layout.name)) toggle->setChecked(OptionalToolBar(layout.name) != nullptr);
  if (m_stepBox) m_stepBox->setText(hasView ? QString::fromStdString(StepBoxText(view->doc().m_nCurrentStep)) : QString());
  for (FieldView* v : Views()) {
    if (QWidget* sub = v->parentWidget()) {
      sub->setWindowTitle(v->showDocument().Title() + QStringLiteral("[*]"));
      sub->setWindowModified(v->showDocument().IsModified());
    }
  }
  setWindowTitle(hasView ? QStringLiteral("Pyxaro - %1").arg(view->showDocument().Title()) : QString::fromLatin1(kAppCaption));
}

}  // namespace px
