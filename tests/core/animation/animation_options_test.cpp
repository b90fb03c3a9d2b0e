// The Animation Options dialog: its checks, and what OK stores.
#include <gtest/gtest.h>

#include "core/animation/animation_options.h"
#include "core/doc/pxdoc.h"
#include "core/support/scripted_ui.h"

namespace px::test {
namespace {

AnimationOptionsDialog Valid() {
  AnimationOptionsDialog dialog;
  dialog.m_strStepSize = "22.50";
  dialog.m_nTempo = 120;
  return dialog;
}

TEST(AnimationOptions, TempoMustLieFrom10To300) {
  AnimationOptionsDialog dialog = Valid();
  for (int tempo : {10, 120, 300}) {
    dialog.m_nTempo = tempo;
    EXPECT_FALSE(dialog.validate()) << tempo;
  }
  for (int tempo : {7, 9, 301, -120}) {
    dialog.m_nTempo = tempo;
    ASSERT_TRUE(dialog.validate()) << tempo;
    EXPECT_EQ(dialog.validate()->text, "Tempo must be between 10 and 300.");
    EXPECT_EQ(dialog.validate()->caption, "March Options");
  }
}

TEST(AnimationOptions, StepSizeMustBeANumberOfAtLeast12Inches) {
  AnimationOptionsDialog dialog = Valid();
  for (const char* text : {"12", "12.00", "22.5 inches", "30"}) {
    dialog.m_strStepSize = text;
    EXPECT_FALSE(dialog.validate()) << text;
  }
  for (const char* text : {"11.99", "", "abc", "-30", "nan", "1e999", "1.7e308"}) {
    dialog.m_strStepSize = text;
    ASSERT_TRUE(dialog.validate()) << text;
    EXPECT_EQ(dialog.validate()->text, "Step size must be at least 12 inches.") << text;
    EXPECT_EQ(dialog.validate()->caption, "March Options");
  }
  // The step size is checked before the tempo.
  dialog.m_nTempo = 7;
  EXPECT_EQ(dialog.validate()->text, "Step size must be at least 12 inches.");
}

TEST(AnimationOptions, OpensWithTheShowsSettingsAndStopsTheShow) {
  CPxDoc doc;
  doc.m_dStepSize = 45.0;
  doc.m_bLoopAtEnd = 1;
  doc.m_bStopAtEnd = 0;
  doc.m_nTempo = 144;
  ScriptedUi ui;
  const AnimationOptionsDialog dialog = BeginAnimationOptions(doc, ui);
  EXPECT_EQ(dialog.m_strStepSize, "22.50");  // 45 half inches
  EXPECT_TRUE(dialog.m_bLoopAtEnd);
  EXPECT_FALSE(dialog.m_bStopAtEnd);
  EXPECT_EQ(dialog.m_nTempo, 144);
  EXPECT_EQ(ui.m_animationStops, 1);
  EXPECT_EQ(ui.m_timeLineRedraws, 1);
}

TEST(AnimationOptions, OkStoresTheFieldsAfterTheUndoSnapshot) {
  CPxDoc doc;
  ScriptedUi ui;
  AnimationOptionsDialog dialog = BeginAnimationOptions(doc, ui);
  dialog.m_strStepSize = "18.25";
  dialog.m_nTempo = 96;
  dialog.m_bStopAtPicture = true;
  dialog.m_bSyncToMidi = false;
  double stepSizeAtSnapshot = 0;
  FinishAnimationOptions(doc, dialog, ui, [&] { stepSizeAtSnapshot = doc.m_dStepSize; });
  EXPECT_EQ(stepSizeAtSnapshot, 45.0);  // the snapshot saw the old value
  EXPECT_EQ(doc.m_dStepSize, 36.5);      // 18.25 * 2
  EXPECT_EQ(doc.m_nTempo, 96);
  EXPECT_EQ(doc.m_bStopAtPicture, 1);
  EXPECT_EQ(doc.m_bSyncToMidi, 0);
  EXPECT_TRUE(doc.IsModified());
}

TEST(AnimationOptions, OkWithoutAChangeLeavesTheShowUnmodified) {
  CPxDoc doc;
  ScriptedUi ui;
  const AnimationOptionsDialog dialog = BeginAnimationOptions(doc, ui);
  FinishAnimationOptions(doc, dialog, ui, {});
  EXPECT_FALSE(doc.IsModified());
  EXPECT_EQ(doc.m_dStepSize, 45.0);
}

}  // namespace
}  // namespace px::test
