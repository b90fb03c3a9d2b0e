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
  for (auto [group, file] : {std::pair{GROUP_BRASS, "brass.bmp"}, {GROUP_DRUMS, "short.bmp"}, {GROUP_FLAG, "text.bmp"},
                             {GROUP_HORNS, "folder.bmp"}, {GROUP_RIFLES, "huge.bmp"}, {GROUP_WOODWINDS, "missing.bmp"}})
    doc.m_strSymbolBitmapFile[static_cast<size_t>(group)] = dir / file;
  // Loading a show runs the same code as the "Set Bitmaps" dialog.
  CPxDoc read;
  LoadShowFromBytes(SaveShowToBytes(doc), read);
  EXPECT_TRUE(read.m_bCustomBitmaps);
  const auto& bitmaps = read.m_pSymbolBitmaps;
  EXPECT_EQ(bitmaps[GROUP_BRASS]->file, dir / "brass.bmp");
  EXPECT_EQ(bitmaps[GROUP_BRASS]->bytes.size(), 70u);
  for (int group : {GROUP_DRUMS, GROUP_FLAG, GROUP_HORNS, GROUP_RIFLES, GROUP_WOODWINDS, GROUP_BATON}) {
    const SymbolBitmap& b = *bitmaps[static_cast<size_t>(group)];
    EXPECT_TRUE(b.file.empty() && b.bytes.empty() && b.resourceId == BuiltInSymbolResource(group)) << group;
  }
  read.FreeSymbolBitmaps();
  EXPECT_EQ(read.m_pSymbolBitmaps[0], nullptr);
}

}  // namespace
}  // namespace px
