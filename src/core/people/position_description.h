#pragma once
// Where a field position lies, in words a band member can pace off: inches from the
// nearest 5-yard line and from the nearest sideline or hash line.
#include <string>

namespace px {

// The landmarks are the fixed ones of a standard football field, whatever field the show
// uses. Lines are separated by "\r\n\r\n".
std::string DescribePosition(int x, int y);

}  // namespace px
