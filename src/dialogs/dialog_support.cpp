#include "dialogs/dialog_support.h"

#include <QColorDialog>
#include <QPixmap>

#include "app/help_window.h"
#include "core/util/cp1252.h"
#include "qtdraw/qt_canvas.h"

namespace px {

QString FromShow(const std::string& text) { return QString::fromStdString(Cp1252ToUtf8(text)); }
std::string ToShow(const QString& text) { return Utf8ToCp1252(text.toStdString()); }

ColorButton::ColorButton(const QString& text, QWidget* parent) : QPushButton(text, parent) {
  connect(this, &QPushButton::clicked, this, &ColorButton::Choose);
  setColor(0);
}

void ColorButton::setColor(COLORREF color) {
  m_color = color;
  QPixmap swatch(16, 16);
  swatch.fill(ToQColor(color));
  setIcon(QIcon(swatch));
}

void ColorButton::Choose() {
  const QColor chosen = QColorDialog::getColor(ToQColor(m_color), this, text().remove('&'));
  if (chosen.isValid()) setColor(ToColorRef(chosen));
}

ModelDialog::ModelDialog(Ui& ui, const QString& title, const QString& helpTopic, QWidget* parent)
    : QDialog(parent), m_ui(ui), m_buttons(new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel)) {
  setWindowTitle(title);
  if (!helpTopic.isEmpty()) {
    QPushButton* help = m_buttons->addButton(QDialogButtonBox::Help);
    connect(help, &QPushButton::clicked, this, [helpTopic] { HelpWindow::ShowTopic(helpTopic); });
  }
  connect(m_buttons, &QDialogButtonBox::accepted, this, &ModelDialog::accept);
  connect(m_buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
}

QPushButton* ModelDialog::okButton() const { return m_buttons->button(QDialogButtonBox::Ok); }
QPushButton* ModelDialog::helpButton() const { return m_buttons->button(QDialogButtonBox::Help); }

void ModelDialog::accept() {
  const auto [text, caption] = StoreAndCheck();
  if (!text.empty()) {
    m_ui.MessageBox(text, caption);
    return;
  }
  QDialog::accept();
}

}  // namespace px
