#pragma once
// The Animation Options dialog bound to its core model: the default step size (with the
// Step Calculator behind its "S" button), the end-of-show and picture behaviour, the tempo of
// the internal timer, MIDI play and the step cache.
#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>

#include "core/animation/animation_options_dialog.h"
#include "dialogs/dialog_support.h"
#include "dialogs/field_bindings.h"

namespace px {

class CPxDoc;

class AnimationOptionsQtDialog : public ModelDialog {
  Q_OBJECT
 public:
  static constexpr const char* kHelpTopic = "The Animate Animation Options Command";

  AnimationOptionsQtDialog(const AnimationOptionsDialog& model, Ui& ui, QWidget* parent = nullptr);
  const AnimationOptionsDialog& model() const { return m_model; }

  QLineEdit* stepSize;
  QPushButton* calculator;  // "S"
  QCheckBox* loopAtEnd;
  QCheckBox* stopAtEnd;
  QCheckBox* stopAtPicture;
  QSpinBox* tempo;
  QCheckBox* syncToMidi;
  QCheckBox* saveStepsToMemory;

 protected:
  std::pair<std::string, std::string> StoreAndCheck() override;

 private:
  void Calculate();

  AnimationOptionsDialog m_model;
  FieldBindings m_fields;
};

// The command: stops the show, runs the dialog and stores its values on OK; true when OK.
bool EditAnimationOptions(CPxDoc& doc, Ui& ui, QWidget* parent);

}  // namespace px
