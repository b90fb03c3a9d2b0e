// Registered commands in the desktop program: their menu items, shortcuts, submenus and
// states come from the registry, they run on the active view's show, and a command's dialog
// opens the Qt window registered for its model.
#include <gtest/gtest.h>

#include <QMenuBar>

#include "dialogs/qt_dialog_host.h"
#include "qt/qt_support.h"

namespace px {
namespace {

QMenu* MenuNamed(const QList<QAction*>& actions, const QString& title) {
  for (QAction* a : actions)
    if (a->menu() && a->text() == title) return a->menu();
  return nullptr;
}

QStringList Titles(const QList<QAction*>& actions) {
  QStringList titles;
  for (QAction* a : actions) titles << (a->isSeparator() ? QStringLiteral("|") : a->text());
  return titles;
}

TEST(RegisteredCommands, BuildMenusWithShortcutsAndFollowTheShowState) {
  QTemporaryDir dir;
  test::ScriptedUi ui;
  QSettings settings(dir.filePath(QStringLiteral("settings.ini")), QSettings::IniFormat);
  CommandRegistry registry;
  std::vector<CPxDoc*> ranOn;
  bool option = false;
  const auto hasSelection = [](const CommandContext& c) { return !c.doc.m_selection.formations.empty(); };
  registry.Add({"Edit", "&Gadget\tCtrl+Shift+G", "A gadget", hasSelection, nullptr,
                [&](CommandContext& c) { ranOn.push_back(&c.doc); }});
  registry.Add({"Edit/Gadget Options", "Gadget &Enabled", "", nullptr, [&](const CommandContext&) { return option; },
                [&](CommandContext&) { option = !option; }});
  registry.Add({"Drawing", "&Rectangle", "", nullptr, nullptr, [](CommandContext&) {}});
  registry.Add({"Formation", "Formation &Properties...", "", nullptr, nullptr, [](CommandContext&) {}});
  registry.Add({"People", "Add People...\tShift + Enter", "", nullptr, nullptr, [](CommandContext&) {}, true});
  MainWindow window(ui, settings, registry);

  // New menus stand before View; the registered block leads its menu, hand-built items follow.
  const QStringList bar = Titles(window.menuBar()->actions());
  EXPECT_EQ(bar.mid(0, 6), (QStringList{"&File", "&Edit", "F&ormation", "Drawing", "People", "&View"}));
  QMenu* edit = MenuNamed(window.menuBar()->actions(), QStringLiteral("&Edit"));
  ASSERT_TRUE(edit);
  EXPECT_EQ(Titles(edit->actions()), (QStringList{"&Gadget", "Gadget Options", "|", "Document Info..."}));
  QAction* gadget = window.Command(QStringLiteral("&Gadget"));
  EXPECT_EQ(gadget->shortcut(), QKeySequence(QStringLiteral("Ctrl+Shift+G")));
  EXPECT_EQ(gadget->statusTip(), QStringLiteral("A gadget"));
  EXPECT_EQ(window.Command(QStringLiteral("Add People..."))->shortcut(), QKeySequence(QStringLiteral("Shift+Return")));
  // The registered Formation Properties replaces the hand-built one; the toolbar finds Rectangle.
  QMenu* formation = MenuNamed(window.menuBar()->actions(), QStringLiteral("F&ormation"));
  EXPECT_EQ(Titles(formation->actions()), QStringList{"Formation &Properties..."});
  EXPECT_TRUE(window.mainToolBar()->actions().contains(window.Command(QStringLiteral("&Rectangle"))));

  QAction* enabled = window.Command(QStringLiteral("Gadget &Enabled"));
  EXPECT_TRUE(enabled->isCheckable());
  EXPECT_FALSE(gadget->isEnabled());  // no show
  FieldView* view = window.NewShow();
  ASSERT_TRUE(view);
  EXPECT_FALSE(gadget->isEnabled());  // nothing selected
  gadget->trigger();  // a disabled command's shortcut does nothing
  EXPECT_TRUE(ranOn.empty());
  CFormation* rect = view->doc().AddFormation(std::make_unique<CDrawRect>(CRect{1000, 1000, 2000, 2000}));
  view->doc().m_selection.Add(rect);
  window.RefreshCommandStates();
  EXPECT_TRUE(gadget->isEnabled());
  gadget->trigger();
  EXPECT_EQ(ranOn, std::vector<CPxDoc*>{&view->doc()});
  enabled->trigger();
  EXPECT_TRUE(option);
  EXPECT_TRUE(enabled->isChecked());
  view->doc().SetModifiedFlag(false);
}

struct GadgetModel : DialogModel {
  std::string Caption() const override { return "Gadget"; }
  std::vector<DialogControl> Controls() override { return {}; }
  int shown = 0;
};
struct OtherModel : GadgetModel {};

TEST(RegisteredCommands, DialogHostShowsTheWindowRegisteredForTheModelsType) {
  test::ScriptedUi ui;
  CPxDoc doc;
  QtDialogRegistry dialogs;
  RegisterQtDialog<GadgetModel>(dialogs, [&](GadgetModel& model, const QtDialogContext& context) {
    EXPECT_EQ(&context.doc, &doc);
    ++model.shown;
    return std::string("More Options");
  });
  QtDialogHost host(doc, ui, nullptr, dialogs);
  GadgetModel gadget;
  EXPECT_EQ(host.Run(gadget), "More Options");
  EXPECT_EQ(gadget.shown, 1);
  // A model of another type, even a derived one, has no window: told, and cancelled.
  OtherModel other;
  EXPECT_EQ(host.Run(other), kButtonCancel);
  EXPECT_EQ(other.shown, 0);
  EXPECT_EQ(ui.Shown().size(), 1u);
}

}  // namespace
}  // namespace px
