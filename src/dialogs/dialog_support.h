#pragma once
// Pieces every dialog uses: colour buttons, texts between the show's bytes and widgets, the
// Help button and the refusal of OK through the Ui.
#include <QDialog>
#include <QDialogButtonBox>
#include <QPushButton>
#include <QString>
#include <string>

#include "core/ui/dialog_model.h"

#include "core/ui/ui.h"
#include "core/util/types.h"

namespace px {

// Windows-1252 bytes of the show to a widget's text and back.
QString FromShow(const std::string& text);
std::string ToShow(const QString& text);

// A button that shows a colour and lets the designer choose another.
class ColorButton : public QPushButton {
  Q_OBJECT
 public:
  explicit ColorButton(const QString& text, QWidget* parent = nullptr);
  COLORREF color() const { return m_color; }
  void setColor(COLORREF color);

 private:
  void Choose();
  COLORREF m_color = 0;
};

// A dialog bound to a core model: OK asks the subclass to store the widgets and check the
// values; a refusal is shown through the Ui and the dialog stays open.
class ModelDialog : public QDialog {
  Q_OBJECT
 public:
  ModelDialog(Ui& ui, const QString& title, const QString& helpTopic, QWidget* parent);

  QDialogButtonBox* buttons() const { return m_buttons; }
  QPushButton* okButton() const;
  QPushButton* helpButton() const;

 protected:
  // Stores the widgets into the model and returns the first refusal (text, caption), or
  // an empty text when OK may close the dialog.
  virtual std::pair<std::string, std::string> StoreAndCheck() = 0;
  void accept() override;

  Ui& m_ui;

 private:
  QDialogButtonBox* m_buttons;
};

// Runs a bound dialog modally; on OK its model's values go back to the command's model.
template <class Dialog, class Model>
std::string RunModelDialog(Dialog& dialog, Model& model) {
  if (dialog.exec() != QDialog::Accepted) return kButtonCancel;
  model = dialog.model();
  return kButtonOk;
}

}  // namespace px
