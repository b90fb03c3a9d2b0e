// What the pointer finds under a field point: people before formations, the smallest of
// overlapping formations, handles and pivots of selected formations only.
#include <gtest/gtest.h>

#include "core/doc/hit_test.h"
#include "core/support/shows.h"

namespace px {
namespace {

using test::AddRectShape;

struct HitTest : ::testing::Test {
  CPxDoc doc;
  // Areas (width - 2) x (height - 2): 1998 x 1998 and 498 x 498.
  CFormation* big = AddRectShape(doc, SHAPE_RECTANGLE, CRect{1000, 1000, 3000, 3000});
  CFormation* small = AddRectShape(doc, SHAPE_RECTANGLE, CRect{1500, 1500, 2000, 2000});

  CPerson* PersonWithMarker(const CRect& marker) {
    CPerson* person = doc.AddPerson(std::make_unique<CPerson>());
    person->m_rcBase = marker;
    return person;
  }
};

TEST_F(HitTest, TheSmallestFormationOfTheCurrentStepUnderThePoint) {
  EXPECT_EQ(FormationAt(doc, CPoint{1700, 1700}), small);
  EXPECT_EQ(FormationAt(doc, CPoint{1200, 1200}), big);
  EXPECT_EQ(FormationAt(doc, CPoint{4000, 4000}), nullptr);
  // Of two equal ones, the first in the list.
  CFormation* twin = AddRectShape(doc, SHAPE_RECTANGLE, CRect{1500, 1500, 2000, 2000});
  ASSERT_LT(doc.FormationIndex(small), doc.FormationIndex(twin));
  EXPECT_EQ(FormationAt(doc, CPoint{1700, 1700}), small);

  // A formation of another step is not there to be found.
  doc.SetCurrentStep(8);
  CFormation* later = AddRectShape(doc, SHAPE_RECTANGLE, CRect{1600, 1600, 1700, 1700});
  doc.SetCurrentStep(0);
  EXPECT_EQ(FormationAt(doc, CPoint{1650, 1650}), small);
  doc.SetCurrentStep(8);
  EXPECT_EQ(FormationAt(doc, CPoint{1650, 1650}), later);
  EXPECT_EQ(FormationAt(doc, CPoint{1200, 1200}), nullptr);
}

TEST_F(HitTest, HandlesOfSelectedFormationsOnly) {
  // Corner 3 of the big rectangle is (3000, 1000); handles reach 36 units on each axis.
  EXPECT_FALSE(HandleAt(doc, CPoint{3000, 1000}));
  doc.m_selection.formations = {big};
  HandleHit hit = HandleAt(doc, CPoint{3036, 964});
  EXPECT_EQ(hit.formation, big);
  EXPECT_EQ(hit.handle, 3);
  EXPECT_FALSE(HandleAt(doc, CPoint{3037, 1000}));
  // Side handle 8 is (1000, 2000), the middle of the left edge.
  EXPECT_EQ(HandleAt(doc, CPoint{1000, 2000}).handle, 8);
  // The small rectangle's corner (1500, 1500) is a handle once it is selected.
  EXPECT_FALSE(HandleAt(doc, CPoint{1500, 1500}));
  doc.m_selection.formations = {small, big};
  EXPECT_EQ(HandleAt(doc, CPoint{1500, 1500}).formation, small);
  // A selected formation of another step offers no handle.
  doc.SetCurrentStep(1);
  EXPECT_FALSE(HandleAt(doc, CPoint{3000, 1000}));
}

TEST_F(HitTest, PivotsWithin72UnitsOfSelectedFormationsLastFirst) {
  big->m_ptPivot = CPoint{2000, 2000};
  small->m_ptPivot = CPoint{2050, 2000};
  EXPECT_EQ(PivotAt(doc, CPoint{2000, 2000}), nullptr);  // nothing selected
  doc.m_selection.formations = {big, small};
  // 60 and 72 units from the big one's pivot, 10 and 72 from the small one's: both are in
  // reach, and the walk from the end of the list meets the small one first.
  EXPECT_EQ(PivotAt(doc, CPoint{2060, 2072}), small);
  // 72 left of the big pivot is 122 left of the small one.
  EXPECT_EQ(PivotAt(doc, CPoint{1928, 2000}), big);
  EXPECT_EQ(PivotAt(doc, CPoint{1927, 2000}), nullptr);
  EXPECT_EQ(PivotAt(doc, CPoint{2000, 2073}), nullptr);
  doc.SetCurrentStep(1);
  EXPECT_EQ(PivotAt(doc, CPoint{2000, 2000}), nullptr);
}

TEST_F(HitTest, TheLastPersonWhoseMarkerMeetsThePoint) {
  CPerson* first = PersonWithMarker(CRect{976, 976, 1024, 1024});
  CPerson* second = PersonWithMarker(CRect{1000, 1000, 1048, 1048});
  EXPECT_EQ(PersonAt(doc, CPoint{1010, 1010}), second);
  EXPECT_EQ(PersonAt(doc, CPoint{980, 980}), first);
  // The probe is 1 by 1: a point just left of the marker's left edge still touches it.
  EXPECT_EQ(PersonAt(doc, CPoint{975, 990}), first);
  EXPECT_EQ(PersonAt(doc, CPoint{974, 990}), nullptr);
  // A marker stored with its corners swapped is found all the same.
  CPerson* flipped = PersonWithMarker(CRect{3048, 3048, 3000, 3000});
  EXPECT_EQ(PersonAt(doc, CPoint{3020, 3020}), flipped);
}

}  // namespace
}  // namespace px
