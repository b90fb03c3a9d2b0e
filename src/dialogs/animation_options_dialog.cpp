#include "dialogs/animation_options_dialog.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QVBoxLayout>
#include <algorithm>

#include "core/animation/animation_clock.h"
#include "core/people/step_calculator_dialog.h"
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

QCheckBox* Check(const char* label) {
  auto* box = new QCheckBox(QObject::tr(label));
  box->setObjectName(QString::fromLatin1(label));
  return box;
}

}  // namespace

AnimationOptionsQtDialog::AnimationOptionsQtDialog(const AnimationOptionsDialog& model, Ui& ui, QWidget* parent)
    : ModelDialog(ui, QString::fromLatin1(AnimationOptionsDialog::kTitle), QString::fromLatin1(kHelpTopic), parent),
      m_model(model) {
  stepSize = new QLineEdit;
  stepSize->setMaxLength(AnimationOptionsDialog::kStepSizeChars);
  calculator = new QPushButton(QStringLiteral("S"));
  calculator->setObjectName(QStringLiteral("S/Default Step Size:"));
  calculator->setToolTip(tr("Step Calculator"));
  calculator->setFixedWidth(calculator->fontMetrics().horizontalAdvance(QStringLiteral("WW")) + 12);
  connect(calculator, &QPushButton::clicked, this, &AnimationOptionsQtDialog::Calculate);
  auto* stepRow = new QHBoxLayout;
  stepRow->addWidget(stepSize);
  stepRow->addWidget(calculator);

  loopAtEnd = Check("Loop At End Of Show");
  stopAtEnd = Check("Stop At End Of Show");
  stopAtPicture = Check("Stop At Each Picture");
  tempo = new TempoSpinBox;
  syncToMidi = Check("Play / Synch To MIDI");
  saveStepsToMemory = Check("Save Steps To Memory");

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
  m_fields.Bind(stepSize, m_model.m_strStepSize);
  m_fields.Bind(loopAtEnd, m_model.m_bLoopAtEnd);
  m_fields.Bind(stopAtEnd, m_model.m_bStopAtEnd);
  m_fields.Bind(stopAtPicture, m_model.m_bStopAtPicture);
  m_fields.Bind(tempo, m_model.m_nTempo);
  m_fields.Bind(syncToMidi, m_model.m_bSyncToMidi);
  m_fields.Bind(saveStepsToMemory, m_model.m_bSaveStepsToMemory);
  m_fields.Load();
}

void AnimationOptionsQtDialog::Calculate() {
  // The calculator opens on one step of the typed size and gives back its inches.
  StepCalculatorQtDialog dialog(StepCalculatorDialog::FromStepSize(stepSize->text().toStdString()), this);
  if (dialog.exec() == QDialog::Accepted) stepSize->setText(QString::fromStdString(dialog.model().m_strInches));
}

std::pair<std::string, std::string> AnimationOptionsQtDialog::StoreAndCheck() {
  m_fields.Store();
  if (const auto refusal = m_model.validate()) return {refusal->text, refusal->caption};
  return {};
}

bool EditAnimationOptions(CPxDoc& doc, Ui& ui, QWidget* parent) {
  AnimationOptionsQtDialog box(BeginAnimationOptions(doc, ui), ui, parent);
  if (box.exec() != QDialog::Accepted) return false;
  // The show has no undo yet: nothing to snapshot before the change.
  FinishAnimationOptions(doc, box.model(), ui, {});
  return true;
}

}  // namespace px
