#pragma once
// The Go To Step dialog bound to its core model: a step and its measure, kept in agreement
// while either is typed, with buttons that move by steps and by measures.
#include <QLineEdit>
#include <QPushButton>

#include "core/animation/go_to_step_dialog.h"
#include "dialogs/dialog_support.h"

namespace px {

class CPxDoc;

class GoToStepQtDialog : public ModelDialog {
  Q_OBJECT
 public:
  static constexpr const char* kHelpTopic = "The Animate Go To Step Command";

  GoToStepQtDialog(int currentStep, Ui& ui, QWidget* parent = nullptr);
  const GoToStepDialog& model() const { return m_model; }

  QLineEdit* step = nullptr;
  QLineEdit* measure = nullptr;
  // A button of a row by its row label and its text: Button("Measure:", "+ 8").
  QPushButton* Button(const QString& row, const QString& text) const;

 protected:
  std::pair<std::string, std::string> StoreAndCheck() override;

 private:
  QLayout* Row(const QString& label, QLineEdit* edit, void (GoToStepDialog::*up)(), void (GoToStepDialog::*down)(),
               void (GoToStepDialog::*up8)(), void (GoToStepDialog::*down8)());
  void StepTyped(const QString& text);
  void MeasureTyped(const QString& text);
  // Both fields from the model.
  void Show();

  GoToStepDialog m_model;
};

// The command: the dialog at the current step, and on OK the show goes to the chosen step.
bool RunGoToStep(CPxDoc& doc, Ui& ui, QWidget* parent);

}  // namespace px
