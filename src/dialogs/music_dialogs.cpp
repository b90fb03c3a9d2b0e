#include "dialogs/music_dialogs.h"

#include <QFileDialog>
#include <QHBoxLayout>
#include <QFormLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace px {
namespace {

QLabel* Notice() {
  auto* notice = new QLabel(QString::fromLatin1(kSongNotice));
  notice->setWordWrap(true);
  return notice;
}

std::pair<std::string, std::string> Refusal(const std::optional<DialogMessage>& message) {
  if (!message) return {};
  return {message->text, message->caption};
}

}  // namespace

SongQtDialog::SongQtDialog(const SongDialog& song, Ui& ui, QWidget* parent)
    : ModelDialog(ui, QString::fromLatin1(SongDialog::kTitle), QString::fromLatin1(kHelpTopic), parent), m_model(song) {
  fileName = new QLineEdit(FromShow(m_model.m_strFileName));
  // The spin controls stop at 0; the checks of OK refuse what lies beyond the last step.
  beginStep = new QSpinBox;
  steps = new QSpinBox;
  for (QSpinBox* box : {beginStep, steps}) box->setRange(0, 99999);
  beginStep->setValue(m_model.m_nBeginStep);
  steps->setValue(m_model.m_nSteps);
  auto* browse = new QPushButton(tr("Browse"));
  browse->setAutoDefault(false);
  connect(browse, &QPushButton::clicked, this, &SongQtDialog::Browse);
  connect(fileName, &QLineEdit::editingFinished, this, &SongQtDialog::FileNameChanged);

  auto* file = new QHBoxLayout;
  file->addWidget(fileName, 1);
  file->addWidget(browse);
  auto* form = new QFormLayout;
  form->addRow(tr("Song File Name"), file);
  form->addRow(tr("Begin Step:"), beginStep);
  form->addRow(tr("Number Of Steps:"), steps);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(Notice());
  layout->addLayout(form);
  layout->addWidget(buttons());
}

void SongQtDialog::Browse() {
  const QString chosen = QFileDialog::getOpenFileName(this, tr("MIDI Song File Name"), QString(),
                                                      tr("MIDI File (*.MID *.mid *.RMI *.rmi);;All Files (*)"));
  if (chosen.isEmpty()) return;
  fileName->setText(chosen);
  FileNameChanged();
}

void SongQtDialog::FileNameChanged() {
  m_model.m_strFileName = ToShow(fileName->text());
  m_model.FileNameChanged();
  steps->setValue(m_model.m_nSteps);
}

std::pair<std::string, std::string> SongQtDialog::StoreAndCheck() {
  m_model.m_strFileName = ToShow(fileName->text());
  m_model.m_nBeginStep = beginStep->value();
  m_model.m_nSteps = steps->value();
  const auto refusal = m_model.Validate();
  fileName->setText(FromShow(m_model.m_strFileName));
  return Refusal(refusal);
}

SongListQtDialog::SongListQtDialog(SongListDialog& model, Ui& ui, QWidget* parent)
    : ModelDialog(ui, QString::fromLatin1(SongListDialog::kTitle), QString::fromLatin1(kHelpTopic), parent),
      m_model(model) {
  list = new QListWidget;
  list->setFont(QFont(QStringLiteral("Monospace")));
  connect(list, &QListWidget::currentRowChanged, this, [this](int row) { m_model.Select(row); });
  auto* row = new QHBoxLayout;
  for (const char* text : {"Add", "Delete", "Change"}) {
    auto* button = new QPushButton(tr(text));
    button->setObjectName(QString::fromLatin1(text));
    button->setAutoDefault(false);
    row->addWidget(button);
    connect(button, &QPushButton::clicked, this, [this, name = std::string(text)] {
      const auto run = [this](SongDialog& song) { return RunSong(song); };
      if (name == "Add") m_model.Add(m_ui, run);
      if (name == "Delete") m_model.Delete(m_ui);
      if (name == "Change") m_model.Change(m_ui, run);
      Show();
    });
  }
  row->addStretch(1);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(Notice());
  layout->addWidget(new QLabel(QString::fromLatin1(SongListDialog::kHeading)));
  layout->addWidget(list, 1);
  layout->addLayout(row);
  layout->addWidget(buttons());
  Show();
}

void SongListQtDialog::Show() {
  const QSignalBlocker quiet(list);
  list->clear();
  for (const std::string& line : m_model.Lines()) list->addItem(FromShow(line));
  list->setCurrentRow(m_model.Selected());
}

bool SongListQtDialog::RunSong(SongDialog& song) {
  SongQtDialog box(song, m_ui, this);
  if (box.exec() != QDialog::Accepted) return false;
  song = box.model();
  return true;
}

std::pair<std::string, std::string> SongListQtDialog::StoreAndCheck() { return Refusal(m_model.Validate()); }

MidiDeviceQtDialog::MidiDeviceQtDialog(MidiDeviceDialog& model, Ui& ui, QWidget* parent)
    : ModelDialog(ui, QString::fromLatin1(MidiDeviceDialog::kTitle), QString::fromLatin1(kHelpTopic), parent),
      m_model(model) {
  list = new QListWidget;
  for (const MidiDeviceDialog::Item& item : m_model.m_items) list->addItem(QString::fromStdString(item.name));
  list->setCurrentRow(m_model.m_nSelected);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(list, 1);
  layout->addWidget(buttons());
}

std::pair<std::string, std::string> MidiDeviceQtDialog::StoreAndCheck() {
  m_model.m_nSelected = list->currentItem() && list->currentItem()->isSelected() ? list->currentRow() : -1;
  return Refusal(m_model.Validate());
}

}  // namespace px
