// The Animation Options dialog: its checks, and what OK stores.
#include <gtest/gtest.h>

#include "core/animation/animation_options_dialog.h"
#include "core/doc/pxdoc.h"
#include "core/support/scripted_ui.h"

namespace px::test {
namespace {

TEST(AnimationOptions, StepSizeThenTempoAreChecked) {
  AnimationOptionsDialog dialog;
  dialog.m_strStepSize = "12";
  for (int tempo : {10, 300}) {
    dialog.m_nTempo = tempo;
    EXPECT_FALSE(dialog.validate()) << tempo;
  }
  for (int tempo : {7, 301}) {
    dialog.m_nTempo = tempo;
    EXPECT_EQ(dialog.validate(), (DialogMessage{"Tempo must be between 10 and 300.", "March Options"})) << tempo;
  }
  for (const char* text : {"11.99", "", "abc", "nan", "1e999", "1.7e308"}) {
    dialog.m_strStepSize = text;
    EXPECT_EQ(dialog.validate(), (DialogMessage{"Step size must be at least 12 inches.", "March Options"})) << text;
  }
}

TEST(AnimationOptions, OpensWithTheShowsSettingsAndOkStoresThemAfterTheSnapshot) {
  CPxDoc doc;
  doc.m_nTempo = 144;
  ScriptedUi ui;
  AnimationOptionsDialog dialog = BeginAnimationOptions(doc, ui);
  EXPECT_EQ(dialog.m_strStepSize, "22.50");  // 45 half inches
  EXPECT_EQ(dialog.m_nTempo, 144);
  EXPECT_EQ(ui.m_animationStops, 1);
  EXPECT_EQ(ui.m_timeLineRedraws, 1);

  FinishAnimationOptions(doc, dialog, ui, {});
  EXPECT_FALSE(doc.IsModified());  // nothing changed

  dialog.m_strStepSize = "18.25";
  dialog.m_bStopAtPicture = true;
  double stepSizeAtSnapshot = 0;
  FinishAnimationOptions(doc, dialog, ui, [&] { stepSizeAtSnapshot = doc.m_dStepSize; });
  EXPECT_EQ(stepSizeAtSnapshot, 45.0);
  EXPECT_EQ(doc.m_dStepSize, 36.5);  // 18.25 * 2
  EXPECT_EQ(doc.m_bStopAtPicture, 1);
  EXPECT_TRUE(doc.IsModified());
}

}  // namespace
}  // namespace px::test
