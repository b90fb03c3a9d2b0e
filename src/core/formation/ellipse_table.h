#pragma once
// The 128-entry point table of the ellipse inscribed in a rectangle, shared by ellipse and
// arc outlines.
#include <array>

#include "core/util/types.h"

namespace px {

struct EllipseTable {
  static constexpr int kEntries = 128;
  // Outlines sample the first 127 entries; the last one mirrors entry 1 and is never used.
  static constexpr int kUsed = 127;
  int cx = 0;
  int cy = 0;
  std::array<CPoint, kEntries> entry{};
};

// Entry 0 is (cx + rx, cy); entries 1..31 come from the quarter turn, 32 is (cx, cy + ry),
// 33..64 mirror 31..0 in x and 65..127 mirror 63..1 in y. With absoluteRadii the radii are
// taken without their sign (arcs). The table of the last rectangle asked for is kept, so
// repeated outlines of an unchanged rectangle cost no trigonometry.
const EllipseTable& EllipseTableFor(const CRect& rect, bool absoluteRadii);

}  // namespace px
