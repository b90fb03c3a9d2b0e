// The Edit menu run through its registered commands: Undo and Redo with their menu states,
// and Cut, Copy, Paste, Delete and Select All through the show clipboard.
#include <gtest/gtest.h>

#include "core/commands/show_clipboard.h"
#include "core/doc/show_file.h"
#include "core/doc/undo_file.h"
#include "core/support/command_harness.h"
#include "core/support/files.h"
#include "core/support/shows.h"

namespace px {
namespace {

using test::ShowBuilder;

class EditCommandsTest : public ::testing::Test {
 protected:
  EditCommandsTest() {
    SetUndoFolder(dir.path() / "instance");
    TheShowClipboard().ClearFormations();
    a = show.Formation(0, SHAPE_RECTANGLE, CRect{1000, 1000, 2000, 1600});
    b = show.Formation(0, SHAPE_ELLIPSE, CRect{3000, 1000, 3600, 1600});
    later = show.Formation(16);
    for (int id = 1; id <= 2; ++id) {
      CPerson* person = show.Person(id);
      show.Spot(person, a);
      show.Spot(person, later);
    }
    doc.SetCurrentStep(0);
    doc.RecalcPositions();
    doc.SetModifiedFlag(false);
  }
  ~EditCommandsTest() override { SetUndoFolder({}); }

  std::vector<std::uint8_t> Bytes() { return SaveShowToBytes(doc); }
  std::vector<CRect> Rects() {
    std::vector<CRect> rects;
    for (const auto& f : doc.m_formations) rects.push_back(f->m_rcBase);
    return rects;
  }

