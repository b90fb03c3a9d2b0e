// The person's timeline: lookups, assignment, removal, anchors, saved settings, copies.
#include <gtest/gtest.h>

#include "core/people/describe_place.h"
#include "core/util/format.h"
#include "core/util/muldiv.h"
#include "core/support/shows.h"

namespace px {
namespace {

using test::ShowBuilder;

std::vector<CPerson*> SlotOrder(const CFormation* f) {
  std::vector<CPerson*> people;
  for (const CPlace* place : f->m_ppPlaces) people.push_back(place ? place->m_pPerson : nullptr);
  return people;
}

TEST(PersonLookups, StepZeroReadsAsOneAndTheLastPlaceOfAStepIsStoodOn) {
  ShowBuilder show;
  CPerson* p = show.Person(1);
  show.Put(p, show.Formation(0), {1000, 1000});
  CPlace* at4 = show.Put(p, show.Formation(4), {1000, 1000});
  CPlace* at8 = show.Put(p, show.Formation(8), {1000, 1000});
  EXPECT_EQ(p->GetPlaceAtOrAfter(0), at4);  // 0 reads as 1, so the place at 0 is skipped
  EXPECT_EQ(p->GetPlaceAtOrAfter(9), nullptr);
  EXPECT_EQ(p->GetPlaceAt(8), at8);
  EXPECT_EQ(p->GetPlaceAt(5), nullptr);
  // A second place kept at step 4: lookups find the first, the march stands on the last.
  CPlace* second4 = p->AssignToFormation(nullptr, show.Formation(4), true);
  second4->m_ptSpot = CPoint{3000, 3000};
  EXPECT_EQ(p->GetPlaceAt(4), at4);
  EXPECT_EQ(p->GetPlaceAtOrBefore(7), second4);
  EXPECT_EQ(p->GetPosition(4), (CPoint{3000, 3000}));
}

TEST(AssignToFormation, KeepsTheTimelineAscendingAndTakesOtherPersonsSlot) {
  ShowBuilder show;
  CPerson* a = show.Person(1);
  CPerson* b = show.Person(2);
  CPerson* c = show.Person(3);
  CPerson* x = show.Person(4);
  CFormation* f = show.Formation(8);
  CPlace* late = a->AssignToFormation(nullptr, show.Formation(16));
  CPlace* early = a->AssignToFormation(nullptr, f);
  ASSERT_EQ(a->m_places.size(), 2u);
  EXPECT_EQ(a->m_places[0].get(), early);
  EXPECT_EQ(a->m_places[1].get(), late);
  EXPECT_EQ(early->m_nFormationID, f->m_nNumber);
  EXPECT_EQ(early->m_nPersonID, 1);
  for (CPerson* p : {b, c}) p->AssignToFormation(nullptr, f);

  // x takes b's slot and the rest move up.
  EXPECT_EQ(x->AssignToFormation(b, f)->m_nSlot, 1);
  EXPECT_EQ(f->m_nPlaces, 4);
  EXPECT_EQ(SlotOrder(f), (std::vector<CPerson*>{a, x, b, c}));
  EXPECT_EQ(c->GetPlaceAt(8)->m_nSlot, 3);
  // Someone who is not on the formation gives no slot: the new place goes last.
  CPerson* stranger = show.Person(5);
  stranger->AssignToFormation(nullptr, show.Formation(8));
  EXPECT_EQ(show.Person(6)->AssignToFormation(stranger, f)->m_nSlot, 4);
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
  EXPECT_EQ(SlotOrder(f), std::vector<CPerson*>{b});  // the old slot is vacated, b closes up
  EXPECT_EQ(b->GetPlaceAt(8)->m_nSlot, 0);
  EXPECT_EQ(a->m_places.size(), 1u);

  b->AssignToFormation(nullptr, g, true);
  EXPECT_EQ(b->m_places.size(), 2u);
  EXPECT_EQ(SlotOrder(g), (std::vector<CPerson*>{a, b}));
}

TEST(Deassign, EveryStepOrOneStep) {
  ShowBuilder show;
  CPerson* a = show.Person(1);
  CPerson* b = show.Person(2);
  CFormation* f[3] = {show.Formation(0), show.Formation(8), show.Formation(16)};
  for (CFormation* formation : f) {
    show.Put(a, formation, {1000, 1000});
    show.Put(b, formation, {1200, 1000});
  }
  // One step: positions are worked out again from the step after the previous place (0) on.
  EXPECT_EQ(a->GetPosition(4), (CPoint{1000, 1000}));
  a->Deassign(8);
  ASSERT_EQ(a->m_places.size(), 2u);
  EXPECT_EQ(a->GetPlaceAt(16)->m_ptSpot, POSITION_NONE);
  const CPoint spot16 = a->GetPosition(16);  // spotted afresh
  EXPECT_EQ(a->GetPosition(4), (CPoint{1000 + MulDiv(spot16.x - 1000, 4, 16), 1000 + MulDiv(spot16.y - 1000, 4, 16)}));
  EXPECT_EQ(a->GetPlaceAt(0)->m_ptSpot, (CPoint{1000, 1000}));
  EXPECT_EQ(SlotOrder(f[1]), std::vector<CPerson*>{b});

  // -99: every step; every gap closes and nothing is left of the positions.
  a->Deassign(-99);
  EXPECT_TRUE(a->m_places.empty());
  for (CFormation* formation : f) EXPECT_EQ(SlotOrder(formation), std::vector<CPerson*>{b});
  EXPECT_EQ(b->GetPlaceAt(16)->m_nSlot, 0);
  for (int step : {0, 4, 16}) EXPECT_EQ(a->GetPosition(step), POSITION_NONE) << step;
}

// People float or follow from formation `from` (step 0) to `to` (step 8), all anchors set.
struct AnchorShow {
  ShowBuilder show;
  CFormation* from = show.Formation(0);
  CFormation* to = show.Formation(8);
  CPerson* a = show.Person(1);
  CPerson* b = show.Person(2);
  CPerson* reversed = show.Person(3);
  CPerson* floater = show.Person(4);
  CPerson* stranger = show.Person(5);  // came from another formation

