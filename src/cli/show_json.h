#pragma once
// The JSON form of a show, as printed by `pyxaro-cli dump`.
#include <nlohmann/json.hpp>

namespace px {
class CPxDoc;
nlohmann::json ShowToJson(const CPxDoc& doc);
}  // namespace px
