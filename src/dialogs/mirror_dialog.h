#pragma once
// The "Mirror" dialog bound to its core model (Mirror Formations, Mirror Show).
#include <QButtonGroup>
#include <QCheckBox>

#include "core/commands/mirror_dialog.h"
#include "dialogs/dialog_support.h"
#include "dialogs/field_bindings.h"

namespace px {

struct QtDialogContext;

class MirrorQtDialog : public ModelDialog {
  Q_OBJECT
 public:
  MirrorQtDialog(const MirrorDialog& model, Ui& ui, QWidget* parent = nullptr);
  const MirrorDialog& model() const { return m_model; }

  QButtonGroup* axis;  // ids are the Flip modes
  QCheckBox* deleteOriginal;

 protected:
  std::pair<std::string, std::string> StoreAndCheck() override;

 private:
  MirrorDialog m_model;
  FieldBindings m_fields;
};

std::string ShowMirrorQtDialog(MirrorDialog& model, const QtDialogContext& context);

}  // namespace px
