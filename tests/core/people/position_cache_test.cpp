#include "core/people/position_cache.h"

#include <gtest/gtest.h>

namespace px {
namespace {

TEST(PositionCache, StoresOnlyThePagesThatHoldPositions) {
  PositionCache cache;
  cache.resize(65536);  // the longest show a file can hold
  EXPECT_EQ(cache.PagesInUse(), 0u);
  EXPECT_EQ(cache.Get(65535), POSITION_NONE);

  cache.Set(65535, CPoint{10, 20});
  cache.Set(300, POSITION_NONE);  // forgetting what was never stored takes no page
  EXPECT_EQ(cache.PagesInUse(), 1u);
  EXPECT_EQ(cache.Get(65535), (CPoint{10, 20}));
  EXPECT_EQ(cache.Get(65534), POSITION_NONE);

  cache.Set(70000, CPoint{1, 1});  // beyond the size: ignored
  EXPECT_EQ(cache.Get(70000), POSITION_NONE);
}

TEST(PositionCache, InvalidateForgetsExactlyTheRange) {
  PositionCache cache;
  cache.assign(600, CPoint{5, 5});
  cache.Invalidate(255, 513);  // crosses two page boundaries (256 and 512)
  EXPECT_EQ(cache.Get(254), (CPoint{5, 5}));
  EXPECT_EQ(cache.Get(255), POSITION_NONE);
  EXPECT_EQ(cache.Get(513), POSITION_NONE);
  EXPECT_EQ(cache.Get(514), (CPoint{5, 5}));
  cache.Invalidate(590, 50000);  // to the end of the show
  EXPECT_EQ(cache.Get(599), POSITION_NONE);
  EXPECT_EQ(cache.Get(589), (CPoint{5, 5}));
}

}  // namespace
}  // namespace px
