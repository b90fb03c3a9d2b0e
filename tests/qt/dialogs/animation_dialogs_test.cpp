// The Go To Step and Animation Options dialogs driven through their widgets: values reach
// their core models and the show, refused values show their message and keep the dialog
// open, and Help opens each dialog's topic.
#include <gtest/gtest.h>

#include <tuple>

#include "dialogs/animation_options_dialog.h"
#include "dialogs/go_to_step_dialog.h"
#include "qt/qt_support.h"

namespace px {
namespace {

using test::WithModal;
using AnimationDialogTest = test::ShowFixture;

TEST_F(AnimationDialogTest, GoToStepKeepsStepAndMeasureTogether) {
  doc().SetCurrentStep(13);
  QString help;
  bool stayedOpen = false;
  WithModal<GoToStepQtDialog>([&] { Run("Go To Step..."); },
                         [&](GoToStepQtDialog& d) {
                           help = HelpShownBy(d);
                           // Opens at the current step: 13 / 4 = measure 3.
                           EXPECT_EQ(d.step->text(), QStringLiteral("13"));
                           EXPECT_EQ(d.measure->text(), QStringLiteral("3"));
                           Type(d.measure, QStringLiteral("5"));  // 5 x 4
                           EXPECT_EQ(d.step->text(), QStringLiteral("20"));
                           d.Button(QStringLiteral("Step:"), QStringLiteral("+"))->click();
                           EXPECT_EQ(d.step->text(), QStringLiteral("21"));
                           EXPECT_EQ(d.measure->text(), QStringLiteral("5"));
                           // 21 - 32 would be below step 0.
                           d.Button(QStringLiteral("Measure:"), QStringLiteral("- 8"))->click();
                           EXPECT_EQ(d.step->text(), QStringLiteral("0"));
                           d.Button(QStringLiteral("Step:"), QStringLiteral("+ 8"))->click();
                           d.Button(QStringLiteral("Measure:"), QStringLiteral("+"))->click();
                           EXPECT_EQ(d.step->text(), QStringLiteral("12"));  // 8 + 4
                           EXPECT_EQ(d.measure->text(), QStringLiteral("3"));
                           Type(d.step, QStringLiteral("4x"));
                           d.okButton()->click();
                           stayedOpen = d.isVisible();
                           // Beyond the show's last step is fine.
                           Type(d.step, QStringLiteral("43"));
                           EXPECT_EQ(d.measure->text(), QStringLiteral("10"));  // 43 / 4, truncated
                           d.okButton()->click();
                         });
  EXPECT_EQ(help, PageOf("The Animate Go To Step Command"));
  EXPECT_TRUE(stayedOpen);
  EXPECT_EQ(ui.Shown(), (Shown{{"Please enter an integer.", "Go To Step"}}));
  EXPECT_EQ(doc().m_nCurrentStep, 43);
  EXPECT_EQ(doc().m_nLastStep, 0);
  EXPECT_EQ(window->stepBox()->text(), QStringLiteral("Step: 43"));
}

TEST_F(AnimationDialogTest, GoToStepMakesNegativeValuesStepZeroAndCancelStays) {
  doc().SetCurrentStep(6);
  WithModal<GoToStepQtDialog>([&] { Run("Go To Step..."); },
                         [](GoToStepQtDialog& d) {
                           // The buttons the test above does not press, from step 100.
                           for (auto [row, button, step] : {std::tuple{"Step:", "-", 99}, {"Step:", "- 8", 92},
                                                            {"Measure:", "-", 96}, {"Measure:", "+ 8", 132}}) {
                             Type(d.step, QStringLiteral("100"));
                             d.Button(QString::fromLatin1(row), QString::fromLatin1(button))->click();
                             EXPECT_EQ(d.step->text(), QString::number(step)) << row << button;
                           }
                           d.reject();
                         });
  EXPECT_EQ(doc().m_nCurrentStep, 6);
  WithModal<GoToStepQtDialog>([&] { Run("Go To Step..."); },
                         [](GoToStepQtDialog& d) {
                           Type(d.measure, QStringLiteral("-2"));
                           EXPECT_EQ(d.step->text(), QStringLiteral("0"));
                           // Leaving the field shows the measure the step stands for.
                           emit d.measure->editingFinished();
                           EXPECT_EQ(d.measure->text(), QStringLiteral("0"));
                           Type(d.step, QStringLiteral("-7"));
                           d.okButton()->click();
                         });
  EXPECT_TRUE(ui.m_messages.empty());
  EXPECT_EQ(doc().m_nCurrentStep, 0);
}

TEST_F(AnimationDialogTest, AnimationOptionsRefusesShortStepsAndSlowTemposAndStoresTheRest) {
  doc().m_bStopAtEnd = 0;
  Run("&Start");
  ASSERT_TRUE(doc().m_bPlaying);
  QString help;
  int stillOpen = 0;
  WithModal<AnimationOptionsQtDialog>(
      [&] { Run("Animation Options..."); },
      [&](AnimationOptionsQtDialog& d) {
        EXPECT_FALSE(doc().m_bPlaying);  // the command stops the show before the dialog opens
        help = HelpShownBy(d);
        // A new show: steps of 45 units are 22.5 inches.
        EXPECT_EQ(d.stepSize->text(), QStringLiteral("22.50"));
        EXPECT_EQ(d.tempo->value(), 300);
        EXPECT_FALSE(d.stopAtEnd->isChecked());
        Type(d.stepSize, QStringLiteral("11.99"));
        d.okButton()->click();
        stillOpen += d.isVisible();
        Type(d.stepSize, QStringLiteral("30"));
        d.tempo->setValue(7);
        d.okButton()->click();
        stillOpen += d.isVisible();
        // The arrows stay within 10 to 300.
        d.tempo->stepUp();
        EXPECT_EQ(d.tempo->value(), 10);
        d.tempo->setValue(120);
        d.loopAtEnd->setChecked(true);
        d.stopAtPicture->setChecked(true);
        d.syncToMidi->setChecked(false);
        d.okButton()->click();
      });
  EXPECT_EQ(help, PageOf("The Animate Animation Options Command"));
  EXPECT_EQ(stillOpen, 2);
  EXPECT_EQ(ui.Shown(), (Shown{{"Step size must be at least 12 inches.", "March Options"},
                               {"Tempo must be between 10 and 300.", "March Options"}}));
  // 30 inches are 60 units; tempo, loop, stop at picture, sync to MIDI, stop at end.
  EXPECT_EQ(doc().m_dStepSize, 60.0);
  EXPECT_EQ((std::vector<int>{doc().m_nTempo, doc().m_bLoopAtEnd, doc().m_bStopAtPicture, doc().m_bSyncToMidi,
                              doc().m_bStopAtEnd}),
            (std::vector<int>{120, 1, 1, 0, 0}));
  EXPECT_TRUE(doc().IsModified());

  // The next Start plays at the new tempo: 60000 / 120 = 500 ms.
  Run("&Start");
  EXPECT_EQ(view->animationTimer().interval(), 500);
  Run("S&top");
}

}  // namespace
}  // namespace px
