#pragma once
// A place: at this step the person stands in this slot of this formation, and this is how
// the person marches there from the previous place.
#include <memory>
#include <string>

#include "core/model/cobject.h"
#include "core/util/types.h"

namespace px {

class CFormation;
class CPerson;

enum MarchMode : int {
  MARCH_FLOAT = 0,
  MARCH_FOLLOW = 1,
  MARCH_PIVOT = 2,
  MARCH_XY = 3,
  MARCH_YX = 4,
  MARCH_ARC = 5,
  MARCH_SKEW = 6,
};
constexpr int MARCH_MODE_COUNT = 7;

class CPlace : public CObject {
 public:
  const char* GetRuntimeClassName() const override { return "CPlace"; }
  void Serialize(CArchive& ar) override;

  // A copy with every field, not yet in any list.
  std::unique_ptr<CPlace> ClonePlace() const;
  // Copies the march mode, its options and both waits from `other`.
  void CopyMarchSettings(const CPlace& other);

  int m_nStep = 0;
  int m_nFormationID = 0;
  int m_nSlot = 0;
  int m_bSimple = 0;
  CFormation* m_pFormation = nullptr;  // not owned, not stored
  CPoint m_ptSpot = POSITION_NONE;
  CPerson* m_pPerson = nullptr;  // the owning person
  int m_nPersonID = 0;
  int m_nMarchMode = MARCH_FLOAT;
  int m_bFlex = 0;
  int m_nWaitBefore = 0;
  int m_nWaitAfter = 0;
  int m_bReverse = 0;
  int m_bAnchor = 0;
  int m_bClockwise = 0;
  int m_bEndClockwise = 0;
  int m_bStartClockwise = 0;
  double m_dPathLength = 0.0;  // transient: length of the follow path
  int m_nSchema = 3;
};

}  // namespace px
