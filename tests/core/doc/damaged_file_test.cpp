// Damaged, truncated and foreign files: each is refused as "Unexpected file format." without
// crashing, recursing without end or allocating more than the file could describe.
#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <cstring>

#include "core/doc/archive.h"
#include "core/doc/pxdoc.h"
#include "core/support/show_bytes.h"
#include "core/doc/show_file.h"

namespace px::test {
namespace {

bool Refused(const Bytes& bytes) {
  CPxDoc doc;
  try {
    LoadShowFromBytes(bytes.v, doc);
  } catch (const ArchiveFormatError&) {
    return true;
  }
  return false;
}

Bytes WithFormations(const Bytes& list) { return ShowBytes({.formations = list}); }
Bytes WithPeople(const Bytes& list) { return ShowBytes({.people = list}); }

TEST(DamagedFile, BadClassTagsAndIndices) {
  const Bytes data = FormationData({});
  EXPECT_FALSE(Refused(WithFormations(ListOfOne("CDrawRect", data))));
  // A class the show never stores, a name in the wrong case, a schema other than 0.
  EXPECT_TRUE(Refused(WithFormations(ListOfOne("CThing", data))));
  EXPECT_TRUE(Refused(WithFormations(ListOfOne("cdrawrect", data))));
  EXPECT_TRUE(Refused(WithFormations(Bytes().Word(1).Word(0xFFFF).Word(1).Word(9).Chars("CDrawRect").Append(data))));
  // A class index or object index that the table does not hold.
  EXPECT_TRUE(Refused(WithFormations(Bytes().Word(1).Word(0x8001).Append(data))));
  EXPECT_TRUE(Refused(WithFormations(Bytes().Word(1).Word(0x8000).Append(data))));
  EXPECT_TRUE(Refused(WithFormations(Bytes().Word(1).Word(0x0005))));
  EXPECT_TRUE(Refused(WithFormations(Bytes().Word(1).Word(0x7FFF).Dword(0x80001234).Append(data))));
  EXPECT_TRUE(Refused(WithFormations(Bytes().Word(1).Word(0x7FFF).Dword(0x00001234))));
  // Index 1 is the class and index 2 the object: neither may stand for the other.
  const Bytes first = Bytes().Word(2).NewClass("CDrawRect").Append(data);
  EXPECT_FALSE(Refused(WithFormations(Bytes(first).Word(0x8001).Append(data))));
  EXPECT_TRUE(Refused(WithFormations(Bytes(first).Word(0x0001))));
  EXPECT_TRUE(Refused(WithFormations(Bytes(first).Word(0x8002).Append(data))));
}

TEST(DamagedFile, RecordsOfTheWrongClassForTheirList) {
  EXPECT_TRUE(Refused(WithFormations(ListOfOne("CPlace", PlaceData({})))));
  EXPECT_TRUE(Refused(WithFormations(ListOfOne("CPerson", PersonData({})))));
  EXPECT_TRUE(Refused(WithPeople(ListOfOne("CFormation", FormationData({})))));
  const PersonLayout person{.places = ListOfOne("CStepInst", StepInstData({}))};
  EXPECT_TRUE(Refused(WithPeople(ListOfOne("CPerson", PersonData(person)))));
}

// A person record inside a place list, nested many times over: refused at the first one,
// before its data is read, so the depth never reaches the stack's limit.
TEST(DamagedFile, DeeplyNestedRecordsAreRefusedAtOnce) {
  constexpr int kDepth = 100000;
  const Bytes head = FormationData({}).Word(1).Point(0, 0).Word(1);  // ... and a place list of one
  const Bytes tail = Bytes().Word(0).Word(5).Str("60").Word(0);      // step instructions, group, height
  Bytes people = Bytes().Word(1).NewClass("CPerson").Append(head);
  for (int i = 1; i < kDepth; ++i) people.Word(0x8001).Append(head);
  people.Word(0x8001).Append(PersonData({}));
  for (int i = 0; i < kDepth; ++i) people.Append(tail);
  EXPECT_TRUE(Refused(WithPeople(people)));
}

// Every cut of a file with records ends early somewhere.
TEST(DamagedFile, EveryTruncationIsRefused) {
  const FormationLayout f{.places = 1, .nPoints = 2, .nAlloc = 2, .points = {{1, 2}, {3, 4}}};
  const PersonLayout person{.places = ListOfOne("CPlace", PlaceData({.formationId = 1})),
                          .stepInsts = ListOfOne("CStepInst", StepInstData({}))};
  const Bytes whole = ShowBytes({.title = "Title", .comments = {"1 one"}, .songs = {"0000    0004    a.mid"},
                                 .formations = ListOfOne("CDrawPoly", FormationData(f)),
                                 .people = ListOfOne("CPerson", PersonData(person))});
  EXPECT_FALSE(Refused(whole));
  for (size_t n = 0; n < whole.size(); ++n) {
    Bytes cut;
    cut.v.assign(whole.v.begin(), whole.v.begin() + static_cast<std::ptrdiff_t>(n));
    EXPECT_TRUE(Refused(cut)) << "cut at " << n;
  }
}

// Counts and lengths are checked against the bytes left before anything is allocated.
TEST(DamagedFile, CountsAndLengthsBeyondTheFileAreRefused) {
  EXPECT_TRUE(Refused(WithFormations(Bytes().Word(0xFFFF).Dword(0x7FFFFFFF))));
  EXPECT_TRUE(Refused(WithFormations(Bytes().Word(0xFFFF).Dword(0xFFFFFFFF))));
  EXPECT_TRUE(Refused(WithPeople(Bytes().Word(60000))));
  Bytes comments = ShowBytes({.comments = {"x"}});
  // The comment count sits at offset 144: claim 0xFFFE comments.
  comments.v[144] = 0xFE;
  comments.v[145] = 0xFF;
  EXPECT_TRUE(Refused(comments));

  // A title whose DWORD length is far beyond the file; a wide one likewise.
  for (const char* length : {"ff ff ff f0 ff ff ff", "ff fe ff ff ff ff ff ff ff 7f"}) {
    Bytes b = ShowBytes(DocLayout{});
    const size_t title = b.size() - 80 - 1;  // the empty title's length byte
    b.v.erase(b.v.begin() + static_cast<std::ptrdiff_t>(title));
    const Bytes prefix = Bytes().Hex(length);
    b.v.insert(b.v.begin() + static_cast<std::ptrdiff_t>(title), prefix.v.begin(), prefix.v.end());
    EXPECT_TRUE(Refused(b)) << length;
  }

  // A vertex count beyond the file, with or without room allocated for it.
  FormationLayout vertices{.nPoints = 65535, .nAlloc = 2, .points = {{1, 1}, {2, 2}}};
  EXPECT_TRUE(Refused(WithFormations(ListOfOne("CFormation", FormationData(vertices)))));
  vertices.nAlloc = 65535;
  EXPECT_TRUE(Refused(WithFormations(ListOfOne("CFormation", FormationData(vertices)))));
}

// Slot arrays and spare vertex room are not stored, so one record may reserve more than the
// bytes left (an honest polygon whose points were deleted keeps its room); but together they
// stay within the file's size plus 65536 entries.
TEST(DamagedFile, ReservedRoomIsBoundedByTheFileSize) {
  EXPECT_FALSE(Refused(WithFormations(ListOfOne("CDrawPoly", FormationData({.places = 300, .nAlloc = 256})))));
  // A few hundred bytes of file cannot hold two records of 65535 slots, or of 65535 vertices, each.
  for (const Bytes& data : {FormationData({.places = 65535}), FormationData({.nAlloc = 65535})}) {
    EXPECT_FALSE(Refused(WithFormations(ListOfOne("CFormation", data))));
    EXPECT_TRUE(Refused(WithFormations(Bytes().Word(2).NewClass("CFormation").Append(data).Word(0x8001).Append(data))));
  }
}

// A spot near the integer limits (found by fuzzing): the person's box around it stops at
// them instead of wrapping around.
TEST(DamagedFile, PointsNearTheIntegerLimitsKeepTheBoxInOrder) {
  CPxDoc doc;
  CPerson* p = doc.AddPerson(std::make_unique<CPerson>());
  for (const CPoint at : {CPoint{INT_MAX - 2, INT_MIN + 1}, CPoint{INT_MIN, INT_MAX}}) {
    p->SetCurrentPosition(at);
    EXPECT_LT(p->m_rcBase.left, p->m_rcBase.right);
    EXPECT_LT(p->m_rcBase.top, p->m_rcBase.bottom);
  }
}

// A damaged header: a step size or interval that is not finite, or no dialog would take, is
// put back to its default and the rest of the show opens; a plausible one is kept.
TEST(DamagedFile, AbsurdStepSizeAndIntervalGetTheirDefaults) {
  const struct {
    double stored, step, interval;
  } cases[] = {{60.0, 60.0, 60.0},       {3.86e-207, 45.0, 90.0}, {-90.0, 45.0, 90.0},
               {1e300, 45.0, 90.0},      {NAN, 45.0, 90.0},       {INFINITY, 45.0, 90.0}};
  for (const auto& c : cases) {
    CPxDoc doc;
    doc.m_strTitle = "kept";
    std::vector<std::uint8_t> bytes = SaveShowToBytes(doc);
    // The two doubles follow the two version words.
    for (size_t at : {size_t{4}, size_t{12}}) std::memcpy(&bytes[at], &c.stored, sizeof c.stored);
    CPxDoc loaded;
    LoadShowFromBytes(bytes, loaded);
    EXPECT_EQ(loaded.m_dStepSize, c.step) << c.stored;
    EXPECT_EQ(loaded.m_dInterval, c.interval) << c.stored;
    EXPECT_EQ(loaded.m_strTitle, "kept");
  }
}

// Small shows found by fuzzing whose fill-mode formations once took most of a minute to load
// or to spot: they load, and every slot has its spot, at the cost of their few slots and edges.
TEST(DamagedFile, ShowsThatOnceTookMinutesLoadAndSpot) {
  for (const char* name : {"slow_load_42s.sho", "slow_fill_2000.sho"}) {
    CPxDoc doc;
    const FileResult r = ReadShowFile(std::string(PYXARO_SOURCE_DIR "/tests/data/") + name, doc);
    ASSERT_TRUE(r.ok) << name << ": " << r.message;
    size_t spots = 0;
    for (const auto& f : doc.m_formations) spots += f->GetAllSpots().size();
    EXPECT_GT(spots, 0u) << name;
    doc.RecalcPositions();
  }
}

}  // namespace
}  // namespace px::test
