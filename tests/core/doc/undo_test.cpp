// Undo snapshots of the document: what comes back, where the undo file lives, and what a
// bad undo file does.
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include "core/doc/show_file.h"
#include "core/doc/undo_file.h"
#include "core/support/files.h"
#include "core/support/shows.h"

namespace px {
namespace {

using test::ShowBuilder;

// Two pictures with three people each, one with a letter symbol, one absent and one with a
// step instruction, a comment and a song.
void BuildShow(ShowBuilder& show) {
  CFormation* first = show.Formation(0, SHAPE_RECTANGLE, CRect{1000, 1000, 2000, 1600});
  CFormation* second = show.Formation(16, SHAPE_LINE, CRect{3000, 2000, 4000, 2000});
  for (int id = 1; id <= 3; ++id) {
    CPerson* person = show.Person(id);
    show.Spot(person, first);
    show.Spot(person, second, MARCH_PIVOT);
  }
  show.doc.m_people[0]->m_strNote = "A";
  show.doc.m_people[1]->m_nExtra = 1;
  show.doc.m_people[2]->GetOrAddStepInst(4)->m_nSteps = 2;
  show.doc.m_comments.push_back("0 opener");
  show.doc.m_songs.push_back("0000    0016    song.mid");
  show.doc.SetCurrentStep(0);
  show.doc.RecalcPositions();
}

// Every place finds its formation again by number, and every slot holds the place naming it.
void ExpectLinked(const CPxDoc& doc) {
  for (const auto& person : doc.m_people)
    for (const auto& place : person->m_places) {
      ASSERT_EQ(place->m_pFormation, doc.FindFormation(place->m_nFormationID));
      EXPECT_EQ(place->m_pFormation->m_ppPlaces.at(static_cast<size_t>(place->m_nSlot)), place.get());
      EXPECT_EQ(place->m_pPerson, person.get());
    }
  for (const auto& f : doc.m_formations)
    for (const CPlace* place : f->m_ppPlaces)
      if (place) {
        EXPECT_EQ(place->m_pFormation, f.get());
      }
}

class UndoFixture : public ::testing::Test {
 protected:
  UndoFixture() {
    SetUndoFolder(dir.path() / "instance");
    SetUndoFileReporter([this](const std::string& message) { messages.push_back(message); });
    BuildShow(show);
  }
  ~UndoFixture() override {
    SetUndoFileReporter(nullptr);
    SetUndoFolder({});
  }

