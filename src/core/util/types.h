#pragma once
// Plain value types shared by every part of the show model.
#include <cstdint>

namespace px {

using COLORREF = std::uint32_t;  // 0x00BBGGRR, as stored in show files

constexpr COLORREF RGB(int r, int g, int b) {
  return static_cast<COLORREF>((r & 0xFF) | ((g & 0xFF) << 8) | ((b & 0xFF) << 16));
}

struct CPoint {
  int x = 0;
  int y = 0;
  friend bool operator==(const CPoint&, const CPoint&) = default;
};

struct CRect {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;
  int Width() const { return right - left; }
  int Height() const { return bottom - top; }
  friend bool operator==(const CRect&, const CRect&) = default;
};

struct LOGPEN {
  int lopnStyle = 0;
  CPoint lopnWidth;
  COLORREF lopnColor = 0;
  friend bool operator==(const LOGPEN&, const LOGPEN&) = default;
};

struct LOGBRUSH {
  int lbStyle = 0;
  COLORREF lbColor = 0;
  int lbHatch = 0;
  friend bool operator==(const LOGBRUSH&, const LOGBRUSH&) = default;
};

constexpr int PS_INSIDEFRAME = 6;
constexpr int BS_SOLID = 0;
constexpr int BS_NULL = 1;

// The marker for "no position" or "not yet computed".
constexpr int POSITION_NONE_VALUE = -999;
constexpr CPoint POSITION_NONE{POSITION_NONE_VALUE, POSITION_NONE_VALUE};

// A step value meaning "to the end of the show" in range operations.
constexpr int STEP_END = 50000;

// The drawable field spans 0..FIELD_EXTENT on both axes (120 yards).
constexpr int FIELD_EXTENT = 8640;

}  // namespace px
