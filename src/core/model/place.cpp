#include "core/model/place.h"

namespace px {

std::unique_ptr<CPlace> CPlace::ClonePlace() const { return std::make_unique<CPlace>(*this); }

void CPlace::CopyMarchSettings(const CPlace& other) {
  m_nMarchMode = other.m_nMarchMode;
  m_nWaitBefore = other.m_nWaitBefore;
  m_nWaitAfter = other.m_nWaitAfter;
  m_bReverse = other.m_bReverse;
  m_bFlex = other.m_bFlex;
  m_bAnchor = other.m_bAnchor;
  m_bClockwise = other.m_bClockwise;
  m_bEndClockwise = other.m_bEndClockwise;
  m_bStartClockwise = other.m_bStartClockwise;
  m_bSimple = other.m_bSimple;
}

}  // namespace px
