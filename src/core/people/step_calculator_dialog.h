#pragma once
// The Step Calculator dialog: a distance in inches, feet and yards, and how many steps of a
// given length cover it. Each field is the text the user sees; leaving a field recomputes
// the others from it.
#include <string>

namespace px {

struct StepCalculatorDialog {
  enum Field { INCHES, FEET, YARDS, STEPS, STEP_LENGTH };

  std::string m_strInches = "0.00";
  std::string m_strFeet = "0.00";
  std::string m_strYards = "0.00";
  std::string m_strSteps = "0.00";
  std::string m_strStepLength = "0.00";

  // The calculator as the Step Instruction dialog opens it: one step of the given size.
  static StepCalculatorDialog FromStepSize(const std::string& stepSizeText);

  std::string& Text(Field field);
  // The field lost the focus: recompute the fields that follow from it.
  void OnLeave(Field field);
  // The field's spin button: whole numbers, one up or down, never below 0.
  void Spin(Field field, bool up);
};

// A decimal text as the dialogs read it: what does not read as a number is 0.
double ReadNumber(const std::string& text);

}  // namespace px
