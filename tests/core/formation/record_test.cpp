// Copies of formations and conversion between kinds.
#include <gtest/gtest.h>

#include <vector>

#include "core/support/shows.h"

namespace px {
namespace {

using test::AddPolyShape;
using test::AddRectShape;
using test::Pick;
using test::Points;
using test::PutPeopleOn;

TEST(Clone, CopiesSettingsButNotIdentityOrSlots) {
  CPxDoc doc;
  CFormation* f = AddPolyShape(doc, SHAPE_CURVE, {{0, 0}, {500, 300}, {900, 0}});
  f->m_strName = "Curve";
  f->m_dInterval = 120.0;
  f->m_nSpare = 1;
  f->m_dRotation = 0.4;
  f->m_nStep = 8;
  PutPeopleOn(doc, f, 2);

  std::unique_ptr<CFormation> copy = f->Clone();
  EXPECT_STREQ(copy->GetRuntimeClassName(), "CDrawPoly");
  EXPECT_EQ(copy->m_strName, "Curve");
  EXPECT_EQ(copy->m_pPoints, f->m_pPoints);
  EXPECT_EQ(copy->m_pOutline, f->m_pOutline);
  EXPECT_EQ(copy->m_dRotation, 0.4);
  // Settings copied; slots, number and show not.
  EXPECT_EQ((std::vector<int>{copy->m_nSpare, copy->m_nPlaces, copy->m_nNumber}), (std::vector<int>{1, 0, -1}));
  EXPECT_EQ(copy->m_pDocument, nullptr);

  doc.SetCurrentStep(3);
  CFormation* added = f->Clone(doc);
  EXPECT_EQ(added->m_nStep, 3);
  EXPECT_DOUBLE_EQ(added->m_dInterval, 120.0);  // its own, not the document's default
  EXPECT_NE(added->m_nNumber, f->m_nNumber);
  EXPECT_GE(doc.FormationIndex(added), 0);
}

TEST(ConvertTo, RegularPolygonsAndStars) {
  CPxDoc doc;
  // Centre (500, 300), radius max(500, 300) = 500.
  CFormation* ellipse = AddRectShape(doc, SHAPE_ELLIPSE, CRect{0, 0, 1000, 600});
  CFormation* square = ellipse->ConvertTo(SHAPE_CLOSED_POLYGON, doc, false, 4, 0.0);
  ASSERT_NE(square, ellipse);
  EXPECT_STREQ(square->GetRuntimeClassName(), "CDrawPoly");
  // Point k = (trunc(500 + 500 cos(2 pi k / 4)), trunc(300 + 500 sin(2 pi k / 4))).
  // cos at k = 3 is -1.2e-12 (the program's 2 pi is a hair short), so 499.999... -> 499.
  ASSERT_EQ(square->m_nPoints, 4);
  EXPECT_EQ(Pick(square->m_pPoints, {0, 1, 2, 3}), (Points{{1000, 300}, {500, 800}, {0, 300}, {499, -200}}));
  EXPECT_EQ(square->m_rcBase, (CRect{0, -200, 1000, 800}));

  // A star of 5 points, factor 0.5: 10 points 36 degrees apart, odd ones at radius 250:
  // point 1 = (500 + 250 cos 36, 300 + 250 sin 36) = (702.25, 446.95) -> (702, 446);
  // point 2 = (500 + 500 cos 72, 300 + 500 sin 72) = (654.5, 775.5) -> (654, 775).
  CFormation* star = ellipse->ConvertTo(SHAPE_CLOSED_POLYGON, doc, false, 5, 0.5);
  ASSERT_EQ(star->m_nPoints, 10);
  EXPECT_EQ(Pick(star->m_pPoints, {1, 2, 5}), (Points{{702, 446}, {654, 775}, {250, 300}}));
}

TEST(ConvertTo, VerticesFromEachKind) {
  CPxDoc doc;
  CFormation* ellipse = AddRectShape(doc, SHAPE_ELLIPSE, CRect{0, 0, 1000, 600});
  EXPECT_EQ(ellipse->ConvertTo(SHAPE_ELLIPSE, doc, false, 0, 0.0), ellipse);  // nothing to do

  // 140 outline points, every second one kept: 70 vertices; vertex 1 is outline point 2,
  // entry MulDiv(127, 2, 140) = 2 = (500 + 497, 300 + 29).
  CFormation* poly = ellipse->ConvertTo(SHAPE_POLYGON, doc, false, 0, 0.0);
  EXPECT_EQ(poly->m_nPoints, 70);
  EXPECT_EQ(poly->m_pPoints[1], (CPoint{997, 329}));

  CFormation* line = AddRectShape(doc, SHAPE_LINE, CRect{100, 500, 900, 500});
  line->m_bPoint = 1;
  CFormation* fromLine = line->ConvertTo(SHAPE_CURVE, doc, false, 0, 0.0);
  ASSERT_EQ(fromLine->m_nPoints, 2);
  EXPECT_EQ(fromLine->m_pPoints[1], (CPoint{900, 500}));
  EXPECT_EQ(fromLine->m_bPoint, 0);
  EXPECT_EQ(fromLine->m_rcBase, (CRect{100, 500, 900, 500}));  // bounds of the vertices

  CFormation* rect = AddRectShape(doc, SHAPE_RECTANGLE, CRect{0, 0, 200, 100});
  CFormation* fromRect = rect->ConvertTo(SHAPE_CLOSED_POLYGON, doc, false, 0, 0.0);
  EXPECT_EQ(fromRect->m_nPoints, 4);
  EXPECT_EQ(fromRect->m_pPoints[2], (CPoint{200, 100}));

  CFormation* back = fromRect->ConvertTo(SHAPE_ARC, doc, false, 0, 0.0);
  EXPECT_STREQ(back->GetRuntimeClassName(), "CDrawRect");
  EXPECT_EQ(back->m_rcBase, (CRect{0, 0, 200, 100}));
  EXPECT_EQ(back->m_nShape, SHAPE_ARC);
  EXPECT_GT(back->m_nOutline, 0);
}

TEST(ConvertTo, MovesThePeopleInOrderWithTheirMarchSettings) {
  CPxDoc doc;
  doc.SetCurrentStep(8);
  CFormation* line = AddRectShape(doc, SHAPE_LINE, CRect{0, 0, 900, 0});
  line->m_dInterval = 60.0;
  std::vector<CPerson*> people = PutPeopleOn(doc, line, 3);
  people[1]->m_places[0]->m_nMarchMode = MARCH_XY;
  people[1]->m_places[0]->m_nWaitBefore = 2;
  doc.SetCurrentStep(0);

  CFormation* ellipse = line->ConvertTo(SHAPE_ELLIPSE, doc, true, 0, 0.0);
  EXPECT_EQ(line->m_nPlaces, 0);
  ASSERT_EQ(ellipse->m_nPlaces, 3);
  EXPECT_EQ(ellipse->m_nStep, 8);  // the formation's step, not the current one
  EXPECT_EQ(doc.m_nCurrentStep, 0);
  EXPECT_DOUBLE_EQ(ellipse->m_dInterval, 60.0);
  for (int slot = 0; slot < 3; ++slot) {
    CPlace* place = ellipse->m_ppPlaces[static_cast<size_t>(slot)];
    ASSERT_NE(place, nullptr);
    EXPECT_EQ(place->m_pPerson, people[static_cast<size_t>(slot)]);
    EXPECT_EQ(place->m_nStep, 8);
  }
  EXPECT_EQ(ellipse->m_ppPlaces[1]->m_nMarchMode, MARCH_XY);
  EXPECT_EQ(ellipse->m_ppPlaces[1]->m_nWaitBefore, 2);
  EXPECT_EQ(people[1]->m_places.size(), 1u);
}

}  // namespace
}  // namespace px
