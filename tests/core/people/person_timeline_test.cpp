// The person's timeline: lookups, assignment, removal, anchors, saved settings, copies.
#include <gtest/gtest.h>

#include "core/util/format.h"
#include "people_fixture.h"

namespace px {
namespace {

using testing::ShowBuilder;

std::vector<CPerson*> SlotOrder(const CFormation* f) {
  std::vector<CPerson*> people;
  for (const CPlace* place : f->m_ppPlaces) people.push_back(place ? place->m_pPerson : nullptr);
  return people;
}

TEST(PersonLookups, StepZeroReadsAsOneAndNeighboursAreFound) {
  ShowBuilder show;
  CPerson* p = show.Person(1);
  CPlace* at0 = show.Put(p, show.Formation(0), {1000, 1000});
  CPlace* at4 = show.Put(p, show.Formation(4), {1000, 1000});
  CPlace* at8 = show.Put(p, show.Formation(8), {1000, 1000});
  EXPECT_EQ(p->GetPlaceAtOrAfter(0), at4);  // 0 reads as 1, so the place at 0 is skipped
  EXPECT_EQ(p->GetPlaceAtOrAfter(4), at4);
  EXPECT_EQ(p->GetPlaceAtOrAfter(9), nullptr);
  EXPECT_EQ(p->GetPlaceAtOrBefore(7), at4);
  EXPECT_EQ(p->GetPlaceAtOrBefore(-1), nullptr);
  EXPECT_EQ(p->GetPlaceAt(8), at8);
  EXPECT_EQ(p->GetPlaceAt(5), nullptr);
  EXPECT_EQ(p->GetPlaceOnFormation(at0->m_pFormation), at0);

  // A second place kept at step 4: lookups find the first, the march stands on the last.
  CPlace* second4 = p->AssignToFormation(nullptr, show.Formation(4), true);
  second4->m_ptSpot = CPoint{3000, 3000};
  EXPECT_EQ(p->GetPlaceAt(4), at4);
  EXPECT_EQ(p->GetPlaceAtOrAfter(1), at4);
  EXPECT_EQ(p->GetPlaceAtOrBefore(4), second4);
  EXPECT_EQ(p->GetPlaceAtOrBefore(7), second4);
  EXPECT_EQ(p->GetPlaceOnFormation(second4->m_pFormation), second4);
  EXPECT_EQ(p->GetPosition(4), (CPoint{3000, 3000}));
}

TEST(AssignToFormation, FillsThePlaceAndKeepsTheTimelineAscending) {
  ShowBuilder show;
  CPerson* p = show.Person(7);
  CFormation* late = show.Formation(16);
  CFormation* early = show.Formation(8);
  CPlace* a = p->AssignToFormation(nullptr, late);
  CPlace* b = p->AssignToFormation(nullptr, early);
  ASSERT_EQ(p->m_places.size(), 2u);
  EXPECT_EQ(p->m_places[0].get(), b);
  EXPECT_EQ(p->m_places[1].get(), a);
  EXPECT_EQ(b->m_nStep, 8);
  EXPECT_EQ(b->m_nFormationID, early->m_nNumber);
  EXPECT_EQ(b->m_nPersonID, 7);
  EXPECT_EQ(b->m_pPerson, p);
  EXPECT_EQ(b->m_nSlot, 0);
  EXPECT_EQ(b->m_nMarchMode, MARCH_FLOAT);
  EXPECT_EQ(early->m_nPlaces, 1);
  EXPECT_EQ(early->m_ppPlaces[0], b);
}

TEST(AssignToFormation, OtherPersonsSlotIsTakenAndTheRestMoveUp) {
  ShowBuilder show;
  CPerson* a = show.Person(1);
  CPerson* b = show.Person(2);
  CPerson* c = show.Person(3);
  CPerson* x = show.Person(4);
  CPerson* stranger = show.Person(5);
  CFormation* f = show.Formation(8);
  for (CPerson* p : {a, b, c}) p->AssignToFormation(nullptr, f);

  CPlace* placed = x->AssignToFormation(b, f);
  EXPECT_EQ(placed->m_nSlot, 1);
  EXPECT_EQ(f->m_nPlaces, 4);
  EXPECT_EQ(SlotOrder(f), (std::vector<CPerson*>{a, x, b, c}));
  EXPECT_EQ(b->GetPlaceAt(8)->m_nSlot, 2);
  EXPECT_EQ(c->GetPlaceAt(8)->m_nSlot, 3);

  // Someone who is not on the formation gives no slot: the new place goes last.
  CFormation* other = show.Formation(8);
  CPerson* y = show.Person(6);
  stranger->AssignToFormation(nullptr, other);
  EXPECT_EQ(y->AssignToFormation(stranger, f)->m_nSlot, 4);
}

TEST(AssignToFormation, ReplacesThePlaceAtTheSameStepUnlessKeepingIt) {
  ShowBuilder show;
  CPerson* a = show.Person(1);
  CPerson* b = show.Person(2);
  CFormation* f = show.Formation(8);
  CFormation* g = show.Formation(8);
  a->AssignToFormation(nullptr, f);
  b->AssignToFormation(nullptr, f);

  a->AssignToFormation(nullptr, g);
  EXPECT_EQ(f->m_nPlaces, 1);  // the old slot is vacated and b closes up to slot 0
  EXPECT_EQ(SlotOrder(f), std::vector<CPerson*>{b});
  EXPECT_EQ(b->GetPlaceAt(8)->m_nSlot, 0);
  EXPECT_EQ(a->m_places.size(), 1u);

  b->AssignToFormation(nullptr, g, true);
  EXPECT_EQ(b->m_places.size(), 2u);
  EXPECT_EQ(f->m_nPlaces, 1);
  EXPECT_EQ(SlotOrder(g), (std::vector<CPerson*>{a, b}));
}

TEST(Deassign, EveryStepEmptiesTheTimelineAndClosesEveryGap) {
  ShowBuilder show;
  CPerson* a = show.Person(1);
  CPerson* b = show.Person(2);
  CFormation* f0 = show.Formation(0);
  CFormation* f8 = show.Formation(8);
  for (CFormation* f : {f0, f8}) {
    show.Put(a, f, {1000, 1000});
    show.Put(b, f, {1200, 1000});
  }
  a->m_posCache.assign(10, CPoint{1, 1});
  a->m_path.assign(3, CPoint{5, 5});
  a->m_nPathCount = 3;
  a->m_nPathStep = 0;

  a->Deassign(-99);
  EXPECT_TRUE(a->m_places.empty());
  for (CFormation* f : {f0, f8}) {
    EXPECT_EQ(f->m_nPlaces, 1);
    EXPECT_EQ(SlotOrder(f), std::vector<CPerson*>{b});
  }
  EXPECT_EQ(b->GetPlaceAt(8)->m_nSlot, 0);
  for (size_t i = 0; i < a->m_posCache.size(); ++i) EXPECT_EQ(a->m_posCache[i], POSITION_NONE);
  EXPECT_EQ(a->m_path[0], POSITION_NONE);
  EXPECT_EQ(a->m_nPathCount, 0);
  EXPECT_EQ(a->m_nPathStep, -1);
}

TEST(Deassign, OneStepInvalidatesFromTheStepAfterThePreviousPlace) {
  ShowBuilder show;
  CPerson* a = show.Person(1);
  CPlace* p0 = show.Put(a, show.Formation(0), {1000, 1000});
  show.Put(a, show.Formation(8), {1000, 1000});
  CPlace* p16 = show.Put(a, show.Formation(16), {1000, 1000});
  a->m_posCache.assign(17, CPoint{1, 1});

  a->Deassign(8);
  ASSERT_EQ(a->m_places.size(), 2u);
  EXPECT_EQ(a->m_posCache[0], (CPoint{1, 1}));  // the previous place at 0 keeps its step
  for (size_t s = 1; s < a->m_posCache.size(); ++s) EXPECT_EQ(a->m_posCache[s], POSITION_NONE) << s;
  EXPECT_EQ(p0->m_ptSpot, (CPoint{1000, 1000}));
  EXPECT_EQ(p16->m_ptSpot, POSITION_NONE);
}

// Four people float or follow from formation `from` (step 0) to `to` (step 8).
struct AnchorShow {
  ShowBuilder show;
  CFormation* from = show.Formation(0);
  CFormation* to = show.Formation(8);
  CFormation* elsewhere = show.Formation(0);
  CPerson* a = show.Person(1);
  CPerson* b = show.Person(2);
  CPerson* reversed = show.Person(3);
  CPerson* floater = show.Person(4);
  CPerson* stranger = show.Person(5);

