#include "dialogs/mirror_dialog.h"

#include <QGroupBox>
#include <QRadioButton>
#include <QVBoxLayout>

#include "dialogs/qt_dialog_host.h"

namespace px {

MirrorQtDialog::MirrorQtDialog(const MirrorDialog& model, Ui& ui, QWidget* parent)
    : ModelDialog(ui, QString::fromLatin1(MirrorDialog::kCaption), QString::fromLatin1(MirrorDialog::kHelpTopic),
                  parent),
      m_model(model) {
  auto* box = new QGroupBox;
  auto* radios = new QVBoxLayout(box);
  axis = new QButtonGroup(this);
  for (int mode = 0; mode < 3; ++mode) {
    auto* button = new QRadioButton(tr(MirrorDialog::kAxes[mode]));
    axis->addButton(button, mode);
    radios->addWidget(button);
  }
  deleteOriginal = new QCheckBox(tr("Delete Original"));
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(box);
  layout->addWidget(deleteOriginal);
  layout->addWidget(buttons());
  m_fields.Bind(axis, m_model.m_nAxis);
  m_fields.Bind(deleteOriginal, m_model.m_bDeleteOriginal);
  m_fields.Load();
}

std::pair<std::string, std::string> MirrorQtDialog::StoreAndCheck() {
  m_fields.Store();
  return {};
}

std::string ShowMirrorQtDialog(MirrorDialog& model, const QtDialogContext& context) {
  MirrorQtDialog dialog(model, context.ui, context.parent);
  return RunModelDialog(dialog, model);
}

}  // namespace px
