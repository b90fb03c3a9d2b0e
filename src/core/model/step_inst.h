#pragma once
// A step instruction: from a count, march a number of steps of a given size in a direction,
// overriding the computed motion.
#include <string>

#include "core/model/cobject.h"

namespace px {

class CStepInst : public CObject {
 public:
  const char* GetRuntimeClassName() const override { return "CStepInst"; }
  void Serialize(CArchive& ar) override;

  // The instruction in words; `separated` puts the step size on a line of its own.
  std::string DescribeStepInst(bool separated) const;

  int m_bTowardStands = 0;    // +y
  int m_bAwayFromStands = 0;  // -y
  int m_bTowardLeft = 0;      // +x
  int m_bTowardRight = 0;     // -x
  int m_nSteps = 0;
  int m_nCount = 0;
  double m_dStepSize = 0.0;  // field units
  int m_nSchema = 1;
};

}  // namespace px
