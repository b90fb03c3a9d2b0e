#include "dialogs/step_calculator_dialog.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QToolButton>

namespace px {

StepCalculatorQtDialog::StepCalculatorQtDialog(const StepCalculatorDialog& start, QWidget* parent)
    : QDialog(parent), m_model(start) {
  setWindowTitle(tr("Step Calculator"));
  auto* form = new QFormLayout(this);
  const char* labels[5] = {"Inches:", "Feet:", "Yards:", "Steps:", "Step length:"};
  for (int i = 0; i < 5; ++i) {
    const auto f = static_cast<StepCalculatorDialog::Field>(i);
    auto* row = new QHBoxLayout;
    m_edits[i] = new QLineEdit;
    row->addWidget(m_edits[i]);
    auto* up = new QToolButton;
    up->setArrowType(Qt::UpArrow);
    auto* down = new QToolButton;
    down->setArrowType(Qt::DownArrow);
    row->addWidget(up);
    row->addWidget(down);
    form->addRow(tr(labels[i]), row);
    connect(m_edits[i], &QLineEdit::editingFinished, this, [this, f] { Leave(f); });
    connect(up, &QToolButton::clicked, this, [this, f] { Spin(f, true); });
    connect(down, &QToolButton::clicked, this, [this, f] { Spin(f, false); });
  }
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
  connect(buttons, &QDialogButtonBox::accepted, this, [this] {
    // The field being edited counts as left when OK is pressed.
    for (int i = 0; i < 5; ++i)
      if (m_edits[i]->hasFocus()) Leave(static_cast<StepCalculatorDialog::Field>(i));
    accept();
  });
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  form->addRow(buttons);
  Load();
}

void StepCalculatorQtDialog::Load() {
  for (int i = 0; i < 5; ++i) m_edits[i]->setText(QString::fromStdString(m_model.Text(static_cast<StepCalculatorDialog::Field>(i))));
}

void StepCalculatorQtDialog::Leave(StepCalculatorDialog::Field field) {
  m_model.Text(field) = m_edits[field]->text().toStdString();
  m_model.OnLeave(field);
  Load();
}

void StepCalculatorQtDialog::Spin(StepCalculatorDialog::Field field, bool up) {
  m_model.Text(field) = m_edits[field]->text().toStdString();
  m_model.Spin(field, up);
  Load();
}

std::optional<std::string> StepCalculatorQtDialog::AskInches(const std::string& inches, const std::string& stepLength,
                                                           QWidget* parent) {
  StepCalculatorDialog start;
  start.m_strInches = inches;
  start.m_strStepLength = stepLength;
  start.OnLeave(StepCalculatorDialog::INCHES);
  StepCalculatorQtDialog dialog(start, parent);
  if (dialog.exec() != QDialog::Accepted) return std::nullopt;
  return dialog.model().m_strInches;
}

}  // namespace px
