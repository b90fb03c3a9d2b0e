#pragma once
#include <string>

#include "core/model/place.h"

namespace px {

// The sentence the step view and the step report show for a place; without oneLine the
// formation goes on a paragraph of its own.
std::string DescribePlace(const CPlace& place, bool oneLine);

}  // namespace px
