#pragma once
// The march modes: how a person gets from the previous place to the next one. Positions are
// worked out a leg at a time (every step between two places at once); the show's motion
// engine keeps them, and the rest of the program asks CPerson::GetPosition.
#include <cmath>
#include <cstdint>
#include <vector>

#include "core/people/person.h"
#include "core/util/muldiv.h"

namespace px::march {

// The cached spot of a place, computed on first use with the formation's own skew.
CPoint SpotOf(CPlace& place);

// The spot of `slot` with a substitute rotation, skew and (for an arc, when both are
// non-zero) arc angles; the places' cached spots are left as they were.
CPoint SubstituteSpot(CFormation& formation, int slot, double rotation, double skew, double endAngle,
                      double startAngle);
// The spot of `slot` as if `formation` were not rotated (its skew kept).
CPoint SpotUnrotated(CFormation& formation, int slot);

// a + (b - a) * elapsed / total on each axis, with the MulDiv rounding.
CPoint Lerp(CPoint a, CPoint b, int elapsed, int total);

// MulDiv(d, e, total) for e = first, first + 1, ... (first >= 0, total >= 1), exactly as
// MulDiv rounds but with the divisions done once for the whole run.
class MulDivRun {
 public:
  MulDivRun(int d, int first, int total)
      : m_negative(d < 0), m_total(static_cast<std::uint64_t>(total)) {
    const std::uint64_t ad = d < 0 ? static_cast<std::uint64_t>(-static_cast<std::int64_t>(d)) : static_cast<std::uint64_t>(d);
    m_stepQ = ad / m_total;
    m_stepR = ad % m_total;
    const std::uint64_t num = ad * static_cast<std::uint64_t>(first) + m_total / 2;
    m_q = num / m_total;
    m_r = num % m_total;
  }
  int Value() const {
    const std::int64_t q = static_cast<std::int64_t>(m_q);
    return static_cast<int>(m_negative ? -q : q);
  }
  void Next() {
    m_q += m_stepQ;
    m_r += m_stepR;
    if (m_r >= m_total) {
      m_r -= m_total;
      ++m_q;
    }
  }

 private:
  bool m_negative;
  std::uint64_t m_total, m_stepQ, m_stepR, m_q, m_r;
};

// The formation transform's rounding: positive values round half up, negative ones are
// truncated. value - trunc(value) is exactly fmod(value, 1.0), sign included, without the
// library call.
// Branch-free: the half is as likely as not, and a mispredicted branch costs more than the add.
inline int RoundRotated(double value) {
  value += static_cast<double>(value - std::trunc(value) >= 0.5);
  return Trunc(value);
}

// Rotates p about centre with the formation transform's rounding (skew 0), given the
// angle's cosine and sine. Inline: a gate turn rotates every member at every step.
inline CPoint RotateAbout(CPoint p, CPoint centre, double c, double s) {
  const double dx = p.x - centre.x;
  const double dy = p.y - centre.y;
  return CPoint{centre.x + RoundRotated(c * dx - s * dy), centre.y + RoundRotated(s * dx + c * dy)};
}

// One approach: from place P to place N, whose march settings apply.
struct Approach {
  CPlace& from;
  CPlace& to;
  int begin;  // P's formation step
  int total;  // marching steps, at least 1
  Approach(CPlace& from, CPlace& to);
  int Elapsed(int step) const { return step - begin - to.m_nWaitBefore; }
  bool Marching(int step) const { return Elapsed(step) > 0 && Elapsed(step) < total; }
};

// Positions at steps first..last of an approach (out[0] is `first`) for the modes a person
// marches alone; the steps before and after the march hold P's and N's spots.
void MarchAlone(const Approach& a, int first, int last, CPoint* out);
// The modes, over marching steps first..last only.
void PivotSteps(const Approach& a, int first, int last, CPoint* out);
void CornerSteps(const Approach& a, int first, int last, CPoint* out, bool xFirst);
void ArcSteps(const Approach& a, int first, int last, CPoint* out);
void SkewSteps(const Approach& a, int first, int last, CPoint* out);

// Follow: the group marching from P's formation to N's in one file. Built once per leg; every
// member then walks its own part of the group's path.
struct FollowGroup {
  std::vector<CPerson*> people;  // in marching order, leader first
  std::vector<CPlace*> from, to;
  std::vector<CPoint> fromSpot, toSpot;
  std::vector<double> fromSeg, toSeg;  // from the previous spot of the same list
  std::vector<double> length;           // each member's path from its old spot to its new one
  double bridge = 0.0;                  // from the last old spot to the first new one
  double wrap = 0.0;                    // from the last old spot round to the first
  bool sameShape = false;
  CPlace* anchor = nullptr;  // the place that leads (or tails) the group
  // The member's index, or -1 when it is not in the group.
  int IndexOf(const CPerson& person) const;
};
// The group that `person`, marching from `from` to `to`, belongs to (empty when it has none).
FollowGroup CollectFollowGroup(const CPerson& person, CPlace& from, CPlace& to);
// Member k's positions at steps first..last of its approach `a`.
void FollowSteps(const FollowGroup& g, size_t k, const Approach& a, int first, int last, CPoint* out);
// The length of member k's path on its approach `a`.
double FollowPathLength(const FollowGroup& g, size_t k, const Approach& a);
// Stores the anchor flags the group's order was decided with: only its leader keeps one.
void StoreFollowLeader(const FollowGroup& g);

// Float with Flex: everyone floating from P's formation to N's moves as one group.
struct FlexGroup {
  std::vector<CPerson*> people;  // in N's slot order
  std::vector<CPlace*> from, to;
  int pivot = 0;
  int spacing = 0;
};
FlexGroup CollectFlexGroup(CPlace& from, CPlace& to);
// The group's points at steps begin + 1 .. last of approach `a`, a row of members per step.
std::vector<CPoint> FlexRows(const FlexGroup& g, const Approach& a, int last);

// The steps answered together with `step`: a place's step, or the steps after a place up to
// and including the next place's step, or the steps before the first place or after the last.
struct Segment {
  int first = 0;
  int last = 0;              // STEP_END when open-ended
  CPlace* from = nullptr;    // the last place before the segment (P)
  CPlace* to = nullptr;      // the first place after it (N); null past the last place
  CPlace* arrival = nullptr;  // the place whose spot holds at `last`, when `last` is a place's step
};
Segment SegmentAt(const CPerson& person, int step);

// The motion of a segment without the person's step instructions, out[0] being `first`;
// group modes march as if alone (Follow still walks its group's path).
void MarchSegment(const CPerson& person, const Segment& seg, int first, int last, CPoint* out);

// Turns the motion of a segment into positions: the person's step instructions overlay it, and
// anything off the field becomes POSITION_NONE. `motion` holds steps first..last.
void FinishSegment(const CPerson& person, const Segment& seg, int first, int last, CPoint* motion);

}  // namespace px::march
