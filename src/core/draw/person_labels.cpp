#include "core/draw/person_labels.h"

#include "core/draw/person_drawing.h"

namespace px {

void PersonLabels::Sync(const CPxDoc& doc) {
  const int options = (doc.m_bShowStepSize ? 1 : 0) | (doc.m_bShowMarchMode ? 2 : 0);
  if (&doc == m_doc && doc.ShowRevision() == m_revision && doc.m_nCurrentStep == m_step && options == m_options) return;
  m_labels.clear();
  m_doc = &doc;
  m_revision = doc.ShowRevision();
  m_step = doc.m_nCurrentStep;
  m_options = options;
}

const std::string& PersonLabels::Of(CPerson& person) {
  auto it = m_labels.find(&person);
  if (it == m_labels.end()) it = m_labels.emplace(&person, PersonLabel(person)).first;
  return it->second;
}

}  // namespace px
