// The main window's shows: new, open, save, close, the recent-file list and the start-up.
#include <QCloseEvent>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QMdiSubWindow>
#include <QMenu>

#include "app/main_window.h"

#include "dialogs/qt_dialog_host.h"
#include "app/show_document.h"
#include "app/show_ui.h"
#include "core/util/format.h"
#include "view/field_view.h"
#include "view/time_line_window.h"

namespace px {
namespace {

const QString kFilter = QStringLiteral("Pyxaro Files (*.sho)");
constexpr const char* kAppCaption = "Pyxaro";
// The undo file a crashed session may have left in the current directory.
const QString kUndoFile = QStringLiteral("px.tmp");

}  // namespace

void MainWindow::BuildRecentFileMenu(QMenu* file) {
  m_recentSeparator = file->addSeparator();
  for (int i = 0; i < RecentFiles::kSize; ++i) {
    auto* action = new QAction(this);
    connect(action, &QAction::triggered, this, [this, action] {
      const QString path = action->data().toString();
      m_ui.SetStatusText("Loading show...");
      OpenShow(path);
      m_ui.SetStatusText("");
    });
    file->addAction(action);
    m_recentActions.push_back(action);
  }
  file->addSeparator();
  UpdateRecentFileActions();
}

void MainWindow::UpdateRecentFileActions() {
  const QStringList& files = m_recent.Files();
  for (int i = 0; i < static_cast<int>(m_recentActions.size()); ++i) {
    QAction* action = m_recentActions[static_cast<size_t>(i)];
    const bool used = i < files.size();
    action->setVisible(used);
    if (!used) continue;
    action->setText(QStringLiteral("&%1 %2").arg(i + 1).arg(QFileInfo(files[i]).fileName()));
    action->setData(files[i]);
    action->setStatusTip(files[i]);
  }
  if (m_recentSeparator) m_recentSeparator->setVisible(!files.isEmpty());
}

FieldView* MainWindow::AddView(std::unique_ptr<ShowDocument> show) {
  ShowEntry open;
  open.show = std::move(show);
  open.ui = std::make_unique<ShowUi>(m_ui, *this, *open.show);
  auto* view = new FieldView(*open.show, *open.ui);
  open.dialogs = std::make_unique<QtDialogHost>(open.show->doc(), *open.ui, this);
  QMdiSubWindow* sub = m_mdi->addSubWindow(view);
  sub->setAttribute(Qt::WA_DeleteOnClose);
  sub->installEventFilter(this);
  connect(view, &FieldView::viewChanged, this, [this] { UpdateCommandStates(); });
  // A double click on a formation opens the properties as the menu command does.
  connect(view, &FieldView::editPropertiesRequested, this, [this] {
    if (QAction* properties = Command(QStringLiteral("Formation &Properties..."))) properties->trigger();
  });
  // The show lives until its view is gone: the view leaves the show's list as it goes, and
  // the show's time line goes with it.
  connect(view, &QObject::destroyed, this, [this, view] {
    const auto it = m_shows.find(view);
    if (it == m_shows.end()) return;
    delete it->second.timeLine.data();
    m_shows.erase(it);
    if (m_mdi) {
      ActivateClocks();
      UpdateCommandStates();
    }
  });
  m_shows.emplace(view, std::move(open));
  // A show gets the whole area: the field is what the program is for.
  sub->showMaximized();
  m_mdi->setActiveSubWindow(sub);
  view->setFocus();
  ActivateClocks();
  UpdateCommandStates();
  return view;
}

FieldView* MainWindow::NewShow() { return AddView(ShowDocument::New()); }

FieldView* MainWindow::OpenShow(const QString& path) {
  const QString absolute = QFileInfo(path).absoluteFilePath();
  for (FieldView* view : Views()) {
    if (view->showDocument().Path() == absolute) {
      m_mdi->setActiveSubWindow(qobject_cast<QMdiSubWindow*>(view->parentWidget()));
      return view;
    }
  }
  FileResult result;
  std::unique_ptr<ShowDocument> show = ShowDocument::Open(path, result);
  if (!show) {
    m_ui.MessageBox(result.message, kAppCaption);
    m_recent.Remove(path);
    UpdateRecentFileActions();
    return nullptr;
  }
  m_recent.Add(absolute);
  UpdateRecentFileActions();
  return AddView(std::move(show));
}

void MainWindow::OpenWithDialog() {
  const QString path = QFileDialog::getOpenFileName(this, tr("Open"), QString(), kFilter);
  if (path.isEmpty()) return;
  m_ui.SetStatusText("Loading show...");
  OpenShow(path);
  m_ui.SetStatusText("");
}

bool MainWindow::SaveShowAs(FieldView* view, const QString& path) {
  const FileResult result = view->showDocument().SaveAs(path);
  if (!result.ok) {
    m_ui.MessageBox(result.message, kAppCaption);
    return false;
  }
  m_recent.Add(view->showDocument().Path());
  UpdateRecentFileActions();
  UpdateCommandStates();
  return true;
}

void MainWindow::SaveAsWithDialog(FieldView& view) {
  const QString suggested = view.showDocument().Path().isEmpty() ? view.showDocument().Title() + QStringLiteral(".sho") : view.showDocument().Path();
  QString path = QFileDialog::getSaveFileName(this, tr("Save As"), suggested, kFilter);
  if (path.isEmpty()) return;
  if (QFileInfo(path).suffix().isEmpty()) path += QStringLiteral(".sho");
  SaveShowAs(&view, path);
}

bool MainWindow::SaveShow(FieldView* view) {
  if (view->showDocument().Path().isEmpty()) {
    SaveAsWithDialog(*view);
    return !view->showDocument().IsModified();
  }
  return SaveShowAs(view, view->showDocument().Path());
}

bool MainWindow::OfferToSave(FieldView& view) {
  if (!view.showDocument().IsModified()) return true;
  const std::string question = Format("Save changes to %s?", view.showDocument().Title().toStdString().c_str());
  switch (m_ui.AskYesNoCancel(question, kAppCaption)) {
    case Answer::Yes:
      return SaveShow(&view);
    case Answer::No:
      return true;
    case Answer::Cancel:
      break;
  }
  return false;
}

bool MainWindow::CloseShow(FieldView* view) {
  if (!OfferToSave(*view)) return false;
  m_closing = view;
  if (auto* sub = qobject_cast<QMdiSubWindow*>(view->parentWidget())) sub->close();
  m_closing = nullptr;
  UpdateCommandStates();
  return true;
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::Close) {
    if (auto* sub = qobject_cast<QMdiSubWindow*>(watched)) {
      auto* view = qobject_cast<FieldView*>(sub->widget());
      if (view && view != m_closing && !OfferToSave(*view)) {
        event->ignore();
        return true;
      }
    }
  }
  return QMainWindow::eventFilter(watched, event);
}

void MainWindow::closeEvent(QCloseEvent* event) {
  for (FieldView* view : Views()) {
    if (!OfferToSave(*view)) {
      event->ignore();
      return;
    }
  }
  event->accept();
}

void MainWindow::StartUp(const QStringList& arguments) {
  const auto load = [this](const QString& path) {
    m_ui.SetStatusText("Loading show...");
    OpenShow(path);
    m_ui.SetStatusText("");
  };
  if (arguments.isEmpty()) {
    const QString recent = m_recent.First();
    if (recent.isEmpty())
      NewShow();
    else
      load(recent);
  } else {
    const QString& argument = arguments.front();
    // "new" asks for a new show, unless a show of that name exists to be opened.
    if (argument.left(3).compare(QLatin1String("new"), Qt::CaseInsensitive) == 0 && !QFileInfo::exists(argument))
      NewShow();
    else
      load(argument);
  }
  if (QFile::exists(kUndoFile)) QFile::remove(kUndoFile);
}

}  // namespace px
