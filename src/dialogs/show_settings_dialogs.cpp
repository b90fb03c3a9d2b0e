#include "dialogs/show_settings_dialogs.h"

#include <QFile>
#include <QFileDialog>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

namespace px {
namespace {

// Bitmap file names are names of files on this machine, not show text.
QString FromPath(const std::string& path) { return QFile::decodeName(QByteArray::fromStdString(path)); }
std::string ToPath(const QString& path) { return QFile::encodeName(path).toStdString(); }

}  // namespace

SetBitmapsQtDialog::SetBitmapsQtDialog(const SetBitmapsDialog& model, Ui& ui, QWidget* parent)
    : ModelDialog(ui, QString::fromLatin1(SetBitmapsDialog::kTitle), QString::fromLatin1(kHelpTopic), parent),
      m_model(model) {
  auto* layout = new QVBoxLayout(this);
  auto* form = new QFormLayout;
  for (int group = 0; group < GROUP_COUNT; ++group) {
    auto* row = new QHBoxLayout;
    files[group] = new QLineEdit;
    m_fields.Add([this, group] { files[group]->setText(FromPath(m_model.m_strFiles[group])); },
                 [this, group] { m_model.m_strFiles[group] = ToPath(files[group]->text().trimmed()); });
    files[group]->setMinimumWidth(320);
    auto* browse = new QPushButton(tr("Browse..."));
    connect(browse, &QPushButton::clicked, this, [this, group] { Browse(group); });
    row->addWidget(files[group]);
    row->addWidget(browse);
    form->addRow(tr(SetBitmapsDialog::kLabels[group]), row);
  }
  layout->addLayout(form);
  layout->addWidget(buttons());
  m_fields.Load();
}

void SetBitmapsQtDialog::Browse(int group) {
  // The filter matches either case of the extension on file systems that tell them apart.
  QFileDialog dialog(this, tr(SetBitmapsDialog::kBrowseTitle), files[group]->text(),
                     tr(SetBitmapsDialog::kBrowseFilter).replace(QLatin1String("*.BMP"), QLatin1String("*.BMP *.bmp")));
  dialog.setDefaultSuffix(QString::fromLatin1(SetBitmapsDialog::kDefaultExtension).mid(1));
  dialog.setFileMode(QFileDialog::ExistingFile);
  if (dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty())
    files[group]->setText(dialog.selectedFiles().front());
}

std::pair<std::string, std::string> SetBitmapsQtDialog::StoreAndCheck() {
  m_fields.Store();
  return {};
}

DocumentInfoQtDialog::DocumentInfoQtDialog(const DocumentInfoDialog& model, Ui& ui, QWidget* parent)
    : ModelDialog(ui, QString::fromLatin1(DocumentInfoDialog::kTitle), QString(), parent), m_model(model) {
  auto* layout = new QVBoxLayout(this);
  auto* form = new QFormLayout;
  for (int field = 0; field < DocumentInfoDialog::FIELD_COUNT; ++field) {
    if (DocumentInfoDialog::IsMultiLine(field)) {
      auto* edit = new QPlainTextEdit;
      edit->setTabChangesFocus(true);
      edit->setFixedHeight(64);
      editors[field] = edit;
    } else {
      editors[field] = new QLineEdit;
    }
    // The show keeps Windows line breaks in its multi-line texts.
    m_fields.Add([this, field] { SetText(field, FromShow(m_model.m_texts[field]).replace(QLatin1String("\r\n"), QLatin1String("\n"))); },
                 [this, field] { m_model.m_texts[field] = ToShow(Text(field).replace(QLatin1String("\n"), QLatin1String("\r\n"))); });
    form->addRow(tr(DocumentInfoDialog::kLabels[field]), editors[field]);
  }
  layout->addLayout(form);
  layout->addWidget(buttons());
  m_fields.Load();
  resize(480, sizeHint().height());
}

void DocumentInfoQtDialog::SetText(int field, const QString& text) {
  if (auto* edit = qobject_cast<QLineEdit*>(editors[field]))
    edit->setText(text);
  else
    static_cast<QPlainTextEdit*>(editors[field])->setPlainText(text);
}

QString DocumentInfoQtDialog::Text(int field) const {
  if (auto* edit = qobject_cast<QLineEdit*>(editors[field])) return edit->text();
  return static_cast<QPlainTextEdit*>(editors[field])->toPlainText();
}

std::pair<std::string, std::string> DocumentInfoQtDialog::StoreAndCheck() {
  m_fields.Store();
  return {};
}

bool EditSetBitmaps(CPxDoc& doc, Ui& ui, QWidget* parent) {
  SetBitmapsDialog model;
  model.LoadFrom(doc);
  SetBitmapsQtDialog dialog(model, ui, parent);
  if (dialog.exec() != QDialog::Accepted) return false;
  dialog.model().ApplyTo(doc);
  return true;
}

bool EditDocumentInfo(CPxDoc& doc, Ui& ui, QWidget* parent) {
  DocumentInfoDialog model;
  model.LoadFrom(doc);
  DocumentInfoQtDialog dialog(model, ui, parent);
  if (dialog.exec() != QDialog::Accepted) return false;
  return dialog.model().ApplyTo(doc);
}

}  // namespace px
