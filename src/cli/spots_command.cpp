// pyxaro-cli spots FILE [--step N]: the outline and slot spots of every formation as JSON.
#include <iostream>

#include <nlohmann/json.hpp>

#include "cli/commands.h"
#include "core/doc/pxdoc.h"

namespace px {
namespace {

using json = nlohmann::ordered_json;

json Point(CPoint p) { return json::array({p.x, p.y}); }

json FormationSpots(CFormation& f) {
  json outline = json::array();
  const Polyline line = f.SpotPolyline();
  for (int i = 0; i < line.count; ++i) outline.push_back(Point(line.points[i]));
  json slots = json::array();
  const std::vector<CPoint> spots = f.GetAllSpots();
  for (size_t slot = 0; slot < spots.size(); ++slot) {
    const CPlace* place = slot < f.m_ppPlaces.size() ? f.m_ppPlaces[slot] : nullptr;
    json person = place ? json(place->m_pPerson ? place->m_pPerson->Id() : place->m_nPersonID) : json(nullptr);
    slots.push_back({{"person", person}, {"spot", Point(spots[slot])}});
  }
  return {{"number", f.m_nNumber}, {"step", f.m_nStep},      {"kind", ShapeKindName(f.m_nShape)},
          {"length", f.m_dLength}, {"outline", outline}, {"slots", slots}};
}

}  // namespace

int SpotsCommand(const Args& args) {
  const Options options(args, {{"--step"}}, 1);
  auto doc = OpenShowOrFail(options.Positional(0));
  const int step = StepOption(options, "--step", *doc, -1);
  // One object per formation in document order (only those at the step when one is given).
  json all = json::array();
  for (const auto& f : doc->m_formations)
    if (step == -1 || f->m_nStep == step) all.push_back(FormationSpots(*f));
  std::cout << all.dump(2) << "\n";
  return 0;
}

}  // namespace px
