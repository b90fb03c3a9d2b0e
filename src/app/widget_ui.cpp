#include "app/widget_ui.h"

#include <QApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QStatusBar>
#include <QVBoxLayout>

#include "core/util/cp1252.h"

namespace px {
namespace {

QString FromShow(const std::string& text) { return QString::fromStdString(Cp1252ToUtf8(text)); }

}  // namespace

void WidgetUi::MessageBox(const std::string& text, const std::string& caption) {
  QMessageBox::warning(m_parent, FromShow(caption), FromShow(text));
}

bool WidgetUi::AskYesNo(const std::string& text, const std::string& caption) {
  return QMessageBox::question(m_parent, FromShow(caption), FromShow(text), QMessageBox::Yes | QMessageBox::No) ==
         QMessageBox::Yes;
}

Answer WidgetUi::AskYesNoCancel(const std::string& text, const std::string& caption) {
  switch (QMessageBox::question(m_parent, FromShow(caption), FromShow(text),
                                QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, QMessageBox::Yes)) {
    case QMessageBox::Yes:
      return Answer::Yes;
    case QMessageBox::No:
      return Answer::No;
    default:
      return Answer::Cancel;
  }
}

void WidgetUi::ShowText(const std::string& title, const std::string& text) {
  QDialog dialog(m_parent);
  dialog.setWindowTitle(FromShow(title));
  auto* layout = new QVBoxLayout(&dialog);
  auto* edit = new QPlainTextEdit(FromShow(text).replace(QLatin1String("\r\n"), QLatin1String("\n")));
  edit->setReadOnly(true);
  edit->setFont(QFont(QStringLiteral("Monospace")));
  layout->addWidget(edit);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok);
  QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
  layout->addWidget(buttons);
  dialog.resize(560, 480);
  dialog.exec();
}

void WidgetUi::SetStatusText(const std::string& text) {
  if (!m_statusBar) return;
  if (text.empty())
    m_statusBar->clearMessage();
  else
    m_statusBar->showMessage(FromShow(text));
  // Long commands show their text before they start working.
  m_statusBar->repaint();
}

void WidgetUi::SetWaitCursor(bool on) {
  if (on == m_waitCursor) return;
  m_waitCursor = on;
  if (on)
    QApplication::setOverrideCursor(Qt::WaitCursor);
  else
    QApplication::restoreOverrideCursor();
}

void WidgetUi::Beep() { QApplication::beep(); }

void WidgetUi::UpdateAllViews() {
  if (m_updateViews) m_updateViews();
}

}  // namespace px
