// The animation clock without songs: period, start and stop, the tick, the end of the show
// and the pictures.
#include <gtest/gtest.h>

#include "core/support/shows.h"

namespace px::test {
namespace {

using Steps = std::vector<int>;

TEST(AnimationClock, ADamagedTempoCountsAsTheNearestTempoAllowed) {
  // A minute divided by the tempo; the desktop tests see 200 and 500 ms on the real timer.
  EXPECT_EQ(AnimationClock::PeriodForTempo(0), 6000);    // 60000 / 10
  EXPECT_EQ(AnimationClock::PeriodForTempo(1000), 200);  // 60000 / 300
}

// Start, Stop and the active view on the real timer: tests/qt/view/animation_test.cpp.
TEST(AnimationClock, StartEmptiesTheSelectionAndAnInactiveViewDoesNotStart) {
  AnimationFixture f;
  f.Pictures({0, 8});
  f.doc.m_selection.formations.push_back(f.doc.m_formations[0].get());
  f.clock.Start();
  EXPECT_TRUE(f.doc.m_selection.formations.empty());
  EXPECT_EQ(f.timer.peopleCleared, 1);
  f.clock.Stop();
  f.clock.SetActive(false);
  f.clock.Start();
  EXPECT_FALSE(f.timer.armed);
}

TEST(AnimationClock, EachTickStepsBeepsAndGrowsTheShow) {
  AnimationFixture f;
  f.Pictures({0, 4});
  f.doc.m_bStepBeep = 1;
  EXPECT_EQ(f.PlayFrom(3, 4), (Steps{4, 5, 6, 7}));
  EXPECT_EQ(f.doc.m_nLastStep, 7);
  EXPECT_EQ(f.ui.m_beeps, 4);
  EXPECT_EQ(f.ui.m_stepBoxTexts.back(), "Step: 7");
  EXPECT_EQ(f.ui.m_timeLineRedraws, 4);

  // A tick or step command still on its way after Stop moves nothing.
  f.clock.Stop();
  f.clock.OnTimer();
  f.clock.OnAnimationStep();
  EXPECT_EQ(f.doc.m_nCurrentStep, 7);
}

TEST(AnimationClock, LoopWrapsAtTheFirstMultipleOfTenPastTheLastPicture) {
  AnimationFixture f;
  f.Pictures({0, 10, 20});
  f.doc.m_bLoopAtEnd = 1;
  f.doc.m_bStopAtEnd = 1;  // the loop takes precedence
  // 30 is the first multiple of 10 with no picture at or after it.
  EXPECT_EQ(f.PlayFrom(20, 12), (Steps{21, 22, 23, 24, 25, 26, 27, 28, 29, 30, 0, 1}));
  EXPECT_TRUE(f.doc.m_bPlaying);
}

TEST(AnimationClock, StopAtEndStopsOnTheStepAfterTheLastPicture) {
  AnimationFixture f;
  f.Pictures({0, 8});
  // Without the option the show plays on.
  EXPECT_EQ(f.PlayFrom(8, 3), (Steps{9, 10, 11}));
  // 6 -> 7 -> 8 (a picture at 8) -> 9; at 9 no picture lies at or after: stop there.
  f.doc.m_bStopAtEnd = 1;
  EXPECT_EQ(f.PlayFrom(6, 10), (Steps{7, 8, 9, 9}));
  EXPECT_FALSE(f.doc.m_bPlaying || f.timer.armed);
}

TEST(AnimationClock, StopAtEachPictureLeavesTheStartingPictureFirst) {
  AnimationFixture f;
  f.Pictures({0, 8, 12});
  f.doc.m_bStopAtPicture = 1;
  // From the picture at 8: the first step is taken anyway; the tick at 12 stops there.
  EXPECT_EQ(f.PlayFrom(8, 10), (Steps{9, 10, 11, 12, 12}));
  EXPECT_FALSE(f.doc.m_bPlaying);
  EXPECT_EQ(f.PlayFrom(12, 1), (Steps{13}));
}

}  // namespace
}  // namespace px::test
