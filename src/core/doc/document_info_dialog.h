#pragma once
// The Document Information dialog's model: the eight texts that describe the show.
#include <array>
#include <string>

#include "core/doc/pxdoc.h"

namespace px {

struct DocumentInfoDialog {
  static constexpr const char* kTitle = "Document Information";
  enum Field { TITLE, DESIGNER, COMPANY, CONTACT_INFO, CLIENT, CLIENT_CONTACT, DATE, OTHER_INFO, FIELD_COUNT };
  static constexpr std::array<const char*, FIELD_COUNT> kLabels = {
      "Title:", "Designer:", "Company:", "Contact Info:", "Client:", "Client Contact Info:", "Date:",
      "Other Information:"};
  static bool IsMultiLine(int field) { return field == CONTACT_INFO || field == CLIENT_CONTACT || field == OTHER_INFO; }

  std::array<std::string, FIELD_COUNT> m_texts;

  void LoadFrom(const CPxDoc& doc);
  // Stores the texts; a show whose texts changed is marked modified so they are not lost on
  // closing. False when nothing changed.
  bool ApplyTo(CPxDoc& doc) const;
};

}  // namespace px
