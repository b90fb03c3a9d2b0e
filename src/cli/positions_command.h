#pragma once
// pyxaro-cli positions: where every person stands at every step of a range.
#include <string>
#include <vector>

namespace px {

// positions FILE [--from S] [--to T] [--csv]
int CmdPositions(const std::vector<std::string>& args);

}  // namespace px