  AnchorShow() {
    for (CPerson* p : {a, b, reversed, floater}) show.Put(p, from, {1000, 1000});
    show.Put(stranger, elsewhere, {1000, 1000});
    for (CPerson* p : {a, b, reversed, floater, stranger}) show.Put(p, to, {1000, 2000}, MARCH_FOLLOW);
    reversed->GetPlaceAt(8)->m_bReverse = 1;
    floater->GetPlaceAt(8)->m_nMarchMode = MARCH_FLOAT;
    for (CPerson* p : {a, b, reversed, floater, stranger}) p->GetPlaceAt(8)->m_bAnchor = 1;
  }
  int Anchor(CPerson* p) { return p->GetPlaceAt(8)->m_bAnchor; }
};

TEST(SetAnchor, ClearsTheOtherAnchorsOfTheGroupOnly) {
  AnchorShow s;
  ASSERT_TRUE(s.b->SetAnchor(8, false));
  EXPECT_EQ(s.Anchor(s.b), 1);
  EXPECT_EQ(s.Anchor(s.a), 0);
  // Another direction, another mode or another starting formation is another group.
  EXPECT_EQ(s.Anchor(s.reversed), 1);
  EXPECT_EQ(s.Anchor(s.floater), 1);
  EXPECT_EQ(s.Anchor(s.stranger), 1);

  // The roles follow from the from- and to-places SetAnchor filled in.
  EXPECT_EQ(s.a->GetFollowRole(*s.b), 2);
  EXPECT_EQ(s.b->GetFollowRole(*s.a), 1);
  EXPECT_EQ(s.a->GetFollowRole(*s.reversed), 0);
  EXPECT_EQ(s.a->GetFollowRole(*s.floater), 0);
  EXPECT_EQ(s.a->GetFollowRole(*s.stranger), 0);
}

TEST(SetAnchor, FloatGroupIsTheMembersInModeZero) {
  AnchorShow s;
  s.a->GetPlaceAt(8)->m_nMarchMode = MARCH_FLOAT;
  ASSERT_TRUE(s.floater->SetAnchor(8, true));
  EXPECT_EQ(s.Anchor(s.floater), 1);
  EXPECT_EQ(s.Anchor(s.a), 0);
  EXPECT_EQ(s.Anchor(s.b), 1);  // b still follows
  // Without a previous place there is no group to lead.
  EXPECT_FALSE(s.a->SetAnchor(0, true));
  EXPECT_FALSE(s.a->SetAnchor(5, true));
}

TEST(MarchSettings, SurviveTakingThePersonOffAndBack) {
  ShowBuilder show;
  CPerson* p = show.Person(1);
  show.Put(p, show.Formation(0), {1000, 1000});
  CFormation* f = show.Formation(8);
  CPlace* place = show.Put(p, f, {1000, 1000}, MARCH_ARC);
  place->m_nWaitBefore = 2;
  place->m_nWaitAfter = 3;
  place->m_bReverse = place->m_bFlex = place->m_bAnchor = place->m_bClockwise = 1;
  place->m_bEndClockwise = place->m_bStartClockwise = place->m_bSimple = 1;

  p->SaveMarchSettings(8);
  ASSERT_TRUE(p->m_pSavedPlace);
  EXPECT_EQ(p->m_pSavedPlace->m_ptSpot, POSITION_NONE);
  p->Deassign(8);
  CPlace* again = p->AssignToFormation(nullptr, f);
  again->m_ptSpot = CPoint{5, 5};
  p->RestoreMarchSettings(8);
  EXPECT_FALSE(p->m_pSavedPlace);
  EXPECT_EQ(again->m_nMarchMode, MARCH_ARC);
  EXPECT_EQ(again->m_nWaitBefore, 2);
  EXPECT_EQ(again->m_nWaitAfter, 3);
  EXPECT_EQ(again->m_bReverse + again->m_bFlex + again->m_bAnchor + again->m_bClockwise + again->m_bEndClockwise +
                again->m_bStartClockwise + again->m_bSimple,
            7);
  EXPECT_EQ(again->m_ptSpot, POSITION_NONE);

  // Nothing saved, or no place at the step: nothing happens.
  again->m_nMarchMode = MARCH_XY;
  p->RestoreMarchSettings(8);
  EXPECT_EQ(again->m_nMarchMode, MARCH_XY);
  p->SaveMarchSettings(5);
  EXPECT_FALSE(p->m_pSavedPlace);
}

TEST(ClonePerson, CopiesLookAndIdentityTextsButNotTheTimeline) {
  ShowBuilder show;
  CPerson* p = show.Person(9);
  p->m_strName = "Ann";
  p->m_strNote = "T";
  p->m_nExtra = 1;  // absent
  p->m_nGroup = GROUP_RIFLES;
  p->SetHeight("66.5");
  p->m_nShape = SHAPE_CROSS;
  p->m_logpen.lopnColor = RGB(1, 2, 3);
  p->m_ptPosition = CPoint{10, 20};
  p->m_dRotation = 1.5;
  p->m_ptPivot = CPoint{3, 4};
  show.Put(p, show.Formation(0), {1000, 1000});
  p->m_stepInsts.push_back(std::make_unique<CStepInst>());
  p->m_posCache.assign(4, CPoint{1, 1});

  const std::unique_ptr<CPerson> copy = p->ClonePerson();
  EXPECT_EQ(copy->m_strName, "Ann");
  EXPECT_EQ(copy->m_nGroup, GROUP_RIFLES);
  EXPECT_EQ(copy->m_strHeight, "66.5");
  EXPECT_EQ(copy->m_nHeight2, 133);
  EXPECT_EQ(copy->m_nShape, SHAPE_CROSS);
  EXPECT_EQ(copy->m_logpen, p->m_logpen);
  EXPECT_EQ(copy->m_ptPosition, (CPoint{10, 20}));
  EXPECT_EQ(copy->m_dRotation, 1.5);
  EXPECT_EQ(copy->m_ptPivot, (CPoint{3, 4}));
  EXPECT_NE(copy->m_nNumber, 9);
  EXPECT_EQ(copy->m_strNote, "");
  EXPECT_EQ(copy->m_nExtra, 0);
  EXPECT_TRUE(copy->m_places.empty());
  EXPECT_TRUE(copy->m_stepInsts.empty());
  EXPECT_TRUE(copy->m_posCache.empty());
}

TEST(Height, TwiceTheTypedInchesTruncated) {
  CPerson p;
  EXPECT_EQ(p.m_nHeight2, 120);  // the default "60"
  p.SetHeight("62.7");
  EXPECT_EQ(p.m_nHeight2, 125);  // 2 x 62.7 = 125.4
  p.SetHeight("-3.7");
  EXPECT_EQ(p.m_nHeight2, -7);  // -7.4 toward zero
  p.SetHeight(" 5ft");
  EXPECT_EQ(p.m_nHeight2, 10);  // the scan skips blanks and stops at the letters
  p.SetHeight("");
  EXPECT_EQ(p.m_nHeight2, 0);
  p.SetHeight("nan");
  EXPECT_EQ(p.m_nHeight2, 0);
  EXPECT_EQ(p.m_strHeight, "nan");
}

TEST(DescribePlace, Texts) {
  ShowBuilder show;
  CPerson* p = show.Person(1);
  CFormation* line = show.Formation(0);
  line->m_strName = "Brass line";
  show.Person(2)->AssignToFormation(nullptr, line);
  show.Person(3)->AssignToFormation(nullptr, line);
  CPlace* start = p->AssignToFormation(nullptr, line);
  start->m_nMarchMode = MARCH_PIVOT;  // ignored at step 0
  EXPECT_EQ(start->DescribePlace(true), Format("Start at position 2 on formation %d (Brass line - Line) on step 0",
                                               line->m_nNumber));

  CFormation* box = show.Formation(16, SHAPE_RECTANGLE);
  box->m_strName = "Box";
  CPlace* turn = p->AssignToFormation(nullptr, box);
  turn->m_nMarchMode = MARCH_PIVOT;
  turn->m_nWaitBefore = 2;
  turn->m_nWaitAfter = 4;
  EXPECT_STREQ(CPerson::GetKindName(11), "");
  EXPECT_EQ(turn->DescribePlace(false),
            Format("Wait 2 steps.  Gate turn counterclockwise to position 0 on \r\n\r\nformation %d (Box - Rectangle) "
                   "on step 16  Wait 4 steps.  ",
                   box->m_nNumber));

  turn->m_nWaitBefore = turn->m_nWaitAfter = 0;
  const std::string tail = Format(" position 0 on formation %d (Box - Rectangle) on step 16", box->m_nNumber);
  const struct {
    int mode, anchor, clockwise;
    const char* phrase;
  } cases[] = {
      {MARCH_FLOAT, 0, 0, "Float to"},     {MARCH_FOLLOW, 0, 0, "Follow to"},
      {MARCH_FOLLOW, 1, 0, "Lead to"},     {MARCH_PIVOT, 0, 1, "Gate turn clockwise to"},
      {MARCH_XY, 0, 0, "X-Y march to"},    {MARCH_YX, 0, 0, "Y-X march to"},
      {MARCH_ARC, 0, 0, "Change the arc to"}, {MARCH_SKEW, 0, 0, "Skew to"},
      {7, 0, 0, ""},
  };
  for (const auto& c : cases) {
    turn->m_nMarchMode = c.mode;
    turn->m_bAnchor = c.anchor;
    turn->m_bClockwise = c.clockwise;
    EXPECT_EQ(turn->DescribePlace(true), c.phrase + tail) << c.mode;
  }
}

}  // namespace
}  // namespace px
