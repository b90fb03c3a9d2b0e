#include "core/people/position_cache.h"

#include <gtest/gtest.h>

namespace px {
namespace {

TEST(PositionCache, StoresOnlyThePagesThatHoldPositionsAndForgetsExactRanges) {
  PositionCache cache;
  cache.resize(65536);  // the longest show a file can hold
  cache.Set(65535, CPoint{10, 20});
  cache.Set(300, POSITION_NONE);   // forgetting what was never stored takes no page
  cache.Set(70000, CPoint{1, 1});  // beyond the size: ignored
  EXPECT_EQ(cache.PagesInUse(), 1u);
  EXPECT_EQ(cache.Get(65535), (CPoint{10, 20}));
  EXPECT_EQ(cache.Get(70000), POSITION_NONE);

  cache.assign(600, CPoint{5, 5});
  cache.Invalidate(255, 513);  // crosses the page boundaries 256 and 512
  for (size_t step : {254u, 514u}) EXPECT_EQ(cache.Get(step), (CPoint{5, 5})) << step;
  for (size_t step : {255u, 256u, 513u}) EXPECT_EQ(cache.Get(step), POSITION_NONE) << step;
  cache.Invalidate(590, 50000);  // to the end of the show, and no further
  EXPECT_EQ(cache.Get(599), POSITION_NONE);
  EXPECT_EQ(cache.Get(589), (CPoint{5, 5}));
}

}  // namespace
}  // namespace px