  AnchorShow() {
    for (CPerson* p : {a, b, reversed, floater}) show.Put(p, from, {1000, 1000});
    show.Put(stranger, show.Formation(0), {1000, 1000});
    for (CPerson* p : {a, b, reversed, floater, stranger}) show.Put(p, to, {1000, 2000}, MARCH_FOLLOW);
    reversed->GetPlaceAt(8)->m_bReverse = 1;
    floater->GetPlaceAt(8)->m_nMarchMode = MARCH_FLOAT;
    for (CPerson* p : {a, b, reversed, floater, stranger}) p->GetPlaceAt(8)->m_bAnchor = 1;
  }
  // The anchor flags of a, b, reversed, floater and stranger, e.g. "01111".
  std::string Anchors() {
    std::string flags;
    for (CPerson* p : {a, b, reversed, floater, stranger}) flags += std::to_string(p->GetPlaceAt(8)->m_bAnchor);
    return flags;
  }
};

TEST(SetAnchor, ClearsTheOtherAnchorsOfTheGroupOnly) {
  AnchorShow s;
  ASSERT_TRUE(s.b->SetAnchor(8, false));
  // Another direction, another mode or another starting formation is another group.
  EXPECT_EQ(s.Anchors(), "01111");
  EXPECT_EQ(s.a->GetFollowRole(*s.b), 2);
  EXPECT_EQ(s.b->GetFollowRole(*s.a), 1);
  for (CPerson* other : {s.reversed, s.floater, s.stranger}) EXPECT_EQ(s.a->GetFollowRole(*other), 0);

  // The Float group is the members in mode 0.
  AnchorShow f;
  f.a->GetPlaceAt(8)->m_nMarchMode = MARCH_FLOAT;
  ASSERT_TRUE(f.floater->SetAnchor(8, true));
  EXPECT_EQ(f.Anchors(), "01111");
  // Without a previous place there is no group to lead.
  EXPECT_FALSE(f.a->SetAnchor(0, true));
  EXPECT_FALSE(f.a->SetAnchor(5, true));
}

TEST(MarchSettings, SurviveTakingThePersonOffAndBack) {
  ShowBuilder show;
  CPerson* p = show.Person(1);
  show.Put(p, show.Formation(0), {1000, 1000});
  CFormation* f = show.Formation(8);
  CPlace* place = show.Put(p, f, {1000, 1000}, MARCH_ARC);
  place->m_nWaitBefore = 2;
  place->m_bEndClockwise = 1;
  p->SaveMarchSettings(8);
  p->Deassign(8);
  CPlace* again = p->AssignToFormation(nullptr, f);
  again->m_ptSpot = CPoint{5, 5};
  p->RestoreMarchSettings(8);
  EXPECT_EQ((std::vector<int>{again->m_nMarchMode, again->m_nWaitBefore, again->m_bEndClockwise}),
            (std::vector<int>{MARCH_ARC, 2, 1}));
  EXPECT_EQ(again->m_ptSpot, POSITION_NONE);  // the spot is worked out again
  // Restored once only; and nothing is saved without a place at the step.
  again->m_nMarchMode = MARCH_XY;
  p->RestoreMarchSettings(8);
  EXPECT_EQ(again->m_nMarchMode, MARCH_XY);
  p->SaveMarchSettings(5);
  EXPECT_FALSE(p->m_pSavedPlace);
}

TEST(ClonePerson, CopiesLookButNotIdentityNoteAbsenceOrTimeline) {
  ShowBuilder show;
  CPerson* p = show.Person(9);
  p->m_strName = "Ann";
  p->m_strNote = "T";
  p->m_nExtra = 1;  // absent
  show.Put(p, show.Formation(0), {1000, 1000});
  p->m_stepInsts.push_back(std::make_unique<CStepInst>());
  const std::unique_ptr<CPerson> copy = p->ClonePerson();
  EXPECT_EQ(copy->m_strName + "|" + copy->m_strNote, "Ann|");
  EXPECT_NE(copy->m_nNumber, 9);
  EXPECT_TRUE(copy->m_nExtra == 0 && copy->m_places.empty() && copy->m_stepInsts.empty());
}

TEST(Height, TwiceTheTypedInchesTruncated) {
  const struct {
    const char* text;
    int twice;
  } cases[] = {{"62.7", 125},  // 125.4
               {"-3.7", -7},   // -7.4 toward zero
               {" 5ft", 10},   // the scan skips blanks and stops at the letters
               {"", 0},
               {"nan", 0}};
  CPerson p;
  EXPECT_EQ(p.m_nHeight2, 120);  // the default "60"
  for (const auto& c : cases) {
    p.SetHeight(c.text);
    EXPECT_EQ(p.m_nHeight2, c.twice) << c.text;
    EXPECT_EQ(p.m_strHeight, c.text);
  }
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
  EXPECT_EQ(DescribePlace(*start, true), Format("Start at position 2 on formation %d (Brass line - Line) on step 0",
                                               line->m_nNumber));

  CFormation* box = show.Formation(16, SHAPE_RECTANGLE);
  box->m_strName = "Box";
  CPlace* turn = p->AssignToFormation(nullptr, box);
  turn->m_nMarchMode = MARCH_PIVOT;
  turn->m_nWaitBefore = 2;
  turn->m_nWaitAfter = 4;
  EXPECT_EQ(DescribePlace(*turn, false),
            Format("Wait 2 steps.  Gate turn counterclockwise to position 0 on \r\n\r\nformation %d (Box - Rectangle) "
                   "on step 16  Wait 4 steps.  ",
                   box->m_nNumber));

  // The first follower of a group leads; an unknown mode has no words.
  turn->m_nWaitBefore = turn->m_nWaitAfter = 0;
  const std::string tail = Format(" position 0 on formation %d (Box - Rectangle) on step 16", box->m_nNumber);
  turn->m_nMarchMode = MARCH_FOLLOW;
  turn->m_bAnchor = 1;
  EXPECT_EQ(DescribePlace(*turn, true), "Lead to" + tail);
  turn->m_nMarchMode = 7;
  EXPECT_EQ(DescribePlace(*turn, true), tail);
}

}  // namespace
}  // namespace px
