#pragma once
// Every member's position at every step of a show, kept in one table that the show owns.
// A position is worked out on first use together with every other step of its leg (the
// steps between two places); group marches (Follow, Float with Flex) work out the leg of
// every member of the group at once. Edits forget the legs they touch.
#include <vector>

#include "core/model/show_context.h"
#include "core/people/march.h"

namespace px {

class MotionEngine {
 public:
  explicit MotionEngine(ShowContext& show) : m_show(show) {}
  MotionEngine(const MotionEngine&) = delete;
  MotionEngine& operator=(const MotionEngine&) = delete;

  // Where `person` stands at `step` (POSITION_NONE when nowhere on the field).
  CPoint PositionOf(const CPerson& person, int step) {
    const CPerson::MotionRow& r = person.m_motionRow;
    // The common case, a position already worked out, without a call.
    if (r.table == this && step >= 0 && step < m_steps && m_show.m_nLastStep == m_lastStep &&
        static_cast<size_t>(r.row) < m_owners.size() && m_owners[static_cast<size_t>(r.row)] == &person) {
      const CPoint p = Cell(step, r.row);
      if (p.x != kUnset) return p;
    }
    return WorkOut(person, step);
  }
  // The person's positions at steps from..to must be worked out again.
  void Forget(const CPerson& person, int from, int to);
  // Every position must be worked out again.
  void ForgetAll();

  // The steps that change the show, run by the commands that need them, never by a query.
  // The approaches under way at `step` settle as the show stores them: the leader of each
  // Follow group keeps the anchor flag, and a Flex march turns the position memory on and
  // reaches the show's last step.
  void SettleApproachesAt(int step);
  // Every person's current position becomes where it stands at `step`; those with none are
  // returned in the show's order.
  std::vector<CPerson*> PlacePeopleAt(int step);

 private:
  static constexpr int kUnset = -2147483647 - 1;  // a cell not worked out yet
  // More cells than this (a damaged file claiming a huge show) are worked out on every ask.
  static constexpr size_t kMaxCells = size_t{1} << 24;

  CPoint WorkOut(const CPerson& person, int step);
  CPoint& Cell(int step, int row) { return m_table[static_cast<size_t>(step) * m_columns + static_cast<size_t>(row)]; }
  int RowOf(const CPerson& person);
  void Relayout();
  void FitSteps();
  // Works out the leg of `person` that holds `step`.
  void Fill(const CPerson& person, int step);
  bool FillFollow(const CPerson& person, const march::Segment& seg);
  bool FillFlex(const CPerson& person, const march::Segment& seg);
  // The member's leg, if it runs from `from` to `to`.
  bool LegOf(const CPerson& member, const CPlace* from, const CPlace* to, march::Segment& seg) const;
  // Finishes `m_motion` (the segment's steps first..last) and stores it for `person`.
  void Store(const CPerson& person, const march::Segment& seg, int first, int last);
  // The table's steps of a segment.
  int First(const march::Segment& seg) const { return seg.first < 0 ? 0 : seg.first; }
  int Last(const march::Segment& seg) const { return seg.last < m_steps - 1 ? seg.last : m_steps - 1; }

  ShowContext& m_show;
  std::vector<CPoint> m_table;  // step by step, a row of members each
  size_t m_columns = 0;
  int m_steps = 0;
  int m_lastStep = -1;  // the show's last step the table was sized for
  std::vector<const CPerson*> m_owners;  // the person of each column
  std::vector<CPoint> m_motion;          // the leg being worked out
};

}  // namespace px
