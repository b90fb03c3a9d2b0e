#include "dialogs/animation_options_box.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QVBoxLayout>
#include <algorithm>

#include "core/animation/animation_clock.h"
#include "core/people/step_calculator.h"
#include "dialogs/step_calculator_dialog.h"

namespace px {
namespace {

// The arrows keep the tempo within its range; a tempo typed outside it is refused on OK with
// its message, not silently cut to the range.
class TempoSpinBox : public QSpinBox {
 public:
  TempoSpinBox() { setRange(0, 9999); }
  void stepBy(int steps) override {
    setValue(std::clamp(value() + steps, AnimationClock::kMinTempo, AnimationClock::kMaxTempo));
  }

 protected:
  StepEnabled stepEnabled() const override {
    StepEnabled enabled = StepNone;
    if (value() < AnimationClock::kMaxTempo) enabled |= StepUpEnabled;
    if (value() > AnimationClock::kMinTempo) enabled |= StepDownEnabled;
    return enabled;
  }
};

QCheckBox* Check(const char* label, bool checked) {
  auto* box = new QCheckBox(QObject::tr(label));
  box->setObjectName(QString::fromLatin1(label));
  box->setChecked(checked);
  return box;
}

}  // namespace

AnimationOptionsBox::AnimationOptionsBox(const AnimationOptionsDialog& model, Ui& ui, QWidget* parent)
    : ModelDialog(ui, QString::fromLatin1(AnimationOptionsDialog::kTitle), QString::fromLatin1(kHelpTopic), parent),
      m_model(model) {
  stepSize = new QLineEdit(QString::fromStdString(m_model.m_strStepSize));
  stepSize->setMaxLength(AnimationOptionsDialog::kStepSizeChars);
  calculator = new QPushButton(QStringLiteral("S"));
  calculator->setObjectName(QStringLiteral("S/Default Step Size:"));
  calculator->setToolTip(tr("Step Calculator"));
  calculator->setFixedWidth(calculator->fontMetrics().horizontalAdvance(QStringLiteral("WW")) + 12);
  connect(calculator, &QPushButton::clicked, this, &AnimationOptionsBox::Calculate);
  auto* stepRow = new QHBoxLayout;
  stepRow->addWidget(stepSize);
  stepRow->addWidget(calculator);

  loopAtEnd = Check("Loop At End Of Show", m_model.m_bLoopAtEnd);
  stopAtEnd = Check("Stop At End Of Show", m_model.m_bStopAtEnd);
  stopAtPicture = Check("Stop At Each Picture", m_model.m_bStopAtPicture);
  tempo = new TempoSpinBox;
  tempo->setValue(m_model.m_nTempo);
  syncToMidi = Check("Play / Synch To MIDI", m_model.m_bSyncToMidi);
  saveStepsToMemory = Check("Save Steps To Memory", m_model.m_bSaveStepsToMemory);

  auto* layout = new QVBoxLayout(this);
  auto* form = new QFormLayout;
  form->addRow(tr("Default Step Size:"), stepRow);
  form->addRow(loopAtEnd);
  form->addRow(stopAtEnd);
  form->addRow(stopAtPicture);
  form->addRow(tr("Internal Timer Tempo:"), tempo);
  form->addRow(syncToMidi);
  form->addRow(saveStepsToMemory);
  layout->addLayout(form);
  layout->addWidget(buttons());
}

void AnimationOptionsBox::Calculate() {
  // The calculator opens on one step of the typed size and gives back its inches.
  StepCalculatorDialog dialog(StepCalculator::FromStepSize(stepSize->text().toStdString()), this);
  if (dialog.exec() == QDialog::Accepted) stepSize->setText(QString::fromStdString(dialog.model().m_strInches));
}

std::pair<std::string, std::string> AnimationOptionsBox::StoreAndCheck() {
  m_model.m_strStepSize = stepSize->text().toStdString();
  m_model.m_bLoopAtEnd = loopAtEnd->isChecked();
  m_model.m_bStopAtEnd = stopAtEnd->isChecked();
  m_model.m_bStopAtPicture = stopAtPicture->isChecked();
  m_model.m_nTempo = tempo->value();
  m_model.m_bSyncToMidi = syncToMidi->isChecked();
  m_model.m_bSaveStepsToMemory = saveStepsToMemory->isChecked();
  if (const auto refusal = m_model.validate()) return {refusal->text, refusal->caption};
  return {};
}

bool EditAnimationOptions(CPxDoc& doc, Ui& ui, QWidget* parent) {
  AnimationOptionsBox box(BeginAnimationOptions(doc, ui), ui, parent);
  if (box.exec() != QDialog::Accepted) return false;
  // The show has no undo yet: nothing to snapshot before the change.
  FinishAnimationOptions(doc, box.model(), ui, {});
  return true;
}

}  // namespace px
