#pragma once
// pyxaro-cli play: plays a show headless, as the field view's timer would, and prints the
// current step after each tick.
#include <string>
#include <vector>

namespace px {

// play FILE [--from S] [--ticks N]
int CmdPlay(const std::vector<std::string>& args);

}  // namespace px
