// Bytes written by the show file writer, against bytes built by hand from the file layout.
#include <gtest/gtest.h>

#include "core/doc/pxdoc.h"
#include "core/support/show_bytes.h"
#include "core/doc/show_file.h"

namespace px::test {
namespace {

std::vector<std::uint8_t> Slice(const std::vector<std::uint8_t>& v, size_t from, size_t n) {
  return {v.begin() + static_cast<std::ptrdiff_t>(from), v.begin() + static_cast<std::ptrdiff_t>(from + n)};
}

TEST(GoldenBytes, NewShow) {
  CPxDoc doc;
  const auto bytes = SaveShowToBytes(doc);
  const Bytes start = Bytes().Hex(
      "01 00 0c 00 | 00 00 00 00 00 80 46 40 | 00 00 00 00 00 80 56 40 | 00 00 00 00 00 80 56 40 | "
      "00 ff 00 00 | ff ff ff 00 | 96 96 96 00 | 96 96 96 00 | ff ff ff 00 | "
      "00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00");
  ASSERT_EQ(start.size(), 64u);
  ASSERT_GE(bytes.size(), 64u);
  EXPECT_EQ(Slice(bytes, 0, 64), start.v);
  // 52 fields (140) + four list counts (8) + eight empty strings (8) + MIDI device (2) + rows 59-73 (96).
  EXPECT_EQ(bytes.size(), 254u);
  EXPECT_EQ(bytes, ShowBytes(DocLayout{}).v);
  EXPECT_EQ(SaveShowToBytes(*ReadBytes(bytes)), bytes);
}

TEST(GoldenBytes, TitleLengthsAroundTheByteAndWordLimits) {
  // Rows 63-73 follow the title: 4 + 2 + 16 + 16 + 8 + 8 + 16 + 2 + 4 + 2 + 2 = 80 bytes.
  constexpr size_t kAfterTitle = 80;
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
    EXPECT_EQ(Slice(bytes, bytes.size() - kAfterTitle - c.length - prefix.size(), prefix.size()), prefix.v);
    EXPECT_TRUE(bytes == ShowBytes({.title = doc.m_strTitle}).v);
    EXPECT_EQ(ReadBytes(bytes)->m_strTitle, doc.m_strTitle);
  }
}

TEST(GoldenBytes, ListCountsEscapeAtFFFF) {
  // The comment count follows the 52 fields (140 bytes) and the formation and people counts.
  for (size_t count : {size_t{0xFFFE}, size_t{0xFFFF}}) {
    CPxDoc doc;
    doc.m_comments.assign(count, "");
    const auto bytes = SaveShowToBytes(doc);
    const Bytes expected = count == 0xFFFE ? Bytes().Hex("fe ff") : Bytes().Hex("ff ff ff ff 00 00");
    EXPECT_EQ(Slice(bytes, 144, expected.size()), expected.v) << count;
    EXPECT_EQ(ReadBytes(bytes)->m_comments.size(), count);
  }
}

// Every field away from its default; a negative LONG keeps its sign.
FormationLayout RectLayout(int number, const char* name) {
  return {.name = name, .note = "note", .shape = SHAPE_RECTANGLE, .step = 8, .endStep = 12, .number = number,
          .rect = {-5, 200, 300, 400}, .interval = 72.5, .rotation = 0.25, .arcStart = 0.5, .arcEnd = 2.5,
          .skew = -0.125, .rows = 3, .penColor = 0x0000FF, .brushStyle = 0, .brushColor = 0x00FF00,
          .brushHatch = 2, .point = 1, .fill = 1, .arrow = 1, .curveRepeat = 4};
}

std::unique_ptr<CFormation> Made(std::unique_ptr<CFormation> f, const FormationLayout& layout) {
  Apply(layout, *f);
  return f;
}

TEST(GoldenBytes, FirstAndSecondDrawRect) {
  CPxDoc doc;
  const FormationLayout first = RectLayout(1, "A"), second = RectLayout(2, "B");
  doc.m_formations.push_back(Made(std::make_unique<CDrawRect>(), first));
  doc.m_formations.push_back(Made(std::make_unique<CDrawRect>(), second));
  const auto bytes = SaveShowToBytes(doc);
  // The formation count at offset 140, then the new-class tag and name, then schema 5.
  const Bytes head = Bytes().Hex("02 00 ff ff 00 00 09 00 43 44 72 61 77 52 65 63 74 05 00");
  EXPECT_EQ(Slice(bytes, 140, head.size()), head.v);
  // The second refers back to class index 1; the whole file is checked with the nested records below.
  EXPECT_EQ(Slice(bytes, 142 + 15 + FormationData(first).size(), 4), Bytes().Hex("01 80 05 00").v);
}

// Three kinds of formation and two people with places and a step instruction: the class and
// object indices count through nested records.
TEST(GoldenBytes, ClassIndicesCountThroughNestedRecords) {
  FormationLayout rect1 = RectLayout(1, "R1"), rect2 = RectLayout(2, "R2");
  rect1.places = 2;
  rect2.places = 1;
  const FormationLayout poly{.name = "P", .shape = SHAPE_POLYGON, .step = 16, .number = 3, .rect = {-50, 20, 30, 60},
                           .nPoints = 3, .nAlloc = 3, .points = {{10, 20}, {30, 40}, {-50, 60}}};
  PersonLayout alice{.base = {.name = "Alice", .shape = SHAPE_SQUARE}, .position = {400, 500}, .group = GROUP_BRASS,
                   .height = "62.5"};
  PersonLayout bob{.base = {.name = "Bob", .number = 2}};
  const PlaceLayout a1{.step = 8, .march = MARCH_PIVOT, .formationId = 1, .slot = 0, .spot = {1, 2}};
  const PlaceLayout a2{.step = 16, .formationId = 2, .slot = 0, .waitBefore = 2, .flex = 1, .simple = 0};
  const PlaceLayout b1{.step = 8, .anchor = 1, .formationId = 1, .slot = 1};
  const StepInstLayout inst{.count = 20, .awayFromStands = 1, .steps = 4, .stepSize = 22.5};

  CPxDoc doc;
  doc.m_formations.push_back(Made(std::make_unique<CDrawRect>(), rect1));
  doc.m_formations.push_back(Made(std::make_unique<CDrawRect>(), rect2));
  doc.m_formations.push_back(Made(std::make_unique<CDrawPoly>(), poly));
  doc.m_people.push_back(MakePerson(alice));
  doc.m_people[0]->m_places.push_back(MakePlace(a1));
  doc.m_people[0]->m_places.push_back(MakePlace(a2));
  doc.m_people[0]->m_stepInsts.push_back(MakeStepInst(inst));
  doc.m_people.push_back(MakePerson(bob));
  doc.m_people[1]->m_places.push_back(MakePlace(b1));
  const auto bytes = SaveShowToBytes(doc);

  // CDrawRect 1, R1 2, R2 3, CDrawPoly 4, P 5, CPerson 6, Alice 7, CPlace 8, a1 9, a2 10,
  // CStepInst 11, inst 12, Bob 13, b1 14. The first CPlace names its class in full.
  DocLayout layout;
  layout.formations = Bytes().Word(3).NewClass("CDrawRect").Append(FormationData(rect1));
  layout.formations.Word(0x8001).Append(FormationData(rect2)).NewClass("CDrawPoly").Append(FormationData(poly));
  alice.places = Bytes().Word(2).NewClass("CPlace").Append(PlaceData(a1)).Word(0x8008).Append(PlaceData(a2));
  alice.stepInsts = Bytes().Word(1).NewClass("CStepInst").Append(StepInstData(inst));
  bob.places = Bytes().Word(1).Word(0x8008).Append(PlaceData(b1));
  layout.people = Bytes().Word(2).NewClass("CPerson").Append(PersonData(alice));
  layout.people.Word(0x8006).Append(PersonData(bob));
  EXPECT_EQ(bytes, ShowBytes(layout).v);

  // Read back, the places are relinked into their formations' slots.
  const auto read = ReadBytes(bytes);
  ASSERT_EQ(read->m_formations.size(), 3u);
  ASSERT_EQ(read->m_people.size(), 2u);
  EXPECT_EQ(read->m_formations[0]->m_ppPlaces[1], read->m_people[1]->m_places[0].get());
  EXPECT_EQ(read->m_formations[1]->m_ppPlaces[0], read->m_people[0]->m_places[1].get());
  EXPECT_EQ(read->m_people[0]->m_nHeight2, 125);  // 2 x 62.5
  ExpectRead(poly, *read->m_formations[2]);
}

TEST(GoldenBytes, ClassIndexTagsAtTheWordLimit) {
  // CPerson 1, the person 2, CPlace 3, places 4 .. places + 3, CStepInst places + 4.
  // 0x7FFA places: CStepInst is 0x7FFE, still a WORD tag 0x8000 | 0x7FFE.
  // 0x7FFB places: CStepInst is 0x7FFF, written as WORD 0x7FFF and DWORD 0x80000000 | 0x7FFF.
  struct Case {
    int places;
    const char* secondInstTag;
  };
  for (const Case& c : {Case{0x7FFA, "fe ff"}, Case{0x7FFB, "ff 7f ff 7f 00 80"}}) {
    SCOPED_TRACE(c.places);
    PersonLayout layout;
    CPxDoc doc;
    doc.m_people.push_back(MakePerson(layout));
    CPerson& person = *doc.m_people[0];
    for (int i = 0; i < c.places; ++i) person.m_places.push_back(MakePlace({.step = i, .formationId = 0}));
    person.m_stepInsts.push_back(MakeStepInst({.count = 1}));
    person.m_stepInsts.push_back(MakeStepInst({.count = 2}));
    const auto bytes = SaveShowToBytes(doc);

    layout.places = PlaceList(c.places, 3);
    layout.stepInsts = Bytes().Word(2).NewClass("CStepInst").Append(StepInstData({.count = 1}));
    layout.stepInsts.Hex(c.secondInstTag).Append(StepInstData({.count = 2}));
    EXPECT_TRUE(bytes == ShowBytes({.people = Bytes().Word(1).NewClass("CPerson").Append(PersonData(layout))}).v);

    const auto read = ReadBytes(bytes);
    ASSERT_EQ(read->m_people.size(), 1u);
    EXPECT_EQ(read->m_people[0]->m_places.size(), static_cast<size_t>(c.places));
    ASSERT_EQ(read->m_people[0]->m_stepInsts.size(), 2u);
    EXPECT_EQ(read->m_people[0]->m_stepInsts[1]->m_nCount, 2);
  }
}

}  // namespace
}  // namespace px::test
