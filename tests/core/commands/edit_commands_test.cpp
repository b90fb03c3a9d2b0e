// The Edit menu run through its registered commands: Undo and Redo with their menu states
// and their undo file, and Cut, Copy, Paste, Delete and Select All through the clipboard.
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include "core/commands/show_clipboard.h"
#include "core/doc/show_file.h"
#include "core/doc/undo_file.h"
#include "core/support/menu_commands.h"
#include "core/support/files.h"
#include "core/support/shows.h"

namespace px {
namespace {

using test::ShowBuilder;

// Two rectangles at step 0 and a line at step 16; two people on the first and the line, one
// with a letter symbol and one absent; a comment and a song.
void BuildShow(ShowBuilder& show) {
  CFormation* a = show.Formation(0, SHAPE_RECTANGLE, CRect{1000, 1000, 2000, 1600});
  show.Formation(0, SHAPE_ELLIPSE, CRect{3000, 1000, 3600, 1600});
  CFormation* later = show.Formation(16);
  for (int id = 1; id <= 2; ++id) {
    CPerson* person = show.Person(id);
    show.Spot(person, a);
    show.Spot(person, later, MARCH_PIVOT);
  }
  show.doc.m_people[0]->m_strNote = "A";
  show.doc.m_people[1]->m_nExtra = 1;
  show.doc.m_people[1]->GetOrAddStepInst(4)->m_nSteps = 2;
  show.doc.m_comments.push_back("0 opener");
  show.doc.m_songs.push_back("0000    0016    song.mid");
  show.doc.SetCurrentStep(0);
  show.doc.RecalcPositions();
  show.doc.SetModifiedFlag(false);
}

class EditCommandsTest : public ::testing::Test {
 protected:
  EditCommandsTest() {
    SetUndoFolder(dir.path() / "instance");
    SetUndoFileReporter([this](const std::string& message) { reported.push_back(message); });
    TheShowClipboard().ClearFormations();
    BuildShow(show);
  }
  ~EditCommandsTest() override {
    SetUndoFileReporter(nullptr);
    SetUndoFolder({});
  }

  std::vector<std::uint8_t> Bytes() { return SaveShowToBytes(doc); }
  CFormation* At(size_t index) { return doc.m_formations.at(index).get(); }

