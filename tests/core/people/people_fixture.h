#pragma once
// A small show built in code: formations at chosen steps and people whose places get
// hand-picked spots, so marching can be checked without spotting.
#include <memory>

#include "core/doc/pxdoc.h"

namespace px::testing {

class ShowBuilder {
 public:
  ShowBuilder() { doc.m_bSaveStepsToMemory = 1; }

  CPerson* Person(int id) {
    auto person = std::make_unique<CPerson>();
    person->m_nNumber = id;
    return doc.AddPerson(std::move(person));
  }

  CFormation* Formation(int step, int kind = SHAPE_LINE, CRect rect = CRect{1000, 1000, 2000, 1000}) {
    doc.SetCurrentStep(step);
    auto f = std::make_unique<CDrawRect>(rect);
    f->m_nShape = kind;
    f->m_ptPivot = f->m_ptPivotSaved = CPoint{rect.left + (rect.right - rect.left) / 2, rect.top + (rect.bottom - rect.top) / 2};
    CFormation* added = doc.AddFormation(std::move(f));
    added->RecalcOutline();
    return added;
  }

  // Puts `person` on the next slot of `formation`; its spot comes from spotting.
  CPlace* Spot(CPerson* person, CFormation* formation, int mode = MARCH_FLOAT) {
    CPlace* place = person->AssignToFormation(nullptr, formation);
    place->m_nMarchMode = mode;
    return place;
  }

  // Puts `person` on the next slot of `formation` with a known spot.
  CPlace* Put(CPerson* person, CFormation* formation, CPoint spot, int mode = MARCH_FLOAT) {
    CPlace* place = Spot(person, formation, mode);
    place->m_ptSpot = spot;
    return place;
  }

  CPxDoc doc;
};

}  // namespace px::testing
