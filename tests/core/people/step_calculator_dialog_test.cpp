#include "core/people/step_calculator_dialog.h"

#include <gtest/gtest.h>

#include "core/people/step_instruction_dialog.h"

namespace px {
namespace {

using F = StepCalculatorDialog::Field;

TEST(StepCalculatorDialog, OpensFromTheStepSizeAndReturnsItsInches) {
  StepInstructionDialog dialog;
  dialog.m_strStepSize = std::string("30.00");
  StepCalculatorDialog calc = dialog.OpenCalculator();
  // Feet 30 / 12, yards 30 / 36 = 0.8333.
  EXPECT_EQ((std::vector<std::string>{calc.m_strSteps, calc.m_strInches, calc.m_strFeet, calc.m_strYards}),
            (std::vector<std::string>{"1.00", "30.00", "2.50", "0.83"}));
  calc.m_strSteps = std::string("8");
  calc.OnLeave(F::STEPS);  // 8 x 30 = 240 inches
  dialog.TakeCalculator(calc);
  EXPECT_EQ(dialog.m_strStepSize, "240.00");
}

TEST(StepCalculatorDialog, LeavingAFieldRecomputesTheOthers) {
  const struct {
    const char* stepLength;
    F field;
    const char* typed;
    const char *inches, *feet, *yards, *steps;  // "" where the field keeps "0.00"
  } cases[] = {
      {"22.5", F::INCHES, "360", "360", "30.00", "10.00", "16.00"},   // 360 / 12, / 36, / 22.5
      {"22.5", F::FEET, "15", "180.00", "15", "5.00", "8.00"},        // 15 x 12, 15 / 3, 180 / 22.5
      {"22.5", F::YARDS, "2.5", "90.00", "7.50", "2.5", "4.00"},      // 2.5 x 36, x 3, 90 / 22.5
      {"30", F::STEPS, "8", "240.00", "20.00", "6.67", "8"},          // 8 x 30; 240 / 36 = 6.667
      // Steps is not guarded by the step length: a length of 0 gives a distance of 0.
      {"0", F::STEPS, "8", "0.00", "0.00", "0.00", "8"},
      // Distances need a step length above 0.1, and anything needs a value above 0.1.
      {"0.1", F::INCHES, "100", "100", "0.00", "0.00", "0.00"},
      {"22.5", F::INCHES, "inches", "inches", "0.00", "0.00", "0.00"},
      {"22.5", F::STEPS, "0.1", "0.00", "0.00", "0.00", "0.1"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.typed);
    StepCalculatorDialog calc;
    calc.m_strStepLength = std::string(c.stepLength);
    calc.Text(c.field) = std::string(c.typed);
    calc.OnLeave(c.field);
    EXPECT_EQ((std::vector<std::string>{calc.m_strInches, calc.m_strFeet, calc.m_strYards, calc.m_strSteps}),
              (std::vector<std::string>{c.inches, c.feet, c.yards, c.steps}));
  }
  // Leaving the step length recomputes the distance from the steps.
  StepCalculatorDialog calc;
  calc.m_strStepLength = std::string("30");
  calc.m_strSteps = std::string("2");
  calc.OnLeave(F::STEP_LENGTH);
  EXPECT_EQ(calc.m_strInches, "60.00");
}

TEST(StepCalculatorDialog, SpinsStepWholeNumbersAndRecompute) {
  StepCalculatorDialog calc;
  calc.m_strStepLength = std::string("22.5");
  calc.m_strSteps = std::string("7.80");
  calc.Spin(F::STEPS, true);  // trunc 7 + 1 = 8 steps of 22.5 = 180 inches
  EXPECT_EQ(calc.m_strSteps, "8");
  EXPECT_EQ(calc.m_strInches, "180.00");
  calc.Spin(F::INCHES, false);  // 179 inches: 179 / 22.5 = 7.955 steps
  EXPECT_EQ(calc.m_strSteps, "7.96");
  calc.m_strFeet = std::string("-3.5");
  calc.Spin(F::FEET, true);  // trunc -3 + 1 = -2, never below 0
  EXPECT_EQ(calc.m_strFeet, "0");
  EXPECT_EQ(calc.m_strInches, "179");  // and 0 feet recomputes nothing
  calc.m_strStepLength = std::string("1e300");
  calc.Spin(F::STEP_LENGTH, true);  // no integer overflow on a huge value
  EXPECT_EQ(calc.m_strStepLength.size(), 301u);
}

}  // namespace
}  // namespace px
