#pragma once
// The Song, Song List and MIDI Output Device dialogs bound to their core models.
#include <QLineEdit>
#include <QListWidget>
#include <QSpinBox>

#include "core/animation/music_commands.h"
#include "core/midi/song_dialogs.h"
#include "dialogs/dialog_support.h"

namespace px {

class SongQtDialog : public ModelDialog {
  Q_OBJECT
 public:
  static constexpr const char* kHelpTopic = "The Animate Song List Command";
  SongQtDialog(const SongDialog& song, Ui& ui, QWidget* parent = nullptr);
  const SongDialog& model() const { return m_model; }

  QLineEdit* fileName = nullptr;
  QSpinBox* beginStep = nullptr;
  QSpinBox* steps = nullptr;

 protected:
  std::pair<std::string, std::string> StoreAndCheck() override;

 private:
  void Browse();
  // The file name field was left or a file chosen: a readable song gives its length.
  void FileNameChanged();

  SongDialog m_model;
};

class SongListQtDialog : public ModelDialog {
  Q_OBJECT
 public:
  static constexpr const char* kHelpTopic = "The Animate Song List Command";
  SongListQtDialog(SongListDialog& model, Ui& ui, QWidget* parent = nullptr);

  QListWidget* list = nullptr;

 protected:
  std::pair<std::string, std::string> StoreAndCheck() override;

 private:
  void Show();
  bool RunSong(SongDialog& song);

  SongListDialog& m_model;
};

class MidiDeviceQtDialog : public ModelDialog {
  Q_OBJECT
 public:
  static constexpr const char* kHelpTopic = "The Animate MIDI Output Device Command";
  MidiDeviceQtDialog(MidiDeviceDialog& model, Ui& ui, QWidget* parent = nullptr);

  QListWidget* list = nullptr;

 protected:
  std::pair<std::string, std::string> StoreAndCheck() override;

 private:
  MidiDeviceDialog& m_model;
};

}  // namespace px
