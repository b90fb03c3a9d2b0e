#include "core/people/position_description.h"

#include <algorithm>
#include <cstdlib>

#include "core/util/format.h"
#include "core/util/types.h"

namespace px {
namespace {

constexpr int kGoalLine = 720;       // the first goal line
constexpr int kFiftyFromGoal = 3600; // the 50 yard line, from the first goal line
constexpr int kYard = 72;
constexpr int kFiveYards = 360;
constexpr int kVisitorSideline = 360;
constexpr int kLandmarkGap = 1260;   // sideline to hash, hash to hash, hash to sideline
constexpr int kLastLandmark = 3;     // the home sideline

// The text along the field: offset, yard line and side of the 50.
std::string DescribeAlong(int x) {
  const int fromGoal = x - kGoalLine;
  std::string side = fromGoal > kFiftyFromGoal   ? " to the left of the 50 yard line"
                     : fromGoal < kFiftyFromGoal ? " to the right of the 50 yard line"
                                                 : "";
  // Beyond either goal line the position is measured from that goal line, so the yard
  // number stays within 0..100.
  const int fiveYardLine = std::clamp(fromGoal / kFiveYards, 0, 20);
  int yards = 5 * fiveYardLine;
  int off = (fromGoal - kYard * yards) / 2;
  // The nearest 5-yard line: exactly 90 inches stays with the lower line, -90 with the upper.
  if (off > 90 && yards < 100) {
    yards += 5;
    off = (fromGoal - kYard * yards) / 2;
  } else if (off < -90 && yards > 0) {
    yards -= 5;
    off = (fromGoal - kYard * yards) / 2;
  }
  std::string offset = "on";
  if (std::abs(off) > 1)
    offset = Format(off > 0 ? "%0.0lf inches to the left of" : "%0.0lf inches to the right of",
                    static_cast<double>(std::abs(off)));
  if (yards > 50) yards = 100 - yards;  // yard lines count from each goal line
  if (yards == 50) side.clear();
  return offset + Format(" the %d yard line", yards) + side;
}

// The text across the field: offset and the nearest sideline or hash line.
std::string DescribeAcross(int y) {
  static constexpr const char* kLandmarks[] = {"the visitor sideline", "the visitor hash line",
                                               "the home hash line", "the home sideline"};
  const int fromSideline = y - kVisitorSideline;
  // Beyond the home sideline the position is measured from it.
  int k = std::clamp(fromSideline / kLandmarkGap, 0, kLastLandmark);
  int off = (fromSideline - kLandmarkGap * k) / 2;
  // The nearest landmark; exactly 315 inches either way stays.
  if (off > 315 && k < kLastLandmark) {
    ++k;
    off = (fromSideline - kLandmarkGap * k) / 2;
  }
  if (off < -315 && k > 0) {
    --k;
    off = (fromSideline - kLandmarkGap * k) / 2;
  }
  std::string offset = "on ";
  if (off > 0)
    offset = Format("%0.0lf inches toward the home side from ", static_cast<double>(off));
  else if (off < 0)
    offset = Format("%0.0lf inches toward the visitor side from ", static_cast<double>(-off));
  return offset + kLandmarks[k];
}

}  // namespace

std::string DescribePosition(int x, int y) {
  if (CPoint{x, y} == POSITION_NONE) return "This position is not on the field.";
  return "This position is " + DescribeAlong(x) + "\r\n\r\n" + DescribeAcross(y) + ".";
}

}  // namespace px
