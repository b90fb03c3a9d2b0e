// Double-to-int conversion: truncation toward zero, and defined results for the values a
// damaged show can feed it.
#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <limits>

#include "core/util/muldiv.h"

namespace px {
namespace {

TEST(Trunc, TowardZeroAndSaturatingOutsideTheIntRange) {
  EXPECT_EQ(Trunc(2.99), 2);
  EXPECT_EQ(Trunc(-2.99), -2);
  EXPECT_EQ(Trunc(2147483647.9), INT_MAX);
  EXPECT_EQ(Trunc(-2147483648.9), INT_MIN);
  EXPECT_EQ(Trunc(1e300), INT_MAX);
  EXPECT_EQ(Trunc(-std::numeric_limits<double>::infinity()), INT_MIN);
  EXPECT_EQ(Trunc(std::nan("")), 0);
}

}  // namespace
}  // namespace px
