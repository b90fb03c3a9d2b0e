#pragma once
// The one way a dialog's widgets and its model's fields are tied: each binding knows how to
// show its field in its widget (Load) and how to read it back (Store).
#include <QAbstractButton>
#include <QButtonGroup>
#include <QLineEdit>
#include <QSpinBox>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "dialogs/dialog_support.h"

namespace px {

class FieldBindings {
 public:
  // A check box or radio button and a flag (bool or a BOOL-like int).
  template <typename Flag>
  void Bind(QAbstractButton* box, Flag& flag) {
    Add([box, &flag] { box->setChecked(flag != 0); }, [box, &flag] { flag = static_cast<Flag>(box->isChecked()); });
  }
  void Bind(QSpinBox* spin, int& value);
  void Bind(ColorButton* button, COLORREF& color);
  // A group of radio buttons whose ids are the field's values; with none checked the field keeps its value.
  void Bind(QButtonGroup* group, int& choice);
  // A number as text, in the model's own text (digits, so the same in every encoding).
  void Bind(QLineEdit* edit, std::string& text);
  // Text of the show, kept as Windows-1252 bytes.
  void BindShowText(QLineEdit* edit, std::string& text);
  // A length in inches, shown with two decimals and read leniently.
  void BindInches(QLineEdit* edit, double& inches);
  // Anything else.
  void Add(std::function<void()> load, std::function<void()> store);

  void Load() const;
  void Store() const;

 private:
  std::vector<std::pair<std::function<void()>, std::function<void()>>> m_bindings;
};

}  // namespace px
