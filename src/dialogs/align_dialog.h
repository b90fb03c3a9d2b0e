#pragma once
// The Align Selected Formations dialog bound to its core model: fourteen radio buttons of one
// group in four boxes.
#include <QButtonGroup>

#include "core/commands/align_dialog.h"
#include "dialogs/dialog_support.h"
#include "dialogs/field_bindings.h"

namespace px {

struct QtDialogContext;

class AlignQtDialog : public ModelDialog {
  Q_OBJECT
 public:
  AlignQtDialog(const AlignDialog& model, Ui& ui, QWidget* parent = nullptr);
  const AlignDialog& model() const { return m_model; }

  QButtonGroup* choice;  // ids are the AlignChoice values

 protected:
  std::pair<std::string, std::string> StoreAndCheck() override;

 private:
  AlignDialog m_model;
  FieldBindings m_fields;
};

std::string ShowAlignQtDialog(AlignDialog& model, const QtDialogContext& context);

}  // namespace px
