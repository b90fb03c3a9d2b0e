#pragma once
// The synthetic show the benchmarks share: sections of 50 people, a new picture every 16
// steps, and each section cycling through Float, gate turns, X-Y, Y-X, Follow and Float with
// Flex, some approaches with waits.
#include <memory>

#include "core/doc/pxdoc.h"

namespace px::bench {

constexpr int kPerSection = 50;
constexpr int kPictureEvery = 16;
constexpr int kMixed = -1;

// One approach of the cycle; `mode` == kMixed cycles through all of them.
struct Approach {
  int mode;
  int flex;
  int simple;
  const char* name;
};
constexpr Approach kApproaches[] = {
    {MARCH_FLOAT, 0, 0, "Float"},      {MARCH_PIVOT, 0, 1, "Pivot simple"}, {MARCH_XY, 0, 0, "X-Y"},
    {MARCH_FOLLOW, 0, 0, "Follow"},    {MARCH_FLOAT, 1, 0, "Float Flex"},   {MARCH_PIVOT, 0, 0, "Pivot"},
    {MARCH_YX, 0, 0, "Y-X"},
};
constexpr int kApproachCount = sizeof kApproaches / sizeof kApproaches[0];

inline CFormation* AddShape(CPxDoc& doc, int step, int kind, CPoint centre, int w, int h, double rotation) {
  doc.SetCurrentStep(step);
  const CRect rect = kind == SHAPE_LINE ? CRect{centre.x - w / 2, centre.y, centre.x + w / 2, centre.y}
                                        : CRect{centre.x - w / 2, centre.y - h / 2, centre.x + w / 2, centre.y + h / 2};
  auto f = std::make_unique<CDrawRect>(rect);
  f->m_nShape = kind;
  f->m_ptPivot = f->m_ptPivotSaved = centre;
  f->m_dRotation = rotation;
  CFormation* added = doc.AddFormation(std::move(f));
  added->RecalcOutline();
  return added;
}

// `sections` sections of 50 people marching until step `steps`; `approach` is an index into
// kApproaches, or kMixed. Sections beyond ten share the field with the first ten, shifted.
inline std::unique_ptr<CPxDoc> BuildSyntheticShow(int approach, int sections = 10, int steps = 5000) {
  auto doc = std::make_unique<CPxDoc>();
  std::vector<CPerson*> people;
  for (int i = 0; i < sections * kPerSection; ++i) {
    auto person = std::make_unique<CPerson>();
    person->m_nNumber = i + 1;
    people.push_back(doc->AddPerson(std::move(person)));
  }
  constexpr int kKinds[] = {SHAPE_LINE, SHAPE_ELLIPSE, SHAPE_RECTANGLE, SHAPE_ARC};
  for (int s = 0; s < sections; ++s) {
    const CPoint home{900 + (s % 5) * 1700 + (s / 10) * 150, 1200 + (s / 5 % 2) * 2500 + (s / 10) * 150};
    double rotation = 0.0;
    for (int k = 0; k * kPictureEvery < steps; ++k) {
      const Approach a = kApproaches[approach == kMixed ? (k + 2 * s) % kApproachCount : approach];
      if (k > 0 && a.mode == MARCH_PIVOT) rotation += (1 + k % 3) * PI / 4;
      if (rotation >= FULL_TURN) rotation -= FULL_TURN;
      const CPoint centre{home.x + (k * 31 % 200) - 100, home.y + (k * 17 % 200) - 100};
      CFormation* f = AddShape(*doc, k * kPictureEvery, kKinds[(k + s) % 4], centre, 800 + k * 37 % 400,
                               500 + k * 53 % 300, rotation);
      for (int i = 0; i < kPerSection; ++i) {
        CPlace* place = people[static_cast<size_t>(s * kPerSection + i)]->AssignToFormation(nullptr, f);
        place->m_nMarchMode = a.mode;
        place->m_bFlex = a.flex;
        place->m_bSimple = a.simple;
        place->m_bClockwise = k % 2;
        if (k % 3 == 0) place->m_nWaitBefore = place->m_nWaitAfter = 2;
      }
    }
  }
  doc->SetCurrentStep(0);
  doc->RecalcLastStep();
  return doc;
}

constexpr int kLargePeople = 500;
constexpr int kLargePictures = 100;  // two formations per picture, each holding half the band
constexpr int kLargeInstsPerPerson = 4;

// The large show of the file and undo benchmarks: 500 people, 200 formations (two per
// picture, each holding half the band), 50,000 places and 2,000 step instructions.
inline std::unique_ptr<CPxDoc> BuildLargeShow() {
  auto doc = std::make_unique<CPxDoc>();
  doc->m_strTitle = "Benchmark show";
  for (int id = 1; id <= kLargePeople; ++id) {
    auto person = std::make_unique<CPerson>();
    person->m_nNumber = id;
    person->m_strName = "Member " + std::to_string(id);
    person->m_nGroup = id % GROUP_COUNT;
    person->m_pDocument = doc.get();
    for (int k = 0; k < kLargeInstsPerPerson; ++k) {
      auto inst = std::make_unique<CStepInst>();
      inst->m_nCount = 4 + 16 * k;
      inst->m_nSteps = 4;
      inst->m_bTowardStands = k % 2;
      inst->m_dStepSize = 45.0;
      person->m_stepInsts.push_back(std::move(inst));
    }
    doc->m_people.push_back(std::move(person));
  }
  constexpr int kHalf = kLargePeople / 2;
  for (int picture = 0; picture < kLargePictures; ++picture) {
    for (int half = 0; half < 2; ++half) {
      auto f = std::make_unique<CDrawRect>(CRect{720 + 36 * picture, 720 + 1440 * half, 7920, 2000 + 1440 * half});
      f->m_nShape = half == 0 ? SHAPE_LINE : SHAPE_RECTANGLE;
      f->m_strName = "Set " + std::to_string(picture + 1);
      f->m_nStep = 8 * picture;
      f->m_nNumber = static_cast<int>(doc->m_formations.size()) + 1;
      f->m_pDocument = doc.get();
      f->ResizeSlots(kHalf);
      for (int slot = 0; slot < kHalf; ++slot) {
        CPerson* person = doc->m_people[static_cast<size_t>(half * kHalf + slot)].get();
        auto place = std::make_unique<CPlace>();
        place->m_nStep = f->m_nStep;
        place->m_nFormationID = f->m_nNumber;
        place->m_nSlot = slot;
        place->m_nMarchMode = picture % 7;
        place->m_pFormation = f.get();
        place->m_pPerson = person;
        place->m_nPersonID = person->m_nNumber;
        f->m_ppPlaces[static_cast<size_t>(slot)] = place.get();
        person->m_places.push_back(std::move(place));
      }
      doc->m_formations.push_back(std::move(f));
    }
  }
  doc->RecalcLastStep();
  return doc;
}

}  // namespace px::bench
