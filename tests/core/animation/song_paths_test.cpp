// The clock with songs, through a fake player, and the lookup of the song for a step.
#include <gtest/gtest.h>

#include "core/support/shows.h"
#include "core/animation/song_for_step.h"

namespace px::test {
namespace {

using Starts = std::vector<std::pair<std::string, int>>;
using Steps = std::vector<int>;
using Shown = std::vector<std::pair<std::string, std::string>>;

TEST(SongForStep, TheLatestBeginThatCoversTheStepWins) {
  CPxDoc doc;
  doc.m_songs = {"0000    0016    one.mid", "0016    0032    two.mid"};
  EXPECT_EQ(SongForStep(doc, 15).fileName, "one.mid");
  EXPECT_EQ(SongForStep(doc, 47).fileName, "two.mid");  // 16 + 32 - 1
  EXPECT_EQ(SongForStep(doc, 48).fileName, "");
  doc.m_songs = {"0000    0040    long.mid", "0016    0008    my short.mid", "0000    0099    "};
  EXPECT_EQ(SongForStep(doc, 20).fileName, "my short.mid");
  EXPECT_EQ(SongForStep(doc, 20).beginStep, 16);
  EXPECT_EQ(SongForStep(doc, 30).fileName, "long.mid");  // the nameless line never plays
  doc.m_bSyncToMidi = 0;
  EXPECT_EQ(SongForStep(doc, 20).fileName, "");
}

struct SongShow : AnimationFixture {
  SongShow() { Pictures({0, 64}); }
};

TEST(AnimationSongs, StartBeginsTheCoveringSongAtTheStepsOffsetAndTheBeatsStep) {
  SongShow f;
  f.Song(16, 32, "a.mid");
  f.doc.SetCurrentStep(20);
  f.clock.Start();
  EXPECT_EQ(f.player.starts, (Starts{{"a.mid", 4}}));  // 20 - 16
  // The ticks neither move the show nor start the same song over.
  EXPECT_EQ(f.Ticks(3), (Steps{20, 20, 20}));
  EXPECT_EQ(f.player.starts.size(), 1u);
  // The first beat hands over offset 4 + 1: the show is on the music's beat, 16 + 5.
  f.clock.OnSongBeat(5);
  EXPECT_EQ(f.doc.m_nCurrentStep, 21);
  f.clock.Stop();
  EXPECT_FALSE(f.player.running);
  f.clock.OnSongBeat(6);  // still queued after the stop: ignored
  EXPECT_EQ(f.doc.m_nCurrentStep, 21);
}

TEST(AnimationSongs, ASongThatCannotStartStopsTheShowWithAMessage) {
  const Shown notFound{{"gone.mid: Song not found.", "MIDI Song"}};
  SongShow f;
  f.Song(0, 32, "gone.mid");
  f.player.missing = "gone.mid";
  f.doc.SetCurrentStep(5);
  f.clock.Start();
  EXPECT_FALSE(f.doc.m_bPlaying || f.timer.armed);
  EXPECT_EQ(f.ui.Shown(), notFound);

  // The same from a tick that reaches the song.
  SongShow g;
  g.Song(10, 8, "gone.mid");
  g.player.missing = "gone.mid";
  EXPECT_EQ(g.PlayFrom(9, 5), (Steps{10, 10}));
  EXPECT_FALSE(g.doc.m_bPlaying);
  EXPECT_EQ(g.ui.Shown(), notFound);
}

TEST(AnimationSongs, TicksReachingASongStartItAtItsBegin) {
  SongShow f;
  f.Song(10, 8, "a.mid");
  EXPECT_EQ(f.PlayFrom(8, 4), (Steps{9, 10, 10, 10}));
  EXPECT_EQ(f.player.starts, (Starts{{"a.mid", 0}}));
}

TEST(AnimationSongs, NearASongsEndEverySixthTickSteps) {
  SongShow f;
  f.Song(0, 16, "a.mid");
  // At 14, 14 + 3 = 17 lies past the song's last step 15: five ticks count, the sixth
  // steps (count 6 > 5) and starts the count again.
  EXPECT_EQ(f.PlayFrom(14, 12), (Steps{14, 14, 14, 14, 14, 15, 15, 15, 15, 15, 15, 16}));
  SongShow g;
  g.Song(0, 16, "a.mid");
  EXPECT_EQ(g.PlayFrom(12, 8), (Steps(8, 12)));  // 12 + 3 = 15 is still the song's
}

TEST(AnimationSongs, ASongThatRunsOutHandsOverToTheSongAtTheStepOrToTheTimer) {
  SongShow f;
  f.Song(0, 16, "a.mid");
  f.Song(16, 16, "b.mid");
  f.PlayFrom(5, 1);
  f.doc.SetCurrentStep(9);   // the beats moved the show on
  f.player.running = false;  // the file ended before the song's steps did
  // The same song is not started again over its last steps: the timer moves the show.
  EXPECT_EQ(f.Ticks(2), (Steps{10, 11}));
  f.doc.SetCurrentStep(16);
  EXPECT_EQ(f.Ticks(1), (Steps{16}));
  EXPECT_EQ(f.player.starts, (Starts{{"a.mid", 5}, {"b.mid", 0}}));

  // Past the last song the show goes on on the timer, without a message.
  f.doc.SetCurrentStep(32);
  f.player.running = false;
  EXPECT_EQ(f.Ticks(3), (Steps{33, 34, 35}));
  EXPECT_TRUE(f.ui.m_messages.empty());
  EXPECT_EQ(f.player.starts.size(), 2u);
}

// Without MIDI play no song covers a step (SongForStep above).
TEST(AnimationSongs, WithoutAPlayerTheSongsAreIgnored) {
  SongShow f;
  f.Song(0, 32, "a.mid");
  f.player.canPlay = false;
  EXPECT_EQ(f.PlayFrom(3, 2), (Steps{4, 5}));
  EXPECT_TRUE(f.player.starts.empty());
}

}  // namespace
}  // namespace px::test
