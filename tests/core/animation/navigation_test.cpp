// The navigation commands and the Go To Step dialog.
#include <gtest/gtest.h>

#include "animation_fixture.h"
#include "core/animation/go_to_step_dialog.h"
#include "core/animation/navigation.h"

namespace px::test {
namespace {

TEST(GoToStepDialog, MeasuresAreFourSteps) {
  GoToStepDialog dialog(13);
  EXPECT_EQ(dialog.m_nMeasure, 3);  // 13 / 4
  dialog.SetMeasure(3);
  EXPECT_EQ(dialog.m_nStep, 12);  // 3 * 4
  dialog.SetMeasure(-2);
  EXPECT_EQ(dialog.m_nStep, 0);
  EXPECT_EQ(dialog.m_nMeasure, 0);
}

TEST(GoToStepDialog, ButtonsMoveTheStepAndNeverBelowZero) {
  GoToStepDialog dialog(9);
  dialog.StepDown8();
  EXPECT_EQ(dialog.m_nStep, 1);  // 9 - 8
  dialog.StepDown8();
  EXPECT_EQ(dialog.m_nStep, 0);  // 1 is below 9
  dialog.StepDown();
  EXPECT_EQ(dialog.m_nStep, 0);
  dialog.StepUp8();
  dialog.StepUp();
  EXPECT_EQ(dialog.m_nStep, 9);
  dialog.MeasureUp();
  EXPECT_EQ(dialog.m_nStep, 13);  // 9 + 4
  EXPECT_EQ(dialog.m_nMeasure, 3);
  dialog.MeasureUp8();
  EXPECT_EQ(dialog.m_nStep, 45);  // 13 + 32
  EXPECT_EQ(dialog.m_nMeasure, 11);
  dialog.MeasureDown8();
  dialog.MeasureDown();
  EXPECT_EQ(dialog.m_nStep, 9);  // 45 - 32 - 4
  dialog.MeasureDown8();
  EXPECT_EQ(dialog.m_nStep, 0);
  dialog.SetStep(-5);  // typed
  EXPECT_EQ(dialog.ChosenStep(), 0);
}

TEST(Navigation, GoToStepGoesThereAndShowsIt) {
  AnimationFixture f;
  f.Pictures({0, 8});
  f.doc.SetCurrentStep(3);
  f.clock.Start();
  f.doc.m_selectedFormations.push_back(f.doc.m_formations[0].get());
  GoToStepDialog dialog(f.doc.m_nCurrentStep);
  dialog.SetMeasure(3);
  GoToStep(f.doc, f.ui, dialog.ChosenStep());
  EXPECT_EQ(f.doc.m_nCurrentStep, 12);
  EXPECT_EQ(f.doc.m_nLastStep, 8);  // a jump does not grow the show
  EXPECT_EQ(f.ui.m_stepBoxTexts.back(), "Step: 12");
  EXPECT_TRUE(f.doc.m_selectedFormations.empty());
  EXPECT_FALSE(f.doc.m_bPlaying);
  EXPECT_FALSE(f.timer.armed);
  EXPECT_GE(f.ui.m_timeLineRedraws, 1);
}

TEST(Navigation, StepsForwardAndBackWithinTheShow) {
  AnimationFixture f;
  f.Pictures({0, 8});
  NextStep(f.doc, f.ui);
  NextStep(f.doc, f.ui);
  EXPECT_EQ(f.doc.m_nCurrentStep, 2);
  PreviousStep(f.doc, f.ui);
  EXPECT_EQ(f.doc.m_nCurrentStep, 1);
  EXPECT_EQ(f.ui.m_stepBoxTexts, (std::vector<std::string>{"Step: 1", "Step: 2", "Step: 1"}));
  GoToEnd(f.doc, f.ui);
  EXPECT_EQ(f.doc.m_nCurrentStep, 8);
  NextStep(f.doc, f.ui);
  EXPECT_EQ(f.doc.m_nLastStep, 9);  // Next Step past the end grows the show
  Rewind(f.doc, f.ui);
  EXPECT_EQ(f.doc.m_nCurrentStep, 0);
  EXPECT_EQ(f.ui.m_animationStops, 6);
}

TEST(Navigation, DoesNothingAtTheEnds) {
  AnimationFixture f;
  f.Pictures({3, 8});
  PreviousStep(f.doc, f.ui);
  EXPECT_EQ(f.doc.m_nCurrentStep, 0);
  PreviousPicture(f.doc, f.ui);
  EXPECT_EQ(f.doc.m_nCurrentStep, 0);
  PreviousComment(f.doc, f.ui);  // no comments: nothing, not even a message
  EXPECT_EQ(f.doc.m_nCurrentStep, 0);
  EXPECT_TRUE(f.ui.m_messages.empty());

  f.doc.SetCurrentStep(8);
  NextPicture(f.doc, f.ui);  // no picture after the last
  EXPECT_EQ(f.doc.m_nCurrentStep, 8);
}

TEST(Navigation, PicturesForwardAndBackToStepZero) {
  AnimationFixture f;
  f.Pictures({3, 8, 8});
  NextPicture(f.doc, f.ui);
  EXPECT_EQ(f.doc.m_nCurrentStep, 3);
  NextPicture(f.doc, f.ui);
  EXPECT_EQ(f.doc.m_nCurrentStep, 8);
  f.doc.SetCurrentStep(11);
  PreviousPicture(f.doc, f.ui);
  EXPECT_EQ(f.doc.m_nCurrentStep, 8);
  PreviousPicture(f.doc, f.ui);
  EXPECT_EQ(f.doc.m_nCurrentStep, 3);
  PreviousPicture(f.doc, f.ui);  // 2, 1, 0: no picture, the walk ends at step 0
  EXPECT_EQ(f.doc.m_nCurrentStep, 0);
}

TEST(Navigation, NextSongFromASongsBeginGoesToTheNextSong) {
  AnimationFixture f;
  f.Song(0, 16, "a.mid");
  f.Song(40, 8, "c.mid");
  f.Song(16, 16, "b.mid");
  f.Song(30, 4, "");  // no file: skipped
  f.doc.SetCurrentStep(16);
  NextSong(f.doc, f.ui);
  EXPECT_EQ(f.doc.m_nCurrentStep, 40);
  NextSong(f.doc, f.ui);
  EXPECT_EQ(f.doc.m_nCurrentStep, 40);
  PreviousSong(f.doc, f.ui);
  EXPECT_EQ(f.doc.m_nCurrentStep, 16);
  PreviousSong(f.doc, f.ui);
  EXPECT_EQ(f.doc.m_nCurrentStep, 0);
  EXPECT_TRUE(f.ui.m_messages.empty());
  EXPECT_EQ(f.ui.m_stepBoxTexts.back(), "Step: 0");
}

TEST(Navigation, SongsAndCommentsWhenThereAreNone) {
  AnimationFixture f;
  f.doc.SetCurrentStep(5);
  NextSong(f.doc, f.ui);
  PreviousSong(f.doc, f.ui);
  NextComment(f.doc, f.ui);
  ASSERT_EQ(f.ui.m_messages.size(), 3u);
  EXPECT_EQ(f.ui.m_messages[0].text, "No songs.");
  EXPECT_EQ(f.ui.m_messages[0].caption, "Next Song");
  EXPECT_EQ(f.ui.m_messages[1].text, "No songs.");
  EXPECT_EQ(f.ui.m_messages[1].caption, "Next Song");
  EXPECT_EQ(f.ui.m_messages[2].text, "No comments.");
  EXPECT_EQ(f.ui.m_messages[2].caption, "Next Comment");
  EXPECT_EQ(f.doc.m_nCurrentStep, 5);
  EXPECT_FALSE(CanNextSong(f.doc));
  EXPECT_FALSE(CanPreviousSong(f.doc));
  EXPECT_FALSE(CanNextComment(f.doc));
}

TEST(Navigation, CommentsForwardAndBack) {
  AnimationFixture f;
  f.doc.m_comments = {"20 Finale", "8 Brass box", "not a comment", "50000 beyond the show"};
  NextComment(f.doc, f.ui);
  EXPECT_EQ(f.doc.m_nCurrentStep, 8);
  NextComment(f.doc, f.ui);
  EXPECT_EQ(f.doc.m_nCurrentStep, 20);
  NextComment(f.doc, f.ui);  // 50000 is no step of a show
  EXPECT_EQ(f.doc.m_nCurrentStep, 20);
  PreviousComment(f.doc, f.ui);
  EXPECT_EQ(f.doc.m_nCurrentStep, 8);
  EXPECT_TRUE(f.ui.m_messages.empty());
  EXPECT_TRUE(CanNextComment(f.doc));
}

TEST(Navigation, PreviousSongNeedsSongsAndAStepAboveZero) {
  AnimationFixture f;
  f.Song(0, 16, "a.mid");
  EXPECT_TRUE(CanNextSong(f.doc));
  EXPECT_FALSE(CanPreviousSong(f.doc));
  f.doc.SetCurrentStep(1);
  EXPECT_TRUE(CanPreviousSong(f.doc));
}

TEST(Navigation, StopsAPlayingShow) {
  AnimationFixture f;
  f.Pictures({0, 8, 16});
  f.PlayFrom(2, 2);
  ASSERT_TRUE(f.timer.armed);
  NextPicture(f.doc, f.ui);
  EXPECT_EQ(f.doc.m_nCurrentStep, 8);
  EXPECT_FALSE(f.doc.m_bPlaying);
  EXPECT_FALSE(f.timer.armed);
}

}  // namespace
}  // namespace px::test
