#include "core/people/position_description.h"

#include <gtest/gtest.h>

#include "core/util/types.h"

namespace px {
namespace {

TEST(DescribePosition, WorkedExamples) {
  // x' = 3624: 50 yard line, off 12 inches to the left; y' = 1260: on the visitor hash.
  EXPECT_EQ(DescribePosition(4344, 1620),
            "This position is 12 inches to the left of the 50 yard line\r\n\r\non the visitor hash line.");
  // x' = 1280: k = 3, off 100 > 90 -> 20 yard line, off (1280 - 1440) / 2 = -80;
  // y' = 2640: k = 2, off (2640 - 2520) / 2 = 60.
  EXPECT_EQ(DescribePosition(2000, 3000),
            "This position is 80 inches to the right of the 20 yard line to the right of the 50 yard line"
            "\r\n\r\n60 inches toward the home side from the home hash line.");
  EXPECT_EQ(DescribePosition(POSITION_NONE.x, POSITION_NONE.y), "This position is not on the field.");
}

TEST(DescribePosition, AlongTheField) {
  const std::string R = " to the right of the 50 yard line", L = " to the left of the 50 yard line";
  const struct {
    int x;  // x' = x - 720
    std::string text;
  } cases[] = {
      {1443, "on the 10 yard line" + R},  // x' = 723: off (723 - 720) / 2 = 1 -> on
      {1437, "on the 10 yard line" + R},  // 717: the 5 yard line is off 178 -> the 10, off -1
      {4320, "on the 50 yard line"},      // no side text
      {4322, "on the 50 yard line"},      // off 1 -> on, and no side text at 50 yards
      // 180: off 90 stays with the lower line; 182: off 91 -> the 5 yard line, off -89.
      {900, "90 inches to the left of the 0 yard line" + R},
      {902, "89 inches to the right of the 5 yard line" + R},
      {600, "60 inches to the right of the 0 yard line" + R},  // -120: the first end zone
      {6480, "on the 20 yard line" + L},                       // 5760: 80 yards, from the other goal
      {8000, "40 inches to the left of the 0 yard line" + L},  // 7280: off (7280 - 7200) / 2
      // Far off, still from the last landmark: 7920 and 7560 give off 360 and 180.
      {8640, "360 inches to the left of the 0 yard line" + L},
      {8280, "180 inches to the left of the 0 yard line" + L},
  };
  for (const auto& c : cases) {
    const std::string text = DescribePosition(c.x, 1620);
    EXPECT_EQ(text.substr(17, text.find("\r\n") - 17), c.text) << c.x;  // after "This position is "
  }
}

TEST(DescribePosition, AcrossTheField) {
  const struct {
    int y;  // y' = y - 360
    const char* text;
  } cases[] = {
      {360, "on the visitor sideline"},
      {2880, "on the home hash line"},
      {4140, "on the home sideline"},
      {990, "315 inches toward the home side from the visitor sideline"},   // 630: off 315 stays
      {991, "315 inches toward the home side from the visitor sideline"},   // 631
      {2250, "315 inches toward the home side from the visitor hash line"},  // (1890 - 1260) / 2
      {992, "314 inches toward the visitor side from the visitor hash line"},  // 632: (632 - 1260) / 2
      {0, "180 inches toward the visitor side from the visitor sideline"},     // -360
      {8640, "2250 inches toward the home side from the home sideline"},       // (8280 - 3780) / 2
      {5400, "630 inches toward the home side from the home sideline"},        // (5040 - 3780) / 2
  };
  for (const auto& c : cases) {
    const std::string text = DescribePosition(4320, c.y);
    const size_t start = text.find("\r\n\r\n") + 4;
    EXPECT_EQ(text.substr(start, text.size() - start - 1), c.text) << c.y;  // without the period
  }
}

}  // namespace
}  // namespace px
