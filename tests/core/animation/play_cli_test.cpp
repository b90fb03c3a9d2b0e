// pyxaro-cli play on shows written by the test.
#include <gtest/gtest.h>

#include "core/support/shows.h"
#include "core/doc/show_file.h"
#include "core/support/files.h"

namespace px::test {
namespace {

std::string WriteShow(const TempDir& dir, const std::string& name, std::initializer_list<int> pictures, bool loop) {
  AnimationFixture f;
  f.Pictures(pictures);
  f.doc.m_bLoopAtEnd = loop;
  f.doc.m_bStopAtEnd = 1;
  f.Song(0, 8, "absent.mid");  // the command line plays no music: the song is ignored
  const std::string path = dir / name;
  EXPECT_TRUE(WriteShowFile(path, f.doc).ok);
  return path;
}

TEST(PlayCli, PrintsTheStepAfterEachTick) {
  TempDir dir("play_cli");
  const std::string show = WriteShow(dir, "stop.sho", {0, 8}, false);
  // Without a count it plays until the show stops: 9 is past the last picture at 8.
  const auto toEnd = test::RunPyxaroCli("play " + show + " --from 6");
  EXPECT_EQ(toEnd.status, 0);
  EXPECT_EQ(toEnd.out, "7\n8\n9\n9\n");
  const std::string loop = WriteShow(dir, "loop.sho", {0, 20}, true);
  EXPECT_EQ(test::RunPyxaroCli("play " + loop + " --from 28 --ticks 4").out, "29\n30\n0\n1\n");

  for (const char* bad : {" --ticks -1", " --from x", " --speed 3"})
    EXPECT_EQ(test::RunPyxaroCli("play " + show + bad).status, 2) << bad;
  EXPECT_EQ(test::RunPyxaroCli("play " + (dir / "missing.sho")).status, 1);
}

}  // namespace
}  // namespace px::test
