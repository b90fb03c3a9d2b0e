// The group modes: Follow (paths through the spots of the members ahead) and Float with
// Flex (the group creeps forward and keeps its spacing).
#include <gtest/gtest.h>

#include "core/support/shows.h"

namespace px {
namespace {

using test::ShowBuilder;

TEST(MarchFollow, AShortPathKeepsThePersonOnItsFirstPoint) {
  ShowBuilder show;
  CPerson* p = show.Person(1);
  show.Put(p, show.Formation(0), {1000, 1000});
  CPlace* to = show.Put(p, show.Formation(4), {1005, 1000}, MARCH_FOLLOW);
  EXPECT_EQ(p->GetPosition(3), (CPoint{1000, 1000}));  // length 5 <= total 4 + 1
  EXPECT_EQ(p->GetPosition(4), (CPoint{1005, 1000}));
  // One unit longer and the person walks: d = 1.5 and 4.5 of 6.
  p->InvalidateAllPositions();
  to->m_ptSpot = CPoint{1006, 1000};
  p->GetPlaceAt(0)->m_ptSpot = CPoint{1000, 1000};
  EXPECT_EQ(p->GetPosition(1), (CPoint{1001, 1000}));
  EXPECT_EQ(p->GetPosition(3), (CPoint{1004, 1000}));
}

// Three people a, b, c on a line at step 0 and on a second formation at step `steps`.
struct FollowShow {
  ShowBuilder show;
  CPerson* a = show.Person(1);
  CPerson* b = show.Person(2);
  CPerson* c = show.Person(3);
  CFormation* from;
  CFormation* to;
  // The orders name the people by letter, slot by slot.
  FollowShow(int fromKind, const char* fromOrder, int toKind, const char* toOrder, int steps) {
    from = show.Formation(0, fromKind, CRect{1000, 1000, 1200, 1000});
    to = show.Formation(steps, toKind, CRect{1000, 2000, 1200, 2000});
    for (int i = 0; fromOrder[i]; ++i) show.Put(ByLetter(fromOrder[i]), from, CPoint{1000 + 100 * i, 1000});
    for (int i = 0; toOrder[i]; ++i) show.Put(ByLetter(toOrder[i]), to, CPoint{1000 + 100 * i, 2000}, MARCH_FOLLOW);
  }
  CPerson* ByLetter(char letter) { return letter == 'a' ? a : letter == 'b' ? b : c; }
  // The anchor flags of a, b and c on the new formation, e.g. "100", once the show has
  // settled the march under way at step 1 (asking for positions leaves them alone).
  std::string Anchors() {
    show.doc.SetCurrentStep(1);
    show.doc.RecalcPositions();
    std::string flags;
    for (CPerson* p : {a, b, c}) flags += std::to_string(p->GetPlaceOnFormation(to)->m_bAnchor);
    return flags;
  }
};

TEST(MarchFollow, OpenFormationIsLedByTheFirstMemberInItsDirection) {
  FollowShow f(SHAPE_LINE, "abc", SHAPE_LINE, "abc", 10);
  f.b->GetPlaceAt(10)->m_bAnchor = 1;
  // Every path is 100 + 100 + sqrt(200^2 + 1000^2) = 1219.80 long; d = 121.98 at step 1.
  EXPECT_EQ(f.a->GetPosition(1), (CPoint{1121, 1000}));  // 1100 + 21.98 along the old line
  // b: from (1200,1000) toward a's new spot (1000,2000), f = 21.98 / 1019.80.
  EXPECT_EQ(f.b->GetPosition(1), (CPoint{1196, 1021}));
  // c: f = 121.98 / 1019.80 of (-200, 1000).
  EXPECT_EQ(f.c->GetPosition(1), (CPoint{1177, 1119}));
  EXPECT_EQ(f.Anchors(), "100");

  // Reversed, the list runs c, b, a: a leaves its spot for c's new spot (1200,2000) first.
  FollowShow r(SHAPE_LINE, "abc", SHAPE_LINE, "abc", 10);
  for (CPerson* p : {r.a, r.b, r.c}) p->GetPlaceAt(10)->m_bReverse = 1;
  EXPECT_EQ(r.a->GetPosition(1), (CPoint{1023, 1119}));
  EXPECT_EQ(r.Anchors(), "001");
}

TEST(MarchFollow, ClosedFullFormationIsLedByTheLowestOldSlotOrTheFirstAnchor) {
  // From an open line c, a, b to a rectangle a, b, c: b's anchor is overruled by c (old
  // slot 0) and the list becomes c, a, b.
  FollowShow open(SHAPE_LINE, "cab", SHAPE_RECTANGLE, "abc", 7);
  open.b->GetPlaceAt(7)->m_bAnchor = 1;
  // c: (1000,1000) (1100,1000) (1200,1000) (1200,2000), 1200 long; d = 1200/7 = 171.43.
  EXPECT_EQ(open.c->GetPosition(1), (CPoint{1171, 1000}));
  // a: (1100,1000) (1200,1000) (1200,2000) (1000,2000), 1300 long; d = 185.71 is 85.71 down.
  EXPECT_EQ(open.a->GetPosition(1), (CPoint{1200, 1085}));
  EXPECT_EQ(open.Anchors(), "001");

  // From a closed full formation the first anchor (b) leads: list b, c, a.
  FollowShow closed(SHAPE_RECTANGLE, "cab", SHAPE_ELLIPSE, "abc", 7);
  closed.b->GetPlaceAt(7)->m_bAnchor = 1;
  closed.c->GetPlaceAt(7)->m_bAnchor = 1;
  // b: (1200,1000) (1000,1000) (1100,1000) (1100,2000); d = 185.71 going left.
  EXPECT_EQ(closed.b->GetPosition(1), (CPoint{1015, 1000}));
  // a: (1100,1000) then b's, c's and its own new spots; 185.71 down the first segment.
  EXPECT_EQ(closed.a->GetPosition(1), (CPoint{1100, 1185}));
  EXPECT_EQ(closed.Anchors(), "010");
}

TEST(MarchFollow, IdenticalShapesWalkAroundTheOldSpots) {
  ShowBuilder show;
  CPerson* people[4] = {show.Person(1), show.Person(2), show.Person(3), show.Person(4)};
  const CRect square{1000, 1000, 1100, 1100};
  CFormation* from = show.Formation(0, SHAPE_RECTANGLE, square);
  CFormation* to = show.Formation(7, SHAPE_RECTANGLE, square);
  const CPoint corners[4] = {{1000, 1000}, {1100, 1000}, {1100, 1100}, {1000, 1100}};
  for (int i = 0; i < 4; ++i) show.Put(people[i], from, corners[i]);
  for (int i = 0; i < 4; ++i) show.Put(people[(i + 1) % 4], to, corners[i], MARCH_FOLLOW);
  // a goes from slot 0 to slot 3 the long way, past b's and c's old corners: 300 long.
  // d = 300/7 = 42.86 at step 1, 171.43 at step 4.
  EXPECT_EQ(people[0]->GetPosition(1), (CPoint{1042, 1000}));
  EXPECT_EQ(people[0]->GetPosition(4), (CPoint{1100, 1071}));
}

TEST(MarchFollow, ThePathIsWorkedOutAgainAfterInvalidation) {
  FollowShow f(SHAPE_LINE, "abc", SHAPE_LINE, "abc", 10);
  f.show.doc.m_bSaveStepsToMemory = 0;
  EXPECT_EQ(f.a->GetPosition(1), (CPoint{1121, 1000}));
  f.b->GetPlaceAt(0)->m_ptSpot = CPoint{1100, 1050};
  f.a->InvalidatePositions(1, STEP_END);
  f.a->GetPlaceAt(10)->m_ptSpot = CPoint{1000, 2000};
  // Now 111.80 + 111.80 + 1019.80 = 1243.41 long, d = 124.34: f = (111.80 - (223.61 -
  // 124.34)) / 111.80 = 0.1121 of (100, -50) from b's spot: (1100 + 11.2, 1050 - 5.6).
  EXPECT_EQ(f.a->GetPosition(1), (CPoint{1111, 1045}));
}

// Three people floating with Flex from the line at step 0 to the line at step `steps`.
struct FlexShow {
  ShowBuilder show;
  CPerson* people[3] = {show.Person(1), show.Person(2), show.Person(3)};
  CFormation* from = show.Formation(0);
  CFormation* to;
  FlexShow(const CPoint (&start)[3], const CPoint (&end)[3], int steps) {
    to = show.Formation(steps);
    // Spacing = min(300 / 3, 300 / 3) = 100.
    from->m_dLength = to->m_dLength = 300.0;
    for (int i = 0; i < 3; ++i) {
      show.Put(people[i], from, start[i]);
      show.Put(people[i], to, end[i])->m_bFlex = 1;
    }
    show.doc.m_bSaveStepsToMemory = 0;
  }
};

TEST(MarchFlex, CrossingMembersArePushedApart) {
  // a and b cross; halfway (divisor 2 - 1 + 1) both would be at (1100, 1100).
  FlexShow f({{1000, 1000}, {1200, 1000}, {1400, 1000}}, {{1200, 1200}, {1000, 1200}, {1400, 1200}}, 2);
  // c has the shortest way (200) and is the pivot: a is pushed to b's y + 100.
  EXPECT_EQ(f.people[0]->GetPosition(1), (CPoint{1100, 1200}));
  EXPECT_EQ(f.people[1]->GetPosition(1), (CPoint{1100, 1100}));
  EXPECT_EQ(f.people[2]->GetPosition(1), (CPoint{1400, 1100}));
  // Asking changes nothing; settling the march under way turns the position memory on.
  EXPECT_FALSE(f.show.doc.m_bSaveStepsToMemory);
  f.show.doc.SetCurrentStep(1);
  f.show.doc.RecalcPositions();
  EXPECT_TRUE(f.show.doc.m_bSaveStepsToMemory);
}

const CPoint kStart[3] = {{900, 1000}, {1000, 1000}, {1300, 1000}};
const CPoint kEnd[3] = {{900, 1200}, {1400, 1200}, {1200, 1200}};

TEST(MarchFlex, TheGroupCreepsDuringTheWaitBefore) {
  FlexShow f(kStart, kEnd, 3);
  for (CPerson* p : f.people) p->GetPlaceAt(3)->m_nWaitBefore = 1;
  f.people[2]->GetPlaceAt(3)->m_bAnchor = 1;
  // total = 3 - 1 = 2.  Step 1: e = 0, divisor 3, no re-spacing:
  //   a (900, 1000 + 200/3) = (900,1066); b (1000 + 400/3, 1066) = (1133,1066);
  //   c (1300 - 100/3, 1066) = (1267,1066).
  // Step 2: e = 1, divisor 2: a (900,1133), b (1133 + 267/2, 1133) = (1266,1133),
  //   c (1267 - 67/2, 1133) = (1234,1133); b is 32 from c and goes to 1234 + 100 = 1334
  //   (+68), a moves along to 968.
  // Before anyone marched, step 1 is still a wait on the old spot.
  EXPECT_EQ(f.people[1]->GetPosition(1), (CPoint{1000, 1000}));
  EXPECT_EQ(f.people[2]->GetPosition(2), (CPoint{1234, 1133}));
  for (CPerson* p : f.people) p->InvalidatePositions(1, 2);  // the march is worked out again
  EXPECT_EQ(f.people[0]->GetPosition(2), (CPoint{968, 1133}));
  EXPECT_EQ(f.people[1]->GetPosition(2), (CPoint{1334, 1133}));
  // The creep of the wait is never shown: b still waits on its spot, whoever asked first.
  EXPECT_EQ(f.people[1]->GetPosition(1), (CPoint{1000, 1000}));
}

}  // namespace
}  // namespace px
