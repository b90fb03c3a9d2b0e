#include "core/people/describe_place.h"

#include "core/formation/formation.h"
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

std::string DescribePlace(const CPlace& place, bool oneLine) {
  std::string text = place.m_nWaitBefore != 0 ? Format("Wait %d steps.  ", place.m_nWaitBefore) : std::string();
  text += place.m_nStep == 0 ? "Start at" : MarchPhrase(place);
  const char* name = place.m_pFormation ? place.m_pFormation->m_strName.c_str() : "";
  const char* kind = place.m_pFormation ? ShapeKindName(place.m_pFormation->m_nShape) : "";
  text += oneLine ? Format(" position %d on formation %d (%s - %s) on step %d", place.m_nSlot, place.m_nFormationID, name, kind, place.m_nStep)
                  : Format(" position %d on \r\n\r\nformation %d (%s - %s) on step %d", place.m_nSlot, place.m_nFormationID, name,
                           kind, place.m_nStep);
  if (place.m_nWaitAfter != 0) text += Format("  Wait %d steps.  ", place.m_nWaitAfter);
  return text;
}

}  // namespace px
