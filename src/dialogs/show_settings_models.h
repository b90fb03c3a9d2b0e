#pragma once
// Two small dialogs without a model in core: the group bitmap files of Set Bitmaps and the
// eight texts of Document Information. Both load from the show and store into it.
#include <array>
#include <string>

#include "core/doc/pxdoc.h"

namespace px {

struct SetBitmapsModel {
  static constexpr const char* kTitle = "Set Bitmaps";
  static constexpr const char* kHelpTopic = "The View Set Bitmaps Command";
  // The groups in the order of the show's bitmap files.
  static constexpr std::array<const char*, GROUP_COUNT> kGroups = {
      "Baton", "Brass", "Drums", "Flags", "Honor Guard", "Horns", "Rifles", "Woodwinds"};

  std::array<std::string, GROUP_COUNT> m_files;

  void LoadFrom(const CPxDoc& doc) { m_files = doc.m_strSymbolBitmapFile; }
  // Stores the names and loads the pictures again (a file that does not load shows the
  // group's own picture). False when the names did not change.
  bool ApplyTo(CPxDoc& doc) const;
};

struct DocumentInfoModel {
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
