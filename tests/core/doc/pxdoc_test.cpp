// The document's own operations: numbering, ordering, step queries, links and parking.
#include <gtest/gtest.h>

#include <algorithm>
#include <tuple>

#include "core/doc/pxdoc.h"

namespace px {
namespace {

// Appends a formation with a given step and number, bypassing AddFormation's rules.
CFormation* Put(CPxDoc& doc, int step, int number) {
  auto f = std::make_unique<CFormation>();
  f->m_nStep = step;
  f->m_nNumber = number;
  doc.m_formations.push_back(std::move(f));
  return doc.m_formations.back().get();
}

CPerson* PutPerson(CPxDoc& doc, int id, const std::string& name = "") {
  auto p = std::make_unique<CPerson>();
  p->m_nNumber = id;
  p->m_strName = name;
  p->m_pDocument = &doc;
  doc.m_people.push_back(std::move(p));
  return doc.m_people.back().get();
}

// A place of `person` in `slot` of `f`, linked both ways.
CPlace* Stand(CPerson* person, CFormation* f, int slot) {
  auto place = std::make_unique<CPlace>();
  place->m_nStep = f->m_nStep;
  place->m_nSlot = slot;
  place->m_pFormation = f;
  place->m_pPerson = person;
  if (f->m_nPlaces <= slot) f->ResizeSlots(slot + 1);
  f->m_ppPlaces[static_cast<size_t>(slot)] = place.get();
  person->m_places.push_back(std::move(place));
  return person->m_places.back().get();
}

std::vector<int> Numbers(const CPxDoc& doc) {
  std::vector<int> n;
  for (const auto& f : doc.m_formations) n.push_back(f->m_nNumber);
  return n;
}

TEST(PxDoc, AddFormationTakesTheFirstFreeNumberAndKeepsStepOrder) {
  CPxDoc doc;
  doc.m_dInterval = 60.0;
  Put(doc, 0, 1);
  Put(doc, 8, 2);
  Put(doc, 8, 4);
  // Three formations: count + 1 = 4 is taken, so the new one is 5.
  doc.SetCurrentStep(8);
  CFormation* added = doc.AddFormation(std::make_unique<CDrawRect>());
  EXPECT_EQ((std::vector<int>{added->m_nNumber, added->m_nStep, doc.m_nLastStep}), (std::vector<int>{5, 8, 8}));
  EXPECT_TRUE(added->m_dInterval == 60.0 && added->m_pDocument == &doc && doc.IsModified());
  EXPECT_EQ(Numbers(doc), (std::vector<int>{1, 2, 4, 5}));

  // Number 3 is free (count + 1 = 5 is taken, 6 is not): 6 goes after 5 at step 8, before
  // a later step, and an earlier step goes before both.
  Put(doc, 16, 7);
  doc.SetCurrentStep(8);
  EXPECT_EQ(doc.AddFormation(std::make_unique<CFormation>())->m_nNumber, 6);
  doc.SetCurrentStep(4);
  EXPECT_EQ(doc.AddFormation(std::make_unique<CFormation>())->m_nNumber, 8);
  EXPECT_EQ(Numbers(doc), (std::vector<int>{1, 8, 2, 4, 5, 6, 7}));
  doc.SetCurrentStep(24);
  doc.AddFormation(std::make_unique<CFormation>());
  EXPECT_EQ(doc.m_nLastStep, 24);
  EXPECT_EQ(doc.m_formations.back()->m_nStep, 24);

  // Number 9 at step 8; the new one gets 2 and goes before it.
  CPxDoc other;
  Put(other, 8, 9);
  other.SetCurrentStep(8);
  other.AddFormation(std::make_unique<CFormation>());
  EXPECT_EQ(Numbers(other), (std::vector<int>{2, 9}));
}

TEST(PxDoc, StepQueries) {
  CPxDoc doc;
  for (int step : {3, 8, 12}) Put(doc, step, step);
  doc.SetCurrentStep(3);
  // (from, inclusive, next step); from -1 means the current step.
  for (auto [from, inclusive, next] : {std::tuple{5, false, 8}, {8, false, 12}, {8, true, 8}, {9, true, 12},
                                       {12, false, -1}, {0, false, 3}, {-1, true, 3}, {-1, false, 8}})
    EXPECT_EQ(doc.NextFormationStep(from, inclusive), next) << from << inclusive;
  EXPECT_TRUE(doc.HasFormationAtStep(-1) && doc.HasFormationAtStep(12) && !doc.HasFormationAtStep(4));
  // Both ends are inclusive.
  for (auto [from, to, has] : {std::tuple{4, 8, true}, {12, 20, true}, {4, 7, false}, {13, 50000, false}})
    EXPECT_EQ(doc.HasFormationBetween(from, to), has) << from << "-" << to;
}

TEST(PxDoc, LastStepIsTheLaterOfFormationsAndSongEnds) {
  CPxDoc doc;
  doc.m_nLastStep = 99;
  doc.RecalcLastStep();
  EXPECT_EQ(doc.m_nLastStep, 0);
  Put(doc, 16, 1);
  // A damaged song line cannot overflow the sum or stretch the show past the file's limit.
  for (auto [songs, last] : {std::pair{std::vector<std::string>{"0000    0032    a.mid"}, 32},
                             {{"0004    0008    a.mid", "0002    0010    b.mid"}, 16},
                             {{"2147483647    2147483647    huge.mid"}, 65535}}) {
    doc.m_songs = songs;
    doc.RecalcLastStep();
    EXPECT_EQ(doc.m_nLastStep, last) << songs[0];
  }
}

TEST(PxDoc, CommentAtStepMatchesTheLeadingNumber) {
  CPxDoc doc;
  doc.m_comments = {"80 wrong step", "8 Horns up", "8 second one", "12", "x 8 no number", "16 two  spaces"};
  // What follows the first space of the first line of that step.
  for (auto [step, text] : {std::pair{8, "Horns up"}, {80, "wrong step"}, {12, ""}, {16, "two  spaces"}, {9, ""}})
    EXPECT_EQ(doc.CommentAtStep(step), text) << step;
}

// Formations and people are numbered by their order in the lists, and the new numbers are
// written into the places that refer to them.
TEST(PxDoc, RenumberingWritesTheNewNumbersIntoPlaces) {
  CPxDoc doc;
  CFormation* a = Put(doc, 0, 7);
  CFormation* b = Put(doc, 8, 3);
  CPerson* p = PutPerson(doc, 40);
  CPerson* q = PutPerson(doc, 7);
  CPlace* pa = Stand(p, a, 0);
  CPlace* pb = Stand(p, b, 0);
  CPlace* qb = Stand(q, b, 1);
  doc.RenumberFormations();
  doc.RenumberPeople();
  EXPECT_EQ(Numbers(doc), (std::vector<int>{1, 2}));
  EXPECT_EQ((std::vector<int>{pa->m_nFormationID, pb->m_nFormationID, qb->m_nFormationID}), (std::vector<int>{1, 2, 2}));
  EXPECT_EQ((std::vector<int>{p->m_nNumber, q->m_nNumber, pb->m_nPersonID, qb->m_nPersonID}),
            (std::vector<int>{1, 2, 1, 2}));
}

TEST(PxDoc, SortPeopleByIdIsStable) {
  CPxDoc doc;
  for (auto [id, name] : {std::pair{3, "a"}, {1, "b"}, {3, "c"}, {2, "d"}, {1, "e"}}) PutPerson(doc, id, name);
  doc.SortPeopleById();
  std::string order;
  for (const auto& p : doc.m_people) order += p->m_strName;
  EXPECT_EQ(order, "bedac");
}

TEST(PxDoc, LookupsAndTheNextFreePersonId) {
  CPxDoc doc;
  EXPECT_EQ(doc.NextFreePersonId(), 1);
  PutPerson(doc, 1);
  PutPerson(doc, 4);
  CPerson* five = PutPerson(doc, 5);
  // Starts at count + 1 = 4; 4 and 5 are taken.
  EXPECT_EQ(doc.NextFreePersonId(), 6);
  EXPECT_TRUE(doc.FindPerson(5) == five && doc.FindPerson(2) == nullptr);
  PutPerson(doc, 9);
  EXPECT_EQ(doc.NextFreePersonId(), 6);  // count + 1 = 5 taken, 6 free

  CFormation* f = Put(doc, 0, 3);
  Put(doc, 4, 3);
  EXPECT_TRUE(doc.FindFormation(3) == f && doc.FindFormation(1) == nullptr);  // the first with that number
}

TEST(PxDoc, RemovingAFormationTakesItsPlacesAndTellsTheViews) {
  struct View : DocViewObserver {
    std::vector<const CFormation*> removed;
    void OnObjectRemoved(const CFormation* object) override { removed.push_back(object); }
  } view;
  CPxDoc doc;
  doc.AddView(&view);
  CFormation* a = Put(doc, 0, 1);
  CFormation* b = Put(doc, 12, 2);
  CPerson* p = PutPerson(doc, 1);
  Stand(p, a, 0);
  Stand(p, b, 0);
  doc.m_selection.formations = {b};
  doc.RecalcLastStep();
  doc.RemoveFormation(b);
  EXPECT_TRUE(doc.m_formations.size() == 1 && doc.m_nLastStep == 0 && doc.IsModified());
  ASSERT_EQ(p->m_places.size(), 1u);
  EXPECT_EQ(p->m_places[0]->m_pFormation, a);
  EXPECT_TRUE(doc.m_selection.formations.empty());
  EXPECT_EQ(view.removed, (std::vector<const CFormation*>{b}));

  const CPlace* gone = p->m_places[0].get();
  doc.RemovePerson(p);
  EXPECT_TRUE(doc.m_people.empty());
  // No slot keeps a pointer to the deleted place.
  EXPECT_EQ(std::count(a->m_ppPlaces.begin(), a->m_ppPlaces.end(), gone), 0);
  EXPECT_EQ(view.removed.size(), 2u);
}

}  // namespace
}  // namespace px
