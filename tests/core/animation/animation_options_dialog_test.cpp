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

// What OK stores is checked through the widgets in tests/qt/dialogs/animation_dialogs_test.cpp.
TEST(AnimationOptions, OkWithoutChangesKeepsTheShowAndChangesComeAfterTheSnapshot) {
  CPxDoc doc;
  ScriptedUi ui;
  AnimationOptionsDialog dialog = BeginAnimationOptions(doc, ui);
  FinishAnimationOptions(doc, dialog, ui, {});
  EXPECT_FALSE(doc.IsModified());
  dialog.m_strStepSize = "18.25";
  double stepSizeAtSnapshot = 0;
  FinishAnimationOptions(doc, dialog, ui, [&] { stepSizeAtSnapshot = doc.m_dStepSize; });
  EXPECT_EQ(stepSizeAtSnapshot, 45.0);
}

}  // namespace
}  // namespace px::test
