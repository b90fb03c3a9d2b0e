#include "core/doc/document_info_dialog.h"

namespace px {
namespace {

constexpr std::array<std::string CPxDoc::*, DocumentInfoDialog::FIELD_COUNT> kInfoMembers = {
    &CPxDoc::m_strTitle,  &CPxDoc::m_strDesigner,      &CPxDoc::m_strCompany, &CPxDoc::m_strContactInfo,
    &CPxDoc::m_strClient, &CPxDoc::m_strClientContact, &CPxDoc::m_strDate,    &CPxDoc::m_strOtherInfo};

}  // namespace

void DocumentInfoDialog::LoadFrom(const CPxDoc& doc) {
  for (size_t i = 0; i < kInfoMembers.size(); ++i) m_texts[i] = doc.*kInfoMembers[i];
}

bool DocumentInfoDialog::ApplyTo(CPxDoc& doc) const {
  bool changed = false;
  for (size_t i = 0; i < kInfoMembers.size(); ++i) {
    if (doc.*kInfoMembers[i] == m_texts[i]) continue;
    doc.*kInfoMembers[i] = m_texts[i];
    changed = true;
  }
  if (changed) doc.SetModifiedFlag();
  return changed;
}

}  // namespace px
