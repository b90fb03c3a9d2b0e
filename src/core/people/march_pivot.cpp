// Pivot: the gate turn, swinging the formation about its pivot.
#include <array>
#include <cmath>
#include <vector>

#include "core/people/march.h"
#include "core/people/pivot_turn.h"
#include "core/util/muldiv.h"

namespace px::march {
namespace {

// The cosines and sines of the turn so far at each marching step. A section turns together,
// so the last few turns are kept and shared by everyone who makes the same one.
struct TurnSteps {
  double turn = 0.0;
  int total = 0;
  std::vector<double> cos, sin;  // index: elapsed
};

const TurnSteps& StepsOf(double turn, int total) {
  thread_local std::array<TurnSteps, 8> kept;
  thread_local size_t next = 0;
  for (const TurnSteps& t : kept)
    if (t.total == total && t.turn == turn) return t;
  TurnSteps& t = kept[next];
  next = (next + 1) % kept.size();
  t.turn = turn;
  t.total = total;
  t.cos.resize(static_cast<size_t>(total));
  t.sin.resize(static_cast<size_t>(total));
  for (int e = 0; e < total; ++e) {
    const double angle = e * turn / total;
    t.cos[static_cast<size_t>(e)] = std::cos(angle);
    t.sin[static_cast<size_t>(e)] = std::sin(angle);
  }
  return t;
}

}  // namespace

void PivotSteps(const Approach& a, int first, int last, CPoint* out) {
  CFormation& pf = *a.from.m_pFormation;
  CFormation& nf = *a.to.m_pFormation;
  const double turn = PivotTurn(pf.m_dRotation, nf.m_dRotation, a.to.m_bClockwise != 0, true);
  const TurnSteps& steps = StepsOf(turn, a.total);
  auto rotated = [&](CPoint p, CPoint centre, int e) {
    return RotateAbout(p, centre, steps.cos[static_cast<size_t>(e)], steps.sin[static_cast<size_t>(e)]);
  };

  if (a.to.m_bSimple) {
    const CPoint spot = SpotOf(a.from);
    for (int s = first; s <= last; ++s) out[s - first] = rotated(spot, pf.m_ptPivot, a.Elapsed(s));
    return;
  }

  // Not simple: the unrotated spot slides from the old shape to the new one while the pivot
  // slides between the two pivots; the whole is then turned about the moving pivot.
  const CPoint p1 = SpotUnrotated(pf, a.from.m_nSlot);
  const CPoint p2 = SpotUnrotated(nf, a.to.m_nSlot);
  const CPoint c1 = pf.m_ptPivot;
  const CPoint c2 = nf.m_ptPivot;
  const int vx = (p2.x - c2.x) - (p1.x - c1.x);
  const int vy = (p2.y - c2.y) - (p1.y - c1.y);
  const double cosR = std::cos(pf.m_dRotation);
  const double sinR = std::sin(pf.m_dRotation);
  const int e0 = a.Elapsed(first);
  MulDivRun dx(c2.x - c1.x, e0, a.total), dy(c2.y - c1.y, e0, a.total);
  MulDivRun mx(vx, e0, a.total), my(vy, e0, a.total);
  for (int s = first; s <= last; ++s, dx.Next(), dy.Next(), mx.Next(), my.Next()) {
    const int e = a.Elapsed(s);
    const CPoint delta{dx.Value(), dy.Value()};
    const CPoint centre{c1.x + delta.x, c1.y + delta.y};
    CPoint p{p1.x + mx.Value() + delta.x, p1.y + my.Value() + delta.y};
    if (pf.m_dRotation != 0.0) p = RotateAbout(p, centre, cosR, sinR);
    out[s - first] = turn * e / a.total == 0.0 ? p : rotated(p, centre, e);
  }
}

}  // namespace px::march