  test::TempDir dir{"undo"};
  ShowBuilder show;
  CPxDoc& doc = show.doc;
  std::vector<std::string> messages;
};

// In memory (true) and in the undo file (false).
class UndoTest : public UndoFixture, public ::testing::WithParamInterface<bool> {
 protected:
  UndoTest() { doc.m_bUndoToMemory = GetParam() ? 1 : 0; }
};

TEST_P(UndoTest, PutsEveryRecordBackAsStoredAndRelinksThePlaces) {
  const std::vector<std::uint8_t> before = SaveShowToBytes(doc);
  doc.SaveUndoSnapshot();
  doc.RemoveFormation(doc.m_formations[1].get());
  doc.m_people[0]->m_strNote.clear();
  doc.m_people[1]->m_nExtra = 0;
  test::AddRectShape(doc, SHAPE_ELLIPSE, CRect{500, 500, 900, 900});

  doc.ApplyUndo();
  EXPECT_EQ(SaveShowToBytes(doc), before);
  ExpectLinked(doc);
  EXPECT_EQ(doc.m_nLastStep, 16);
  EXPECT_TRUE(messages.empty());
}

TEST_P(UndoTest, DisabledUndoKeepsNothing) {
  doc.m_bUndoEnabled = 0;
  doc.SaveUndoSnapshot();
  EXPECT_FALSE(std::filesystem::exists(dir.path() / "instance"));
  EXPECT_FALSE(doc.HasUndoSnapshot());
  doc.RemoveFormation(doc.m_formations[0].get());
  doc.ApplyUndo();
  EXPECT_EQ(doc.m_formations.size(), 1u);
}

INSTANTIATE_TEST_SUITE_P(MemoryAndFile, UndoTest, ::testing::Bool(),
                         [](const ::testing::TestParamInfo<bool>& mode) { return mode.param ? "Memory" : "File"; });

// The undo file holds every setting, comment and song as well.
class FileUndoTest : public UndoFixture {
 protected:
  FileUndoTest() { doc.m_bUndoToMemory = 0; }
};

TEST_F(FileUndoTest, TheFileKeepsTheWholeShowAndIsReadOverItOnce) {
  doc.SaveUndoSnapshot();
  EXPECT_TRUE(std::filesystem::exists(dir.path() / "instance" / "px.tmp"));
  EXPECT_FALSE(std::filesystem::exists("px.tmp"));
  doc.m_comments.push_back("8 later");
  doc.m_nTempo = 180;

  doc.ApplyUndo();
  EXPECT_EQ(doc.m_comments, std::vector<std::string>{"0 opener"});
  EXPECT_EQ(doc.m_songs.size(), 1u);
  EXPECT_EQ(doc.m_nTempo, 300);
  EXPECT_TRUE(doc.IsModified());
  ExpectLinked(doc);

  // A damaged undo file is reported and the show stays as it is.
  test::WriteAll((dir.path() / "instance" / "px.tmp").string(), {'n', 'o'});
  doc.m_nTempo = 90;
  doc.ApplyUndo();
  EXPECT_EQ(messages, std::vector<std::string>{"Unexpected file format."});
  EXPECT_EQ(doc.m_nTempo, 90);
  EXPECT_EQ(doc.m_formations.size(), 2u);
}

// Two programs at once each restore their own show; the folder of one that has ended is
// cleared at the next start, the folder of one still running is not.
TEST(UndoFolder, EveryInstanceHasItsOwnAndLeftoversOfEndedOnesGo) {
  test::TempDir root("undoroot");
  const pid_t child = ::fork();
  ASSERT_GE(child, 0);
  if (child == 0) {
    SetUndoFolder(InstanceUndoFolder(root.path()));
    ShowBuilder other;
    other.doc.m_bUndoToMemory = 0;
    other.Formation(0);
    other.doc.SaveUndoSnapshot();
    ::_exit(std::filesystem::exists(UndoFilePath()) ? 0 : 1);
  }
  int status = -1;
  ASSERT_EQ(::waitpid(child, &status, 0), child);
  ASSERT_EQ(status, 0);

  SetUndoFolder(InstanceUndoFolder(root.path()));
  ShowBuilder show;
  BuildShow(show);
  show.doc.m_bUndoToMemory = 0;
  show.doc.SaveUndoSnapshot();
  show.doc.RemoveFormation(show.doc.m_formations[0].get());
  show.doc.ApplyUndo();
  EXPECT_EQ(show.doc.m_formations.size(), 2u);

  const std::string ended = "pyxaro-" + std::to_string(child);
  const std::string running = "pyxaro-" + std::to_string(::getppid());
  const std::string mine = InstanceUndoFolder(root.path()).filename().string();
  std::filesystem::create_directory(root.path() / running);
  std::filesystem::create_directory(root.path() / "pyxaro-notes");
  auto sorted = [](std::vector<std::string> names) {
    std::sort(names.begin(), names.end());
    return names;
  };
  EXPECT_EQ(root.Entries(), sorted({ended, running, mine, "pyxaro-notes"}));
  EXPECT_EQ(RemoveLeftoverUndoFolders(root.path()), 1);
  EXPECT_EQ(root.Entries(), sorted({running, mine, "pyxaro-notes"}));
  SetUndoFolder({});
}

}  // namespace
}  // namespace px
