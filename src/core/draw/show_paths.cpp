#include "core/draw/show_paths.h"

#include "core/draw/layer_key.h"

namespace px {
namespace {

// Each position of the show from step 0 on, consecutive repeats left out, a new run after
// every step without a position.
ShowPaths::Runs PathOf(const CPerson& person, int lastStep) {
  ShowPaths::Runs runs(1);
  for (int step = 0; step <= lastStep; ++step) {
    const CPoint at = person.GetPosition(step);
    std::vector<CPoint>& run = runs.back();
    if (at.x == POSITION_NONE_VALUE) {
      if (!run.empty()) runs.emplace_back();
    } else if (run.empty() || run.back() != at) {
      run.push_back(at);
    }
  }
  std::erase_if(runs, [](const std::vector<CPoint>& run) { return run.size() < 2; });
  return runs;
}

}  // namespace

bool ShowPaths::UpToDate(const CPxDoc& doc) const {
  if (m_doc != &doc || m_revision != doc.ShowRevision() || m_lastStep != doc.m_nLastStep) return false;
  if (m_runs.size() != doc.m_people.size()) return false;
  for (const auto& person : doc.m_people)
    if (!m_runs.contains(person.get())) return false;
  return true;
}

void ShowPaths::Update(CPxDoc& doc) {
  if (UpToDate(doc)) return;
  m_runs.clear();
  for (const auto& owned : doc.m_people) {
    CPerson& person = *owned;
    if (person.m_nExtra != 0) {  // absent: no path drawn, no position asked
      m_runs[&person];
      continue;
    }
    m_runs[&person] = PathOf(person, doc.m_nLastStep);
  }
  m_doc = &doc;
  m_revision = doc.ShowRevision();
  m_lastStep = doc.m_nLastStep;
}

const ShowPaths::Runs& ShowPaths::Of(const CPerson& person) const {
  static const Runs kNone;
  const auto it = m_runs.find(&person);
  return it == m_runs.end() ? kNone : it->second;
}

std::uint64_t ShowPaths::DrawKey(const CPxDoc& doc, bool blackOnWhite) {
  std::uint64_t key = MixKey(doc.ShowRevision(), static_cast<std::uint64_t>(doc.m_nLastStep));
  key = MixKey(key, blackOnWhite ? 1 : 0);
  for (const auto& person : doc.m_people) {
    key = MixKey(key, reinterpret_cast<std::uintptr_t>(person.get()));
    key = MixKey(key, (static_cast<std::uint64_t>(person->m_logpen.lopnColor) << 1) | (person->m_nExtra != 0));
  }
  return key;
}

}  // namespace px
