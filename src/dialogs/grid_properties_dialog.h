#pragma once
// "Field Options": the Grid Properties dialog bound to its core model.
#include <QButtonGroup>
#include <QCheckBox>
#include <QLineEdit>
#include <array>

#include "core/draw/grid_properties_dialog.h"
#include "dialogs/dialog_support.h"
#include "dialogs/field_bindings.h"

namespace px {

class GridPropertiesQtDialog : public ModelDialog {
  Q_OBJECT
 public:
  // `stepLength` is the show's default step size in inches, for the Step Calculator.
  GridPropertiesQtDialog(const GridPropertiesDialog& model, double stepLength, Ui& ui, QWidget* parent = nullptr);

  const GridPropertiesDialog& model() const { return m_model; }

  // The widgets, in the dialog's order (for tests and the layout).
  QButtonGroup* presets() const { return m_presets; }
  QLineEdit *width, *height, *hash1, *hash2;
  struct FamilyBoxes {
    QCheckBox* vertical;
    QCheckBox* horizontal;
    QCheckBox* dotted;
    ColorButton* color;
  };
  std::array<FamilyBoxes, 4> families;  // 8, 4, 2 and 1 step lines
  ColorButton *hashColor, *fieldColor;
  QCheckBox *bold, *showHash1, *showHash2, *centerHorizontal;

 protected:
  std::pair<std::string, std::string> StoreAndCheck() override;

 private:
  void Bind();
  void Calculate(QLineEdit* edit);

  GridPropertiesDialog m_model;
  FieldBindings m_fields;
  double m_stepLength;
  QButtonGroup* m_presets;
};

// Runs the dialog on the show; true when OK changed the show's settings.
bool EditGridProperties(CPxDoc& doc, Ui& ui, QWidget* parent);

}  // namespace px
