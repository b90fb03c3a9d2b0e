#include "dialogs/align_dialog.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QRadioButton>
#include <QVBoxLayout>
#include <map>
#include <string_view>

#include "dialogs/qt_dialog_host.h"

namespace px {

AlignQtDialog::AlignQtDialog(const AlignDialog& model, Ui& ui, QWidget* parent)
    : ModelDialog(ui, QString::fromLatin1(AlignDialog::kCaption), QString::fromLatin1(AlignDialog::kHelpTopic), parent),
      m_model(model) {
  // The boxes in two columns, in the order their buttons come.
  auto* grid = new QGridLayout;
  std::map<std::string_view, QVBoxLayout*> boxes;
  choice = new QButtonGroup(this);
  for (int i = 0; i < static_cast<int>(kAlignChoices.size()); ++i) {
    const AlignButton& b = kAlignChoices[static_cast<size_t>(i)];
    QVBoxLayout*& column = boxes[b.box];
    if (!column) {
      auto* box = new QGroupBox(tr(b.box));
      column = new QVBoxLayout(box);
      const int n = static_cast<int>(boxes.size()) - 1;
      grid->addWidget(box, n / 2, n % 2, Qt::AlignTop);
    }
    auto* button = new QRadioButton(tr(b.label));
    button->setObjectName(QString::fromStdString(AlignControlName(i)));
    choice->addButton(button, i);
    column->addWidget(button);
  }
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(grid);
  layout->addWidget(buttons());
  m_fields.Bind(choice, m_model.m_nChoice);
  m_fields.Load();
}

std::pair<std::string, std::string> AlignQtDialog::StoreAndCheck() {
  m_fields.Store();
  return {};
}

std::string ShowAlignQtDialog(AlignDialog& model, const QtDialogContext& context) {
  AlignQtDialog dialog(model, context.ui, context.parent);
  return RunModelDialog(dialog, model);
}

}  // namespace px
