#include "core/people/place.h"

#include "core/formation/formation.h"
#include "core/people/person.h"
#include "core/util/format.h"

namespace px {
namespace {

// How the approach to a place is named in its description.
const char* MarchPhrase(const CPlace& place) {
  switch (place.m_nMarchMode) {
    case MARCH_FLOAT: return "Float to";
    case MARCH_FOLLOW: return place.m_bAnchor ? "Lead to" : "Follow to";
    case MARCH_PIVOT: return place.m_bClockwise ? "Gate turn clockwise to" : "Gate turn counterclockwise to";
    case MARCH_XY: return "X-Y march to";
    case MARCH_YX: return "Y-X march to";
    case MARCH_ARC: return "Change the arc to";
    case MARCH_SKEW: return "Skew to";
    default: return "";
  }
}

}  // namespace

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

std::string CPlace::DescribePlace(bool oneLine) const {
  std::string text = m_nWaitBefore != 0 ? Format("Wait %d steps.  ", m_nWaitBefore) : std::string();
  text += m_nStep == 0 ? "Start at" : MarchPhrase(*this);
  const char* name = m_pFormation ? m_pFormation->m_strName.c_str() : "";
  const char* kind = m_pFormation ? CPerson::GetKindName(m_pFormation->m_nShape) : "";
  text += oneLine ? Format(" position %d on formation %d (%s - %s) on step %d", m_nSlot, m_nFormationID, name, kind, m_nStep)
                  : Format(" position %d on \r\n\r\nformation %d (%s - %s) on step %d", m_nSlot, m_nFormationID, name,
                           kind, m_nStep);
  if (m_nWaitAfter != 0) text += Format("  Wait %d steps.  ", m_nWaitAfter);
  return text;
}

}  // namespace px
