#pragma once
// The Formation / Prop Properties dialog bound to its core model.
#include <QButtonGroup>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <functional>

#include "core/formation/formation_properties_dialog.h"
#include "dialogs/dialog_support.h"
#include "dialogs/field_bindings.h"

namespace px {

class FormationPropertiesQtDialog : public ModelDialog {
  Q_OBJECT
 public:
  // `stepLength` is the show's default step size in inches, for the Step Calculator.
  FormationPropertiesQtDialog(const FormationPropertiesDialog& model, double stepLength, Ui& ui, QWidget* parent = nullptr);

  const FormationPropertiesDialog& model() const { return m_model; }

  QLineEdit* name;
  QSpinBox* count;
  QPushButton *countPlus, *countMinus, *countPlus8, *countMinus8;
  QLineEdit *width, *height;
  QCheckBox *scaleToFit, *scaleToInterval;
  QButtonGroup* shape;  // ids are the kinds 0 .. 6
  QCheckBox* block;
  QSpinBox* rows;
  ColorButton* color;
  QLineEdit *sides, *star, *skew, *rotated;
  QPushButton *rotateUp, *rotateDown, *unrotate;
  QLabel* number;
  QLineEdit* interval;
  QCheckBox *spread, *peopleFill, *reverse, *centerPivot, *cornerPivot;
  QCheckBox* propFill;
  ColorButton* fillColor;
  QSpinBox* endStep;
  QCheckBox* arrow;

 protected:
  std::pair<std::string, std::string> StoreAndCheck() override;

 private:
  void Bind();
  // Stores the widgets, lets the model react to a control, and shows the result.
  void Interlock(const std::function<void(FormationPropertiesDialog&)>& change);
  void Calculate(QLineEdit* edit);

  FormationPropertiesDialog m_model;
  FieldBindings m_fields;
  double m_stepLength;
};

struct QtDialogContext;

// The window of the Formation Properties command's dialog, with the show's step size for "S".
std::string ShowFormationPropertiesQtDialog(FormationPropertiesDialog& model, const QtDialogContext& context);

}  // namespace px
