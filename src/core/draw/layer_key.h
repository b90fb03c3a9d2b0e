#pragma once
// Keys of drawing layers (see Canvas::BeginLayer): a hash of everything a layer's pixels
// depend on besides the canvas's own mapping.
#include <cstdint>

namespace px {

inline std::uint64_t MixKey(std::uint64_t key, std::uint64_t value) {
  return key ^ (value + 0x9E3779B97F4A7C15ull + (key << 6) + (key >> 2));
}

}  // namespace px
