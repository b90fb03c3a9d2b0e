#include "core/motion/motion_engine.h"

#include <algorithm>

namespace px {

int MotionEngine::RowOf(const CPerson& person) {
  const CPerson::MotionRow& r = person.m_motionRow;
  if (r.table == this && r.row >= 0 && static_cast<size_t>(r.row) < m_owners.size() &&
      m_owners[static_cast<size_t>(r.row)] == &person)
    return r.row;
  if (m_owners.size() == m_columns) Relayout();
  person.m_motionRow = CPerson::MotionRow{this, static_cast<int>(m_owners.size())};
  m_owners.push_back(&person);
  return person.m_motionRow.row;
}

// Makes room for more people: the show's people keep their positions in a wider table, and
// rows of people who left the show are dropped.
void MotionEngine::Relayout() {
  std::vector<const CPerson*> kept;
  std::vector<size_t> oldColumn;
  auto keep = [&](const CPerson& p) {
    const CPerson::MotionRow& r = p.m_motionRow;
    if (r.table != this || r.row < 0 || static_cast<size_t>(r.row) >= m_owners.size() ||
        m_owners[static_cast<size_t>(r.row)] != &p)
      return;
    p.m_motionRow.row = static_cast<int>(kept.size());
    oldColumn.push_back(static_cast<size_t>(r.row));
    kept.push_back(&p);
  };
  for (const auto& p : m_show.People()) keep(*p);
  const size_t columns = std::max(m_show.People().size(), kept.size() + 1) + 16;
  const int steps = std::min(std::max(m_show.m_nLastStep, 0) + 1, static_cast<int>(kMaxCells / columns));
  std::vector<CPoint> table(static_cast<size_t>(steps) * columns, CPoint{kUnset, kUnset});
  for (int s = 0; s < std::min(steps, m_steps); ++s)
    for (size_t c = 0; c < kept.size(); ++c)
      table[static_cast<size_t>(s) * columns + c] = m_table[static_cast<size_t>(s) * m_columns + oldColumn[c]];
  m_table = std::move(table);
  m_columns = columns;
  m_steps = steps;
  m_lastStep = m_show.m_nLastStep;
  m_owners = std::move(kept);
}

void MotionEngine::FitSteps() {
  if (m_show.m_nLastStep == m_lastStep) return;
  m_lastStep = m_show.m_nLastStep;
  const int wanted = std::max(m_show.m_nLastStep, 0) + 1;
  const int steps = std::min(wanted, static_cast<int>(kMaxCells / std::max<size_t>(m_columns, 1)));
  if (steps == m_steps) return;
  // Steps are the table's outer order, so the show growing or shrinking keeps what is known.
  m_table.resize(static_cast<size_t>(steps) * m_columns, CPoint{kUnset, kUnset});
  m_steps = steps;
}

CPoint MotionEngine::WorkOut(const CPerson& person, int step) {
  const int row = RowOf(person);
  FitSteps();
  if (step < 0 || step >= m_steps) {
    // Outside the show: worked out alone each time.
    const march::Segment seg = march::SegmentAt(person, step);
    CPoint p = POSITION_NONE;
    march::MarchSegment(person, seg, step, step, &p);
    march::FinishSegment(person, seg, step, step, &p);
    return p;
  }
  if (Cell(step, row).x == kUnset) Fill(person, step);
  return Cell(step, row);
}

void MotionEngine::Forget(const CPerson& person, int from, int to) {
  const CPerson::MotionRow& r = person.m_motionRow;
  if (r.table != this || r.row < 0 || static_cast<size_t>(r.row) >= m_owners.size() ||
      m_owners[static_cast<size_t>(r.row)] != &person)
    return;
  const int last = std::min(to, m_steps - 1);
  for (int s = std::max(from, 0); s <= last; ++s) Cell(s, r.row) = CPoint{kUnset, kUnset};
}

void MotionEngine::ForgetAll() { std::fill(m_table.begin(), m_table.end(), CPoint{kUnset, kUnset}); }

void MotionEngine::Store(const CPerson& person, const march::Segment& seg, int first, int last) {
  march::FinishSegment(person, seg, first, last, m_motion.data());
  const int row = RowOf(person);
  for (int s = first; s <= std::min(last, m_steps - 1); ++s) Cell(s, row) = m_motion[static_cast<size_t>(s - first)];
}

void MotionEngine::Fill(const CPerson& person, int step) {
  const march::Segment seg = march::SegmentAt(person, step);
  const bool marches = seg.from && seg.to && seg.from->m_pFormation && seg.to->m_pFormation;
  if (marches && seg.to->m_nMarchMode == MARCH_FOLLOW && FillFollow(person, seg)) return;
  if (marches && seg.to->m_nMarchMode == MARCH_FLOAT && seg.to->m_bFlex && FillFlex(person, seg)) return;
  const int first = First(seg);
  const int last = Last(seg);
  m_motion.resize(static_cast<size_t>(last - first + 1));
  march::MarchSegment(person, seg, first, last, m_motion.data());
  Store(person, seg, first, last);
}

bool MotionEngine::LegOf(const CPerson& member, const CPlace* from, const CPlace* to, march::Segment& seg) const {
  seg = march::SegmentAt(member, from->m_nStep + 1);
  return seg.from == from && seg.to == to;
}

// The group's order and path are worked out once; each member whose own leg it is walks
// its part. Members with another leg (a place in between) are left to ask for themselves.
bool MotionEngine::FillFollow(const CPerson& person, const march::Segment& seg) {
  const march::FollowGroup g = march::CollectFollowGroup(person, *seg.from, *seg.to);
  const int own = g.IndexOf(person);
  if (own < 0) return false;
  const bool shared = g.from[static_cast<size_t>(own)] == seg.from && g.to[static_cast<size_t>(own)] == seg.to;
  for (size_t k = 0; k < g.people.size(); ++k) {
    const CPerson& member = *g.people[k];
    march::Segment legSeg = seg;
    if (&member == &person) {
      if (k != static_cast<size_t>(own)) continue;
    } else if (!shared || !LegOf(member, g.from[k], g.to[k], legSeg)) {
      continue;
    }
    const int first = First(legSeg);
    const int last = Last(legSeg);
    if (first > last || (&member != &person && Cell(first, RowOf(member)).x != kUnset)) continue;
    m_motion.resize(static_cast<size_t>(last - first + 1));
    const march::Approach a(*legSeg.from, *legSeg.to);
    const int marchLast = last == legSeg.last ? last - 1 : last;
    march::FollowSteps(g, k, a, first, marchLast, m_motion.data());
    if (marchLast < last) m_motion[static_cast<size_t>(last - first)] = march::SpotOf(*legSeg.arrival);
    Store(member, legSeg, first, last);
  }
  return true;
}

// The group's rows are worked out once, step after step from the old formation's step, and
// handed to every member that floats with Flex on the same leg with the same waits.
bool MotionEngine::FillFlex(const CPerson& person, const march::Segment& seg) {
  const march::FlexGroup g = march::CollectFlexGroup(*seg.from, *seg.to);
  const size_t count = g.people.size();
  const march::Approach a(*seg.from, *seg.to);
  const int first = First(seg);
  const int last = Last(seg);
  const int marchEnd = std::min(last, a.begin + a.to.m_nWaitBefore + a.total - 1);
  const std::vector<CPoint> rows = march::FlexRows(g, a, marchEnd);
  auto lastIndexOf = [&](const CPerson* p) {
    for (size_t j = count; j-- > 0;)
      if (g.people[j] == p) return static_cast<int>(j);
    return -1;
  };
  const int own = lastIndexOf(&person);
  const bool shared = own >= 0 && g.from[static_cast<size_t>(own)] == seg.from && g.to[static_cast<size_t>(own)] == seg.to;
  auto fill = [&](const CPerson& member, const march::Segment& legSeg, int index) {
    m_motion.resize(static_cast<size_t>(last - first + 1));
    const march::Approach m(*legSeg.from, *legSeg.to);
    for (int s = first; s <= last; ++s) {
      CPoint& p = m_motion[static_cast<size_t>(s - first)];
      const long r = static_cast<long>(s) - a.begin - 1;
      if (s == legSeg.last && legSeg.arrival) p = march::SpotOf(*legSeg.arrival);
      else if (!m.Marching(s)) p = m.Elapsed(s) <= 0 ? march::SpotOf(m.from) : march::SpotOf(m.to);
      else if (index < 0 || r < 0) p = POSITION_NONE;  // someone the group does not hold
      else p = rows[static_cast<size_t>(r) * count + static_cast<size_t>(index)];
    }
    Store(member, legSeg, first, last);
  };
  fill(person, seg, own);
  if (!shared) return true;
  for (size_t k = 0; k < count; ++k) {
    const CPerson& member = *g.people[k];
    const CPlace& to = *g.to[k];
    march::Segment legSeg;
    if (&member == &person || lastIndexOf(&member) != static_cast<int>(k) || !to.m_bFlex ||
        to.m_nWaitBefore != seg.to->m_nWaitBefore || to.m_nWaitAfter != seg.to->m_nWaitAfter ||
        !LegOf(member, g.from[k], g.to[k], legSeg) || First(legSeg) != first || Last(legSeg) != last ||
        Cell(first, RowOf(member)).x != kUnset)
      continue;
    fill(member, legSeg, static_cast<int>(k));
  }
  return true;
}

void MotionEngine::SettleApproachesAt(int step) {
  for (const auto& owned : m_show.People()) {
    const CPerson& person = *owned;
    const march::Segment seg = march::SegmentAt(person, step);
    if (!seg.from || !seg.to || !seg.from->m_pFormation || !seg.to->m_pFormation || step == seg.last) continue;
    const march::Approach a(*seg.from, *seg.to);
    if (!a.Marching(step)) continue;
    if (seg.to->m_nMarchMode == MARCH_FOLLOW) {
      const march::FollowGroup g = march::CollectFollowGroup(person, *seg.from, *seg.to);
      if (g.IndexOf(person) >= 0) march::StoreFollowLeader(g);
    } else if (seg.to->m_nMarchMode == MARCH_FLOAT && seg.to->m_bFlex) {
      m_show.m_nLastStep = std::max(m_show.m_nLastStep, seg.to->m_pFormation->m_nStep);
      m_show.m_bSaveStepsToMemory = 1;
    }
  }
}

std::vector<CPerson*> MotionEngine::PlacePeopleAt(int step) {
  std::vector<CPerson*> nowhere;
  for (const auto& person : m_show.People()) {
    const CPoint p = PositionOf(*person, step);
    if (p.x == POSITION_NONE_VALUE) nowhere.push_back(person.get());
    else person->SetCurrentPosition(p);
  }
  return nowhere;
}

}  // namespace px
