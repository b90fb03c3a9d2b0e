#include "core/people/position_description.h"

#include <gtest/gtest.h>

#include "core/util/types.h"

namespace px {
namespace {

TEST(DescribePosition, WorkedExamples) {
  // x' = 3624: 50 yard line, off 12 inches to the left; y' = 1260: on the visitor hash.
  EXPECT_EQ(DescribePosition(4344, 1620),
            "This position is 12 inches to the left of the 50 yard line\r\n\r\non the visitor hash line.");
  // The text of (2000, 3000), in front of the home hash, is checked by `pyxaro-cli describe`.
  EXPECT_EQ(DescribePosition(POSITION_NONE.x, POSITION_NONE.y), "This position is not on the field.");
}

TEST(DescribePosition, AlongTheField) {
  const std::string R = " to the right of the 50 yard line", L = " to the left of the 50 yard line";
  const struct {
    int x;  // x' = x - 720
    std::string text;
  } cases[] = {
      {1437, "on the 10 yard line" + R},  // 717: the 5 yard line is off 178 -> the 10, off -1
      {4322, "on the 50 yard line"},      // off 1 -> on, and no side text at 50 yards
      // 180: off 90 stays with the lower line; 182: off 91 -> the 5 yard line, off -89.
      {900, "90 inches to the left of the 0 yard line" + R},
      {902, "89 inches to the right of the 5 yard line" + R},
      {600, "60 inches to the right of the 0 yard line" + R},  // -120: the first end zone
      // Far off, still from the last landmark: 7920 gives off 360.
      {8640, "360 inches to the left of the 0 yard line" + L},
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
      {4140, "on the home sideline"},
      {990, "315 inches toward the home side from the visitor sideline"},   // 630: off 315 stays
      {2250, "315 inches toward the home side from the visitor hash line"},  // (1890 - 1260) / 2
      {992, "314 inches toward the visitor side from the visitor hash line"},  // 632: (632 - 1260) / 2
      {0, "180 inches toward the visitor side from the visitor sideline"},     // -360
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
