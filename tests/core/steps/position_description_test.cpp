#include <gtest/gtest.h>

#include "core/people/position_description.h"
#include "core/util/types.h"

namespace px {
namespace {

// Only the first line (along the field) of a description, without "This position is ".
std::string Along(int x) {
  const std::string text = DescribePosition(x, 1620);
  return text.substr(17, text.find("\r\n") - 17);
}

// Only the second line (across the field), without the final period.
std::string Across(int y) {
  const std::string text = DescribePosition(4320, y);
  const size_t start = text.find("\r\n\r\n") + 4;
  return text.substr(start, text.size() - start - 1);
}

TEST(DescribePosition, WorkedExamples) {
  // x' = 3624: 50 yard line, off 12 inches to the left; y' = 1260: on the visitor hash.
  EXPECT_EQ(DescribePosition(4344, 1620),
            "This position is 12 inches to the left of the 50 yard line\r\n\r\non the visitor hash line.");
  // x' = 1280: k = 3, off 100 > 90 -> 20 yard line, off (1280 - 1440) / 2 = -80;
  // y' = 2640: k = 2, off (2640 - 2520) / 2 = 60.
  EXPECT_EQ(DescribePosition(2000, 3000),
            "This position is 80 inches to the right of the 20 yard line to the right of the 50 yard line"
            "\r\n\r\n60 inches toward the home side from the home hash line.");
}

TEST(DescribePosition, AlongTheField) {
  // x' = 723: 10 yard line, off (723 - 720) / 2 = 1 -> on.
  EXPECT_EQ(Along(1443), "on the 10 yard line to the right of the 50 yard line");
  // x' = 717: 5 yard line off 178 -> 10 yard line, off -3 / 2 = -1 -> on.
  EXPECT_EQ(Along(1437), "on the 10 yard line to the right of the 50 yard line");
  // Exactly on the 50: no side text.
  EXPECT_EQ(Along(4320), "on the 50 yard line");
  // x' = 3602: off 1 -> on the 50, and the side text is dropped with yards = 50.
  EXPECT_EQ(Along(4322), "on the 50 yard line");
  // x' = 180: off 90 stays with the lower line; x' = 182: off 91 -> 5 yard line, off -89.
  EXPECT_EQ(Along(900), "90 inches to the left of the 0 yard line to the right of the 50 yard line");
  EXPECT_EQ(Along(902), "89 inches to the right of the 5 yard line to the right of the 50 yard line");
  // First end zone: x' = -120 -> k 0, off -60 from the 0 yard line, on its right.
  EXPECT_EQ(Along(600), "60 inches to the right of the 0 yard line to the right of the 50 yard line");
  // x' = 5760: 80 yards, counted from the other goal line as the 20, left of the 50.
  EXPECT_EQ(Along(6480), "on the 20 yard line to the left of the 50 yard line");
  // Second end zone: x' = 7280 -> 100 yards, off (7280 - 7200) / 2 = 40, the 0 yard line.
  EXPECT_EQ(Along(8000), "40 inches to the left of the 0 yard line to the left of the 50 yard line");
}

TEST(DescribePosition, AcrossTheField) {
  EXPECT_EQ(Across(360), "on the visitor sideline");
  EXPECT_EQ(Across(2880), "on the home hash line");
  EXPECT_EQ(Across(4140), "on the home sideline");
  // y' = 630 and 631: off 315 stays with the lower landmark.
  EXPECT_EQ(Across(990), "315 inches toward the home side from the visitor sideline");
  EXPECT_EQ(Across(991), "315 inches toward the home side from the visitor sideline");
  // y' = 1890: off (1890 - 1260) / 2 = 315 stays with the visitor hash.
  EXPECT_EQ(Across(2250), "315 inches toward the home side from the visitor hash line");
  // y' = 632: off 316 -> visitor hash, off (632 - 1260) / 2 = -314.
  EXPECT_EQ(Across(992), "314 inches toward the visitor side from the visitor hash line");
  // y = 0: y' = -360, off -180 from the visitor sideline.
  EXPECT_EQ(Across(0), "180 inches toward the visitor side from the visitor sideline");
}

TEST(DescribePosition, FarOffPositionsStayMeasuredFromTheLastLandmark) {
  // x' = 7920 (back of the second end zone): 100 yards, off (7920 - 7200) / 2 = 360,
  // read from the 0 yard line rather than a negative one.
  EXPECT_EQ(Along(8640), "360 inches to the left of the 0 yard line to the left of the 50 yard line");
  // x' = 7560 is where the raw yard count would reach 105: off (7560 - 7200) / 2 = 180.
  EXPECT_EQ(Along(8280), "180 inches to the left of the 0 yard line to the left of the 50 yard line");
  // y' = 8280: still the home sideline, off (8280 - 3780) / 2 = 2250.
  EXPECT_EQ(Across(8640), "2250 inches toward the home side from the home sideline");
  // y' = 5040, where the landmark would run out: off (5040 - 3780) / 2 = 630.
  EXPECT_EQ(Across(5400), "630 inches toward the home side from the home sideline");
  EXPECT_EQ(DescribePosition(POSITION_NONE.x, POSITION_NONE.y), "This position is not on the field.");
}

}  // namespace
}  // namespace px
