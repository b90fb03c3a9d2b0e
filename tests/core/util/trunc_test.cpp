// Double-to-int conversion: truncation toward zero, and defined results for the values a
// damaged show can feed it.
#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <limits>
#include <utility>

#include "core/util/muldiv.h"

namespace px {
namespace {

TEST(Trunc, TowardZeroAndSaturatingOutsideTheIntRange) {
  for (auto [value, truncated] : {std::pair{2.99, 2}, {-2.99, -2}, {2147483647.9, INT_MAX}, {-2147483648.9, INT_MIN},
                                  {1e300, INT_MAX}, {-std::numeric_limits<double>::infinity(), INT_MIN},
                                  {std::nan(""), 0}})
    EXPECT_EQ(Trunc(value), truncated) << value;
}

}  // namespace
}  // namespace px
