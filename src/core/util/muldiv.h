#pragma once
// Integer arithmetic rules shared by all geometry and motion code.
#include <climits>
#include <cmath>
#include <cstdint>

namespace px {

// a * b / c with a 64-bit product, rounded to nearest with halves away from zero.
// A zero divisor gives -1, as the platform routine this mirrors does.
inline int MulDiv(int a, int b, int c) {
  if (c == 0) return -1;
  const std::int64_t num = static_cast<std::int64_t>(a) * b;
  const std::int64_t den = c;
  const bool negative = (num < 0) != (den < 0);
  const std::uint64_t an = num < 0 ? static_cast<std::uint64_t>(-num) : static_cast<std::uint64_t>(num);
  const std::uint64_t ad = den < 0 ? static_cast<std::uint64_t>(-den) : static_cast<std::uint64_t>(den);
  const std::uint64_t q = (an + ad / 2) / ad;
  const std::int64_t r = negative ? -static_cast<std::int64_t>(q) : static_cast<std::int64_t>(q);
  return static_cast<int>(r);
}

// Conversion of a double to an integer truncating toward zero (the default rule). Values
// beyond the int range saturate and NaN gives 0; both come only from damaged shows, where a
// plain cast would be undefined.
inline int Trunc(double v) {
  if (std::isnan(v)) return 0;
  if (v >= 2147483647.0) return INT_MAX;
  if (v <= -2147483648.0) return INT_MIN;
  return static_cast<int>(v);
}

}  // namespace px
