// A person's step instructions: explicit runs that take over from the computed drill.
#include <algorithm>

#include "core/model/show_context.h"
#include "core/people/person.h"
#include "core/util/format.h"
#include "core/util/muldiv.h"

namespace px {

CStepInst* CPerson::FindStepInst(int count) const {
  for (const auto& inst : m_stepInsts)
    if (inst->m_nCount == count) return inst.get();
  return nullptr;
}

CPerson::StepInstChain CPerson::FindStepInstCovering(int step) const {
  for (size_t i = 0; i < m_stepInsts.size(); ++i) {
    const CStepInst& inst = *m_stepInsts[i];
    if (inst.m_nCount != step && !(inst.m_nCount < step && step <= inst.m_nCount + inst.m_nSteps)) continue;
    // Runs that end at most one count before the next one starts form one chain: the
    // member marches them back to back from the chain's first count.
    size_t first = i;
    while (first > 0) {
      const CStepInst& previous = *m_stepInsts[first - 1];
      if (previous.m_nCount + previous.m_nSteps < m_stepInsts[first]->m_nCount - 1) break;
      --first;
    }
    return {m_stepInsts[i].get(), m_stepInsts[first].get()};
  }
  return {};
}

CStepInst* CPerson::GetOrAddStepInst(int count) {
  if (CStepInst* existing = FindStepInst(count)) return existing;
  auto inst = std::make_unique<CStepInst>();
  // The new record carries its count at once, so the list never holds one out of order.
  inst->m_nCount = count;
  auto at = std::find_if(m_stepInsts.begin(), m_stepInsts.end(),
                         [count](const auto& other) { return other->m_nCount > count; });
  // Any new instruction is a change to the show, wherever it lands in the list.
  if (m_pDocument) m_pDocument->SetModifiedFlag();
  return m_stepInsts.insert(at, std::move(inst))->get();
}

void CPerson::ClipStepInsts() {
  for (size_t i = 0; i + 1 < m_stepInsts.size(); ++i) {
    CStepInst& inst = *m_stepInsts[i];
    inst.m_nSteps = std::min(inst.m_nSteps, m_stepInsts[i + 1]->m_nCount - inst.m_nCount);
  }
}

CPoint CPerson::ApplyStepInsts(const CStepInst* chainFirst, CPoint position, int step) const {
  // Runs cannot move a member who has no position to start from.
  if (position == POSITION_NONE) return position;
  auto it = std::find_if(m_stepInsts.begin(), m_stepInsts.end(),
                         [chainFirst](const auto& inst) { return inst.get() == chainFirst; });
  for (; it != m_stepInsts.end() && step > (*it)->m_nCount; ++it) {
    const CStepInst& inst = **it;
    const int steps = step <= inst.m_nCount + inst.m_nSteps ? step - inst.m_nCount : inst.m_nSteps;
    const int d = Trunc(steps * inst.m_dStepSize);
    if (inst.m_bTowardStands) position.y += d;
    if (inst.m_bAwayFromStands) position.y -= d;
    if (inst.m_bTowardRight) position.x -= d;
    if (inst.m_bTowardLeft) position.x += d;
  }
  return position;
}

std::string CStepInst::DescribeStepInst(bool separated) const {
  std::string text = Format("On count %d, for %d steps, ", m_nCount, m_nSteps);
  text += m_bTowardStands     ? "march toward stands."
          : m_bAwayFromStands ? "march away from stands."
          : m_bTowardLeft     ? "march toward left of stands."
          : m_bTowardRight    ? "march toward right of stands."
                              : "wait.";
  text += Format(separated ? "\r\n\r\nUse a %0.2lf inch step size." : "  Use a %0.2lf inch step size.",
                 m_dStepSize * 0.5);
  return text;
}

}  // namespace px
