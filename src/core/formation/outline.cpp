// Outlines and spots of formations.
#include "core/formation/formation.h"

namespace px {

// TODO: outlines of every kind.
double CFormation::RecalcOutline() { return m_dLength; }

// TODO: spotting along the outline, fill mode and blocks.
CPoint CFormation::GetSpot(int, double, double, double) { return POSITION_NONE; }

}  // namespace px
