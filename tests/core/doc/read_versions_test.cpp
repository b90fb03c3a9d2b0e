// Reading hand-built files of every document and record version.
#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "core/doc/pxdoc.h"
#include "core/support/show_bytes.h"

namespace px::test {
namespace {

std::unique_ptr<CPxDoc> Load(const DocLayout& layout) { return ReadBytes(ShowBytes(layout).v); }

// Each version reads exactly its own rows, and its newest ones from that version on, not one
// version later (one row too many or too few and the rows after it are misread; the reader
// ignores what follows its last field, so only their values can tell). Newer versions read
// as 12 and the major version is not checked.
TEST(ReadVersions, EveryFileVersionReadsItsOwnRows) {
  for (std::uint16_t v : {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 0xFFFF}) {
    SCOPED_TRACE(v);
    const auto doc = Load({.major = 7, .version = v, .title = "Show", .comments = {"4 hit"},
                           .songs = {"0002    0010    a.mid"}, .unusualNewRows = true});
    EXPECT_EQ(doc->m_nFileVersion[1], std::min<int>(v, 12));
    EXPECT_EQ(doc->m_strTitle, v >= 5 ? "Show" : "");
    EXPECT_EQ(doc->m_comments, std::vector<std::string>{"4 hit"});
    EXPECT_EQ(doc->m_nLastStep, 12);  // the song ends at 2 + 10
    EXPECT_EQ(doc->m_nPeopleTextSize, v >= 2 ? 77 : 50);
    EXPECT_EQ(doc->m_bHorizontal8, v >= 4 ? 0 : 1);
    EXPECT_EQ(doc->m_crPersonFill, v >= 6 ? 0x010203u : 0xFFFFFFu);
    EXPECT_EQ(doc->m_dHash1, v >= 9 ? 1000.0 : 1260.0);
    EXPECT_EQ(doc->m_nFieldType, v >= 9 ? 3 : 0);
    EXPECT_EQ(doc->m_bShowHash1, v >= 10 ? 0 : 1);
    EXPECT_EQ(doc->m_bBoldLines, v >= 11 ? 1 : 0);
    EXPECT_EQ(doc->m_bCenterHorizontal, v >= 12 ? 1 : 0);
  }
}

// Rows a version lacks take their old defaults; before version 9 the line colours derive
// from the one line colour and the 4- and 1-step vertical lines are off.
TEST(ReadVersions, MissingRowsTakeTheirOldDefaults) {
  DocLayout layout{.version = 1, .crLines8 = 0x123456, .vertical4 = 1, .vertical1 = 1, .fieldWidth = 8000.0};
  auto doc = Load(layout);
  // Text size, handle sizes (not the 36 of a new show), horizontal 8-step lines, both hashes.
  EXPECT_EQ((std::vector<int>{doc->m_nPeopleTextSize, doc->m_nControlHandleSize, doc->m_nShapeHandleSize,
                              doc->m_bHorizontal8, doc->m_bShowHash1 + doc->m_bShowHash2}),
            (std::vector<int>{50, 24, 24, 1, 2}));
  EXPECT_EQ(doc->m_crPersonFill, 0xFFFFFFu);
  EXPECT_EQ(doc->m_dFieldWidth, 7200.0);
  for (std::uint16_t v : {1, 8}) {
    SCOPED_TRACE(v);
    layout.version = v;
    doc = Load(layout);
    EXPECT_EQ((std::vector<double>{doc->m_dHash1, doc->m_dHash2}), (std::vector<double>{1260.0, 2520.0}));
    // Lines 4 and the hashes take the line colour, not the 0x414141 of a new show.
    EXPECT_EQ((std::vector<COLORREF>{doc->m_crLines4, doc->m_crHash, doc->m_crLines2, doc->m_crLines1}),
              (std::vector<COLORREF>{0x123456u, 0x123456u, 0x828282u, 0xC8C8C8u}));
    EXPECT_EQ(doc->m_bVertical4 + doc->m_bVertical1, 0);  // read, then reset
  }
  EXPECT_EQ(doc->m_dFieldWidth, 8000.0);
  layout.version = 9;
  doc = Load(layout);
  EXPECT_EQ(doc->m_bVertical4 + doc->m_bVertical1, 2);
  EXPECT_EQ(doc->m_crLines4, 0x414141u);
}

// Every field away from its default. WORDs read zero-extended (40000, 65535); any non-zero
// brush style reads as hollow.
FormationLayout Busy(int version) {
  return {.version = version, .name = "Busy", .note = "n", .shape = SHAPE_POLYGON, .spread = 0, .scaleToFit = 1,
          .scaleToInterval = 1, .step = 40000, .endStep = 7, .number = 1, .extra = 1, .places = 3, .spare = 9,
          .rect = {65535, 40000, 100, 200}, .pivot = {50, 60}, .interval = 12.5, .rotation = 1.5, .arcStart = 0.5,
          .arcEnd = 2.0, .arcStartPt = {1, 2}, .arcEndPt = {3, 4}, .skew = 0.75, .reverse = 1, .block = 1, .rows = 2,
          .penStyle = 2, .penWidth = {3, 3}, .penColor = 0x112233, .brushStyle = 5, .brushColor = 0x445566,
          .brushHatch = 7, .nPoints = 3, .nAlloc = 3, .points = {{0, 0}, {40000, 10}, {20, 30}}, .point = 1,
          .fill = 1, .arrow = 1, .curveRepeat = 3};
}

TEST(ReadVersions, FormationRecordsOfEveryVersion) {
  // Version 0 stores coordinates as WORDs; versions 2 to 5 add one field each, the
  // missing ones take false and a curve repeat of 1.
  for (int r = 0; r <= 5; ++r) {
    SCOPED_TRACE(r);
    const FormationLayout f = Busy(r);
    // The comment after the record proves it was read to its exact end.
    auto doc = Load({.comments = {"after"}, .formations = ListOfOne("CDrawPoly", FormationData(f))});
    ASSERT_EQ(doc->m_formations.size(), 1u);
    EXPECT_STREQ(doc->m_formations[0]->GetRuntimeClassName(), "CDrawPoly");
    ExpectRead(f, *doc->m_formations[0]);
    EXPECT_EQ(doc->m_comments, std::vector<std::string>{"after"});
  }
}

TEST(ReadVersions, VerticesOnlyWhenAllocatedAndCounted) {
  FormationLayout f = Busy(5);
  f.nAlloc = 0;  // three points claimed, none allocated: none stored
  f.points.clear();
  auto doc = Load({.formations = ListOfOne("CDrawPoly", FormationData(f))});
  EXPECT_TRUE(doc->m_formations[0]->m_pPoints.empty());
  EXPECT_EQ(doc->m_formations[0]->m_nCurveRepeat, 3);

  // An allocation larger than the count reserves room but reads only the counted points.
  f.nPoints = 1;
  f.nAlloc = 4;
  f.points = {{5, 6}};
  doc = Load({.formations = ListOfOne("CDrawPoly", FormationData(f))});
  EXPECT_EQ(doc->m_formations[0]->m_pPoints.size(), 4u);
  EXPECT_EQ(doc->m_formations[0]->m_pPoints[0], (CPoint{5, 6}));
}

// Flex is false before place version 2; simple is true before version 3. Person version 0
// stores its position as two WORDs: read as LONGs, the rows after it would shift.
TEST(ReadVersions, PlaceAndPersonRecordsOfEveryVersion) {
  for (int r = 0; r <= 3; ++r) {
    SCOPED_TRACE(r);
    const PlaceLayout place{.version = r, .step = 9, .march = MARCH_ARC, .anchor = 1, .reverse = 1, .cw = 1,
                          .endCw = 1, .startCw = 1, .formationId = 0, .slot = 2, .waitBefore = 3,
                          .waitAfter = 4, .spot = {40000, 7}, .flex = 1, .simple = 0};
    const PersonLayout person{.version = r == 0 ? 0 : 1, .position = {100, 200},
                            .places = ListOfOne("CPlace", PlaceData(place)),
                            .stepInsts = ListOfOne("CStepInst", StepInstData({.count = 3, .stepSize = 30.0})),
                            .group = GROUP_RIFLES, .height = "70"};
    auto doc = Load({.people = ListOfOne("CPerson", PersonData(person))});
    ASSERT_EQ(doc->m_people.size(), 1u);
    CPerson& p = *doc->m_people[0];
    ASSERT_EQ(p.m_places.size(), 1u);
    ExpectRead(place, *p.m_places[0]);
    EXPECT_EQ((std::vector<int>{p.m_nPersonVersion, p.m_nGroup, p.m_nHeight2}),
              (std::vector<int>{person.version, GROUP_RIFLES, 140}));
    ASSERT_EQ(p.m_stepInsts.size(), 1u);
    EXPECT_EQ(p.m_stepInsts[0]->m_nCount, 3);
    EXPECT_EQ(p.m_stepInsts[0]->m_dStepSize, 30.0);
    EXPECT_EQ(p.m_pDocument, doc.get());
  }
}

TEST(ReadVersions, NullRecordsAndBackReferencesAddNothingToList) {
  // CDrawRect is index 1, the formation 2. A null record and a second reference to
  // the formation must neither add an entry nor own the record twice.
  auto doc = Load({.comments = {"after"},
                   .formations = Bytes().Word(3).NewClass("CDrawRect").Append(FormationData({})).Word(0).Word(2)});
  EXPECT_EQ(doc->m_formations.size(), 1u);
  EXPECT_EQ(doc->m_comments, std::vector<std::string>{"after"});
}

TEST(ReadVersions, DwordObjectAndClassIndices) {
  // CPerson 1, the person 2, CPlace 3, 0x7FFB places 4 .. 0x7FFE, CStepInst 0x7FFF,
  // first instruction 0x8000. The second instruction names its class in the DWORD form;
  // the third entry refers back to the first instruction with a DWORD object index, the
  // fourth to the last place with a WORD one.
  PersonLayout person{.places = PlaceList(0x7FFB, 3), .group = GROUP_BATON};
  person.stepInsts = Bytes().Word(4).NewClass("CStepInst").Append(StepInstData({.count = 1}));
  person.stepInsts.Word(0x7FFF).Dword(0x80007FFF).Append(StepInstData({.count = 2}));
  person.stepInsts.Word(0x7FFF).Dword(0x00008000).Word(0x7FFE);
  auto doc = Load({.people = ListOfOne("CPerson", PersonData(person))});
  ASSERT_EQ(doc->m_people.size(), 1u);
  const CPerson& p = *doc->m_people[0];
  EXPECT_EQ(p.m_places.size(), 0x7FFBu);
  EXPECT_EQ(p.m_places.back()->m_nStep, 0x7FFA);
  ASSERT_EQ(p.m_stepInsts.size(), 2u);
  EXPECT_EQ(p.m_stepInsts[1]->m_nCount, 2);
  EXPECT_EQ(p.m_nGroup, GROUP_BATON);
}

TEST(ReadVersions, WideStringsAreConvertedToEightBitText) {
  // The wide marker 0xFF 0xFFFE, then the length again (one byte, or 0xFF and a WORD) and
  // 16-bit characters: 'a', U+00E9 (0xE9), U+20AC (the euro sign, 0x80), U+4E2D (none: '?').
  Bytes comments = Bytes().Word(2).Hex("ff fe ff 04").Word('a').Word(0x00E9).Word(0x20AC).Word(0x4E2D);
  comments.Hex("ff fe ff ff 02 00").Word('x').Word('y');
  // Swap the empty comment list (at offset 144, after the formation and people counts) for the wide one.
  Bytes bytes = ShowBytes(DocLayout{});
  bytes.v.erase(bytes.v.begin() + 144, bytes.v.begin() + 146);
  bytes.v.insert(bytes.v.begin() + 144, comments.v.begin(), comments.v.end());
  EXPECT_EQ(ReadBytes(bytes.v)->m_comments, (std::vector<std::string>{"a\xE9\x80?", "xy"}));
}

TEST(ReadVersions, CurrentStepIsLoweredToTheLastStep) {
  // The person stands at a known spot at step 8 and has no place at step 40. Its other
  // place (a damaged one: step 4, on the formation of step 8) is spotted only through the
  // formation's slots.
  PersonLayout person{.places = Bytes().Word(2).NewClass("CPlace").Append(PlaceData({.step = 4, .formationId = 1}))};
  person.places.Word(0x8005).Append(PlaceData({.step = 8, .formationId = 0, .spot = {500, 600}}));  // CPlace is 5
  DocLayout layout{.currentStep = 40,
               .formations = ListOfOne("CDrawRect", FormationData({.shape = SHAPE_LINE, .step = 8, .places = 1})),
               .people = ListOfOne("CPerson", PersonData(person))};
  auto doc = Load(layout);
  EXPECT_EQ(doc->m_nLastStep, 8);
  EXPECT_EQ(doc->m_nCurrentStep, 8);
  // Spots and positions are those of the step the show opens at, not of the step saved.
  EXPECT_EQ(doc->m_people[0]->m_ptPosition, (CPoint{500, 600}));
  EXPECT_NE(doc->m_people[0]->m_places[0]->m_ptSpot, POSITION_NONE);

  // A song that ends later raises the last step, and the current step stays.
  layout.songs = {"0010    0030    s.mid"};
  doc = Load(layout);
  EXPECT_EQ(doc->m_nLastStep, 40);
  EXPECT_EQ(doc->m_nCurrentStep, 40);
}

TEST(ReadVersions, PlacesAreRelinkedByFormationNumberAndSlot) {
  // The person stands in slot 0 of formation 1 and slot 1 of formation 2. A place on a
  // formation that does not exist, or in a slot beyond the array, links nothing.
  // Indices: CFormation 1, a 2, b 3, CPerson 4, person 5, CPlace 6.
  PersonLayout person{.base = {.number = 17}};
  person.places = Bytes().Word(4).NewClass("CPlace").Append(PlaceData({.step = 0, .formationId = 1, .slot = 0}));
  for (const PlaceLayout& ps : {PlaceLayout{.step = 4, .formationId = 2, .slot = 1}, PlaceLayout{.step = 6, .formationId = 3},
                              PlaceLayout{.step = 8, .formationId = 2, .slot = 5}})
    person.places.Word(0x8006).Append(PlaceData(ps));
  DocLayout layout{.people = ListOfOne("CPerson", PersonData(person))};
  layout.formations = Bytes().Word(2).NewClass("CFormation").Append(FormationData({.places = 1}));
  layout.formations.Word(0x8001).Append(FormationData({.step = 4, .number = 2, .places = 2}));
  auto doc = Load(layout);
  const CPerson& p = *doc->m_people[0];
  CFormation* fa = doc->m_formations[0].get();
  CFormation* fb = doc->m_formations[1].get();
  EXPECT_EQ(fa->m_ppPlaces[0], p.m_places[0].get());
  EXPECT_EQ(fb->m_ppPlaces[0], nullptr);
  EXPECT_EQ(fb->m_ppPlaces[1], p.m_places[1].get());
  EXPECT_EQ(p.m_places[1]->m_pFormation, fb);
  EXPECT_EQ(p.m_places[2]->m_pFormation, nullptr);
  for (const auto& place : p.m_places) {
    EXPECT_EQ(place->m_pPerson, &p);
    EXPECT_EQ(place->m_nPersonID, 17);
  }
  EXPECT_EQ(fa->m_pDocument, doc.get());
}

}  // namespace
}  // namespace px::test
