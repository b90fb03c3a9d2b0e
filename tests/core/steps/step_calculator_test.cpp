#include <gtest/gtest.h>

#include "core/people/step_calculator.h"
#include "core/people/step_instruction_dialog.h"

namespace px {
namespace {

using F = StepCalculator::Field;

StepCalculator WithStepLength(const char* length) {
  StepCalculator calc;
  calc.m_strStepLength = length;
  return calc;
}

TEST(StepCalculator, OpensFromTheStepSizeAndReturnsItsInches) {
  StepInstructionDialog dialog;
  dialog.m_strStepSize = std::string("30.00");
  StepCalculator calc = dialog.OpenCalculator();
  EXPECT_EQ(calc.m_strSteps, "1.00");
  EXPECT_EQ(calc.m_strStepLength, "30.00");
  EXPECT_EQ(calc.m_strInches, "30.00");
  EXPECT_EQ(calc.m_strFeet, "2.50");   // 30 / 12
  EXPECT_EQ(calc.m_strYards, "0.83");  // 30 / 36 = 0.8333
  calc.m_strSteps = std::string("8");
  calc.OnLeave(F::STEPS);  // 8 x 30 = 240 inches
  dialog.TakeCalculator(calc);
  EXPECT_EQ(dialog.m_strStepSize, "240.00");
}

TEST(StepCalculator, LeavingADistanceFieldRecomputesTheOthers) {
  StepCalculator calc = WithStepLength("22.5");
  calc.m_strInches = std::string("360");
  calc.OnLeave(F::INCHES);  // 360 / 12 = 30, 360 / 36 = 10, 360 / 22.5 = 16
  EXPECT_EQ(calc.m_strInches, "360");
  EXPECT_EQ(calc.m_strFeet, "30.00");
  EXPECT_EQ(calc.m_strYards, "10.00");
  EXPECT_EQ(calc.m_strSteps, "16.00");

  calc.m_strFeet = std::string("15");
  calc.OnLeave(F::FEET);  // yards 15 / 3 = 5, inches 15 x 12 = 180, steps 180 / 22.5 = 8
  EXPECT_EQ(calc.m_strYards, "5.00");
  EXPECT_EQ(calc.m_strInches, "180.00");
  EXPECT_EQ(calc.m_strSteps, "8.00");

  calc.m_strYards = std::string("2.5");
  calc.OnLeave(F::YARDS);  // inches 2.5 x 36 = 90, feet 7.5, steps 90 / 22.5 = 4
  EXPECT_EQ(calc.m_strInches, "90.00");
  EXPECT_EQ(calc.m_strFeet, "7.50");
  EXPECT_EQ(calc.m_strSteps, "4.00");
}

TEST(StepCalculator, LeavingStepsOrStepLengthRecomputesTheDistance) {
  StepCalculator calc = WithStepLength("30");
  calc.m_strSteps = std::string("8");
  calc.OnLeave(F::STEP_LENGTH);  // 8 x 30 = 240 inches, 20 feet, 240 / 36 = 6.667 yards
  EXPECT_EQ(calc.m_strInches, "240.00");
  EXPECT_EQ(calc.m_strFeet, "20.00");
  EXPECT_EQ(calc.m_strYards, "6.67");
  // Steps is not guarded by the step length: a length of 0 gives a distance of 0.
  calc.m_strStepLength = std::string("0");
  calc.OnLeave(F::STEPS);
  EXPECT_EQ(calc.m_strInches, "0.00");
  EXPECT_EQ(calc.m_strYards, "0.00");
}

TEST(StepCalculator, GuardedFieldsRecomputeNothing) {
  StepCalculator calc = WithStepLength("0.1");  // not above 0.1
  calc.m_strInches = std::string("100");
  calc.OnLeave(F::INCHES);
  calc.m_strFeet = std::string("10");
  calc.OnLeave(F::FEET);
  calc.m_strYards = std::string("1");
  calc.OnLeave(F::YARDS);
  EXPECT_EQ(calc.m_strSteps, "0.00");
  EXPECT_EQ(calc.m_strInches, "100");
  calc.m_strStepLength = std::string("22.5");
  calc.m_strInches = std::string("inches");  // not a number: 0
  calc.OnLeave(F::INCHES);
  EXPECT_EQ(calc.m_strFeet, "10");
  calc.m_strSteps = std::string("0.1");
  calc.OnLeave(F::STEPS);
  EXPECT_EQ(calc.m_strInches, "inches");
}

TEST(StepCalculator, SpinsStepWholeNumbersAndRecompute) {
  StepCalculator calc = WithStepLength("22.5");
  calc.m_strSteps = std::string("7.80");
  calc.Spin(F::STEPS, true);  // trunc 7 + 1 = 8 steps of 22.5 = 180 inches
  EXPECT_EQ(calc.m_strSteps, "8");
  EXPECT_EQ(calc.m_strInches, "180.00");
  calc.Spin(F::INCHES, false);  // 179 inches: 179 / 22.5 = 7.955 steps
  EXPECT_EQ(calc.m_strInches, "179");
  EXPECT_EQ(calc.m_strSteps, "7.96");
  calc.m_strYards = std::string("0.50");
  calc.Spin(F::YARDS, false);  // trunc 0 - 1 stops at 0, and 0 yards recomputes nothing
  EXPECT_EQ(calc.m_strYards, "0");
  EXPECT_EQ(calc.m_strInches, "179");
  calc.m_strFeet = std::string("-3.5");
  calc.Spin(F::FEET, true);  // trunc -3 + 1 = -2, never below 0
  EXPECT_EQ(calc.m_strFeet, "0");
  calc.m_strStepLength = std::string("1e300");
  calc.Spin(F::STEP_LENGTH, true);  // no integer overflow on a huge value
  EXPECT_EQ(calc.m_strStepLength.size(), 301u);
}

}  // namespace
}  // namespace px
