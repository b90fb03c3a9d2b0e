// People without a place at the current step are parked outside the show, 144 units apart.
#include <gtest/gtest.h>

#include "core/doc/pxdoc.h"
#include "core/doc/show_file.h"

namespace px {
namespace {

// `count` people without a place; the second one stands on the field at the current step
// (a place whose spot is known), so it keeps its position and takes no parking slot.
std::vector<CPerson*> Crowd(CPxDoc& doc, int count) {
  std::vector<CPerson*> parked;
  for (int i = 0; i <= count; ++i) {
    auto p = std::make_unique<CPerson>();
    p->m_nNumber = i + 1;
    p->m_pDocument = &doc;
    if (i == 1) {
      auto place = std::make_unique<CPlace>();
      place->m_nStep = doc.m_nCurrentStep;
      place->m_ptSpot = CPoint{1000, 2000};
      place->m_pPerson = p.get();
      p->m_places.push_back(std::move(place));
    } else {
      parked.push_back(p.get());
    }
    doc.m_people.push_back(std::move(p));
  }
  return parked;
}

TEST(Parking, NormalLayoutFillsColumnsDownToTheThirtiethPerson) {
  CPxDoc doc;
  doc.m_nPersonSize = 20;
  auto parked = Crowd(doc, 61);
  doc.ParkPeopleWithoutPlace(ParkingLayout::Normal);
  EXPECT_EQ(parked[0]->m_ptPosition, (CPoint{72, 216}));
  EXPECT_EQ(parked[28]->m_ptPosition, (CPoint{72, 4248}));   // 216 + 28 x 144, not above 4320
  EXPECT_EQ(parked[29]->m_ptPosition, (CPoint{72, 4392}));   // the 30th keeps y above 4320
  EXPECT_EQ(parked[30]->m_ptPosition, (CPoint{216, 216}));   // a new column
  EXPECT_EQ(parked[60]->m_ptPosition, (CPoint{360, 216}));
  EXPECT_EQ(parked[30]->m_rcBase, (CRect{196, 196, 236, 236}));  // position +- the person size
  EXPECT_EQ(doc.m_people[1]->m_ptPosition, (CPoint{1000, 2000}));
}

TEST(Parking, PerspectiveLayoutFillsRowsUpToTheFiftiethPerson) {
  CPxDoc doc;
  auto parked = Crowd(doc, 52);
  doc.ParkPeopleWithoutPlace(ParkingLayout::Perspective);
  EXPECT_EQ(parked[0]->m_ptPosition, (CPoint{216, 144}));
  EXPECT_EQ(parked[48]->m_ptPosition, (CPoint{7128, 144}));  // 216 + 48 x 144, not above 7200
  EXPECT_EQ(parked[49]->m_ptPosition, (CPoint{7272, 144}));  // the 50th keeps x above 7200
  EXPECT_EQ(parked[50]->m_ptPosition, (CPoint{216, 0}));     // the next row lies 144 lower
  EXPECT_EQ(parked[0]->m_rcBase, (CRect{192, 120, 240, 168}));  // default size 24
  EXPECT_EQ(doc.m_people[1]->m_ptPosition, (CPoint{1000, 2000}));
}

// Loading parks as well: people of a file without a place end up in the first column.
TEST(Parking, AfterLoadingPeopleWithoutAPlaceAreParked) {
  CPxDoc doc;
  Crowd(doc, 3);
  CPxDoc read;
  LoadShowFromBytes(SaveShowToBytes(doc), read);
  ASSERT_EQ(read.m_people.size(), 4u);
  EXPECT_EQ(read.m_people[3]->m_ptPosition, (CPoint{72, 504}));
}

}  // namespace
}  // namespace px
