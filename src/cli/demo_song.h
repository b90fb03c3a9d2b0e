#pragma once
// The demo show's song: a short march of 32 beats (the show's steps 0 to 31), made from code
// so that examples/demo.mid can always be remade.
#include <cstdint>
#include <vector>

namespace px {
std::vector<std::uint8_t> BuildDemoSong();
}  // namespace px
