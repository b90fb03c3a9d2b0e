#pragma once
// The labels beside the people (march codes or step sizes) at the current step, kept while a
// view draws the same step of an unchanged show: working them out asks the places and, for
// step sizes, positions, frame after frame otherwise.
#include <cstdint>
#include <string>
#include <unordered_map>

#include "core/doc/pxdoc.h"

namespace px {

class PersonLabels {
 public:
  // Forgets the labels when the show, its current step or its label options changed since
  // they were worked out. Called once a frame, before the people are drawn.
  void Sync(const CPxDoc& doc);
  // The label of `person` (see PersonLabel), worked out when not yet known.
  const std::string& Of(CPerson& person);

 private:
  const CPxDoc* m_doc = nullptr;
  std::uint64_t m_revision = 0;
  int m_step = -1;
  int m_options = -1;
  std::unordered_map<const CPerson*, std::string> m_labels;
};

}  // namespace px
