#include "dialogs/field_bindings.h"

#include "core/draw/grid_properties_dialog.h"
#include "core/people/step_calculator_dialog.h"

namespace px {

void FieldBindings::Add(std::function<void()> load, std::function<void()> store) {
  m_bindings.emplace_back(std::move(load), std::move(store));
}

void FieldBindings::Bind(QSpinBox* spin, int& value) {
  Add([spin, &value] { spin->setValue(value); }, [spin, &value] { value = spin->value(); });
}

void FieldBindings::Bind(ColorButton* button, COLORREF& color) {
  Add([button, &color] { button->setColor(color); }, [button, &color] { color = button->color(); });
}

void FieldBindings::Bind(QButtonGroup* group, int& choice) {
  Add(
      [group, &choice] {
        if (QAbstractButton* button = group->button(choice)) button->setChecked(true);
      },
      [group, &choice] {
        if (group->checkedId() >= 0) choice = group->checkedId();
      });
}

void FieldBindings::Bind(QLineEdit* edit, std::string& text) {
  Add([edit, &text] { edit->setText(QString::fromStdString(text)); }, [edit, &text] { text = edit->text().toStdString(); });
}

void FieldBindings::BindShowText(QLineEdit* edit, std::string& text) {
  Add([edit, &text] { edit->setText(FromShow(text)); }, [edit, &text] { text = ToShow(edit->text()); });
}

void FieldBindings::BindInches(QLineEdit* edit, double& inches) {
  Add([edit, &inches] { edit->setText(QString::fromStdString(InchesText(inches))); },
      [edit, &inches] { inches = ReadNumber(edit->text().toStdString()); });
}

void FieldBindings::Load() const {
  for (const auto& binding : m_bindings) binding.first();
}

void FieldBindings::Store() const {
  for (const auto& binding : m_bindings) binding.second();
}

}  // namespace px
