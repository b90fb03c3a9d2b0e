// The navigation commands; the Go To Step dialog is driven through its widgets in
// tests/qt/dialogs/animation_dialogs_test.cpp.
#include <gtest/gtest.h>

#include "core/support/shows.h"
#include "core/animation/navigation.h"
#include "core/util/format.h"

namespace px::test {
namespace {

// The keys on the demo show are driven in tests/qt/view/animation_test.cpp; here the ends
// of the show those keys cannot reach there.
TEST(Navigation, EndsOfTheShowStopItAndGoToStepDoesNotGrowIt) {
  AnimationFixture f;
  f.Pictures({3, 8, 8});
  f.doc.m_selection.formations.push_back(f.doc.m_formations[0].get());
  using Command = void (*)(CPxDoc&, Ui&);
  const std::pair<Command, int> moves[] = {
      {PreviousPicture, 0}, {GoToEnd, 8}, {NextPicture, 8},  // none after the last
      {NextStep, 9},        {PreviousPicture, 8}, {PreviousPicture, 3},
      {PreviousPicture, 0},  // 2, 1, 0: the walk ends at step 0
  };
  for (const auto& [command, step] : moves) {
    command(f.doc, f.ui);
    EXPECT_EQ(f.ui.m_stepBoxTexts.back(), Format("Step: %d", step));
  }
  EXPECT_EQ(f.doc.m_nLastStep, 9);
  EXPECT_TRUE(f.doc.m_selection.formations.empty());
  // Each command stops the show and refreshes the time line once.
  EXPECT_EQ(f.ui.m_animationStops, 7);
  EXPECT_EQ(f.ui.m_timeLineRedraws, 7);
  GoToStep(f.doc, f.ui, 40);
  EXPECT_EQ(f.doc.m_nLastStep, 9);
  EXPECT_EQ(f.ui.m_stepBoxTexts.back(), "Step: 40");
  EXPECT_EQ(f.ui.m_animationStops, 8);
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
  NextSong(f.doc, f.ui);  // none after the last
  EXPECT_EQ(f.doc.m_nCurrentStep, 40);
  PreviousSong(f.doc, f.ui);
  EXPECT_EQ(f.doc.m_nCurrentStep, 16);
  PreviousSong(f.doc, f.ui);
  EXPECT_EQ(f.doc.m_nCurrentStep, 0);
  EXPECT_FALSE(CanPreviousSong(f.doc));
  EXPECT_TRUE(f.ui.m_messages.empty());
}

TEST(Navigation, CommentsForwardAndBack) {
  AnimationFixture f;
  f.doc.m_comments = {"20 Finale", "8 Brass box", "not a comment", "50000 beyond the show"};
  NextComment(f.doc, f.ui);
  EXPECT_EQ(f.doc.m_nCurrentStep, 8);
  NextComment(f.doc, f.ui);
  NextComment(f.doc, f.ui);  // 50000 is no step of a show
  EXPECT_EQ(f.doc.m_nCurrentStep, 20);
  PreviousComment(f.doc, f.ui);
  EXPECT_EQ(f.doc.m_nCurrentStep, 8);
  EXPECT_TRUE(f.ui.m_messages.empty());
}

TEST(Navigation, SongsAndCommentsWhenThereAreNone) {
  AnimationFixture f;
  f.doc.SetCurrentStep(5);
  NextSong(f.doc, f.ui);
  PreviousSong(f.doc, f.ui);
  NextComment(f.doc, f.ui);
  PreviousComment(f.doc, f.ui);  // says nothing
  using Shown = std::vector<std::pair<std::string, std::string>>;
  EXPECT_EQ(f.ui.Shown(), (Shown{{"No songs.", "Next Song"}, {"No songs.", "Next Song"}, {"No comments.", "Next Comment"}}));
  EXPECT_EQ(f.doc.m_nCurrentStep, 5);  // the commands' enabled states: tests/qt/view/animation_test.cpp
}

}  // namespace
}  // namespace px::test
