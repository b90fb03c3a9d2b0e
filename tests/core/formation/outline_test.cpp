// Outlines: ellipses reversed and mirrored, arc ends, curves. Ordinary outlines are checked through
// the spots of the recorded positions.
#include <gtest/gtest.h>

#include "core/support/shows.h"

namespace px {
namespace {

using test::AddPolyShape;
using test::AddRectShape;
using test::Pick;
using test::Points;

TEST(Outline, EllipseRunsBackwardsWhenReversedAndMirrorsWhenFlipped) {
  CPxDoc doc;
  // 140 points sampled from the table (their spots are in the recorded positions).
  CFormation* f = AddRectShape(doc, SHAPE_ELLIPSE, CRect{0, 0, 1000, 600});
  ASSERT_EQ(f->m_nOutline, 140);
  EXPECT_EQ(Pick(f->m_pOutline, {0, 139}), (Points{{1000, 300}, {997, 271}}));
  // Reversed, the same points run the other way.
  f->m_bReverse = 1;
  f->RecalcOutline();
  EXPECT_EQ(Pick(f->m_pOutline, {0, 139}), (Points{{997, 271}, {1000, 300}}));

  // A flipped rectangle (right < left) mirrors the ellipse: entry 0 lies on the left.
  f->m_bReverse = 0;
  f->m_rcBase = CRect{1000, 0, 0, 600};
  f->RecalcOutline();
  EXPECT_EQ(f->m_pOutline[0], (CPoint{0, 300}));
}

TEST(Outline, ArcBetweenItsAnglesSetsItsEndPoints) {
  CPxDoc doc;
  // The default arc runs from 0 to pi: entries with 0 < angle < pi, i.e. entries 1 .. 63.
  CFormation* f = AddRectShape(doc, SHAPE_ARC, CRect{0, 0, 1000, 600});
  ASSERT_EQ(f->m_nOutline, 63);
  // The unset end points become the entries nearest the angles, 0 and 64, and being within
  // 48 of the arc's ends ((1000,300)-(999,314) is 14.0) they become its ends.
  EXPECT_EQ(f->m_ptArcStart, (CPoint{1000, 300}));
  EXPECT_EQ(f->m_ptArcEnd, (CPoint{0, 300}));
  EXPECT_EQ(Pick(f->m_pOutline, {0, 1, 62}), (Points{{1000, 300}, {997, 329}, {0, 300}}));  // 1 is entry 2
  EXPECT_EQ(f->GetHandle(4), (CPoint{1000, 300}));
  EXPECT_EQ(f->GetHandle(8), (CPoint{0, 300}));
  const Points first = f->m_pOutline;
  f->RecalcOutline();
  EXPECT_EQ(f->m_pOutline, first);

  // An end point within 48 units of its end of the arc replaces that end ...
  f->m_ptArcStart = CPoint{990, 320};  // 10.8 units from entry 1, (999, 314)
  f->RecalcOutline();
  EXPECT_EQ(f->m_pOutline[0], (CPoint{990, 320}));
  EXPECT_EQ(f->m_ptArcStart, (CPoint{990, 320}));
  f->m_ptArcEnd = CPoint{48, 314};  // 47 from entry 63, (1, 314)
  f->RecalcOutline();
  EXPECT_EQ(f->m_pOutline[62], (CPoint{48, 314}));
  // ... one 48 or more away snaps back to the nearest table entry, entry 64.
  f->m_ptArcEnd = CPoint{49, 314};
  f->RecalcOutline();
  EXPECT_EQ(f->m_ptArcEnd, (CPoint{0, 300}));
  EXPECT_EQ(f->m_pOutline[62], (CPoint{0, 300}));
}

TEST(Outline, ArcsThroughAngleZeroAndArcsTooShortForAnEntry) {
  CPxDoc doc;
  CFormation* f = AddRectShape(doc, SHAPE_ARC, CRect{0, 0, 1000, 1000});
  f->m_dArcStart = 4.8;
  f->m_dArcEnd = 1.0;
  f->RecalcOutline();
  // Entries 98 .. 126 have angles >= 4.8 (entry 98 at 4.811), then entries 0 .. 20 have
  // angles <= 1.0 (entry 20 at 0.982, entry 21 at 1.031): 29 + 21 points. Entry 98 is
  // entry 30 mirrored in y.
  ASSERT_EQ(f->m_nOutline, 50);
  EXPECT_EQ(Pick(f->m_pOutline, {0, 29, 49}), (Points{{549, 3}, {1000, 500}, {777, 915}}));

  // No entry lies strictly between 0.01 and 0.02 (entry 1 is at 0.049): the arc runs
  // between its end points, and a person on it stands there, not in the field corner.
  f->m_dArcStart = 0.01;
  f->m_dArcEnd = 0.02;
  f->m_ptArcStart.x = POSITION_NONE_VALUE;
  f->RecalcOutline();
  ASSERT_EQ(f->m_nOutline, 2);
  EXPECT_EQ(f->m_pOutline[0], (CPoint{1000, 500}));
  test::PutPeopleOn(doc, f, 2);
  EXPECT_EQ(test::Spot(f, 0), (CPoint{1000, 500}));
}

// Vertex 0 at (0, 6000) and the others on y = 0 at x = 100 i: the height of outline point 1
// (t = 1/60) is 6000 times the weight of the controls that repeat vertex 0.
Points SpikeVertices(int count) {
  Points v{{0, 6000}};
  for (int i = 1; i < count; ++i) v.push_back(CPoint{100 * i, 0});
  return v;
}

TEST(Outline, CurveHas61PointsAndRepeatsVerticesOnlyUpTo25) {
  CPxDoc doc;
  // Two vertices, each repeated 6 times: degree 11. At t = 1/2 the weights of the last six
  // controls sum to (C(11,6) + ... + C(11,11)) / 2^11 = 1024 / 2048: the midpoint,
  // 1001 / 2 = 500.5 -> 500 and 601 / 2 = 300.5 -> 300.
  CFormation* two = AddPolyShape(doc, SHAPE_CURVE, {{0, 0}, {1001, 601}});
  ASSERT_EQ(two->m_nOutline, 61);
  EXPECT_EQ(Pick(two->m_pOutline, {0, 30, 60}), (Points{{0, 0}, {500, 300}, {1001, 601}}));
  EXPECT_EQ(AddPolyShape(doc, SHAPE_CURVE, SpikeVertices(40))->m_nOutline, 61);

  // 26 vertices: each once, degree 25. y = 6000 * (59/60)^25 = 6000 * 0.656930 = 3941.58;
  // x = 100 * 25 * t = 41.67 (a Bezier curve reproduces evenly spaced controls linearly).
  EXPECT_EQ(AddPolyShape(doc, SHAPE_CURVE, SpikeVertices(26))->m_pOutline[1], (CPoint{41, 3941}));
  // 25 vertices: six times each, degree 149. The first six controls are vertex 0:
  // y = 6000 * P(Binomial(149, 1/60) <= 5) = 6000 * 0.960468 = 5762.81.
  CFormation* six = AddPolyShape(doc, SHAPE_CURVE, SpikeVertices(25));
  EXPECT_EQ(six->m_pOutline[1].y, 5762);
  EXPECT_EQ(six->m_pOutline[60], (CPoint{2400, 0}));
  // An old record with a repeat of 1 uses each vertex once even with few vertices.
  six->m_nCurveRepeat = 1;
  six->RecalcOutline();
  EXPECT_LT(six->m_pOutline[1].y, 5000);
}

}  // namespace
}  // namespace px
