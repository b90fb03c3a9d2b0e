// The main window's part of the registered commands: their menu items, built from the
// registry, their enabled and checked states, and running them on the active view.
#include <QMenuBar>

#include "view/field_view.h"
#include "app/main_window.h"
#include "app/show_document.h"
#include "app/show_ui.h"
#include "app/toolbar_icons.h"
#include "dialogs/qt_dialog_host.h"

namespace px {
namespace {

// The shortcut written after the tab of a menu text ("&Paste\tCtrl+V", "Shift + Enter").
// Enter is the main keyboard's Return key, and the keypad's Enter as well.
QList<QKeySequence> MenuShortcuts(const std::string& text) {
  const auto tab = text.find('\t');
  if (tab == std::string::npos) return {};
  QString keys = QString::fromStdString(text.substr(tab + 1)).trimmed();
  if (keys != QStringLiteral("+")) keys.remove(' ');
  QList<QKeySequence> shortcuts{QKeySequence::fromString(QString(keys).replace(QStringLiteral("Enter"), QStringLiteral("Return")),
                                                         QKeySequence::PortableText)};
  if (keys.contains(QStringLiteral("Enter"))) shortcuts << QKeySequence::fromString(keys, QKeySequence::PortableText);
  return shortcuts;
}

QAction* SubMenuAction(const QList<QAction*>& actions, const QString& name) {
  for (QAction* action : actions)
    if (action->menu() && PlainMenuText(action->text().toStdString()) == name.toStdString()) return action;
  return nullptr;
}

}  // namespace

MainWindow::ShowEntry::ShowEntry() = default;
MainWindow::ShowEntry::ShowEntry(ShowEntry&&) noexcept = default;
MainWindow::ShowEntry::~ShowEntry() = default;

CommandContext MainWindow::ContextOf(FieldView& view) {
  ShowEntry& open = m_shows.at(&view);
  return CommandContext{view.doc(), *open.ui, *open.dialogs, view};
}

// The menu of a path such as "Edit/Undo Options", created where missing: a new menu of the
// menu bar goes before View, a submenu at the end of its menu's block of registered items.
// `blockEnds` keeps, per menu, the item the registered block is inserted before: the first
// hand-built item, so registered commands come first and the hand-built ones keep their order.
QMenu* MainWindow::RegisteredMenu(const std::string& path, std::map<QMenu*, QAction*>& blockEnds) {
  const QStringList names = QString::fromStdString(path).split('/');
  QMenu* menu = nullptr;
  for (const QString& name : names) {
    const QList<QAction*> siblings = menu ? menu->actions() : menuBar()->actions();
    QAction* existing = SubMenuAction(siblings, name);
    QMenu* next = existing ? existing->menu() : nullptr;
    if (!next) {
      next = new QMenu(name, this);
      if (menu) {
        menu->insertMenu(blockEnds.count(menu) ? blockEnds[menu] : nullptr, next);
      } else {
        menuBar()->insertMenu(SubMenuAction(siblings, QStringLiteral("View")), next);
      }
      blockEnds[next] = nullptr;
    } else if (!blockEnds.count(next)) {
      blockEnds[next] = next->actions().value(0);
    }
    menu = next;
  }
  return menu;
}

void MainWindow::BuildRegisteredCommands() {
  // A registered command takes the place of a hand-built item of the same text.
  for (const CommandEntry& entry : m_registry.Entries()) {
    const QString key = QString::fromStdString(entry.text.substr(0, entry.text.find('\t')));
    if (QAction* handBuilt = m_commands.take(key)) delete handBuilt;
  }
  std::map<QMenu*, QAction*> blockEnds;
  for (const CommandEntry& entry : m_registry.Entries()) {
    QMenu* menu = RegisteredMenu(entry.menu, blockEnds);
    QAction* before = blockEnds[menu];
    if (entry.separatorBefore) menu->insertSeparator(before);
    const QString text = QString::fromStdString(entry.text.substr(0, entry.text.find('\t')));
    auto* action = new QAction(text, this);
    action->setShortcuts(MenuShortcuts(entry.text));
    action->setStatusTip(QString::fromStdString(entry.tip));
    action->setToolTip(QString::fromStdString(PlainMenuText(entry.text)));
    action->setIcon(CommandIcon(text));
    action->setIconVisibleInMenu(false);
    action->setCheckable(static_cast<bool>(entry.checked));
    connect(action, &QAction::triggered, this, [this, &entry] { RunRegistered(entry); });
    menu->insertAction(before, action);
    m_commands.insert(text, action);
    m_registered.emplace_back(&entry, action);
  }
  // The hand-built items of a menu stand apart from its registered block.
  for (const auto& [menu, firstHandBuilt] : blockEnds)
    if (firstHandBuilt && !firstHandBuilt->isSeparator() && menu->actions().first() != firstHandBuilt)
      menu->insertSeparator(firstHandBuilt);
}

void MainWindow::UpdateRegisteredStates(FieldView* view) {
  if (!view) {
    for (const auto& [entry, action] : m_registered) {
      action->setEnabled(false);
      action->setChecked(false);
    }
    return;
  }
  const CommandContext context = ContextOf(*view);
  for (const auto& [entry, action] : m_registered) {
    action->setEnabled(!entry->enabled || entry->enabled(context));
    if (entry->checked) action->setChecked(entry->checked(context));
  }
}

void MainWindow::RunRegistered(const CommandEntry& entry) {
  OnActiveView([this, &entry](FieldView& view) {
    CommandContext context = ContextOf(view);
    // A command disabled since the menu was drawn (a shortcut pressed) does nothing.
    if (entry.enabled && !entry.enabled(context)) return;
    entry.run(context);
  });
}

}  // namespace px
