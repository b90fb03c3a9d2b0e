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

SetBitmapsDialog::SetBitmapsDialog(const SetBitmapsModel& model, Ui& ui, QWidget* parent)
    : ModelDialog(ui, QString::fromLatin1(SetBitmapsModel::kTitle), QString::fromLatin1(kHelpTopic), parent),
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
    form->addRow(tr(SetBitmapsModel::kLabels[group]), row);
  }
  layout->addLayout(form);
  layout->addWidget(buttons());
  m_fields.Load();
}

void SetBitmapsDialog::Browse(int group) {
  // The filter matches either case of the extension on file systems that tell them apart.
  QFileDialog dialog(this, tr(SetBitmapsModel::kBrowseTitle), files[group]->text(),
                     tr(SetBitmapsModel::kBrowseFilter).replace(QLatin1String("*.BMP"), QLatin1String("*.BMP *.bmp")));
  dialog.setDefaultSuffix(QString::fromLatin1(SetBitmapsModel::kDefaultExtension).mid(1));
  dialog.setFileMode(QFileDialog::ExistingFile);
  if (dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty())
    files[group]->setText(dialog.selectedFiles().front());
}

std::pair<std::string, std::string> SetBitmapsDialog::StoreAndCheck() {
  m_fields.Store();
  return {};
}

DocumentInfoDialog::DocumentInfoDialog(const DocumentInfoModel& model, Ui& ui, QWidget* parent)
    : ModelDialog(ui, QString::fromLatin1(DocumentInfoModel::kTitle), QString(), parent), m_model(model) {
  auto* layout = new QVBoxLayout(this);
  auto* form = new QFormLayout;
  for (int field = 0; field < DocumentInfoModel::FIELD_COUNT; ++field) {
    if (DocumentInfoModel::IsMultiLine(field)) {
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
    form->addRow(tr(DocumentInfoModel::kLabels[field]), editors[field]);
  }
  layout->addLayout(form);
  layout->addWidget(buttons());
  m_fields.Load();
  resize(480, sizeHint().height());
}

void DocumentInfoDialog::SetText(int field, const QString& text) {
  if (auto* edit = qobject_cast<QLineEdit*>(editors[field]))
    edit->setText(text);
  else
    static_cast<QPlainTextEdit*>(editors[field])->setPlainText(text);
}

QString DocumentInfoDialog::Text(int field) const {
  if (auto* edit = qobject_cast<QLineEdit*>(editors[field])) return edit->text();
  return static_cast<QPlainTextEdit*>(editors[field])->toPlainText();
}

std::pair<std::string, std::string> DocumentInfoDialog::StoreAndCheck() {
  m_fields.Store();
  return {};
}

bool EditSetBitmaps(CPxDoc& doc, Ui& ui, QWidget* parent) {
  SetBitmapsModel model;
  model.LoadFrom(doc);
  SetBitmapsDialog dialog(model, ui, parent);
  if (dialog.exec() != QDialog::Accepted) return false;
  dialog.model().ApplyTo(doc);
  return true;
}

bool EditDocumentInfo(CPxDoc& doc, Ui& ui, QWidget* parent) {
  DocumentInfoModel model;
  model.LoadFrom(doc);
  DocumentInfoDialog dialog(model, ui, parent);
  if (dialog.exec() != QDialog::Accepted) return false;
  return dialog.model().ApplyTo(doc);
}

}  // namespace px
