// Group symbols named in a show: a bitmap file loads, anything else falls back to the
// built-in picture without a message.
#include <gtest/gtest.h>

#include <filesystem>

#include "core/doc/pxdoc.h"
#include "core/doc/show_file.h"
#include "core/support/files.h"

namespace px {
namespace {

TEST(SymbolBitmaps, FilesThatLoadAndFilesThatFallBack) {
  test::TempDir dir("symbols");
  std::vector<char> bmp(70, '\0');
  bmp[0] = 'B';
  bmp[1] = 'M';
  test::WriteAll(dir / "brass.bmp", bmp);
  test::WriteAll(dir / "short.bmp", {'B', 'M', 0, 0});
  test::WriteAll(dir / "text.bmp", std::vector<char>(70, 'x'));
  std::filesystem::create_directory(dir / "folder.bmp");
  // A header that says bitmap on a file far too large for a symbol.
  test::WriteAll(dir / "huge.bmp", {'B', 'M'});
  std::filesystem::resize_file(dir / "huge.bmp", (64u << 20) + 1);

  CPxDoc doc;
  doc.m_strSymbolBitmapFile[GROUP_BRASS] = dir / "brass.bmp";
  doc.m_strSymbolBitmapFile[GROUP_DRUMS] = dir / "short.bmp";
  doc.m_strSymbolBitmapFile[GROUP_FLAG] = dir / "text.bmp";
  doc.m_strSymbolBitmapFile[GROUP_HORNS] = dir / "folder.bmp";
  doc.m_strSymbolBitmapFile[GROUP_RIFLES] = dir / "huge.bmp";
  doc.m_strSymbolBitmapFile[GROUP_WOODWINDS] = dir / "missing.bmp";
  // Loading a show runs the same code as the "Set Bitmaps" dialog.
  CPxDoc read;
  LoadShowFromBytes(SaveShowToBytes(doc), read);
  EXPECT_TRUE(read.m_bCustomBitmaps);
  const auto& bitmaps = read.m_pSymbolBitmaps;
  EXPECT_EQ(bitmaps[GROUP_BRASS]->file, dir / "brass.bmp");
  EXPECT_EQ(bitmaps[GROUP_BRASS]->bytes.size(), 70u);
  for (int group : {GROUP_DRUMS, GROUP_FLAG, GROUP_HORNS, GROUP_RIFLES, GROUP_WOODWINDS, GROUP_BATON}) {
    EXPECT_EQ(bitmaps[static_cast<size_t>(group)]->file, "") << group;
    EXPECT_TRUE(bitmaps[static_cast<size_t>(group)]->bytes.empty()) << group;
    EXPECT_EQ(bitmaps[static_cast<size_t>(group)]->resourceId, BuiltInSymbolResource(group));
  }
  read.FreeSymbolBitmaps();
  EXPECT_EQ(read.m_pSymbolBitmaps[0], nullptr);
}

}  // namespace
}  // namespace px
