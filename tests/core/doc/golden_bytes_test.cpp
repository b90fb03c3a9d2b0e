// Bytes written by the show file writer, against bytes built by hand from the file layout.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "core/doc/pxdoc.h"
#include "core/doc/show_builder.h"
#include "core/doc/show_file.h"

namespace px::test {
namespace {

std::vector<std::uint8_t> Slice(const std::vector<std::uint8_t>& v, size_t from, size_t n) {
  return {v.begin() + static_cast<std::ptrdiff_t>(from), v.begin() + static_cast<std::ptrdiff_t>(from + n)};
}

// Offset of the first occurrence of `needle`, or npos.
size_t Find(const std::vector<std::uint8_t>& hay, const Bytes& needle) {
  auto it = std::search(hay.begin(), hay.end(), needle.v.begin(), needle.v.end());
  return it == hay.end() ? std::string::npos : static_cast<size_t>(it - hay.begin());
}

// Bytes of the fields after the title string of a version 12 show (rows 63-73):
// 4 + 2 + 16 + 16 + 8 + 8 + 16 + 2 + 4 + 2 + 2 = 80.
constexpr size_t kAfterTitle = 80;

TEST(GoldenBytes, NewShowStartsWithTheDocumentedSixtyFourBytes) {
  CPxDoc doc;
  const auto bytes = SaveShowToBytes(doc);
  const Bytes expected = Bytes().Hex(
      "01 00 0c 00 | 00 00 00 00 00 80 46 40 | 00 00 00 00 00 80 56 40 | 00 00 00 00 00 80 56 40 | "
      "00 ff 00 00 | ff ff ff 00 | 96 96 96 00 | 96 96 96 00 | ff ff ff 00 | "
      "00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00");
  ASSERT_EQ(expected.size(), 64u);
  ASSERT_GE(bytes.size(), 64u);
  EXPECT_EQ(Slice(bytes, 0, 64), expected.v);
}

TEST(GoldenBytes, NewShowIsEveryFieldAtItsDefault) {
  CPxDoc doc;
  const auto bytes = SaveShowToBytes(doc);
  // 2 WORDs + 3 DOUBLEs + 9 DWORDs + 38 WORDs = 4 + 24 + 36 + 76 = 140; four empty list
  // counts 8; eight empty strings 8; MIDI device 2; rows 59-73 of version 12:
  // 2 + 4 + 2 + 8 + 4 + 2 + 16 + 16 + 8 + 8 + 16 + 2 + 4 + 2 + 2 = 96. 140 + 8 + 8 + 2 + 96 = 254.
  EXPECT_EQ(bytes.size(), 254u);
  EXPECT_EQ(bytes, ShowBytes(DocSpec{}).v);

  // Reading it back gives the same document, so writing it again gives the same bytes.
  CPxDoc again;
  LoadShowFromBytes(bytes, again);
  EXPECT_EQ(SaveShowToBytes(again), bytes);
  EXPECT_EQ(again.m_nShapeHandleSize, 36);
  EXPECT_EQ(again.m_crLines4, 0x414141u);
}

TEST(GoldenBytes, TitleLengthsAroundTheByteAndWordLimits) {
  struct Case {
    size_t length;
    const char* prefix;  // the length bytes before the characters
  };
  for (const Case& c : {Case{0, "00"}, Case{254, "fe"}, Case{255, "ff ff 00"}, Case{0xFFFD, "ff fd ff"},
                        Case{0xFFFE, "ff ff ff fe ff 00 00"}, Case{70000, "ff ff ff 70 11 01 00"}}) {
    SCOPED_TRACE(c.length);
    CPxDoc doc;
    doc.m_strTitle = std::string(c.length, 'a');
    if (c.length > 0) doc.m_strTitle.back() = 'z';
    const auto bytes = SaveShowToBytes(doc);
    const Bytes prefix = Bytes().Hex(c.prefix);
    const size_t at = bytes.size() - kAfterTitle - c.length - prefix.size();
    EXPECT_EQ(Slice(bytes, at, prefix.size()), prefix.v);
    DocSpec spec;
    spec.title = doc.m_strTitle;
    EXPECT_TRUE(bytes == ShowBytes(spec).v);

    CPxDoc read;
    LoadShowFromBytes(bytes, read);
    EXPECT_EQ(read.m_strTitle, doc.m_strTitle);
  }
}

TEST(GoldenBytes, ListCountsEscapeAtFFFF) {
  // 0xFFFE strings still use a one-WORD count; 0xFFFF uses 0xFFFF then the DWORD count.
  for (size_t count : {size_t{0xFFFE}, size_t{0xFFFF}}) {
    CPxDoc doc;
    doc.m_comments.assign(count, "");
    const auto bytes = SaveShowToBytes(doc);
    // The comment count follows the 52 fields (140 bytes) and the formation and people counts.
    const Bytes expected = count == 0xFFFE ? Bytes().Hex("fe ff") : Bytes().Hex("ff ff ff ff 00 00");
    EXPECT_EQ(Slice(bytes, 144, expected.size()), expected.v) << count;
    CPxDoc read;
    LoadShowFromBytes(bytes, read);
    EXPECT_EQ(read.m_comments.size(), count);
  }
}

FormationSpec RectSpec(int number, const char* name) {
  FormationSpec s;
  s.name = name;
  s.note = "note";
  s.shape = SHAPE_RECTANGLE;
  s.number = number;
  s.step = 8;
  s.endStep = 12;
  s.rect[0] = -5;  // a LONG keeps its sign
  s.pivot = Pt{200, 300};
  s.interval = 72.5;
  s.rotation = 0.25;
  s.arcStart = 0.5;
  s.arcEnd = 2.5;
  s.skew = -0.125;
  s.rows = 3;
  s.penColor = 0x0000FF;
  s.brushStyle = 0;
  s.brushColor = 0x00FF00;
  s.brushHatch = 2;
  s.point = 1;
  s.fill = 1;
  s.arrow = 1;
  s.curveRepeat = 4;
  return s;
}

TEST(GoldenBytes, FirstAndSecondDrawRect) {
  CPxDoc doc;
  const FormationSpec first = RectSpec(1, "A"), second = RectSpec(2, "B");
  for (const FormationSpec* s : {&first, &second}) {
    auto f = std::make_unique<CDrawRect>();
    Apply(*s, *f);
    doc.m_formations.push_back(std::move(f));
  }
  const auto bytes = SaveShowToBytes(doc);
  // The formation count is at offset 140 (after the 52 fields), the first record right after.
  const Bytes head = Bytes().Hex("02 00 ff ff 00 00 09 00 43 44 72 61 77 52 65 63 74 05 00");
  EXPECT_EQ(Slice(bytes, 140, head.size()), head.v);
  const size_t second_at = 142 + 15 + FormationData(first).size();
  EXPECT_EQ(Slice(bytes, second_at, 4), Bytes().Hex("01 80 05 00").v);

  DocSpec spec;
  spec.formations = Bytes().Word(2).NewClass("CDrawRect").Append(FormationData(first));
  spec.formations.Word(0x8001).Append(FormationData(second));
  EXPECT_EQ(bytes, ShowBytes(spec).v);
}

// A show with three kinds of formation and two people with places and a step instruction:
// the class and object indices count through nested records.
TEST(GoldenBytes, ClassIndicesCountThroughNestedRecords) {
  CPxDoc doc;
  FormationSpec rect1 = RectSpec(1, "R1"), rect2 = RectSpec(2, "R2");
  FormationSpec poly;
  poly.name = "P";
  poly.shape = SHAPE_POLYGON;
  poly.number = 3;
  poly.step = 16;
  poly.nPoints = poly.nAlloc = 3;
  poly.points = {{10, 20}, {30, 40}, {-50, 60}};
  poly.rect[0] = -50, poly.rect[1] = 20, poly.rect[2] = 30, poly.rect[3] = 60;
  rect1.places = 2;
  rect2.places = 1;
  for (const FormationSpec* s : {&rect1, &rect2}) {
    auto f = std::make_unique<CDrawRect>();
    Apply(*s, *f);
    doc.m_formations.push_back(std::move(f));
  }
  auto p = std::make_unique<CDrawPoly>();
  Apply(poly, *p);
  doc.m_formations.push_back(std::move(p));

  PersonSpec alice, bob;
  alice.base.name = "Alice";
  alice.base.number = 1;
  alice.base.shape = SHAPE_SQUARE;
  alice.position = Pt{400, 500};
  alice.group = GROUP_BRASS;
  alice.height = "62.5";
  bob.base.name = "Bob";
  bob.base.number = 2;
  PlaceSpec a1{.step = 8, .march = MARCH_PIVOT, .formationId = 1, .slot = 0, .spot = {1, 2}};
  PlaceSpec a2{.step = 16, .formationId = 2, .slot = 0, .waitBefore = 2, .flex = 1, .simple = 0};
  PlaceSpec b1{.step = 8, .anchor = 1, .formationId = 1, .slot = 1};
  StepInstSpec inst{.count = 20, .awayFromStands = 1, .steps = 4, .stepSize = 22.5};

  auto addPerson = [&](const PersonSpec& spec, std::vector<PlaceSpec> places, bool withInst) {
    auto person = std::make_unique<CPerson>();
    Apply(spec.base, *person);
    person->m_ptPosition = CPoint{spec.position.x, spec.position.y};
    person->m_nGroup = spec.group;
    person->SetHeight(spec.height);
    for (const PlaceSpec& ps : places) {
      auto place = std::make_unique<CPlace>();
      Apply(ps, *place);
      CFormation* f = doc.m_formations[static_cast<size_t>(ps.formationId - 1)].get();
      place->m_pFormation = f;
      place->m_pPerson = person.get();
      f->m_ppPlaces[static_cast<size_t>(ps.slot)] = place.get();
      person->m_places.push_back(std::move(place));
    }
    if (withInst) {
      auto si = std::make_unique<CStepInst>();
      si->m_nCount = inst.count;
      si->m_bAwayFromStands = inst.awayFromStands;
      si->m_nSteps = inst.steps;
      si->m_dStepSize = inst.stepSize;
      person->m_stepInsts.push_back(std::move(si));
    }
    doc.m_people.push_back(std::move(person));
  };
  addPerson(alice, {a1, a2}, true);
  addPerson(bob, {b1}, false);
  const auto bytes = SaveShowToBytes(doc);

  // Indices: CDrawRect 1, R1 2, R2 3, CDrawPoly 4, P 5, CPerson 6, Alice 7, CPlace 8,
  // a1 9, a2 10, CStepInst 11, inst 12, Bob 13, b1 14.
  DocSpec spec;
  spec.formations = Bytes().Word(3).NewClass("CDrawRect").Append(FormationData(rect1));
  spec.formations.Word(0x8001).Append(FormationData(rect2));
  spec.formations.NewClass("CDrawPoly").Append(FormationData(poly));
  alice.places = Bytes().Word(2).NewClass("CPlace").Append(PlaceData(a1)).Word(0x8008).Append(PlaceData(a2));
  alice.stepInsts = Bytes().Word(1).NewClass("CStepInst").Append(StepInstData(inst));
  bob.places = Bytes().Word(1).Word(0x8008).Append(PlaceData(b1));
  spec.people = Bytes().Word(2).NewClass("CPerson").Append(PersonData(alice));
  spec.people.Word(0x8006).Append(PersonData(bob));
  const Bytes expected = ShowBytes(spec);
  EXPECT_EQ(bytes, expected.v);
  // The first CPlace carries its full name although four classes came before it.
  EXPECT_NE(Find(bytes, Bytes().Hex("ff ff 00 00 06 00").Chars("CPlace").Word(3)), std::string::npos);

  // And it reads back into the same show: same bytes again, places relinked into slots.
  CPxDoc read;
  LoadShowFromBytes(bytes, read);
  ASSERT_EQ(read.m_formations.size(), 3u);
  ASSERT_EQ(read.m_people.size(), 2u);
  EXPECT_EQ(read.m_formations[0]->m_ppPlaces[1], read.m_people[1]->m_places[0].get());
  EXPECT_EQ(read.m_formations[1]->m_ppPlaces[0], read.m_people[0]->m_places[1].get());
  EXPECT_EQ(read.m_people[0]->m_nHeight2, 125);  // 2 x 62.5
  ExpectRead(poly, *read.m_formations[2]);
}

// One person with `places` places and two step instructions: once the counter passes 0x7FFF
// the tags take their DWORD forms.
struct BigIndexCase {
  int places;
  const char* secondInstTag;
};

Bytes ManyPlacesPerson(int places, const char* secondInstTag) {
  PersonSpec person;
  person.places = PlaceList(places, 3);
  person.stepInsts = Bytes().Word(2).NewClass("CStepInst").Append(StepInstData({.count = 1}));
  person.stepInsts.Hex(secondInstTag).Append(StepInstData({.count = 2}));
  return Bytes().Word(1).NewClass("CPerson").Append(PersonData(person));
}

TEST(GoldenBytes, ClassIndexTagsAtTheWordLimit) {
  // CPerson 1, the person 2, CPlace 3, places 4 .. places + 3, CStepInst places + 4.
  // 0x7FFA places: CStepInst is 0x7FFE, still a WORD tag 0x8000 | 0x7FFE.
  // 0x7FFB places: CStepInst is 0x7FFF, written as WORD 0x7FFF and DWORD 0x80000000 | 0x7FFF.
  for (const BigIndexCase& c : {BigIndexCase{0x7FFA, "fe ff"}, BigIndexCase{0x7FFB, "ff 7f ff 7f 00 80"}}) {
    SCOPED_TRACE(c.places);
    CPxDoc doc;
    auto person = std::make_unique<CPerson>();
    Apply(PersonSpec{}.base, *person);
    person->m_ptPosition = POSITION_NONE;
    person->m_nGroup = 5;
    person->SetHeight("60");
    for (int i = 0; i < c.places; ++i) {
      auto place = std::make_unique<CPlace>();
      Apply(PlaceSpec{.step = i, .formationId = 0}, *place);
      person->m_places.push_back(std::move(place));
    }
    for (int count : {1, 2}) {
      auto si = std::make_unique<CStepInst>();
      si->m_nCount = count;
      si->m_dStepSize = 45.0;
      person->m_stepInsts.push_back(std::move(si));
    }
    doc.m_people.push_back(std::move(person));
    const auto bytes = SaveShowToBytes(doc);
    DocSpec spec;
    spec.people = ManyPlacesPerson(c.places, c.secondInstTag);
    EXPECT_TRUE(bytes == ShowBytes(spec).v);

    CPxDoc read;
    LoadShowFromBytes(bytes, read);
    ASSERT_EQ(read.m_people.size(), 1u);
    EXPECT_EQ(read.m_people[0]->m_places.size(), static_cast<size_t>(c.places));
    ASSERT_EQ(read.m_people[0]->m_stepInsts.size(), 2u);
    EXPECT_EQ(read.m_people[0]->m_stepInsts[1]->m_nCount, 2);
  }
}

}  // namespace
}  // namespace px::test
