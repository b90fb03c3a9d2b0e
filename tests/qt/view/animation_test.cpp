// Playing a show in the desktop program: U and S on a real field view with its timer, only
// the active view playing, the navigation keys, the commands' enabled states and the Time
// Line window following every move.
#include <gtest/gtest.h>

#include <QImage>
#include <QMdiSubWindow>
#include <QPointer>
#include <QTest>

#include "qt/qt_support.h"
#include "view/field_view.h"
#include "core/animation/time_line.h"
#include "view/time_line_window.h"

namespace px {
namespace {

using test::PaintCounter;
using test::WaitUntil;

constexpr QRgb kRed = qRgb(255, 0, 0);

class AnimationTest : public test::AppFixture {
 protected:
  // The demo show: pictures at steps 0, 8, 16 and 32 (its last step), a comment at step 8
  // and one song over steps 0 to 32; tempo 300.
  FieldView* OpenDemo() {
    FieldView* view = window->OpenShow(QStringLiteral(PYXARO_SOURCE_DIR "/examples/demo.sho"));
    EXPECT_NE(view, nullptr);
    // Shortcuts reach only the active window.
    window->activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowActive(window.get()));
    return view;
  }
  QString StepBox() const { return window->stepBox()->text(); }
  static void Activate(FieldView* view) {
    auto* sub = qobject_cast<QMdiSubWindow*>(view->parentWidget());
    ASSERT_NE(sub, nullptr);
    sub->mdiArea()->setActiveSubWindow(sub);
  }
};

TEST_F(AnimationTest, UPlaysTheDemoShowAtItsTempoAndSStopsIt) {
  FieldView* view = OpenDemo();
  CPxDoc& doc = view->doc();
  doc.m_bSyncToMidi = 0;  // the timer's tempo, not the song's beats
  PaintCounter counter(view->viewport());

  QTest::keyClick(view, Qt::Key_U);
  EXPECT_TRUE(doc.m_bPlaying);
  ASSERT_TRUE(view->animationTimer().isActive());
  // The demo marches at 144 steps a minute: 60000 / 144 = 416 ms a step.
  EXPECT_EQ(doc.m_nTempo, 144);
  EXPECT_EQ(view->animationTimer().interval(), 416);

  const int before = doc.m_nCurrentStep;
  const int paints = counter.paints;
  view->AnimationTick();
  EXPECT_EQ(StepBox(), QStringLiteral("Step: %1").arg(before + 1));
  EXPECT_TRUE(WaitUntil([&] { return counter.paints > paints; })) << "no redraw after a tick";
  // The timer moves the show by itself as well.
  const int reached = doc.m_nCurrentStep;
  EXPECT_TRUE(WaitUntil([&] { return doc.m_nCurrentStep > reached; }));
  EXPECT_TRUE(view->animationTimer().isActive());

  QTest::keyClick(view, Qt::Key_S);
  EXPECT_FALSE(doc.m_bPlaying);
  EXPECT_FALSE(view->animationTimer().isActive());  // a late tick: AnimationClock.EachTickStepsBeepsAndGrowsTheShow
}

TEST_F(AnimationTest, TheDemoSongsBeatsMoveTheShowFromTheClocksThread) {
  FieldView* view = OpenDemo();
  CPxDoc& doc = view->doc();
  doc.SetCurrentStep(4);
  QTest::keyClick(view, Qt::Key_U);
  ASSERT_TRUE(view->songPlayer().IsRunning());
  // The song at 120 beats a minute, not the timer's 300 steps: a beat every half second.
  EXPECT_TRUE(WaitUntil([&] { return doc.m_nCurrentStep >= 6; }, 5000));
  EXPECT_LE(doc.m_nCurrentStep, 8);
  QTest::keyClick(view, Qt::Key_S);
  EXPECT_FALSE(view->songPlayer().IsRunning());
}

TEST_F(AnimationTest, OnlyTheActiveViewPlaysAndLeavingItStopsTheShow) {
  FieldView* first = OpenDemo();
  FieldView* second = window->NewShow();
  ASSERT_EQ(window->ActiveView(), second);
  Activate(first);
  ASSERT_EQ(window->ActiveView(), first);
  Run("&Start");
  EXPECT_TRUE(first->doc().m_bPlaying);
  EXPECT_TRUE(first->animationTimer().isActive());

  Activate(second);
  EXPECT_FALSE(first->doc().m_bPlaying);
  EXPECT_FALSE(first->animationTimer().isActive());

  // Start plays the show of the view that is active now (an empty show that goes on past
  // its end).
  second->doc().m_bStopAtEnd = 0;
  Run("&Start");
  EXPECT_TRUE(second->animationTimer().isActive());
  EXPECT_FALSE(first->animationTimer().isActive());
  second->AnimationTick();
  EXPECT_EQ(StepBox(), QStringLiteral("Step: 1"));

  // A show closed while it plays takes its timer with it.
  ASSERT_TRUE(window->CloseShow(second));
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  QTest::qWait(250);
  ASSERT_EQ(window->Views().size(), 1u);
  EXPECT_EQ(window->ActiveView(), first);
  EXPECT_EQ(StepBox(), QStringLiteral("Step: 0"));
}

TEST_F(AnimationTest, NavigationKeysStopTheShowAndEmptyTheSelection) {
  FieldView* view = OpenDemo();
  CPxDoc& doc = view->doc();
  doc.m_selection.formations = {doc.m_formations.front().get()};
  Run("&Start");
  QTest::keyClick(view, Qt::Key_Y);  // Next Picture
  EXPECT_FALSE(view->animationTimer().isActive());
  EXPECT_TRUE(doc.m_selection.formations.empty());
  EXPECT_EQ(doc.m_nCurrentStep, 8);

  const std::pair<Qt::Key, int> moves[] = {
      {Qt::Key_Y, 16},          // Next Picture
      {Qt::Key_X, 32},          // Go To End
      {Qt::Key_E, 16},          // Previous Picture
      {Qt::Key_W, 0},           // Rewind
      {Qt::Key_T, 1},           // Next Step
      {Qt::Key_Right, 2},       // Next Step
      {Qt::Key_Left, 1},        // Previous Step
      {Qt::Key_AsciiTilde, 8},  // Next Comment: the comment at step 8
      {Qt::Key_QuoteLeft, 8},   // Previous Comment: none before step 8
      {Qt::Key_ParenLeft, 8},   // Next Song: the only song begins at 0
      {Qt::Key_ParenRight, 0},  // Previous Song
      {Qt::Key_R, 0},           // Previous Step at step 0 does nothing
  };
  for (const auto& [key, step] : moves) {
    QTest::keyClick(view, key);
    EXPECT_EQ(doc.m_nCurrentStep, step) << "after key " << key;
    EXPECT_EQ(StepBox(), QStringLiteral("Step: %1").arg(step));
  }
  EXPECT_FALSE(Command("&Previous Step")->isEnabled());
  QTest::keyClick(view, Qt::Key_X);
  Run("&Next Step");  // past the end the show grows
  EXPECT_EQ(doc.m_nLastStep, 33);
}

TEST_F(AnimationTest, SongAndCommentCommandsWaitForSongsAndComments) {
  window->NewShow();
  EXPECT_TRUE(Command("&Start")->isEnabled());
  EXPECT_FALSE(Command("Next S&ong")->isEnabled());
  EXPECT_FALSE(Command("Previous Son&g")->isEnabled());
  EXPECT_FALSE(Command("Ne&xt Comment")->isEnabled());

  OpenDemo();
  EXPECT_TRUE(Command("Next S&ong")->isEnabled());
  EXPECT_TRUE(Command("Ne&xt Comment")->isEnabled());
  EXPECT_FALSE(Command("Previous Son&g")->isEnabled());  // at step 0
  Run("&Next Step");
  EXPECT_TRUE(Command("Previous Son&g")->isEnabled());

  for (FieldView* view : window->Views()) ASSERT_TRUE(window->CloseShow(view));
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_FALSE(Command("&Start")->isEnabled());
  EXPECT_FALSE(Command("Time Line...")->isEnabled());
}

TEST_F(AnimationTest, TimeLineFollowsEveryNavigation) {
  FieldView* view = OpenDemo();
  QAction* toggle = Command("Time Line...");
  EXPECT_FALSE(toggle->isChecked());
  QTest::keyClick(view, Qt::Key_Asterisk);
  TimeLineWindow* timeLine = window->TimeLineOf(view->showDocument());
  ASSERT_NE(timeLine, nullptr);
  EXPECT_TRUE(toggle->isChecked());
  EXPECT_EQ(timeLine->windowTitle(), QStringLiteral("Time Line for Pyxaro Demo Show"));
  timeLine->resize(160, 320);
  ASSERT_TRUE(QTest::qWaitForWindowExposed(timeLine));

  // The red arrow at step 9 points left with its tip 10 pixels inside the scale's right end
  // and its notch 5 pixels behind the tip: 3 pixels behind the tip is red.
  const CRect scale = TimeLineScale(CRect{0, 0, 160, 320}, 32);
  PaintCounter counter(timeLine);
  Run("N&ext Picture");
  EXPECT_TRUE(WaitUntil([&] { return counter.paints > 0; })) << "no repaint after Next Picture";
  const int paints = counter.paints;
  Run("&Next Step");
  EXPECT_TRUE(WaitUntil([&] { return counter.paints > paints; })) << "no repaint after Next Step";
  EXPECT_EQ(timeLine->grab().toImage().pixel(scale.right - 7, TimeLineY(scale, 9, 32)), kRed);

  toggle->trigger();
  EXPECT_EQ(window->TimeLineOf(view->showDocument()), nullptr);
  EXPECT_FALSE(toggle->isChecked());
}

TEST_F(AnimationTest, TimeLineOfAnUntitledShowGoesWithItsShow) {
  FieldView* view = window->NewShow();
  Run("Time Line...");
  QPointer<TimeLineWindow> timeLine = window->TimeLineOf(view->showDocument());
  ASSERT_TRUE(timeLine);
  EXPECT_EQ(timeLine->windowTitle(), QStringLiteral("Time Line"));
  // Closed by its own close button: the command is no longer checked.
  timeLine->close();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  QCoreApplication::sendPostedEvents();  // the menu follows once the window is gone
  EXPECT_FALSE(timeLine);
  EXPECT_FALSE(Command("Time Line...")->isChecked());

  Run("Time Line...");
  timeLine = window->TimeLineOf(view->showDocument());
  ASSERT_TRUE(timeLine);
  ASSERT_TRUE(window->CloseShow(view));
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_FALSE(timeLine);
}

}  // namespace
}  // namespace px
