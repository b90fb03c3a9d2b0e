#pragma once
// The Set Bitmaps dialog: one picture file per group, used when people are shown as bitmaps.
#include <array>
#include <string>

#include "core/doc/pxdoc.h"

namespace px {

struct SetBitmapsDialog {
  static constexpr const char* kTitle = "Set Bitmaps";
  static constexpr const char* kBrowseTitle = "Bitmap Name";
  static constexpr const char* kBrowseFilter = "Bitmap File (*.BMP)";
  static constexpr const char* kDefaultExtension = ".bmp";
  // The field labels, in group order.
  static constexpr std::array<const char*, GROUP_COUNT> kLabels = {
      "Baton", "Brass", "Drums", "Flags", "Honor Guard", "Horns", "Rifles", "Woodwinds"};

  std::array<std::string, GROUP_COUNT> m_strFiles;

  void LoadFrom(const CPxDoc& doc) { m_strFiles = doc.m_strSymbolBitmapFile; }
  // Stores the names and reloads the pictures (a file that does not load falls back to the
  // group's built-in picture). Marks the show modified when a name changed.
  void ApplyTo(CPxDoc& doc) const {
    if (doc.m_strSymbolBitmapFile != m_strFiles) doc.SetModifiedFlag();
    doc.m_strSymbolBitmapFile = m_strFiles;
    doc.FreeSymbolBitmaps();
    doc.LoadSymbolBitmaps();
  }
};

}  // namespace px
