// The formation transform, handles, hit tests, area and the field tests.
#include <gtest/gtest.h>

#include <cmath>

#include "core/support/shows.h"

namespace px {
namespace {

using test::AddPolyShape;
using test::AddRectShape;
using test::Points;

TEST(Transform, SkewShearsFromTheLeftEdgeBeforeRotating) {
  CDrawRect f(CRect{100, 0, 500, 100});
  EXPECT_EQ(f.Transform(CPoint{300, 50}), (CPoint{300, 50}));  // identity without either
  f.m_dSkew = 0.5;
  EXPECT_EQ(f.Transform(CPoint{300, 50}), (CPoint{300, 150}));  // trunc(50 + |300 - 100| * 0.5)
  f.m_dSkew = -0.25;
  EXPECT_EQ(f.Transform(CPoint{301, 50}), (CPoint{301, 0}));  // trunc(50 - 201 * 0.25) = trunc(-0.25)
  // The substitute skew of spotting replaces the formation's own; a point left of the
  // left edge shears by its distance too. (Shear before rotation: the recorded positions.)
  EXPECT_EQ(f.TransformWith(CPoint{300, 50}, 0.0, 1.0), (CPoint{300, 250}));
  EXPECT_EQ(f.TransformWith(CPoint{50, 50}, 0.0, 1.0), (CPoint{50, 100}));

  // The inverse undoes it within one unit of rotation rounding and one of shear.
  CDrawRect g(CRect{1000, 1000, 2000, 1500});
  g.m_ptPivot = CPoint{1500, 1250};
  g.m_dRotation = 0.7;
  g.m_dSkew = 0.3;
  for (CPoint p : {CPoint{1000, 1000}, CPoint{2000, 1500}, CPoint{1234, 1400}, CPoint{1800, 1100}}) {
    const CPoint back = g.InverseTransform(g.Transform(p));
    EXPECT_LE(std::abs(back.x - p.x), 1);
    EXPECT_LE(std::abs(back.y - p.y), 2);
  }
}

TEST(Handles, RectangleLineArcAndPolygonHandles) {
  CPxDoc doc;
  CFormation* rect = AddRectShape(doc, SHAPE_RECTANGLE, CRect{100, 200, 301, 401});
  EXPECT_EQ(rect->GetHandleCount(), 8);
  // Handle 2 at 100 + 201 / 2 = 200.
  EXPECT_EQ((Points{rect->GetHandle(1), rect->GetHandle(2), rect->GetHandle(4), rect->GetHandle(7)}),
            (Points{{100, 200}, {200, 200}, {301, 300}, {100, 401}}));

  CFormation* line = AddRectShape(doc, SHAPE_LINE, CRect{100, 200, 300, 400});
  EXPECT_EQ(line->GetHandleCount(), 2);
  EXPECT_EQ(line->GetHandle(2), (CPoint{300, 400}));  // handle 2 of a line is corner 5

  CFormation* arc = AddRectShape(doc, SHAPE_ARC, CRect{0, 0, 1000, 600});
  EXPECT_EQ(arc->GetHandle(2), (CPoint{0, 0}));
  EXPECT_EQ(arc->GetHandle(6), (CPoint{0, 0}));

  CFormation* poly = AddPolyShape(doc, SHAPE_POLYGON, {{1000, 1000}, {1200, 1000}, {1200, 1300}});
  EXPECT_EQ(poly->GetHandleCount(), 11);
  EXPECT_EQ(poly->GetHandle(10), (CPoint{1200, 1000}));
  // Handles are transformed: (1200, 1000) turns a quarter about (1000, 1000) to (1000, 1200).
  poly->m_ptPivot = CPoint{1000, 1000};
  poly->m_dRotation = PI / 2;
  EXPECT_EQ(poly->GetHandle(10), (CPoint{1000, 1200}));
}

TEST(Handles, HitTestFindsVerticesBeforeCornersAndNothingOnPoints) {
  CPxDoc doc;  // handle sizes 36
  CFormation* poly = AddPolyShape(doc, SHAPE_POLYGON, {{1000, 1000}, {1200, 1000}, {1200, 1300}});
  // (1000, 1000) is both vertex 1 (handle 9) and corner 1; vertices are tried first.
  EXPECT_EQ(poly->HitTest(CPoint{1036, 964}, true), 9);  // the reach: tests/core/doc/hit_test_test.cpp
  EXPECT_EQ(poly->HitTest(CPoint{1100, 1010}, true), 2);  // middle of the top edge
  // Not selected: inside the defining rectangle.
  EXPECT_EQ(poly->HitTest(CPoint{1100, 1100}, false), 1);
  EXPECT_EQ(poly->HitTest(CPoint{900, 1100}, false), 0);

  CFormation* point = AddRectShape(doc, SHAPE_LINE, CRect{2000, 2000, 2096, 2000});
  point->m_bPoint = 1;
  EXPECT_EQ(point->HitTest(CPoint{2000, 2000}, true), 0);
}

TEST(Intersects, ClosedShapesAreRegionsAndOpenOnesLines) {
  CPxDoc doc;
  CFormation* ellipse = AddRectShape(doc, SHAPE_ELLIPSE, CRect{0, 0, 1000, 1000});
  EXPECT_TRUE(ellipse->Intersects(CRect{499, 499, 501, 501}, false));  // the middle
  EXPECT_FALSE(ellipse->Intersects(CRect{20, 20, 22, 22}, false));     // a corner outside
  EXPECT_TRUE(ellipse->Intersects(CRect{-10, -10, 1010, 1010}, true));
  EXPECT_FALSE(ellipse->Intersects(CRect{0, 0, 600, 1000}, true));

  CFormation* line = AddRectShape(doc, SHAPE_LINE, CRect{0, 2000, 1000, 2000});
  EXPECT_TRUE(line->Intersects(CRect{500, 2010, 502, 2012}, false));  // within half a handle
  EXPECT_FALSE(line->Intersects(CRect{500, 2030, 502, 2032}, false));

  // Inside the bend: off an open polygon's line, inside a closed one.
  CFormation* open = AddPolyShape(doc, SHAPE_POLYGON, {{0, 3000}, {1000, 3000}, {1000, 4000}});
  EXPECT_FALSE(open->Intersects(CRect{600, 3400, 602, 3402}, false));
  CFormation* closed = AddPolyShape(doc, SHAPE_CLOSED_POLYGON, {{0, 5000}, {1000, 5000}, {1000, 6000}});
  EXPECT_TRUE(closed->Intersects(CRect{600, 5400, 602, 5402}, false));
}

TEST(Area, RectangleLessTwoOnEachSideAndPolygonEnclosedArea) {
  CPxDoc doc;
  CFormation* rect = AddRectShape(doc, SHAPE_RECTANGLE, CRect{300, 400, 100, 200});
  EXPECT_DOUBLE_EQ(rect->GetArea(), 198.0 * 198.0);  // normalised 200 x 200, |200 - 2|^2
  CFormation* tri = AddPolyShape(doc, SHAPE_CLOSED_POLYGON, {{0, 0}, {300, 0}, {300, 400}});
  EXPECT_DOUBLE_EQ(tri->GetArea(), 60000.0);  // 300 * 400 / 2
}

TEST(FieldTest, InsideFieldClampingAndExtremes) {
  CPxDoc doc;
  CFormation* f = AddRectShape(doc, SHAPE_RECTANGLE, CRect{8000, 100, 8600, 500});
  EXPECT_TRUE(f->IsInsideField());
  EXPECT_FALSE(f->IsInsideField(CRect{8100, 100, 8700, 500}));
  f->m_ptPivot = CPoint{8300, 300};
  f->m_dRotation = PI / 4;  // the corners swing out past x = 8640
  EXPECT_FALSE(f->IsInsideField());

  // Beyond 8640: pulled in, the other edge follows; below 0: pushed out the same way;
  // wider than the field: both edges on the field edges; orientation kept.
  EXPECT_EQ(ClampToField(CRect{8100, 100, 8700, 500}), (CRect{8040, 100, 8640, 500}));
  EXPECT_EQ(ClampToField(CRect{-50, -10, 150, 90}), (CRect{0, 0, 200, 100}));
  EXPECT_EQ(ClampToField(CRect{-100, 0, 9000, 10}), (CRect{0, 0, 8640, 10}));
  EXPECT_EQ(ClampToField(CRect{8700, 0, 8100, 10}), (CRect{8640, 0, 8040, 10}));

  CFormation* turned = AddRectShape(doc, SHAPE_RECTANGLE, CRect{1000, 1000, 1400, 1200});
  turned->m_ptPivot = CPoint{1000, 1000};
  turned->m_dRotation = PI / 2;
  // A quarter turn about (1000, 1000): (1000, 1200) goes to (800, 1000) exactly, and
  // (1400, 1200) to x' = 400 * cos - 200 = -199.99999999999997, truncated: 801.
  EXPECT_EQ(turned->FieldPoints()[2], (CPoint{801, 1400}));
  EXPECT_EQ((CRect{turned->GetMinX(), turned->GetMinY(), turned->GetMaxX(), turned->GetMaxY()}),
            (CRect{800, 1000, 1000, 1400}));
}

}  // namespace
}  // namespace px
