#pragma once
// The Step Calculator behind the "S" buttons: a distance in inches, feet and yards and the
// steps of a given length that cover it.
#include <QDialog>
#include <QLineEdit>
#include <array>
#include <optional>
#include <string>

#include "core/people/step_calculator_dialog.h"

namespace px {

class StepCalculatorQtDialog : public QDialog {
  Q_OBJECT
 public:
  StepCalculatorQtDialog(const StepCalculatorDialog& start, QWidget* parent = nullptr);

  // Opens the calculator on a distance in inches with the show's step length (inches) and
  // returns the inches it computed, or nothing when cancelled.
  static std::optional<std::string> AskInches(const std::string& inches, const std::string& stepLength, QWidget* parent);

  const StepCalculatorDialog& model() const { return m_model; }
  QLineEdit* field(StepCalculatorDialog::Field field) const { return m_edits[field]; }

 private:
  void Leave(StepCalculatorDialog::Field field);
  void Spin(StepCalculatorDialog::Field field, bool up);
  void Load();

  StepCalculatorDialog m_model;
  std::array<QLineEdit*, 5> m_edits{};
};

}  // namespace px
