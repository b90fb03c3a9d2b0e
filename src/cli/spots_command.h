#pragma once
// `pyxaro-cli spots FILE [--step N]`: the outline and slot spots of every formation.
#include <string>
#include <vector>

#include <nlohmann/json.hpp>

namespace px {

class CPxDoc;

// One object per formation in document order (only those at `step` when it is not -1).
nlohmann::ordered_json SpotsToJson(CPxDoc& doc, int step);

int CmdSpots(const std::vector<std::string>& args);

}  // namespace px