  test::TempDir dir{"edit"};
  ShowBuilder show;
  CPxDoc& doc = show.doc;
  test::MenuCommands commands{doc};
  std::vector<std::string> reported;
};

TEST_F(EditCommandsTest, UndoIsOfferedOnlyForAChangedShowWithUndoOn) {
  struct Case {
    bool undoOff, toFile, changed, offered, fileWritten;
  };
  for (const Case c : {Case{false, false, false, false, false}, Case{false, false, true, true, false},
                       Case{true, true, true, false, false}, Case{false, true, true, true, true}}) {
    ShowBuilder other;
    BuildShow(other);
    test::MenuCommands run(other.doc);
    if (c.undoOff) run.Run("Undo Enabled");
    if (c.toFile) run.Run("Undo To Memory");
    EXPECT_EQ(run.Checked("Undo Enabled"), !c.undoOff);
    other.doc.m_selection.Add(other.doc.m_formations[0].get());
    if (c.changed) run.Run("Delete");
    EXPECT_EQ(run.Enabled("Undo"), c.offered) << c.undoOff << c.toFile << c.changed;
    EXPECT_EQ(std::filesystem::exists(UndoFilePath()), c.fileWritten);
    std::filesystem::remove(UndoFilePath());
  }
  // A snapshot alone does not make a show changed: a show saved since greys Undo.
  doc.m_selection.Add(At(0));
  commands.Run("Delete");
  doc.SetModifiedFlag(false);
  EXPECT_FALSE(commands.Enabled("Undo"));
}

TEST_F(EditCommandsTest, UndoTwiceLeavesTheFirstUndoAndRedoTakesItBack) {
  for (int toMemory : {1, 0}) {
    SCOPED_TRACE(toMemory);
    doc.m_bUndoToMemory = toMemory;
    const std::vector<std::uint8_t> original = Bytes();
    doc.m_selection.Add(At(0));
    commands.Run("Delete");
    const std::vector<std::uint8_t> deleted = Bytes();
    EXPECT_FALSE(commands.Enabled("Redo"));

    // Every stored field comes back (letters and absent flags too), comments and songs once.
    EXPECT_TRUE(commands.Run("Undo"));
    EXPECT_EQ(Bytes(), original);
    commands.Run("Undo");
    EXPECT_EQ(Bytes(), original);
    EXPECT_TRUE(doc.m_selection.Empty());
    for (const auto& person : doc.m_people)
      for (const auto& place : person->m_places) {
        ASSERT_EQ(place->m_pFormation, doc.FindFormation(place->m_nFormationID));
        EXPECT_EQ(place->m_pFormation->m_ppPlaces.at(static_cast<size_t>(place->m_nSlot)), place.get());
      }

    EXPECT_TRUE(commands.Run("Redo"));
    EXPECT_EQ(Bytes(), deleted);
    EXPECT_FALSE(commands.Enabled("Redo"));  // one level
    commands.Run("Undo");
    EXPECT_EQ(Bytes(), original);
    At(0)->ShiftBy(8, 8);  // any change ends what Redo could put back
    EXPECT_FALSE(commands.Run("Redo"));
  }
  EXPECT_TRUE(reported.empty());
}

TEST_F(EditCommandsTest, ADamagedUndoFileIsReportedAndTheShowStays) {
  commands.Run("Undo To Memory");
  doc.m_selection.Add(At(0));
  commands.Run("Delete");
  test::WriteAll(UndoFilePath().string(), {'n', 'o'});
  commands.Run("Undo");
  EXPECT_EQ(reported, std::vector<std::string>{"Unexpected file format."});
  EXPECT_EQ(doc.m_formations.size(), 2u);
}

TEST_F(EditCommandsTest, RepeatedPastesMoveFurtherEachTimeUntilTheNextCopy) {
  commands.Run("Copy");  // nothing selected: the clipboard stays empty
  EXPECT_FALSE(commands.Enabled("Paste"));
  doc.m_selection.Add(At(0));
  commands.Run("Copy");
  doc.SetCurrentStep(16);
  for (int k = 0; k < 3; ++k) commands.Run("Paste");
  std::vector<CRect> pasted;
  for (size_t i = 3; i < 6; ++i) pasted.push_back(At(i)->m_rcBase);
  EXPECT_EQ(pasted, (std::vector<CRect>{{1072, 1072, 2072, 1672}, {1144, 1144, 2144, 1744}, {1216, 1216, 2216, 1816}}));
  EXPECT_EQ(At(3)->m_nPlaces, 0);  // no people come along
  EXPECT_EQ(commands.ui.m_statusTexts, (std::vector<std::string>{"Pasting...", "", "Pasting...", "", "Pasting...", ""}));
  commands.view.is3D = true;
  EXPECT_FALSE(commands.Enabled("Paste"));
}

TEST_F(EditCommandsTest, CutAndDeleteTakeThePlacesAlongAndSelectAllTakesTheCurrentStep) {
  commands.Run("Select All");
  EXPECT_EQ(doc.m_selection.formations, (std::vector<CFormation*>{At(0), At(1)}));
  doc.m_selection.formations = {At(0)};
  commands.Run("Cut");
  EXPECT_EQ(doc.m_formations.size(), 2u);
  EXPECT_EQ(doc.m_people[0]->m_places.size(), 1u);
  EXPECT_EQ(TheShowClipboard().Formations().at(0).formation->m_rcBase, (CRect{1000, 1000, 2000, 1600}));
  EXPECT_EQ(doc.m_people[0]->m_ptPosition, (CPoint{72, 216}));  // parked: no place at this step
}

// Two programs at once each restore their own show, and the folder of one that has ended is
// cleared at the next start while one still running keeps its own.
TEST(UndoFolder, EveryInstanceHasItsOwnAndLeftoversOfEndedOnesGo) {
  test::TempDir root("undoroot");
  const pid_t child = ::fork();
  ASSERT_GE(child, 0);
  if (child == 0) {
    SetUndoFolder(InstanceUndoFolder(root.path()));
    ShowBuilder other;
    other.doc.m_bUndoToMemory = 0;
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
  EXPECT_EQ(show.doc.m_formations.size(), 3u);

  const std::string running = "pyxaro-" + std::to_string(::getppid());
  std::filesystem::create_directory(root.path() / running);
  EXPECT_EQ(RemoveLeftoverUndoFolders(root.path()), 1);
  std::vector<std::string> kept{running, InstanceUndoFolder(root.path()).filename().string()};
  std::sort(kept.begin(), kept.end());
  EXPECT_EQ(root.Entries(), kept);
  SetUndoFolder({});
}

}  // namespace
}  // namespace px
