#include "app/window_list.h"

#include <QMdiSubWindow>
#include <QPointer>

namespace px {
namespace {

const char* const kListed = "pyxaroWindowListEntry";

void Rebuild(QMenu* menu, QMdiArea* area) {
  for (QAction* action : menu->actions())
    if (action->property(kListed).toBool()) {
      menu->removeAction(action);
      delete action;
    }
  const QList<QMdiSubWindow*> windows = area->subWindowList();
  if (windows.isEmpty()) return;
  QAction* separator = menu->addSeparator();
  separator->setProperty(kListed, true);
  int number = 0;
  for (QMdiSubWindow* sub : windows) {
    if (sub->isHidden()) continue;
    QString title = sub->windowTitle();
    title.remove(QStringLiteral("[*]"));
    // The first nine get a mnemonic digit, as the list has always had.
    const QString text = ++number < 10 ? QStringLiteral("&%1 %2").arg(number).arg(title)
                                       : QStringLiteral("%1 %2").arg(number).arg(title);
    QAction* action = menu->addAction(text);
    action->setProperty(kListed, true);
    action->setCheckable(true);
    action->setChecked(sub == area->activeSubWindow());
    QObject::connect(action, &QAction::triggered, area, [area, window = QPointer<QMdiSubWindow>(sub)] {
      if (window) area->setActiveSubWindow(window);
    });
  }
}

}  // namespace

void ListWindowsIn(QMenu* menu, QMdiArea* area) {
  QObject::connect(menu, &QMenu::aboutToShow, menu, [menu, area] { Rebuild(menu, area); });
}

}  // namespace px
