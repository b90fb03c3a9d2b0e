// The animation clock without songs: period, start and stop, the tick, the end of the show
// and the pictures.
#include <gtest/gtest.h>

#include "animation_fixture.h"

namespace px::test {
namespace {

using Steps = std::vector<int>;

TEST(AnimationPeriod, IsAMinuteDividedByTheTempo) {
  EXPECT_EQ(AnimationClock::PeriodForTempo(120), 500);  // 60000 / 120
  EXPECT_EQ(AnimationClock::PeriodForTempo(300), 200);  // 60000 / 300
  EXPECT_EQ(AnimationClock::PeriodForTempo(7), 6000);   // a damaged tempo counts as 10: 60000 / 10
  EXPECT_EQ(AnimationClock::PeriodForTempo(0), 6000);   // and never divides by zero
}

TEST(AnimationClockStart, ArmsTheTimerWithTheShowsTempoAndClearsTheSelections) {
  AnimationFixture f;
  f.Pictures({0, 8});
  f.doc.m_nTempo = 120;
  f.doc.m_selectedFormations.push_back(f.doc.m_formations[0].get());
  f.clock.Start();
  EXPECT_TRUE(f.doc.m_bPlaying);
  EXPECT_TRUE(f.timer.armed);
  EXPECT_EQ(f.timer.period, 500);
  EXPECT_TRUE(f.doc.m_selectedFormations.empty());
  EXPECT_EQ(f.timer.peopleCleared, 1);
  EXPECT_TRUE(f.clock.JustStarted());

  f.clock.Stop();
  EXPECT_FALSE(f.doc.m_bPlaying);
  EXPECT_FALSE(f.timer.armed);
}

TEST(AnimationClockStart, OnlyTheActiveViewRunsItsTimer) {
  AnimationFixture f;
  f.clock.SetActive(false);
  f.clock.Start();
  EXPECT_TRUE(f.doc.m_bPlaying);
  EXPECT_FALSE(f.timer.armed);

  // A view that loses activation while playing stops the show.
  f.clock.SetActive(true);
  f.clock.Start();
  ASSERT_TRUE(f.timer.armed);
  f.clock.SetActive(false);
  EXPECT_FALSE(f.doc.m_bPlaying);
  EXPECT_FALSE(f.timer.armed);
}

TEST(AnimationClockTick, AdvancesOneStepPerTickAndKeepsTheTimerRunning) {
  AnimationFixture f;
  f.Pictures({0, 16});
  EXPECT_EQ(f.PlayFrom(3, 4), (Steps{4, 5, 6, 7}));
  EXPECT_TRUE(f.timer.armed);
  EXPECT_FALSE(f.clock.JustStarted());
  EXPECT_EQ(f.ui.m_stepBoxTexts.back(), "Step: 7");
  EXPECT_GE(f.ui.m_timeLineRedraws, 4);
  EXPECT_EQ(f.ui.m_beeps, 0);
}

TEST(AnimationClockTick, GrowsTheShowWhenPlayingPastItsLastStep) {
  AnimationFixture f;
  f.Pictures({0, 4});
  EXPECT_EQ(f.doc.m_nLastStep, 4);
  f.PlayFrom(4, 3);
  EXPECT_EQ(f.doc.m_nCurrentStep, 7);
  EXPECT_EQ(f.doc.m_nLastStep, 7);
}

TEST(AnimationClockTick, StepBeepBeepsOncePerStep) {
  AnimationFixture f;
  f.Pictures({0, 16});
  f.doc.m_bStepBeep = 1;
  f.PlayFrom(0, 3);
  EXPECT_EQ(f.ui.m_beeps, 3);
}

TEST(AnimationClockTick, DoesNothingOnceStopped) {
  AnimationFixture f;
  f.Pictures({0, 16});
  f.PlayFrom(2, 1);
  f.clock.Stop();
  f.clock.OnTimer();          // a tick that was already on its way
  f.clock.OnAnimationStep();  // and a step command
  EXPECT_EQ(f.doc.m_nCurrentStep, 3);
  EXPECT_FALSE(f.timer.armed);
}

TEST(AnimationEndOfShow, LoopWrapsAtTheFirstMultipleOfTenPastTheLastPicture) {
  AnimationFixture f;
  f.Pictures({0, 10, 20});
  f.doc.m_bLoopAtEnd = 1;
  f.doc.m_bStopAtEnd = 1;  // the loop takes precedence
  // From the last picture at 20: 21 ... 29, 30, then 0 (30 is the first multiple of 10
  // with no picture at or after it), then on from 0.
  EXPECT_EQ(f.PlayFrom(20, 12), (Steps{21, 22, 23, 24, 25, 26, 27, 28, 29, 30, 0, 1}));
  EXPECT_TRUE(f.doc.m_bPlaying);
  EXPECT_EQ(f.doc.m_nLastStep, 30);
}

TEST(AnimationEndOfShow, StopsOnTheStepAfterTheLastPicture) {
  AnimationFixture f;
  f.Pictures({0, 8});
  f.doc.m_bStopAtEnd = 1;
  // 6 -> 7 -> 8 (a picture lies at 8) -> 9; at 9 no picture lies at or after: stop there.
  EXPECT_EQ(f.PlayFrom(6, 10), (Steps{7, 8, 9, 9}));
  EXPECT_FALSE(f.doc.m_bPlaying);
  EXPECT_FALSE(f.timer.armed);
}

TEST(AnimationEndOfShow, WithNeitherOptionPlaysOnPastTheEnd) {
  AnimationFixture f;
  f.Pictures({0, 2});
  EXPECT_EQ(f.PlayFrom(2, 4), (Steps{3, 4, 5, 6}));
}

TEST(AnimationStopAtPicture, AdvancesAtLeastOneStepFromAPictureThenStopsAtTheNext) {
  AnimationFixture f;
  f.Pictures({0, 8, 12});
  f.doc.m_bStopAtPicture = 1;
  // Start on the picture at 8: the first step is taken anyway, 9 .. 12, then the tick at
  // 12 stops without moving.
  EXPECT_EQ(f.PlayFrom(8, 10), (Steps{9, 10, 11, 12, 12}));
  EXPECT_FALSE(f.doc.m_bPlaying);
  // Start again from there: on to the step after it.
  EXPECT_EQ(f.PlayFrom(12, 1), (Steps{13}));
}

TEST(AnimationStopAtPicture, AStepCommandAfterStartIsTheFirstTick) {
  AnimationFixture f;
  f.Pictures({0, 4});
  f.doc.m_bStopAtPicture = 1;
  f.doc.SetCurrentStep(4);
  f.clock.Start();
  f.clock.OnAnimationStep();
  EXPECT_EQ(f.doc.m_nCurrentStep, 5);
  EXPECT_FALSE(f.clock.JustStarted());
}

}  // namespace
}  // namespace px::test
