#pragma once
// pyxaro-cli's position and step-sheet commands.
#include <string>
#include <vector>

namespace px {

// describe X Y: the position description of a field point.
int CmdDescribe(const std::vector<std::string>& args);
// report FILE --person ID: what Show Steps shows for the person at the show's current step.
int CmdReport(const std::vector<std::string>& args);

}  // namespace px
