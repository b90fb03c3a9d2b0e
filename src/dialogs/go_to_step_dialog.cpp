#include "dialogs/go_to_step_dialog.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QVBoxLayout>
#include <optional>

#include "core/animation/navigation.h"
#include "core/doc/pxdoc.h"

namespace px {
namespace {

constexpr const char* kIntegerMessage = "Please enter an integer.";

std::optional<int> ReadInt(const QString& text) {
  bool ok = false;
  const int value = text.trimmed().toInt(&ok);
  if (!ok) return std::nullopt;
  return value;
}

}  // namespace

GoToStepQtDialog::GoToStepQtDialog(int currentStep, Ui& ui, QWidget* parent)
    : ModelDialog(ui, QString::fromLatin1(GoToStepDialog::kTitle), QString::fromLatin1(kHelpTopic), parent),
      m_model(currentStep) {
  step = new QLineEdit;
  measure = new QLineEdit;
  auto* layout = new QVBoxLayout(this);
  auto* form = new QFormLayout;
  form->addRow(tr("Step:"), Row(QStringLiteral("Step:"), step, &GoToStepDialog::StepUp, &GoToStepDialog::StepDown,
                                &GoToStepDialog::StepUp8, &GoToStepDialog::StepDown8));
  form->addRow(tr("Measure:"), Row(QStringLiteral("Measure:"), measure, &GoToStepDialog::MeasureUp,
                                   &GoToStepDialog::MeasureDown, &GoToStepDialog::MeasureUp8,
                                   &GoToStepDialog::MeasureDown8));
  layout->addLayout(form);
  layout->addWidget(buttons());
  connect(step, &QLineEdit::textEdited, this, &GoToStepQtDialog::StepTyped);
  connect(measure, &QLineEdit::textEdited, this, &GoToStepQtDialog::MeasureTyped);
  // Leaving a field shows what the model made of it (a negative measure becomes 0); a text
  // that is no number stays, for OK to refuse.
  for (QLineEdit* edit : {step, measure})
    connect(edit, &QLineEdit::editingFinished, this, [this, edit] {
      if (ReadInt(edit->text())) Show();
    });
  Show();
  step->selectAll();
}

QLayout* GoToStepQtDialog::Row(const QString& label, QLineEdit* edit, void (GoToStepDialog::*up)(),
                          void (GoToStepDialog::*down)(), void (GoToStepDialog::*up8)(),
                          void (GoToStepDialog::*down8)()) {
  auto* row = new QHBoxLayout;
  row->addWidget(edit);
  const std::pair<const char*, void (GoToStepDialog::*)()> moves[] = {{"+", up}, {"-", down}, {"+ 8", up8}, {"- 8", down8}};
  for (const auto& [text, move] : moves) {
    auto* button = new QPushButton(QString::fromLatin1(text));
    button->setObjectName(label + QLatin1Char('/') + QString::fromLatin1(text));
    button->setAutoDefault(false);  // Return is OK, not the button that has the focus
    button->setFixedWidth(button->fontMetrics().horizontalAdvance(QStringLiteral("+ 88")) + 12);
    connect(button, &QPushButton::clicked, this, [this, move = move] {
      (m_model.*move)();
      Show();
    });
    row->addWidget(button);
  }
  return row;
}

QPushButton* GoToStepQtDialog::Button(const QString& row, const QString& text) const {
  return findChild<QPushButton*>(row + QLatin1Char('/') + text);
}

void GoToStepQtDialog::StepTyped(const QString& text) {
  // The field being typed in keeps its text; the other one follows.
  if (const auto value = ReadInt(text)) {
    m_model.SetStep(*value);
    measure->setText(QString::number(m_model.m_nMeasure));
  }
}

void GoToStepQtDialog::MeasureTyped(const QString& text) {
  if (const auto value = ReadInt(text)) {
    m_model.SetMeasure(*value);
    step->setText(QString::number(m_model.m_nStep));
  }
}

void GoToStepQtDialog::Show() {
  step->setText(QString::number(m_model.m_nStep));
  measure->setText(QString::number(m_model.m_nMeasure));
}

std::pair<std::string, std::string> GoToStepQtDialog::StoreAndCheck() {
  const auto value = ReadInt(step->text());
  if (!value) return {kIntegerMessage, GoToStepDialog::kTitle};
  m_model.SetStep(*value);
  return {};
}

bool RunGoToStep(CPxDoc& doc, Ui& ui, QWidget* parent) {
  GoToStepQtDialog box(doc.m_nCurrentStep, ui, parent);
  if (box.exec() != QDialog::Accepted) return false;
  GoToStep(doc, ui, box.model().ChosenStep());
  return true;
}

}  // namespace px
