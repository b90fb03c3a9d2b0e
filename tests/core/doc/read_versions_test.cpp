// Reading hand-built files of every document and record version.
#include <gtest/gtest.h>

#include "core/doc/pxdoc.h"
#include "core/doc/show_builder.h"
#include "core/doc/show_file.h"

namespace px::test {
namespace {

std::unique_ptr<CPxDoc> Load(const Bytes& bytes) {
  auto doc = std::make_unique<CPxDoc>();
  LoadShowFromBytes(bytes.v, *doc);
  return doc;
}

// Each version reads exactly its own fields: one row too many or too few and the file
// would end early or leave the later fields misread.
TEST(ReadVersions, EveryFileVersionReadsItsOwnRows) {
  for (std::uint16_t v = 1; v <= 12; ++v) {
    SCOPED_TRACE(v);
    DocSpec spec;
    spec.version = v;
    spec.title = "Show";
    spec.comments = {"4 hit"};
    spec.songs = {"0002    0010    a.mid"};
    auto doc = Load(ShowBytes(spec));
    EXPECT_EQ(doc->m_nFileVersion[1], v);
    EXPECT_EQ(doc->m_strTitle, v >= 5 ? "Show" : "");
    EXPECT_EQ(doc->m_comments, spec.comments);
    EXPECT_EQ(doc->m_nLastStep, 12);  // the song ends at 2 + 10
  }
}

TEST(ReadVersions, VersionOneFillsEveryLaterFieldWithItsDefault) {
  DocSpec spec;
  spec.version = 1;
  auto doc = Load(ShowBytes(spec));
  EXPECT_EQ(doc->m_nPeopleTextSize, 50);
  EXPECT_EQ(doc->m_nControlHandleSize, 24);  // not the 36 of a new show
  EXPECT_EQ(doc->m_nShapeHandleSize, 24);
  EXPECT_EQ(doc->m_bHorizontal8, 1);
  EXPECT_EQ(doc->m_crPersonFill, 0xFFFFFFu);
  EXPECT_EQ(doc->m_bVertical1, 0);
  EXPECT_EQ(doc->m_dFieldWidth, 7200.0);
  EXPECT_EQ(doc->m_dFieldHeight, 3780.0);
  EXPECT_EQ(doc->m_dHash1, 1260.0);
  EXPECT_EQ(doc->m_dHash2, 2520.0);
  EXPECT_EQ(doc->m_crLines4, 0x000000u);  // = m_crLines8, not the 0x414141 of a new show
  EXPECT_EQ(doc->m_crHash, 0x000000u);
  EXPECT_EQ(doc->m_bShowHash1 + doc->m_bShowHash2, 2);
  EXPECT_EQ(doc->m_bBoldLines, 0);
  EXPECT_EQ(doc->m_bCenterHorizontal, 0);
}

TEST(ReadVersions, VersionEightDerivesTheLineColoursAndResetsTheLineFlags) {
  DocSpec spec;
  spec.version = 8;
  spec.crLines8 = 0x123456;
  spec.vertical4 = 1;  // both are read, then reset
  spec.vertical1 = 1;
  spec.fieldWidth = 8000.0;
  spec.fieldHeight = 4000.0;
  auto doc = Load(ShowBytes(spec));
  EXPECT_EQ(doc->m_dFieldWidth, 8000.0);
  EXPECT_EQ(doc->m_dFieldHeight, 4000.0);
  EXPECT_EQ(doc->m_dHash1, 1260.0);
  EXPECT_EQ(doc->m_dHash2, 2520.0);
  EXPECT_EQ(doc->m_crLines8, 0x123456u);
  EXPECT_EQ(doc->m_crLines4, 0x123456u);
  EXPECT_EQ(doc->m_crHash, 0x123456u);
  EXPECT_EQ(doc->m_crLines2, 0x828282u);
  EXPECT_EQ(doc->m_crLines1, 0xC8C8C8u);
  EXPECT_EQ(doc->m_bVertical4, 0);
  EXPECT_EQ(doc->m_bVertical1, 0);
  EXPECT_EQ(doc->m_bVertical8, 1);
  EXPECT_EQ(doc->m_nFieldType, 0);

  // Version 9 keeps what it read.
  spec.version = 9;
  doc = Load(ShowBytes(spec));
  EXPECT_EQ(doc->m_bVertical4, 1);
  EXPECT_EQ(doc->m_bVertical1, 1);
  EXPECT_EQ(doc->m_crLines4, 0x414141u);
}

TEST(ReadVersions, NewerFileVersionsReadAsTwelveAndTheMajorIsNotChecked) {
  for (std::uint16_t v : {std::uint16_t{13}, std::uint16_t{0xFFFF}}) {
    DocSpec spec;
    spec.version = v;
    spec.major = 7;
    spec.title = "Future";
    auto doc = Load(ShowBytes(spec));
    EXPECT_EQ(doc->m_nFileVersion[1], 12);
    EXPECT_EQ(doc->m_strTitle, "Future");
  }
}

FormationSpec Busy(int version) {
  FormationSpec f;
  f.version = version;
  f.name = "Busy";
  f.note = "n";
  f.shape = SHAPE_POLYGON;
  f.spread = 0;
  f.scaleToFit = 1;
  f.scaleToInterval = 1;
  f.step = 40000;  // WORDs read zero-extended
  f.endStep = 7;
  f.number = 1;
  f.extra = 1;
  f.places = 3;
  f.spare = 9;
  f.rect[0] = 65535;
  f.rect[1] = 40000;
  f.rect[2] = 100;
  f.rect[3] = 200;
  f.pivot = {50, 60};
  f.interval = 12.5;
  f.rotation = 1.5;
  f.arcStart = 0.5;
  f.arcEnd = 2.0;
  f.arcStartPt = {1, 2};
  f.arcEndPt = {3, 4};
  f.skew = 0.75;
  f.reverse = 1;
  f.block = 1;
  f.rows = 2;
  f.penStyle = 2;
  f.penWidth = {3, 3};
  f.penColor = 0x112233;
  f.brushStyle = 5;  // any non-zero style reads as hollow
  f.brushColor = 0x445566;
  f.brushHatch = 7;
  f.nPoints = f.nAlloc = 3;
  f.points = {{0, 0}, {40000, 10}, {20, 30}};
  f.point = 1;
  f.fill = 1;
  f.arrow = 1;
  f.curveRepeat = 3;
  return f;
}

TEST(ReadVersions, FormationRecordsOfEveryVersion) {
  // Version 0 stores coordinates as WORDs; versions 2 to 5 add one field each, the
  // missing ones take false and a curve repeat of 1.
  for (int r = 0; r <= 5; ++r) {
    SCOPED_TRACE(r);
    const FormationSpec f = Busy(r);
    DocSpec spec;
    spec.formations = Bytes().Word(1).NewClass("CDrawPoly").Append(FormationData(f));
    spec.comments = {"after"};  // proves the record was read to its exact end
    auto doc = Load(ShowBytes(spec));
    ASSERT_EQ(doc->m_formations.size(), 1u);
    EXPECT_STREQ(doc->m_formations[0]->GetRuntimeClassName(), "CDrawPoly");
    ExpectRead(f, *doc->m_formations[0]);
    EXPECT_EQ(doc->m_comments, spec.comments);
  }
}

TEST(ReadVersions, VerticesOnlyWhenAllocatedAndCounted) {
  FormationSpec f = Busy(5);
  f.nAlloc = 0;  // three points claimed, none allocated: none stored
  f.points.clear();
  DocSpec spec;
  spec.formations = Bytes().Word(1).NewClass("CDrawPoly").Append(FormationData(f));
  auto doc = Load(ShowBytes(spec));
  EXPECT_TRUE(doc->m_formations[0]->m_pPoints.empty());
  EXPECT_EQ(doc->m_formations[0]->m_nCurveRepeat, 3);

  // An allocation larger than the count reserves room but reads only the counted points.
  f.nPoints = 1;
  f.nAlloc = 4;
  f.points = {{5, 6}};
  spec.formations = Bytes().Word(1).NewClass("CDrawPoly").Append(FormationData(f));
  doc = Load(ShowBytes(spec));
  EXPECT_EQ(doc->m_formations[0]->m_pPoints.size(), 4u);
  EXPECT_EQ(doc->m_formations[0]->m_pPoints[0], (CPoint{5, 6}));
}

TEST(ReadVersions, PlaceRecordsOfEveryVersion) {
  for (int r = 0; r <= 3; ++r) {
    SCOPED_TRACE(r);
    // Flex is false before version 2; simple is true before version 3.
    const PlaceSpec place{.version = r, .step = 9, .march = MARCH_ARC, .anchor = 1, .reverse = 1, .cw = 1,
                          .endCw = 1, .startCw = 1, .formationId = 0, .slot = 2, .waitBefore = 3,
                          .waitAfter = 4, .spot = {40000, 7}, .flex = 1, .simple = 0};
    PersonSpec person;
    person.places = Bytes().Word(1).NewClass("CPlace").Append(PlaceData(place));
    person.group = GROUP_DRUMS;
    DocSpec spec;
    spec.people = Bytes().Word(1).NewClass("CPerson").Append(PersonData(person));
    auto doc = Load(ShowBytes(spec));
    ASSERT_EQ(doc->m_people.size(), 1u);
    ASSERT_EQ(doc->m_people[0]->m_places.size(), 1u);
    ExpectRead(place, *doc->m_people[0]->m_places[0]);
    EXPECT_EQ(doc->m_people[0]->m_nGroup, GROUP_DRUMS);
  }
}

TEST(ReadVersions, PersonRecordVersionZeroStoresItsPositionAsWords) {
  PersonSpec person;
  person.version = 0;
  person.position = {100, 200};
  person.group = GROUP_RIFLES;
  person.height = "70";
  person.stepInsts = Bytes().Word(1).NewClass("CStepInst").Append(
      StepInstData({.count = 3, .towardStands = 1, .towardRight = 1, .steps = 8, .stepSize = 30.0}));
  DocSpec spec;
  spec.people = Bytes().Word(1).NewClass("CPerson").Append(PersonData(person));
  auto doc = Load(ShowBytes(spec));
  ASSERT_EQ(doc->m_people.size(), 1u);
  const CPerson& p = *doc->m_people[0];
  EXPECT_EQ(p.m_nPersonVersion, 0);
  EXPECT_EQ(p.m_nGroup, GROUP_RIFLES);
  EXPECT_EQ(p.m_strHeight, "70");
  EXPECT_EQ(p.m_nHeight2, 140);
  ASSERT_EQ(p.m_stepInsts.size(), 1u);
  const CStepInst& si = *p.m_stepInsts[0];
  EXPECT_EQ(si.m_nCount, 3);
  EXPECT_EQ(si.m_bTowardStands, 1);
  EXPECT_EQ(si.m_bAwayFromStands, 0);
  EXPECT_EQ(si.m_bTowardRight, 1);
  EXPECT_EQ(si.m_bTowardLeft, 0);
  EXPECT_EQ(si.m_nSteps, 8);
  EXPECT_EQ(si.m_dStepSize, 30.0);
  EXPECT_EQ(p.m_pDocument, doc.get());
}

TEST(ReadVersions, NullRecordsAndBackReferencesAddNothingToList) {
  // CDrawRect is index 1, the formation 2. A null record and a second reference to
  // the formation must neither add an entry nor own the record twice.
  DocSpec spec;
  spec.formations = Bytes().Word(3).NewClass("CDrawRect").Append(FormationData({})).Word(0x0000).Word(0x0002);
  spec.comments = {"after"};
  auto doc = Load(ShowBytes(spec));
  EXPECT_EQ(doc->m_formations.size(), 1u);
  EXPECT_EQ(doc->m_comments, spec.comments);
}

TEST(ReadVersions, DwordObjectAndClassIndices) {
  // CPerson 1, the person 2, CPlace 3, 0x7FFB places 4 .. 0x7FFE, CStepInst 0x7FFF,
  // first instruction 0x8000. The second instruction names its class in the DWORD form;
  // the third entry refers back to the first instruction with a DWORD object index, the
  // fourth to the last place with a WORD one.
  PersonSpec person;
  person.places = PlaceList(0x7FFB, 3);
  person.stepInsts = Bytes().Word(4).NewClass("CStepInst").Append(StepInstData({.count = 1}));
  person.stepInsts.Word(0x7FFF).Dword(0x80007FFF).Append(StepInstData({.count = 2}));
  person.stepInsts.Word(0x7FFF).Dword(0x00008000);
  person.stepInsts.Word(0x7FFE);
  person.group = GROUP_BATON;
  DocSpec spec;
  spec.people = Bytes().Word(1).NewClass("CPerson").Append(PersonData(person));
  auto doc = Load(ShowBytes(spec));
  ASSERT_EQ(doc->m_people.size(), 1u);
  const CPerson& p = *doc->m_people[0];
  EXPECT_EQ(p.m_places.size(), 0x7FFBu);
  EXPECT_EQ(p.m_places.back()->m_nStep, 0x7FFA);
  ASSERT_EQ(p.m_stepInsts.size(), 2u);
  EXPECT_EQ(p.m_stepInsts[1]->m_nCount, 2);
  EXPECT_EQ(p.m_nGroup, GROUP_BATON);
}

TEST(ReadVersions, WideStringsAreConvertedToEightBitText) {
  Bytes comments;
  // The wide marker 0xFF 0xFFFE, then the length again (one byte, or 0xFF and a WORD) and
  // 16-bit characters: 'a', U+00E9 (0xE9), U+20AC (the euro sign, 0x80), U+4E2D (none: '?').
  comments.Word(2);
  comments.Hex("ff fe ff 04").Word('a').Word(0x00E9).Word(0x20AC).Word(0x4E2D);
  comments.Hex("ff fe ff ff 02 00").Word('x').Word('y');
  Bytes bytes = ShowBytes(DocSpec{});
  // Swap the empty comment list (at offset 144, after the formation and people counts) for
  // the wide one.
  bytes.v.erase(bytes.v.begin() + 144, bytes.v.begin() + 146);
  bytes.v.insert(bytes.v.begin() + 144, comments.v.begin(), comments.v.end());
  auto doc = Load(bytes);
  ASSERT_EQ(doc->m_comments.size(), 2u);
  EXPECT_EQ(doc->m_comments[0], "a\xE9\x80?");
  EXPECT_EQ(doc->m_comments[1], "xy");
}

TEST(ReadVersions, CurrentStepIsLoweredToTheLastStep) {
  DocSpec spec;
  spec.currentStep = 40;
  FormationSpec f;
  f.step = 8;
  spec.formations = Bytes().Word(1).NewClass("CFormation").Append(FormationData(f));
  auto doc = Load(ShowBytes(spec));
  EXPECT_EQ(doc->m_nLastStep, 8);
  EXPECT_EQ(doc->m_nCurrentStep, 8);

  // A song that ends later raises the last step, and the current step stays.
  spec.songs = {"0010    0030    s.mid"};
  doc = Load(ShowBytes(spec));
  EXPECT_EQ(doc->m_nLastStep, 40);
  EXPECT_EQ(doc->m_nCurrentStep, 40);
}

TEST(ReadVersions, PlacesAreRelinkedByFormationNumberAndSlot) {
  // Two formations; the person stands in slot 1 of the second and slot 0 of the first. A
  // place on a formation that does not exist, or in a slot beyond the array, links nothing.
  FormationSpec a, b;
  a.step = 0;
  a.places = 1;
  b.step = 4;
  b.number = 2;
  b.places = 2;
  PersonSpec person;
  person.base.number = 17;
  person.places = Bytes().Word(4).NewClass("CPlace").Append(PlaceData({.step = 0, .formationId = 1, .slot = 0}));
  for (const PlaceSpec& ps : {PlaceSpec{.step = 4, .formationId = 2, .slot = 1}, PlaceSpec{.step = 6, .formationId = 3},
                              PlaceSpec{.step = 8, .formationId = 2, .slot = 5}})
    person.places.Word(0x8006).Append(PlaceData(ps));  // CFormation 1, a 2, b 3, CPerson 4, person 5, CPlace 6
  DocSpec spec;
  spec.formations = Bytes().Word(2).NewClass("CFormation").Append(FormationData(a)).Word(0x8001).Append(FormationData(b));
  spec.people = Bytes().Word(1).NewClass("CPerson").Append(PersonData(person));
  auto doc = Load(ShowBytes(spec));
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
