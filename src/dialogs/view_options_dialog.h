#pragma once
// The View Options dialog bound to its core model. Every control carries its label as its
// object name, so it can be found by what the designer reads on it.
#include <QButtonGroup>
#include <QLineEdit>

#include "core/draw/view_options_dialog.h"
#include "dialogs/dialog_support.h"
#include "dialogs/field_bindings.h"

namespace px {

class ViewOptionsQtDialog : public ModelDialog {
  Q_OBJECT
 public:
  ViewOptionsQtDialog(const ViewOptionsDialog& model, Ui& ui, QWidget* parent = nullptr);

  const ViewOptionsDialog& model() const { return m_model; }

  QLineEdit* interval;
  QLineEdit* snapInches;
  QButtonGroup* idPosition;  // ids 0 "Right", 1 "Left", 2 "Top", 3 "Bottom"
  QButtonGroup* printRange;  // ids 0 "Current Step", 1 "Steps", 2 "Pictures"

 protected:
  std::pair<std::string, std::string> StoreAndCheck() override;

 private:
  ViewOptionsDialog m_model;
  FieldBindings m_fields;
};

// Runs the dialog on the show; true when OK changed the show's settings.
bool EditViewOptions(CPxDoc& doc, Ui& ui, QWidget* parent);

}  // namespace px
