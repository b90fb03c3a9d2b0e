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

// Puts the people in order on the formation and gives their new places a march mode.
void Spot(const std::vector<CPerson*>& people, CFormation* formation, int marchMode) {
  for (CPerson* person : people)
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

  // Step 0: the opening set.
  Spot(brass, AddRect(d, 0, SHAPE_LINE, CRect{2880, 1620, 5760, 1620}, "Brass line"), MARCH_FLOAT);
  Spot(winds, AddPoly(d, 0, SHAPE_POLYGON, {{2880, 2520}, {3600, 2880}, {4320, 2520}, {5040, 2880}, {5760, 2520}}, "Woodwind zigzag"),
       MARCH_FLOAT);
  CFormation* block = AddRect(d, 0, SHAPE_RECTANGLE, CRect{4050, 3240, 4590, 3420}, "Drum block");
  block->m_bBlock = 1;
  block->m_nRows = 2;
  Spot(drums, block, MARCH_FLOAT);
  Spot(flags, AddRect(d, 0, SHAPE_ARC, CRect{3600, 360, 5040, 1260}, "Flag arc"), MARCH_FLOAT);

  // Step 8: the brass box, a curve of woodwinds, the drums stay, the flag arc swings.
  Spot(brass, AddRect(d, 8, SHAPE_RECTANGLE, CRect{3240, 1080, 5400, 2160}, "Brass box"), MARCH_XY);
  Spot(winds, AddPoly(d, 8, SHAPE_CURVE, {{2520, 2880}, {3240, 3600}, {4320, 2700}, {5400, 3600}, {6120, 2880}}, "Woodwind curve"),
       MARCH_FOLLOW);
  CFormation* block8 = AddRect(d, 8, SHAPE_RECTANGLE, CRect{4050, 3420, 4590, 3600}, "Drum block");
  block8->m_bBlock = 1;
  block8->m_nRows = 2;
  Spot(drums, block8, MARCH_YX);
  CFormation* arc8 = AddRect(d, 8, SHAPE_ARC, CRect{3600, 360, 5040, 1260}, "Flag arc");
  arc8->m_dArcStart = PI / 4;
  arc8->m_dArcEnd = 3 * PI / 4;
  arc8->RecalcOutline();
  Spot(flags, arc8, MARCH_ARC);
  // The arc closes in from both ends: its start angle grows, its end angle shrinks.
  for (CPerson* flag : flags)
    if (CPlace* place = flag->GetPlaceOnFormation(arc8)) place->m_bStartClockwise = 1;

  // Step 16: a brass circle that the woodwinds ring with a closed polygon.
  Spot(brass, AddRect(d, 16, SHAPE_ELLIPSE, CRect{3600, 1260, 5040, 2700}, "Brass circle"), MARCH_FLOAT);
  Spot(winds,
       AddPoly(d, 16, SHAPE_CLOSED_POLYGON, {{4320, 900}, {5580, 1980}, {4320, 3060}, {3060, 1980}}, "Woodwind diamond"),
       MARCH_FLOAT);
  CFormation* block16 = AddRect(d, 16, SHAPE_RECTANGLE, CRect{4050, 3420, 4590, 3600}, "Drum block");
  block16->m_bBlock = 1;
  block16->m_nRows = 2;
  Spot(drums, block16, MARCH_FLOAT);
  Spot(flags, AddRect(d, 16, SHAPE_LINE, CRect{3960, 540, 4680, 540}, "Flag line"), MARCH_FLOAT);

  // Step 32: everyone in one company front.
  CFormation* front = AddRect(d, 32, SHAPE_LINE, CRect{1800, 2160, 6840, 2160}, "Company front");
  for (auto* section : {&brass, &winds, &drums, &flags}) Spot(*section, front, MARCH_FLOAT);

  // The first trumpet steps off toward the back field for four counts after the circle.
  auto inst = std::make_unique<CStepInst>();
  inst->m_nCount = 20;
  inst->m_nSteps = 4;
  inst->m_bAwayFromStands = 1;
  inst->m_dStepSize = 45.0;
  brass[0]->m_stepInsts.push_back(std::move(inst));

  d.m_comments.push_back("8 Brass box: horns up on count 8.");
  d.m_songs.push_back(FormatSongEntry(SongEntry{0, 32, "demo.mid"}));

  d.SetCurrentStep(0);
  d.RecalcLastStep();
  d.RecalcPositions();
  d.SetModifiedFlag(false);
  return doc;
}

}  // namespace px
