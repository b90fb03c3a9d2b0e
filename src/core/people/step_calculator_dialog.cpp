#include "core/people/step_calculator_dialog.h"

#include <cmath>
#include <cstdio>

#include "core/util/format.h"

namespace px {
namespace {

// Values at or below this are taken as not entered.
constexpr double kEntered = 0.1;

std::string Show(double value) { return Format("%.2lf", value); }

}  // namespace

double ReadNumber(const std::string& text) {
  double value = 0.0;
  return std::sscanf(text.c_str(), "%lf", &value) == 1 ? value : 0.0;
}

StepCalculatorDialog StepCalculatorDialog::FromStepSize(const std::string& stepSizeText) {
  const double size = ReadNumber(stepSizeText);
  StepCalculatorDialog calc;
  calc.m_strSteps = "1.00";
  calc.m_strStepLength = stepSizeText;
  calc.m_strInches = stepSizeText;
  calc.m_strFeet = Show(size / 12.0);
  calc.m_strYards = Show(size / 36.0);
  return calc;
}

std::string& StepCalculatorDialog::Text(Field field) {
  switch (field) {
    case INCHES: return m_strInches;
    case FEET: return m_strFeet;
    case YARDS: return m_strYards;
    case STEPS: return m_strSteps;
    case STEP_LENGTH: break;
  }
  return m_strStepLength;
}

void StepCalculatorDialog::OnLeave(Field field) {
  const double stepLength = ReadNumber(m_strStepLength);
  double inches = 0.0;
  switch (field) {
    case INCHES:
      inches = ReadNumber(m_strInches);
      if (inches <= kEntered || stepLength <= kEntered) return;
      m_strFeet = Show(inches / 12.0);
      m_strYards = Show(inches / 36.0);
      break;
    case FEET: {
      const double feet = ReadNumber(m_strFeet);
      if (feet <= kEntered || stepLength <= kEntered) return;
      inches = feet * 12.0;
      m_strYards = Show(feet / 3.0);
      m_strInches = Show(inches);
      break;
    }
    case YARDS: {
      const double yards = ReadNumber(m_strYards);
      if (yards <= kEntered || stepLength <= kEntered) return;
      inches = yards * 36.0;
      m_strInches = Show(inches);
      m_strFeet = Show(yards * 3.0);
      break;
    }
    case STEPS:
    case STEP_LENGTH: {
      // The distance follows from the steps whichever of the two changed.
      const double steps = ReadNumber(m_strSteps);
      if (steps <= kEntered) return;
      inches = steps * stepLength;
      m_strInches = Show(inches);
      m_strFeet = Show(inches / 12.0);
      m_strYards = Show(inches / 36.0);
      return;
    }
  }
  m_strSteps = Show(inches / stepLength);
}

void StepCalculatorDialog::Spin(Field field, bool up) {
  // Truncated as a double: a huge typed value must not overflow an integer.
  double value = std::trunc(ReadNumber(Text(field))) + (up ? 1.0 : -1.0);
  if (value < 0.0) value = 0.0;
  Text(field) = Format("%0.0lf", value);
  OnLeave(field);
}

}  // namespace px
