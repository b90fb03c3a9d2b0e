// Outlines of every kind: point counts, the ellipse table and its sampling, arc ends, curves.
#include <gtest/gtest.h>

#include <cmath>

#include "formation_fixtures.h"

namespace px {
namespace {

using test::AddPolyShape;
using test::AddRectShape;

TEST(Outline, RectangleAndLineTakeTheCornersInOrder) {
  CPxDoc doc;
  CFormation* rect = AddRectShape(doc, SHAPE_RECTANGLE, CRect{100, 200, 400, 600});
  ASSERT_EQ(rect->m_nOutline, 4);
  EXPECT_EQ(rect->m_pOutline[0], (CPoint{100, 200}));
  EXPECT_EQ(rect->m_pOutline[1], (CPoint{400, 200}));
  EXPECT_EQ(rect->m_pOutline[2], (CPoint{400, 600}));
  EXPECT_EQ(rect->m_pOutline[3], (CPoint{100, 600}));
  // Closed: 300 + 400 + 300 + 400, the closing side included.
  EXPECT_DOUBLE_EQ(rect->m_dLength, 1400.0);
  EXPECT_DOUBLE_EQ(rect->m_pCumLen[0], 300.0);
  EXPECT_DOUBLE_EQ(rect->m_pCumLen[3], 1400.0);
  EXPECT_GE(rect->m_pSegLen.size(), 6u);  // outline count + 2

  CFormation* line = AddRectShape(doc, SHAPE_LINE, CRect{0, 0, 300, 400});
  ASSERT_EQ(line->m_nOutline, 2);
  EXPECT_DOUBLE_EQ(line->m_dLength, 500.0);  // 3-4-5 triangle, no closing segment
  line->m_bReverse = 1;
  line->RecalcOutline();
  EXPECT_EQ(line->m_pOutline[0], (CPoint{300, 400}));
}

TEST(Outline, EllipseHas140PointsSampledFromTheTable) {
  CPxDoc doc;
  // cx = 500, cy = 300, rx = 500, ry = 300.
  CFormation* f = AddRectShape(doc, SHAPE_ELLIPSE, CRect{0, 0, 1000, 600});
  ASSERT_EQ(f->m_nOutline, 140);
  // Point k is table entry MulDiv(127, k, 140).
  EXPECT_EQ(f->m_pOutline[0], (CPoint{1000, 300}));  // entry 0 = (cx + rx, cy)
  // k = 1 -> entry 1: 500 * cos(pi/64) = 499.40 -> 499, 300 * sin(pi/64) = 14.72 -> 14.
  EXPECT_EQ(f->m_pOutline[1], (CPoint{999, 314}));
  // k = 35 -> 127 * 35 / 140 = 31.75 -> entry 32 = (cx, cy + ry).
  EXPECT_EQ(f->m_pOutline[35], (CPoint{500, 600}));
  // k = 70 -> 63.5 rounds away from zero to 64: entry 0 mirrored in x, (2 * 500 - 1000, 300).
  EXPECT_EQ(f->m_pOutline[70], (CPoint{0, 300}));
  // k = 105 -> 95.25 -> entry 95 = entry 33 mirrored in y; entry 33 = entry 31 mirrored in x;
  // entry 31 = (500 + trunc(500 * 0.04907), 300 + trunc(300 * 0.99880)) = (524, 599).
  // So entry 33 = (476, 599) and entry 95 = (476, 600 - 599) = (476, 1).
  EXPECT_EQ(f->m_pOutline[105], (CPoint{476, 1}));
  // k = 139 -> 126.09 -> entry 126 = entry 2 mirrored in y; entry 2 = (500 + 497, 300 + 29).
  EXPECT_EQ(f->m_pOutline[139], (CPoint{997, 271}));

  // Reversed, the same points run the other way.
  f->m_bReverse = 1;
  f->RecalcOutline();
  EXPECT_EQ(f->m_pOutline[0], (CPoint{997, 271}));
  EXPECT_EQ(f->m_pOutline[139], (CPoint{1000, 300}));
}

TEST(Outline, EllipseTableFollowsTheRectangle) {
  CPxDoc doc;
  CFormation* a = AddRectShape(doc, SHAPE_ELLIPSE, CRect{0, 0, 1000, 600});
  CFormation* b = AddRectShape(doc, SHAPE_ELLIPSE, CRect{2000, 2000, 2200, 2100});
  // b's table replaced a's; rebuilding a must not reuse b's points.
  a->RecalcOutline();
  EXPECT_EQ(a->m_pOutline[0], (CPoint{1000, 300}));
  EXPECT_EQ(b->m_pOutline[0], (CPoint{2200, 2050}));
  // A flipped rectangle (right < left) mirrors the ellipse: entry 0 lies on the left.
  b->m_rcBase = CRect{2200, 2000, 2000, 2100};
  b->RecalcOutline();
  EXPECT_EQ(b->m_pOutline[0], (CPoint{2000, 2050}));
}

TEST(Outline, ArcBetweenItsAnglesSetsItsEndPoints) {
  CPxDoc doc;
  // The default arc runs from 0 to pi: entries with 0 < angle < pi, i.e. entries 1 .. 63.
  CFormation* f = AddRectShape(doc, SHAPE_ARC, CRect{0, 0, 1000, 600});
  ASSERT_EQ(f->m_nOutline, 63);
  // The end points were unset: they become the entries nearest the angles, 0 and 64, and
  // being within 48 of the arc's ends ((1000,300)-(999,314) is 14.0) they become its ends.
  EXPECT_EQ(f->m_ptArcStart, (CPoint{1000, 300}));
  EXPECT_EQ(f->m_ptArcEnd, (CPoint{0, 300}));
  EXPECT_EQ(f->m_pOutline[0], (CPoint{1000, 300}));
  EXPECT_EQ(f->m_pOutline[1], (CPoint{997, 329}));  // entry 2
  EXPECT_EQ(f->m_pOutline[62], (CPoint{0, 300}));
  EXPECT_EQ(f->GetHandle(4), (CPoint{1000, 300}));
  EXPECT_EQ(f->GetHandle(8), (CPoint{0, 300}));
  // Rebuilding an unchanged arc gives the same outline.
  const std::vector<CPoint> first = f->m_pOutline;
  f->RecalcOutline();
  EXPECT_EQ(f->m_pOutline, first);

  // An end point within 48 units of its end of the arc replaces that end ...
  f->m_ptArcStart = CPoint{990, 320};  // 10.8 units from entry 1, (999, 314)
  f->RecalcOutline();
  EXPECT_EQ(f->m_pOutline[0], (CPoint{990, 320}));
  EXPECT_EQ(f->m_ptArcStart, (CPoint{990, 320}));
  f->m_ptArcEnd = CPoint{48, 314};  // 47 from entry 63, (1, 314): kept, the last point moves
  f->RecalcOutline();
  EXPECT_EQ(f->m_pOutline[62], (CPoint{48, 314}));
  // ... one 48 or more away snaps back to the nearest table entry, entry 64.
  f->m_ptArcEnd = CPoint{49, 314};
  f->RecalcOutline();
  EXPECT_EQ(f->m_ptArcEnd, (CPoint{0, 300}));
  EXPECT_EQ(f->m_pOutline[62], (CPoint{0, 300}));
}

TEST(Outline, ArcWithStartAboveEndRunsThroughAngleZero) {
  CPxDoc doc;
  CFormation* f = AddRectShape(doc, SHAPE_ARC, CRect{0, 0, 1000, 1000});
  f->m_dArcStart = 4.8;
  f->m_dArcEnd = 1.0;
  f->RecalcOutline();
  // Entries 98 .. 126 have angles >= 4.8 (entry 98 at 4.811), then entries 0 .. 20 have
  // angles <= 1.0 (entry 20 at 0.982, entry 21 at 1.031): 29 + 21 points.
  ASSERT_EQ(f->m_nOutline, 50);
  EXPECT_EQ(f->m_pOutline[0], (CPoint{549, 3}));   // entry 98 = entry 30 mirrored in y
  EXPECT_EQ(f->m_pOutline[29], (CPoint{1000, 500}));  // entry 0 follows entry 126
  EXPECT_EQ(f->m_pOutline[49], (CPoint{777, 915}));   // entry 20
}

TEST(Outline, ArcTooShortForAnEntryRunsBetweenItsEndPoints) {
  CPxDoc doc;
  CFormation* f = AddRectShape(doc, SHAPE_ARC, CRect{0, 0, 1000, 1000});
  f->m_dArcStart = 0.01;
  f->m_dArcEnd = 0.02;  // no entry lies strictly between (entry 1 is at 0.049)
  f->m_ptArcStart.x = POSITION_NONE_VALUE;
  f->RecalcOutline();
  ASSERT_EQ(f->m_nOutline, 2);
  EXPECT_EQ(f->m_pOutline[0], (CPoint{1000, 500}));
  test::PutPeopleOn(doc, f, 2);
  EXPECT_EQ(test::Spot(f, 0), (CPoint{1000, 500}));  // not the field corner
}

TEST(Outline, CurveHas61PointsWhateverTheVertexCount) {
  CPxDoc doc;
  // Two vertices, each repeated 6 times: degree 11. At t = 1/2 the weights of the last six
  // controls sum to (C(11,6) + ... + C(11,11)) / 2^11 = 1024 / 2048, so the point is the
  // midpoint: 1001 / 2 = 500.5 -> 500 and 601 / 2 = 300.5 -> 300.
  CFormation* f = AddPolyShape(doc, SHAPE_CURVE, {{0, 0}, {1001, 601}});
  ASSERT_EQ(f->m_nOutline, 61);
  EXPECT_EQ(f->m_pOutline[0], (CPoint{0, 0}));
  EXPECT_EQ(f->m_pOutline[30], (CPoint{500, 300}));
  EXPECT_EQ(f->m_pOutline[60], (CPoint{1001, 601}));

  std::vector<CPoint> many;
  for (int i = 0; i < 40; ++i) many.push_back(CPoint{100 * i, (i % 2) * 300});
  CFormation* g = AddPolyShape(doc, SHAPE_CURVE, many);
  EXPECT_EQ(g->m_nOutline, 61);
}

// Vertex 0 at (0, 6000) and the others on y = 0 at x = 100 i: the height of outline point 1
// (t = 1/60) is 6000 times the weight of the controls that repeat vertex 0.
std::vector<CPoint> SpikeVertices(int count) {
  std::vector<CPoint> v{{0, 6000}};
  for (int i = 1; i < count; ++i) v.push_back(CPoint{100 * i, 0});
  return v;
}

TEST(Outline, CurveRepeatsVerticesOnlyUpTo25) {
  CPxDoc doc;
  // 26 vertices: each once, degree 25. y = 6000 * (59/60)^25 = 6000 * 0.656930 = 3941.58;
  // x = 100 * 25 * t = 41.67 (a Bezier curve reproduces evenly spaced controls linearly).
  CFormation* once = AddPolyShape(doc, SHAPE_CURVE, SpikeVertices(26));
  EXPECT_EQ(once->m_pOutline[1], (CPoint{41, 3941}));
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

TEST(Outline, PolygonsWalkTheirVertices) {
  CPxDoc doc;
  CFormation* open = AddPolyShape(doc, SHAPE_POLYGON, {{0, 0}, {300, 0}, {300, 400}});
  EXPECT_EQ(open->m_nOutline, 0);
  EXPECT_DOUBLE_EQ(open->m_dLength, 700.0);
  EXPECT_EQ(open->m_rcBase, (CRect{0, 0, 300, 400}));
  CFormation* closed = AddPolyShape(doc, SHAPE_CLOSED_POLYGON, {{0, 0}, {300, 0}, {300, 400}});
  EXPECT_DOUBLE_EQ(closed->m_dLength, 1200.0);  // 300 + 400 + 500 back to the start
}

}  // namespace
}  // namespace px
