#include "cli/demo_show.h"

#include <algorithm>
#include <string>
#include <vector>

#include "core/doc/pxdoc.h"
#include "core/midi/song_entry.h"
#include "core/util/format.h"

namespace px {
namespace {

struct Section {
  int group;
  const char* name;
  const char* letter;
  int count;
};

// Twelve brass, eight woodwinds, four drums and four flags.
constexpr Section kSections[] = {
    {GROUP_BRASS, "Trumpet", "T", 12},
    {GROUP_WOODWINDS, "Clarinet", "C", 8},
    {GROUP_DRUMS, "Snare", "S", 4},
    {GROUP_FLAG, "Flag", "", 4},
};

CFormation* AddRect(CPxDoc& doc, int step, int kind, const CRect& rect, const char* name) {
  doc.SetCurrentStep(step);
  auto f = std::make_unique<CDrawRect>(rect);
  f->m_nShape = kind;
  f->m_strName = name;
  f->m_ptPivot = f->m_ptPivotSaved = CPoint{rect.left + (rect.right - rect.left) / 2, rect.top + (rect.bottom - rect.top) / 2};
  CFormation* added = doc.AddFormation(std::move(f));
  added->RecalcOutline();
  return added;
}

// A two-row block.
CFormation* Block(CFormation* rectangle) {
  rectangle->m_bBlock = 1;
  rectangle->m_nRows = 2;
  return rectangle;
}

CFormation* AddPoly(CPxDoc& doc, int step, int kind, const std::vector<CPoint>& points, const char* name) {
  doc.SetCurrentStep(step);
  auto f = std::make_unique<CDrawPoly>();
  f->m_nShape = kind;
  f->m_strName = name;
  f->SetPoints(points);
  CRect box{points[0].x, points[0].y, points[0].x, points[0].y};
  for (const CPoint& p : points) {
    box.left = std::min(box.left, p.x);
    box.top = std::min(box.top, p.y);
    box.right = std::max(box.right, p.x);
    box.bottom = std::max(box.bottom, p.y);
  }
  f->m_rcBase = box;
  f->m_ptPivot = f->m_ptPivotSaved = CPoint{box.left + box.Width() / 2, box.top + box.Height() / 2};
  CFormation* added = doc.AddFormation(std::move(f));
  added->RecalcOutline();
  return added;
}

// Puts the people on the formation, each on the free spot nearest to where they stood at
// `fromStep`, as a designer would chart the set (the first set keeps the given order), and
// gives their new places a march mode and the formation the section's colour.
void Spot(const std::vector<CPerson*>& people, CFormation* formation, int marchMode, COLORREF color, int fromStep = -1) {
  formation->m_logpen.lopnColor = color;
  std::vector<CPerson*> order = people;
  if (fromStep >= 0) {
    for (CPerson* person : people) person->AssignToFormation(nullptr, formation);
    const std::vector<CPoint> spots = formation->GetAllSpots();
    std::vector<CPoint> from;
    for (CPerson* person : people) from.push_back(person->GetPosition(fromStep));
    for (CPerson* person : people) person->DeassignFormation(formation);
    // Onto a line, left to right as they stand: nobody crosses a neighbour's path. Onto any
    // other shape, closest pairs first.
    std::vector<bool> taken(people.size(), false), placed(people.size(), false);
    const bool line = formation->m_nShape == SHAPE_LINE;
    if (line) {
      std::vector<size_t> byX(people.size()), spotsByX(people.size());
      for (size_t i = 0; i < people.size(); ++i) byX[i] = spotsByX[i] = i;
      std::stable_sort(byX.begin(), byX.end(), [&](size_t a, size_t b) { return from[a].x < from[b].x; });
      std::stable_sort(spotsByX.begin(), spotsByX.end(), [&](size_t a, size_t b) { return spots[a].x < spots[b].x; });
      for (size_t i = 0; i < people.size(); ++i) order[spotsByX[i]] = people[byX[i]];
    }
    for (size_t round = 0; !line && round < people.size(); ++round) {
      double best = -1;
      size_t bestPerson = 0, bestSpot = 0;
      for (size_t p = 0; p < people.size(); ++p)
        for (size_t s = 0; s < spots.size() && s < people.size(); ++s) {
          if (placed[p] || taken[s]) continue;
          const double dx = from[p].x - spots[s].x, dy = from[p].y - spots[s].y;
          if (best < 0 || dx * dx + dy * dy < best) {
            best = dx * dx + dy * dy;
            bestPerson = p;
            bestSpot = s;
          }
        }
      placed[bestPerson] = taken[bestSpot] = true;
      order[bestSpot] = people[bestPerson];
    }
  }
  for (CPerson* person : order)
    if (CPlace* place = person->AssignToFormation(nullptr, formation)) place->m_nMarchMode = marchMode;
}

}  // namespace

std::unique_ptr<CPxDoc> BuildDemoShow() {
  auto doc = std::make_unique<CPxDoc>();
  CPxDoc& d = *doc;
  d.m_strTitle = "Pyxaro Demo Show";
  d.m_strDesigner = "Pyxaro";
  d.m_strDate = "2026";
  d.m_strOtherInfo = "A short show that uses every kind of formation.";

  std::vector<CPerson*> bySection[4];
  int id = 1;
  for (int s = 0; s < 4; ++s) {
    for (int i = 1; i <= kSections[s].count; ++i) {
      auto person = std::make_unique<CPerson>();
      person->m_nNumber = id++;
      person->m_strName = Format("%s %d", kSections[s].name, i);
      person->m_strNote = kSections[s].letter;
      person->m_nGroup = kSections[s].group;
      person->SetHeight(i % 3 == 0 ? "66" : "62.5");
      if (kSections[s].group == GROUP_FLAG) person->m_nShape = SHAPE_FLAG;
      if (kSections[s].group == GROUP_DRUMS) person->m_nShape = SHAPE_CIRCLE;
      bySection[s].push_back(d.AddPerson(std::move(person)));
    }
  }
  auto& brass = bySection[0];
  auto& winds = bySection[1];
  auto& drums = bySection[2];
  auto& flags = bySection[3];

  // Section colours, so the formations read apart from the field lines and each other.
  constexpr COLORREF kBrass = RGB(176, 32, 32), kWinds = RGB(16, 112, 48), kDrums = RGB(24, 56, 160),
                     kFlags = RGB(128, 48, 144);

  // Step 0: the opening set, around the 50 between the hash lines.
  Spot(brass, AddRect(d, 0, SHAPE_LINE, CRect{3690, 1800, 4950, 1800}, "Brass line"), MARCH_FLOAT, kBrass);
  Spot(winds, AddPoly(d, 0, SHAPE_POLYGON, {{3600, 2520}, {3960, 2880}, {4320, 2520}, {4680, 2880}, {5040, 2520}}, "Woodwind zigzag"),
       MARCH_FLOAT, kWinds);
  Spot(drums, Block(AddRect(d, 0, SHAPE_RECTANGLE, CRect{4050, 3240, 4590, 3420}, "Drum block")), MARCH_FLOAT, kDrums);
  CFormation* arc0 = AddRect(d, 0, SHAPE_ARC, CRect{3600, 720, 5040, 1260}, "Flag arc");
  arc0->m_dArcStart = PI / 6;
  arc0->m_dArcEnd = 5 * PI / 6;
  arc0->RecalcOutline();
  Spot(flags, arc0, MARCH_FLOAT, kFlags);

  // Step 8 (8 counts): the brass open into a box on the yard and step lines, the woodwinds
  // ease back into a curve, the drums step back, the flag arc closes in.
  Spot(brass, AddRect(d, 8, SHAPE_RECTANGLE, CRect{3960, 1440, 4680, 2160}, "Brass box"), MARCH_FLOAT, kBrass, 0);
  Spot(winds, AddPoly(d, 8, SHAPE_CURVE, {{3600, 2700}, {3960, 3060}, {4320, 2700}, {4680, 3060}, {5040, 2700}}, "Woodwind curve"),
       MARCH_FLOAT, kWinds, 0);
  Spot(drums, Block(AddRect(d, 8, SHAPE_RECTANGLE, CRect{4050, 3420, 4590, 3600}, "Drum block")), MARCH_YX, kDrums, 0);
  CFormation* arc8 = AddRect(d, 8, SHAPE_ARC, CRect{3600, 720, 5040, 1260}, "Flag arc");
  arc8->m_dArcStart = PI / 4;
  arc8->m_dArcEnd = 3 * PI / 4;
  arc8->RecalcOutline();
  Spot(flags, arc8, MARCH_FLOAT, kFlags, 0);

  // Step 16 (8 counts): a brass circle, the woodwinds in a diamond below it.
  Spot(brass, AddRect(d, 16, SHAPE_ELLIPSE, CRect{3780, 1260, 4860, 2340}, "Brass circle"), MARCH_FLOAT, kBrass, 8);
  Spot(winds,
       AddPoly(d, 16, SHAPE_CLOSED_POLYGON, {{4320, 2520}, {5220, 2880}, {4320, 3240}, {3420, 2880}}, "Woodwind diamond"),
       MARCH_FLOAT, kWinds, 8);
  Spot(drums, Block(AddRect(d, 16, SHAPE_RECTANGLE, CRect{4050, 3420, 4590, 3600}, "Drum block")), MARCH_FLOAT, kDrums, 8);
  Spot(flags, AddRect(d, 16, SHAPE_LINE, CRect{3960, 1080, 4680, 1080}, "Flag line"), MARCH_FLOAT, kFlags, 8);

  // Step 32 (16 counts): the company front, every section on its own line.
  Spot(brass, AddRect(d, 32, SHAPE_LINE, CRect{3600, 2160, 5040, 2160}, "Company front"), MARCH_FLOAT, kBrass, 16);
  Spot(winds, AddRect(d, 32, SHAPE_LINE, CRect{3600, 2520, 5040, 2520}, "Woodwind front"), MARCH_FLOAT, kWinds, 16);
  Spot(drums, Block(AddRect(d, 32, SHAPE_RECTANGLE, CRect{4050, 2880, 4590, 3060}, "Drum block")), MARCH_FLOAT, kDrums, 16);
  Spot(flags, AddRect(d, 32, SHAPE_LINE, CRect{3600, 1620, 5040, 1620}, "Flag front"), MARCH_FLOAT, kFlags, 16);

  // While the drum block holds, the first snare steps out of it toward the stands for four
  // counts and back in for four.
  for (const auto& [count, toward] : {std::pair{8, true}, std::pair{12, false}}) {
    auto inst = std::make_unique<CStepInst>();
    inst->m_nCount = count;
    inst->m_nSteps = 4;
    inst->m_bTowardStands = toward;
    inst->m_bAwayFromStands = !toward;
    inst->m_dStepSize = 45.0;
    drums[0]->m_stepInsts.push_back(std::move(inst));
  }

  d.m_comments.push_back("8 Brass box: horns up on count 8.");
  d.m_songs.push_back(FormatSongEntry(SongEntry{0, 32, "demo.mid"}));

  // The show's own settings: a march tempo, letters and ID numbers that read at Zoom Normal
  // and on paper, and a high eye for 3D.
  d.m_nTempo = 144;
  d.m_bShowIdNumbers = 1;
  d.m_nIdSize = 72;
  d.m_nPeopleTextSize = 108;
  d.m_nPersonSize = 36;
  // Seen from higher up, the perspective field stands twice as tall in the view.
  d.m_n3DHeight = 2400;

  d.SetCurrentStep(0);
  d.RecalcLastStep();
  d.RecalcPositions();
  d.SetModifiedFlag(false);
  return doc;
}

}  // namespace px
