// The application shell: several shows at once, opening and saving, the question before a
// modified show closes, the recent-file list, the command line, toolbars and the step box.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QScreen>
#include <QStatusBar>

#include "app/show_document.h"
#include "app/window_geometry.h"
#include "core/doc/show_file.h"
#include "qt/qt_support.h"
#include "view/field_view.h"

namespace px {
namespace {

using test::AppFixture;

class MainWindowTest : public AppFixture {
 protected:
  // A show file with `formations` rectangles at steps 0, 8, 16, ...
  QString WriteShow(const QString& name, int formations = 1) {
    CPxDoc doc;
    for (int i = 0; i < formations; ++i) {
      doc.SetCurrentStep(8 * i);
      doc.AddFormation(std::make_unique<CDrawRect>(CRect{1000 + 100 * i, 1000, 2000, 2000}));
    }
    const QString path = Path(name);
    EXPECT_TRUE(WriteShowFile(path.toStdString(), doc).ok);
    return path;
  }
  void FlushDeletes() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }
  QStringList RecentSetting() {
    QStringList files;
    settings.beginGroup(QStringLiteral("Recent File List"));
    for (int i = 1; i <= 5; ++i) files << settings.value(QStringLiteral("File%1").arg(i)).toString();
    settings.endGroup();
    return files;
  }
};

TEST_F(MainWindowTest, SeveralShowsOpenAtOnceEachWithItsOwnDocument) {
  FieldView* first = window->NewShow();
  FieldView* second = window->OpenShow(WriteShow("two.sho", 2));
  ASSERT_TRUE(first && second);
  EXPECT_EQ(window->Views().size(), 2u);
  EXPECT_NE(&first->doc(), &second->doc());
  EXPECT_EQ(second->doc().m_formations.size(), 2u);
  EXPECT_TRUE(first->showDocument().Title().startsWith(QStringLiteral("Pyxaro ")));
  EXPECT_EQ(second->showDocument().Title(), QStringLiteral("two.sho"));
  // Opening a show that is open already shows its window instead of a second copy.
  EXPECT_EQ(window->OpenShow(Path("two.sho")), second);
  EXPECT_EQ(window->Views().size(), 2u);
}

TEST_F(MainWindowTest, DamagedOrMissingFileShowsItsMessageAndLeavesOtherShowsAlone) {
  FieldView* good = window->OpenShow(WriteShow("good.sho", 3));
  ASSERT_TRUE(good);
  QFile damaged(Path("damaged.sho"));
  ASSERT_TRUE(damaged.open(QIODevice::WriteOnly));
  damaged.write(QByteArray("\x01\x00\x0c\x00garbage", 11));
  damaged.close();

  EXPECT_EQ(window->OpenShow(damaged.fileName()), nullptr);
  EXPECT_EQ(window->OpenShow(Path("absent.sho")), nullptr);
  ASSERT_EQ(ui.m_messages.size(), 2u);
  EXPECT_EQ(ui.m_messages[0].text, "Unexpected file format.");
  EXPECT_EQ(ui.m_messages[1].text,
            "absent.sho\nCannot find this file.\nPlease verify that the correct path and file name are given.");
  EXPECT_EQ(window->Views().size(), 1u);
  EXPECT_EQ(good->doc().m_formations.size(), 3u);
  EXPECT_FALSE(good->doc().IsModified());
  EXPECT_FALSE(window->recentFiles().Files().contains(damaged.fileName()));
}

TEST_F(MainWindowTest, RecentFileListKeepsTheLastFourNewestFirst) {
  for (const char* name : {"a.sho", "b.sho", "c.sho", "d.sho", "e.sho"}) window->OpenShow(WriteShow(name));
  EXPECT_EQ(RecentSetting(),
            QStringList({Path("e.sho"), Path("d.sho"), Path("c.sho"), Path("b.sho"), QString()}));
  // Saving under a name puts that name at the top; a listed name moves up, not twice.
  ASSERT_TRUE(window->SaveShowAs(window->ActiveView(), Path("c.sho")));
  EXPECT_EQ(RecentSetting(), QStringList({Path("c.sho"), Path("e.sho"), Path("d.sho"), Path("b.sho"), QString()}));
  // A second window reads the same list back.
  RecentFiles reread(settings);
  EXPECT_EQ(reread.First(), Path("c.sho"));
}

TEST_F(MainWindowTest, CommandLineOpensNewShowsFilesOrTheMostRecentShow) {
  window->StartUp({QStringLiteral("NEWshow")});
  ASSERT_EQ(window->Views().size(), 1u);
  EXPECT_TRUE(window->Views()[0]->showDocument().Path().isEmpty());

  const QString path = WriteShow("cmd.sho", 2);
  window->StartUp({path});
  ASSERT_EQ(window->Views().size(), 2u);
  EXPECT_EQ(window->ActiveView()->showDocument().Path(), path);
  EXPECT_EQ(ui.m_statusTexts.front(), "Loading show...");
  window->CloseShow(window->ActiveView());
  FlushDeletes();

  // Without an argument the most recent show comes back.
  window->StartUp({});
  EXPECT_EQ(window->ActiveView()->showDocument().Path(), path);
}

TEST_F(MainWindowTest, StartUpOpensAShowNamedLikeNewAndDeletesALeftoverUndoFile) {
  WriteShow("newyear.sho", 2);
  QDir::setCurrent(dir.path());
  QFile leftover(QStringLiteral("px.tmp"));
  ASSERT_TRUE(leftover.open(QIODevice::WriteOnly));
  leftover.close();
  window->StartUp({QStringLiteral("newyear.sho")});
  ASSERT_NE(window->ActiveView(), nullptr);
  EXPECT_EQ(window->ActiveView()->doc().m_formations.size(), 2u);
  EXPECT_FALSE(QFile::exists(dir.filePath(QStringLiteral("px.tmp"))));
}

TEST_F(MainWindowTest, ClosingAModifiedShowAsksFirst) {
  const QString path = WriteShow("edit.sho");
  FieldView* view = window->OpenShow(path);
  view->doc().m_strTitle = "Changed";
  view->doc().SetModifiedFlag();
  const auto titleOnDisk = [&] {
    CPxDoc reread;
    EXPECT_TRUE(ReadShowFile(path.toStdString(), reread).ok);
    return reread.m_strTitle;
  };

  ui.AnswerThreeWay(Answer::Cancel);
  EXPECT_FALSE(window->CloseShow(view));
  FlushDeletes();
  ASSERT_EQ(window->Views().size(), 1u);
  EXPECT_EQ(ui.m_messages.back().text, "Save changes to edit.sho?");

  // No: closed, and the file stays as it was.
  ui.AnswerThreeWay(Answer::No);
  EXPECT_TRUE(window->CloseShow(view));
  FlushDeletes();
  EXPECT_EQ(titleOnDisk(), "");

  view = window->OpenShow(path);
  view->doc().m_strTitle = "Changed";
  view->doc().SetModifiedFlag();
  ui.AnswerThreeWay(Answer::Yes);
  EXPECT_TRUE(window->CloseShow(view));
  FlushDeletes();
  EXPECT_TRUE(window->Views().empty());
  EXPECT_EQ(titleOnDisk(), "Changed");
}

TEST_F(MainWindowTest, ToolbarsHoldOnlyTheCommandsTheProgramHas) {
  window->NewShow();
  for (QAction* action : window->mainToolBar()->actions()) {
    if (action->isSeparator()) continue;
    EXPECT_EQ(window->Command(action->text()), action) << action->text().toStdString();
  }
  const int fullCount = window->mainToolBar()->actions().size();
  // Short form: no file commands and no help.
  Run("Short Toolbar");
  EXPECT_LT(window->mainToolBar()->actions().size(), fullCount);
  EXPECT_FALSE(window->mainToolBar()->actions().contains(Command("&New")));
  EXPECT_TRUE(window->mainToolBar()->actions().contains(Command("Zoom &In")));

  // Optional toolbars exist only while shown.
  for (const auto& [name, buttons] : {std::pair{"Drawing Toolbar", 8}, {"Pointer Toolbar", 4}, {"Zoom / 3D Toolbar", 3}}) {
    SCOPED_TRACE(name);
    QAction* toggle = Command(name);
    ASSERT_NE(toggle, nullptr);
    EXPECT_EQ(window->OptionalToolBar(QString::fromLatin1(name)), nullptr);
    toggle->trigger();
    ASSERT_NE(window->OptionalToolBar(QString::fromLatin1(name)), nullptr);
    EXPECT_EQ(window->OptionalToolBar(QString::fromLatin1(name))->actions().size(), buttons);
    EXPECT_TRUE(toggle->isChecked());
    toggle->trigger();
    EXPECT_EQ(window->OptionalToolBar(QString::fromLatin1(name)), nullptr);
  }
}

TEST_F(MainWindowTest, StatusBarComesAndGoes) {
  QAction* toggle = Command("&Status Bar");
  EXPECT_TRUE(toggle->isChecked());
  toggle->trigger();
  EXPECT_EQ(window->findChild<QStatusBar*>(QStringLiteral("StatusBar")), nullptr);
  EXPECT_FALSE(toggle->isChecked());
  toggle->trigger();
  EXPECT_NE(window->findChild<QStatusBar*>(QStringLiteral("StatusBar")), nullptr);
  EXPECT_NE(window->stepBox(), nullptr);
}

TEST_F(MainWindowTest, ZoomAndPerspectiveCommandsFollowTheirLimits) {
  FieldView* view = window->NewShow();
  QAction* zoomIn = Command("Zoom &In");
  for (int i = 0; i < 7; ++i) zoomIn->trigger();  // 8640 - 7 x 864 = 2592, the limit
  EXPECT_FALSE(zoomIn->isEnabled());
  Run("Zoom &Normal");
  EXPECT_TRUE(zoomIn->isEnabled());

  Run("3D Mode");
  EXPECT_TRUE(view->state().m_b3D);
  EXPECT_TRUE(Command("3D Mode")->isChecked());
  view->doc().m_n3DHeight = 72;
  Run("Decrease 3d Height");
  EXPECT_EQ(view->doc().m_n3DHeight, 36);
  EXPECT_FALSE(Command("Decrease 3d Height")->isEnabled());
  Run("Increase 3d Depth");
  EXPECT_EQ(view->doc().m_n3DDepth, 1700 + 36);
}

// A show fills the window it opens in, Zoom Normal shows its whole field in the middle of
// it, and the Window menu lists the shows with the active one checked.
TEST_F(MainWindowTest, ShowsFillTheWindowAndTheWindowMenuListsThem) {
  window->resize(1000, 700);
  FieldView* first = window->NewShow();
  FieldView* second = window->OpenShow(WriteShow("two.sho"));
  ASSERT_TRUE(first && second);
  QTest::qWait(1);
  EXPECT_TRUE(qobject_cast<QMdiSubWindow*>(second->parentWidget())->isMaximized());
  Run("Zoom &Out");
  Run("Zoom &Normal");
  const QRectF field = second->Mapping().ToDevice(second->state().m_rcField);
  const QRectF page(QPointF(0, 0), QSizeF(second->viewport()->size()));
  EXPECT_TRUE(page.contains(field)) << field.left() << "," << field.top() << " " << field.right() << "," << field.bottom();
  EXPECT_NEAR(field.left(), page.right() - field.right(), 2.0);

  QMenu* menu = nullptr;
  for (QAction* action : window->menuBar()->actions())
    if (action->text() == QStringLiteral("&Window")) menu = action->menu();
  ASSERT_NE(menu, nullptr);
  auto listed = [&] {
    emit menu->aboutToShow();
    QStringList entries;
    for (QAction* action : menu->actions())
      if (action->isCheckable()) entries << action->text() + (action->isChecked() ? QStringLiteral(" *") : QString());
    return entries;
  };
  const QString firstTitle = first->showDocument().Title();
  EXPECT_EQ(listed(), QStringList({QStringLiteral("&1 ") + firstTitle, QStringLiteral("&2 two.sho *")}));
  for (QAction* action : menu->actions())
    if (action->text().endsWith(firstTitle)) action->trigger();
  EXPECT_EQ(window->ActiveView(), first);
  EXPECT_EQ(listed(), QStringList({QStringLiteral("&1 ") + firstTitle + QStringLiteral(" *"), QStringLiteral("&2 two.sho")}));
}

// The first start fills most of the screen; later starts come back where the window was.
TEST_F(MainWindowTest, MainWindowGeometryIsRememberedAndFirstFitsTheScreen) {
  QMainWindow fresh;
  RestoreWindowGeometry(fresh, settings);
  const QRect free = fresh.screen()->availableGeometry();
  EXPECT_LE(fresh.width(), free.width());
  EXPECT_GE(fresh.width(), free.width() * 8 / 10);
  EXPECT_LE(fresh.height(), free.height());

  fresh.setGeometry(40, 50, 640, 480);
  SaveWindowGeometry(fresh, settings);
  QMainWindow again;
  RestoreWindowGeometry(again, settings);
  EXPECT_EQ(again.size(), QSize(640, 480));
}

}  // namespace
}  // namespace px
