// The clock with songs, through a fake player: which song starts where, what happens when
// one cannot start or runs out, and the lookup of the song for a step.
#include <gtest/gtest.h>

#include "animation_fixture.h"
#include "core/animation/song_for_step.h"

namespace px::test {
namespace {

using Starts = std::vector<std::pair<std::string, int>>;
using Steps = std::vector<int>;

TEST(SongForStep, TheLatestBeginThatCoversTheStepWins) {
  CPxDoc doc;
  doc.m_bSyncToMidi = 1;
  doc.m_songs = {"0000    0016    one.mid", "0016    0032    two.mid"};
  EXPECT_EQ(SongForStep(doc, 15).fileName, "one.mid");
  EXPECT_EQ(SongForStep(doc, 16).fileName, "two.mid");
  EXPECT_EQ(SongForStep(doc, 47).fileName, "two.mid");  // 16 + 32 - 1
  EXPECT_EQ(SongForStep(doc, 48).fileName, "");

  // A short song inside a long one takes over for its steps only.
  doc.m_songs = {"0000    0040    long.mid", "0016    0008    short.mid"};
  const SongEntry inside = SongForStep(doc, 20);
  EXPECT_EQ(inside.fileName, "short.mid");
  EXPECT_EQ(inside.beginStep, 16);
  EXPECT_EQ(inside.steps, 8);
  EXPECT_EQ(SongForStep(doc, 30).fileName, "long.mid");

  // File names keep their spaces; a line without a name plays nothing.
  doc.m_songs = {"0016    0032    My Songs/march one.mid", "0000    0099    "};
  EXPECT_EQ(SongForStep(doc, 20).fileName, "My Songs/march one.mid");
  EXPECT_EQ(SongForStep(doc, 3).fileName, "");

  doc.m_bSyncToMidi = 0;
  EXPECT_EQ(SongForStep(doc, 20).fileName, "");
}

struct SongShow : AnimationFixture {
  SongShow() {
    doc.m_bSyncToMidi = 1;
    Pictures({0, 64});
  }
};

TEST(AnimationSongs, StartBeginsTheCoveringSongAtTheStepsOffset) {
  SongShow f;
  f.Song(16, 32, "a.mid");
  f.doc.SetCurrentStep(20);
  f.clock.Start();
  EXPECT_EQ(f.player.starts, (Starts{{"a.mid", 4}}));  // 20 - 16
  EXPECT_TRUE(f.doc.m_bSongStarted);
  EXPECT_TRUE(f.timer.armed);

  // While the song runs its beats move the show; the ticks neither move it nor start the
  // same song over.
  EXPECT_EQ(f.Ticks(3), (Steps{20, 20, 20}));
  EXPECT_EQ(f.player.starts.size(), 1u);
  EXPECT_TRUE(f.timer.armed);

  f.clock.Stop();
  EXPECT_FALSE(f.doc.m_bSongStarted);
  EXPECT_FALSE(f.player.running);
}

TEST(AnimationSongs, ASongThatCannotStartStopsTheShowWithAMessage) {
  SongShow f;
  f.Song(0, 32, "gone.mid");
  f.player.missing = {"gone.mid"};
  f.doc.SetCurrentStep(5);
  f.clock.Start();
  EXPECT_FALSE(f.doc.m_bPlaying);
  EXPECT_FALSE(f.timer.armed);
  EXPECT_FALSE(f.doc.m_bSongStarted);
  EXPECT_EQ(f.doc.m_nCurrentStep, 5);
  ASSERT_EQ(f.ui.m_messages.size(), 1u);
  EXPECT_EQ(f.ui.m_messages[0].text, "gone.mid: Song not found.");
  EXPECT_EQ(f.ui.m_messages[0].caption, "MIDI Song");
}

TEST(AnimationSongs, PlayingIntoASongStartsItAtItsBegin) {
  SongShow f;
  f.Song(10, 8, "a.mid");
  // 8 and 9 on the timer; at 10 the tick finds the song and starts it from its beginning,
  // and from then on the ticks leave the stepping to the music.
  EXPECT_EQ(f.PlayFrom(8, 4), (Steps{9, 10, 10, 10}));
  EXPECT_EQ(f.player.starts, (Starts{{"a.mid", 0}}));
  EXPECT_EQ(f.doc.m_strLastSong, "a.mid");
  EXPECT_EQ(f.doc.m_nLastSongBegin, 10);
}

TEST(AnimationSongs, FailingToStartASongFromATickStopsTheShow) {
  SongShow f;
  f.Song(10, 8, "gone.mid");
  f.player.missing = {"gone.mid"};
  EXPECT_EQ(f.PlayFrom(9, 5), (Steps{10, 10}));
  EXPECT_FALSE(f.doc.m_bPlaying);
  EXPECT_FALSE(f.timer.armed);
  EXPECT_EQ(f.ui.m_messages.size(), 1u);
}

TEST(AnimationSongs, NearASongsEndEverySixthTickSteps) {
  SongShow f;
  f.Song(0, 16, "a.mid");
  // At 14, step 14 + 3 = 17 lies past the song's last step 15: five ticks count, the sixth
  // steps (count 6 > 5) and starts the count again.
  EXPECT_EQ(f.PlayFrom(14, 12), (Steps{14, 14, 14, 14, 14, 15, 15, 15, 15, 15, 15, 16}));

  // With the song going on three steps ahead the ticks never step.
  SongShow g;
  g.Song(0, 16, "a.mid");
  EXPECT_EQ(g.PlayFrom(12, 8), (Steps(8, 12)));  // 12 + 3 = 15 is still the song's
}

TEST(AnimationSongs, ASongThatRunsOutStartsAgainFromTheCurrentStep) {
  SongShow f;
  f.Song(0, 32, "a.mid");
  f.PlayFrom(5, 1);
  f.doc.SetCurrentStep(9);  // the beats moved the show on
  f.player.running = false;  // the file ended before the song's steps did
  f.clock.OnTimer();
  EXPECT_EQ(f.player.starts, (Starts{{"a.mid", 5}, {"a.mid", 9}}));
  EXPECT_EQ(f.player.stops, 1);
  EXPECT_TRUE(f.doc.m_bSongStarted);
  EXPECT_TRUE(f.timer.armed);  // the timer keeps its period
}

TEST(AnimationSongs, PastTheLastSongTheShowGoesOnOnTheTimer) {
  SongShow f;
  f.Song(0, 16, "a.mid");
  f.PlayFrom(10, 1);
  f.doc.SetCurrentStep(16);  // the last beat moved the show past the song
  f.player.running = false;
  // The tick that sees the song ended starts nothing and says nothing; the next ones step.
  EXPECT_EQ(f.Ticks(3), (Steps{16, 17, 18}));
  EXPECT_TRUE(f.ui.m_messages.empty());
  EXPECT_FALSE(f.doc.m_bSongStarted);
  EXPECT_EQ(f.doc.m_strLastSong, "");
  EXPECT_EQ(f.player.starts.size(), 1u);
}

TEST(AnimationSongs, TheNextSongTakesOverWhenTheShowReachesIt) {
  SongShow f;
  f.Song(0, 16, "a.mid");
  f.Song(16, 16, "b.mid");
  f.PlayFrom(14, 1);
  f.doc.SetCurrentStep(16);  // beats
  f.clock.OnTimer();
  EXPECT_EQ(f.player.starts, (Starts{{"a.mid", 14}, {"b.mid", 0}}));
  EXPECT_EQ(f.doc.m_strLastSong, "b.mid");
}

TEST(AnimationSongs, EachBeatSetsTheStepFromTheSongAndSteps) {
  SongShow f;
  f.Song(16, 32, "a.mid");
  f.doc.SetCurrentStep(20);
  f.clock.Start();
  // Started at offset 4; the first beat hands over 5: begin 16 + 5 = 21, and the step
  // command moves on to 22.
  f.clock.OnSongBeat(5);
  EXPECT_EQ(f.doc.m_nCurrentStep, 22);
  f.clock.Stop();
  f.clock.OnSongBeat(6);  // still queued after the stop
  EXPECT_EQ(f.doc.m_nCurrentStep, 22);
}

TEST(AnimationSongs, WithoutAPlayerOrMidiPlayTheSongsAreIgnored) {
  SongShow f;
  f.Song(0, 32, "a.mid");
  f.player.canPlay = false;
  EXPECT_EQ(f.PlayFrom(3, 2), (Steps{4, 5}));
  EXPECT_TRUE(f.player.starts.empty());

  SongShow g;
  g.Song(0, 32, "a.mid");
  g.doc.m_bSyncToMidi = 0;
  EXPECT_EQ(g.PlayFrom(3, 2), (Steps{4, 5}));
  EXPECT_TRUE(g.player.starts.empty());
}

TEST(AnimationSongs, ATickAfterStoppingLetsGoOfTheSong) {
  SongShow f;
  f.Song(0, 32, "a.mid");
  f.PlayFrom(3, 1);
  f.doc.m_bPlaying = false;  // cleared without the view's Stop
  f.clock.OnTimer();
  EXPECT_FALSE(f.doc.m_bSongStarted);
  EXPECT_FALSE(f.timer.armed);
}

}  // namespace
}  // namespace px::test