  test::TempDir dir{"edit"};
  ShowBuilder show;
  CPxDoc& doc = show.doc;
  test::CommandHarness commands{doc};
  CFormation *a = nullptr, *b = nullptr, *later = nullptr;
};

TEST_F(EditCommandsTest, UndoIsOfferedOnlyForAChangedShowWithUndoOn) {
  struct Case {
    int undoEnabled, toMemory;
    bool changed, offered, fileWritten;
  };
  for (const Case c : {Case{1, 1, false, false, false}, Case{1, 1, true, true, false}, Case{0, 0, true, false, false},
                       Case{1, 0, true, true, true}}) {
    ShowBuilder other;
    other.Formation(0);
    other.doc.m_bUndoEnabled = c.undoEnabled;
    other.doc.m_bUndoToMemory = c.toMemory;
    other.doc.m_selection.Add(other.doc.m_formations[0].get());
    other.doc.SetModifiedFlag(false);
    test::CommandHarness run(other.doc);
    if (c.changed) run.Run("Delete");
    EXPECT_EQ(run.Enabled("Undo"), c.offered) << c.undoEnabled << c.toMemory << c.changed;
    EXPECT_EQ(std::filesystem::exists(UndoFilePath()), c.fileWritten);
    std::filesystem::remove(UndoFilePath());
  }
  // A snapshot alone does not make a show changed: a freshly saved show greys Undo.
  doc.m_selection.Add(a);
  commands.Run("Delete");
  doc.SetModifiedFlag(false);
  EXPECT_FALSE(commands.Enabled("Undo"));
}

TEST_F(EditCommandsTest, UndoTwiceLeavesTheFirstUndoAndRedoTakesItBack) {
  for (int toMemory : {1, 0}) {
    SCOPED_TRACE(toMemory);
    doc.m_bUndoToMemory = toMemory;
    const std::vector<std::uint8_t> original = Bytes();
    doc.m_selection.Add(doc.m_formations[0].get());
    commands.Run("Delete");
    const std::vector<std::uint8_t> deleted = Bytes();
    ASSERT_NE(deleted, original);
    EXPECT_FALSE(commands.Enabled("Redo"));

    EXPECT_TRUE(commands.Run("Undo"));
    EXPECT_EQ(Bytes(), original);
    EXPECT_TRUE(doc.m_selection.Empty());
    commands.Run("Undo");
    EXPECT_EQ(Bytes(), original);

    EXPECT_TRUE(commands.Run("Redo"));
    EXPECT_EQ(Bytes(), deleted);
    EXPECT_FALSE(commands.Enabled("Redo"));  // one level
    commands.Run("Undo");
    EXPECT_EQ(Bytes(), original);
    // Any change ends what Redo could put back.
    doc.m_formations[0]->ShiftBy(8, 8);
    EXPECT_FALSE(commands.Run("Redo"));
  }
}

TEST_F(EditCommandsTest, UndoOptionsAreCheckItemsOfTheShow) {
  EXPECT_TRUE(commands.Checked("Undo Enabled"));
  EXPECT_TRUE(commands.Checked("Undo To Memory"));
  commands.Run("Undo Enabled");
  commands.Run("Undo To Memory");
  EXPECT_EQ(doc.m_bUndoEnabled, 0);
  EXPECT_EQ(doc.m_bUndoToMemory, 0);
  EXPECT_FALSE(commands.Checked("Undo Enabled"));
}

TEST_F(EditCommandsTest, RepeatedPastesMoveFurtherEachTimeUntilTheNextCopy) {
  EXPECT_FALSE(commands.Enabled("Paste"));
  commands.Run("Copy");  // nothing selected: the clipboard stays empty
  EXPECT_FALSE(commands.Enabled("Paste"));

  doc.m_selection.Add(a);
  commands.Run("Copy");
  doc.SetCurrentStep(16);
  for (int k = 0; k < 3; ++k) commands.Run("Paste");
  std::vector<CRect> pasted;
  for (const auto& f : doc.m_formations) {
    if (f->m_nStep != 16 || f.get() == later) continue;
    pasted.push_back(f->m_rcBase);
    EXPECT_EQ(f->m_nPlaces, 0);  // pasted without people
  }
  EXPECT_EQ(pasted, (std::vector<CRect>{{1072, 1072, 2072, 1672}, {1144, 1144, 2144, 1744}, {1216, 1216, 2216, 1816}}));
  EXPECT_EQ(commands.ui.m_statusTexts, (std::vector<std::string>{"Pasting...", "", "Pasting...", "", "Pasting...", ""}));

  commands.Run("Undo");
  EXPECT_EQ(doc.m_formations.size(), 5u);  // the last paste only
  commands.view.is3D = true;
  EXPECT_FALSE(commands.Enabled("Paste"));
}

TEST_F(EditCommandsTest, CutAndDeleteTakeThePlacesAlongAndSelectAllTakesTheCurrentStep) {
  commands.Run("Select All");
  EXPECT_EQ(doc.m_selection.formations, (std::vector<CFormation*>{a, b}));

  doc.m_selection.formations = {a};
  commands.Run("Cut");
  EXPECT_EQ(doc.m_formations.size(), 2u);
  EXPECT_EQ(doc.m_people[0]->m_places.size(), 1u);
  ASSERT_EQ(TheShowClipboard().Formations().size(), 1u);
  EXPECT_EQ(TheShowClipboard().Formations()[0].formation->m_rcBase, (CRect{1000, 1000, 2000, 1600}));
  EXPECT_EQ(commands.view.pasteCount, 1);
  // People without a place at the current step are parked off the field.
  EXPECT_EQ(doc.m_people[0]->m_ptPosition, (CPoint{72, 216}));

  commands.Run("Undo");
  EXPECT_EQ(doc.m_formations.size(), 3u);
  EXPECT_EQ(doc.m_people[0]->m_places.size(), 2u);
  EXPECT_EQ(doc.m_people[0]->m_places[0]->m_pFormation, doc.m_formations[0].get());

  doc.m_selection.formations = {doc.m_formations[0].get(), doc.m_formations[1].get()};
  commands.Run("Delete");
  EXPECT_EQ(doc.m_formations.size(), 1u);
  EXPECT_TRUE(doc.m_selection.formations.empty());
}

}  // namespace
}  // namespace px
