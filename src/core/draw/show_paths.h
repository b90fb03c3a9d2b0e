#pragma once
// The paths of "Show Paths": each person's positions over the whole show, as polylines cut
// where the person has no position. Asking every position of a large show takes a while, so
// the paths are worked out once and kept until the show changes.
#include <cstdint>
#include <unordered_map>
#include <vector>

#include "core/doc/pxdoc.h"

namespace px {

class ShowPaths {
 public:
  using Runs = std::vector<std::vector<CPoint>>;

  // Brings the paths up to date: when the show changed since they were worked out (its
  // revision moved with CPxDoc::ShowChanged, its last step or its people changed), asks every
  // person's position at every step, putting each person back where it stood.
  void Update(CPxDoc& doc);
  // The runs of `person` as of the last Update (none for a person it did not see).
  const Runs& Of(const CPerson& person) const;

  // What the drawn paths depend on besides the positions: the show's revision, the order of
  // its people (later paths cover earlier ones), their pen colours and presence, and whether
  // they are drawn black on white. Equal keys draw equal paths.
  static std::uint64_t DrawKey(const CPxDoc& doc, bool blackOnWhite);

 private:
  bool UpToDate(const CPxDoc& doc) const;

  const CPxDoc* m_doc = nullptr;
  std::uint64_t m_revision = 0;
  int m_lastStep = -1;
  std::unordered_map<const CPerson*, Runs> m_runs;
};

}  // namespace px
