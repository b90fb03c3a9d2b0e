#include "cli/spots_command.h"

#include <iostream>

#include "core/doc/pxdoc.h"
#include "cli/cli_common.h"

namespace px {
namespace {

using json = nlohmann::ordered_json;

json Point(CPoint p) { return json::array({p.x, p.y}); }

json FormationSpots(CFormation& f) {
  json outline = json::array();
  const Polyline line = f.SpotPolyline();
  for (int i = 0; i < line.count; ++i) outline.push_back(Point(line.points[i]));
  json slots = json::array();
  for (int slot = 0; slot < f.m_nPlaces; ++slot) {
    const CPlace* place = f.m_ppPlaces[static_cast<size_t>(slot)];
    json person = place ? json(place->m_pPerson ? place->m_pPerson->Id() : place->m_nPersonID) : json(nullptr);
    slots.push_back({{"person", person}, {"spot", Point(f.GetSpot(slot, 0.0, 0.0, f.m_dSkew))}});
  }
  return {{"number", f.m_nNumber}, {"step", f.m_nStep},      {"kind", ShapeKindName(f.m_nShape)},
          {"length", f.m_dLength}, {"outline", outline}, {"slots", slots}};
}

}  // namespace

json SpotsToJson(CPxDoc& doc, int step) {
  json all = json::array();
  for (const auto& f : doc.m_formations)
    if (step == -1 || f->m_nStep == step) all.push_back(FormationSpots(*f));
  return all;
}

int CmdSpots(const std::vector<std::string>& args) {
  int step = -1;
  for (size_t i = 1; i < args.size(); ++i) {
    if (args[i] == "--step" && i + 1 < args.size()) {
      if (const auto parsed = ParseInt(args[i + 1], 0)) {
        step = *parsed;
        ++i;
        continue;
      }
    }
    std::cerr << "usage: pyxaro-cli spots FILE [--step N]\n";
    return 2;
  }
  auto doc = OpenShowOrThrow(args.at(0));
  std::cout << SpotsToJson(*doc, step).dump(2) << "\n";
  return 0;
}

}  // namespace px
