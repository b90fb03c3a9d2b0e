// Damaged, truncated and foreign files: each is refused as "Unexpected file format." without
// crashing, recursing without end or allocating more than the file could describe.
#include <gtest/gtest.h>

#include "core/doc/archive.h"
#include "core/doc/pxdoc.h"
#include "core/doc/show_builder.h"
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

Bytes WithFormations(const Bytes& list) {
  DocSpec spec;
  spec.formations = list;
  return ShowBytes(spec);
}

Bytes WithPeople(const Bytes& list) {
  DocSpec spec;
  spec.people = list;
  return ShowBytes(spec);
}

TEST(DamagedFile, BadClassTagsAndIndices) {
  const Bytes data = FormationData({});
  EXPECT_FALSE(Refused(WithFormations(Bytes().Word(1).NewClass("CDrawRect").Append(data))));
  // A class the show never stores, a name in the wrong case, a schema other than 0.
  EXPECT_TRUE(Refused(WithFormations(Bytes().Word(1).NewClass("CThing").Append(data))));
  EXPECT_TRUE(Refused(WithFormations(Bytes().Word(1).NewClass("cdrawrect").Append(data))));
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
  EXPECT_TRUE(Refused(WithFormations(Bytes().Word(1).NewClass("CPlace").Append(PlaceData({})))));
  EXPECT_TRUE(Refused(WithFormations(Bytes().Word(1).NewClass("CPerson").Append(PersonData({})))));
  EXPECT_TRUE(Refused(WithPeople(Bytes().Word(1).NewClass("CFormation").Append(FormationData({})))));
  PersonSpec person;
  person.places = Bytes().Word(1).NewClass("CStepInst").Append(StepInstData({}));
  EXPECT_TRUE(Refused(WithPeople(Bytes().Word(1).NewClass("CPerson").Append(PersonData(person)))));
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
  FormationSpec f;
  f.nPoints = f.nAlloc = 2;
  f.points = {{1, 2}, {3, 4}};
  f.places = 1;
  PersonSpec person;
  person.places = Bytes().Word(1).NewClass("CPlace").Append(PlaceData({.formationId = 1}));
  person.stepInsts = Bytes().Word(1).NewClass("CStepInst").Append(StepInstData({}));
  DocSpec spec;
  spec.formations = Bytes().Word(1).NewClass("CDrawPoly").Append(FormationData(f));
  spec.people = Bytes().Word(1).NewClass("CPerson").Append(PersonData(person));
  spec.title = "Title";
  spec.comments = {"1 one"};
  spec.songs = {"0000    0004    a.mid"};
  const Bytes whole = ShowBytes(spec);
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
  DocSpec spec;
  spec.comments = {"x"};
  Bytes comments = ShowBytes(spec);
  // The comment count sits at offset 144: claim 0xFFFE comments.
  comments.v[144] = 0xFE;
  comments.v[145] = 0xFF;
  EXPECT_TRUE(Refused(comments));

  // A title whose DWORD length is far beyond the file; a wide one likewise.
  for (const char* length : {"ff ff ff f0 ff ff ff", "ff fe ff ff ff ff ff ff ff 7f"}) {
    Bytes b = ShowBytes(DocSpec{});
    const size_t title = b.size() - 80 - 1;  // the empty title's length byte
    b.v.erase(b.v.begin() + static_cast<std::ptrdiff_t>(title));
    const Bytes prefix = Bytes().Hex(length);
    b.v.insert(b.v.begin() + static_cast<std::ptrdiff_t>(title), prefix.v.begin(), prefix.v.end());
    EXPECT_TRUE(Refused(b)) << length;
  }

  // A vertex count beyond the file, with or without room allocated for it.
  FormationSpec vertices;
  vertices.nPoints = 65535;
  vertices.nAlloc = 2;
  vertices.points = {{1, 1}, {2, 2}};
  EXPECT_TRUE(Refused(WithFormations(Bytes().Word(1).NewClass("CFormation").Append(FormationData(vertices)))));
  vertices.nAlloc = 65535;
  EXPECT_TRUE(Refused(WithFormations(Bytes().Word(1).NewClass("CFormation").Append(FormationData(vertices)))));
}

// Slot arrays and spare vertex room are not stored, so one record may reserve more than the
// bytes left (an honest polygon whose points were deleted keeps its room); but together they
// stay within the file's size plus 65536 entries.
TEST(DamagedFile, ReservedRoomIsBoundedByTheFileSize) {
  FormationSpec roomy;
  roomy.nPoints = 0;
  roomy.nAlloc = 256;
  roomy.places = 300;
  const Bytes one = Bytes().Word(1).NewClass("CDrawPoly").Append(FormationData(roomy));
  EXPECT_FALSE(Refused(WithFormations(one)));

  FormationSpec greedy;
  greedy.places = 65535;
  const Bytes data = FormationData(greedy);
  // A few hundred bytes of file cannot hold two records of 65535 slots each.
  EXPECT_FALSE(Refused(WithFormations(Bytes().Word(1).NewClass("CFormation").Append(data))));
  EXPECT_TRUE(Refused(WithFormations(Bytes().Word(2).NewClass("CFormation").Append(data).Word(0x8001).Append(data))));
  greedy.places = 0;
  greedy.nPoints = 0;
  greedy.nAlloc = 65535;
  const Bytes room = FormationData(greedy);
  EXPECT_TRUE(Refused(WithFormations(Bytes().Word(2).NewClass("CFormation").Append(room).Word(0x8001).Append(room))));
}

}  // namespace
}  // namespace px::test
