#include "core/formation/ellipse_table.h"

#include <cmath>
#include <cstdlib>

#include "core/formation/formation.h"
#include "core/util/muldiv.h"

namespace px {
namespace {

void Build(EllipseTable& t, int cx, int cy, int rx, int ry) {
  t.cx = cx;
  t.cy = cy;
  t.entry[0] = CPoint{cx + rx, cy};
  for (int k = 1; k <= 31; ++k) {
    const double a = k * PI / 64.0;
    t.entry[static_cast<size_t>(k)] = CPoint{cx + Trunc(rx * std::cos(a)), cy + Trunc(ry * std::sin(a))};
  }
  t.entry[32] = CPoint{cx, cy + ry};
  for (int j = 1; j <= 32; ++j) {
    const CPoint& from = t.entry[static_cast<size_t>(32 - j)];
    t.entry[static_cast<size_t>(32 + j)] = CPoint{2 * cx - from.x, from.y};
  }
  for (int j = 1; j <= 63; ++j) {
    const CPoint& from = t.entry[static_cast<size_t>(64 - j)];
    t.entry[static_cast<size_t>(64 + j)] = CPoint{from.x, 2 * cy - from.y};
  }
}

struct CachedTable {
  bool valid = false;
  CRect rect;
  bool absoluteRadii = false;
  EllipseTable table;
};

}  // namespace

const EllipseTable& EllipseTableFor(const CRect& rect, bool absoluteRadii) {
  thread_local CachedTable cache;
  if (!cache.valid || cache.rect != rect || cache.absoluteRadii != absoluteRadii) {
    const int cx = rect.left + (rect.right - rect.left) / 2;
    const int cy = rect.top + (rect.bottom - rect.top) / 2;
    int rx = (rect.right - rect.left) / 2;
    int ry = (rect.bottom - rect.top) / 2;
    if (absoluteRadii) {
      rx = std::abs(rx);
      ry = std::abs(ry);
    }
    Build(cache.table, cx, cy, rx, ry);
    cache.rect = rect;
    cache.absoluteRadii = absoluteRadii;
    cache.valid = true;
  }
  return cache.table;
}

}  // namespace px
