// Float with Flex: everyone who floats from the same formation to the same formation moves
// as one group, creeping toward the new spots and keeping at least the formation spacing
// between neighbours.
#include <algorithm>
#include <cmath>
#include <vector>

#include "core/people/march.h"
#include "core/util/muldiv.h"

namespace px::march {
namespace {

// Where `p` goes when pushed straight away from `neighbour` to exactly `spacing`.
CPoint PushedAway(CPoint p, CPoint neighbour, int spacing) {
  if (p.x == neighbour.x) return CPoint{p.x, neighbour.y + (p.y >= neighbour.y ? spacing : -spacing)};
  if (p.y == neighbour.y) return CPoint{neighbour.x + (p.x >= neighbour.x ? spacing : -spacing), p.y};
  const double a = std::atan2(p.y - neighbour.y, p.x - neighbour.x);
  return CPoint{Trunc(neighbour.x + spacing * std::cos(a)), Trunc(neighbour.y + spacing * std::sin(a))};
}

double Distance(CPoint a, CPoint b) {
  const double dx = a.x - b.x;
  const double dy = a.y - b.y;
  return std::sqrt(dx * dx + dy * dy);
}

// Pushes points that crowd their neighbour on the pivot's side out to the spacing; the
// points beyond them move along so the line keeps its shape.
void Respace(std::vector<CPoint>& pts, int pivot, int spacing) {
  const int count = static_cast<int>(pts.size());
  auto push = [&](int i, int neighbour, int farFirst, int farLast) {
    if (Distance(pts[static_cast<size_t>(i)], pts[static_cast<size_t>(neighbour)]) >= spacing) return;
    const CPoint moved = PushedAway(pts[static_cast<size_t>(i)], pts[static_cast<size_t>(neighbour)], spacing);
    const int dx = moved.x - pts[static_cast<size_t>(i)].x;
    const int dy = moved.y - pts[static_cast<size_t>(i)].y;
    pts[static_cast<size_t>(i)] = moved;
    for (int j = farFirst; j <= farLast; ++j) {
      pts[static_cast<size_t>(j)].x += dx;
      pts[static_cast<size_t>(j)].y += dy;
    }
  };
  for (int i = 0; i < pivot; ++i) push(i, i + 1, 0, i - 1);
  for (int i = count - 1; i > pivot; --i) push(i, i - 1, i + 1, count - 1);
}

}  // namespace

FlexGroup CollectFlexGroup(CPlace& legFrom, CPlace& legTo) {
  FlexGroup g;
  CFormation& pf = *legFrom.m_pFormation;
  CFormation& nf = *legTo.m_pFormation;
  // Walks the slots of the formation being reached, taking everyone who also stands on the
  // formation being left and approaches in the same mode.
  int anchor = -1;
  for (CPlace* to : nf.m_ppPlaces) {
    if (!to || !to->m_pPerson || to->m_nMarchMode != legTo.m_nMarchMode) continue;
    CPlace* from = to->m_pPerson->GetPlaceOnFormation(&pf);
    if (!from) continue;
    g.people.push_back(to->m_pPerson);
    g.from.push_back(from);
    g.to.push_back(to);
    if (to->m_bAnchor) anchor = static_cast<int>(g.people.size()) - 1;
  }
  // Without an anchor, the member with the shortest way to go keeps its place.
  int closest = static_cast<int>(g.people.size()) / 2;
  double best = 1000000.0;
  for (size_t i = 0; i < g.people.size(); ++i) {
    const double distance = Distance(SpotOf(*g.from[i]), SpotOf(*g.to[i]));
    if (distance < best) {
      best = distance;
      closest = static_cast<int>(i);
    }
  }
  g.pivot = anchor >= 0 ? anchor : closest;
  g.spacing = std::min(Trunc(pf.m_dLength / pf.m_nPlaces), Trunc(nf.m_dLength / nf.m_nPlaces));
  return g;
}

std::vector<CPoint> FlexRows(const FlexGroup& g, const Approach& a, int last) {
  const size_t count = g.people.size();
  std::vector<CPoint> from(count), to(count);
  for (size_t i = 0; i < count; ++i) {
    from[i] = SpotOf(*g.from[i]);
    to[i] = SpotOf(*g.to[i]);
  }
  // A person listed twice reads back the point written for it last.
  std::vector<size_t> source(count);
  for (size_t i = 0; i < count; ++i) {
    source[i] = i;
    for (size_t j = count; j-- > i + 1;)
      if (g.people[j] == g.people[i]) {
        source[i] = j;
        break;
      }
  }
  // Each step creeps toward the new spots, by 1/(total + 1) already while the group waits;
  // once it marches, crowded neighbours are pushed apart.
  const int rows = std::max(0, last - a.begin);
  std::vector<CPoint> out(static_cast<size_t>(rows) * count);
  std::vector<CPoint> pts(count);
  for (int r = 0; r < rows; ++r) {
    const int e = std::max(0, r + 1 - a.to.m_nWaitBefore);
    const int divisor = a.total - e + 1;
    const CPoint* previous = r == 0 ? from.data() : out.data() + static_cast<size_t>(r - 1) * count;
    for (size_t i = 0; i < count; ++i) {
      const CPoint p = previous[source[i]];
      pts[i] = CPoint{p.x + (to[i].x - p.x) / divisor, p.y + (to[i].y - p.y) / divisor};
    }
    if (e > 0) Respace(pts, g.pivot, g.spacing);
    std::copy(pts.begin(), pts.end(), out.begin() + static_cast<std::ptrdiff_t>(static_cast<size_t>(r) * count));
  }
  return out;
}

}  // namespace px::march
