// The main window's Animate menu, the Time Line window of each show, and which view's clock
// runs.
#include <QMenu>

#include "app/main_window.h"
#include "app/show_document.h"
#include "core/animation/navigation.h"
#include "dialogs/animation_options_dialog.h"
#include "dialogs/go_to_step_dialog.h"
#include "dialogs/music_dialogs.h"
#include "view/field_view.h"
#include "view/midi_service.h"
#include "view/time_line_window.h"

namespace px {
namespace {

using Navigation = void (*)(CPxDoc&, Ui&);

// Every command of the Animate menu, by its menu text.
const char* const kAnimateCommands[] = {
    "&Start",          "S&top",          "&Rewind",      "&Next Step",         "&Previous Step",
    "Go To Step...",   "N&ext Picture",  "Pre&vious Picture", "&Go To End",    "Ne&xt Comment",
    "Previo&us Comment", "Next S&ong",   "Previous Son&g", "Animation Options...", "Song List...",
    "MIDI Output Device..."};

}  // namespace

void MainWindow::BuildAnimateMenu(QMenu* animate) {
  // A navigation of the active view's show, through that show's Ui.
  const auto navigate = [this](Navigation command) {
    return [this, command] { OnActiveView([command](FieldView& v) { command(v.doc(), v.ui()); }); };
  };
  const auto key = [](const char* text) { return QKeySequence(QString::fromLatin1(text)); };

  AddCommand(animate, QStringLiteral("&Start"), key("U"), tr("Play the show from the current step"),
             [this] { OnActiveView([](FieldView& v) { v.clock().Start(); }); });
  AddCommand(animate, QStringLiteral("S&top"), key("S"), tr("Stop playing"),
             [this] { OnActiveView([](FieldView& v) { v.ui().StopAnimation(); }); });
  AddCommand(animate, QStringLiteral("&Rewind"), key("W"), tr("Stop and go back to step 0"), navigate(&px::Rewind));
  animate->addSeparator();
  AddCommand(animate, QStringLiteral("&Next Step"), key("T"), tr("Go one step forward"), navigate(&px::NextStep));
  AddCommand(animate, QStringLiteral("&Previous Step"), key("R"), tr("Go one step back"), navigate(&px::PreviousStep));
  AddCommand(animate, QStringLiteral("Go To Step..."), key("/"), tr("Go to a step or a measure"), [this] {
    OnActiveView([this](FieldView& v) { RunGoToStep(v.doc(), v.ui(), this); });
  });
  AddCommand(animate, QStringLiteral("N&ext Picture"), key("Y"), tr("Go to the next picture"),
             navigate(&px::NextPicture));
  AddCommand(animate, QStringLiteral("Pre&vious Picture"), key("E"), tr("Go to the previous picture"),
             navigate(&px::PreviousPicture));
  AddCommand(animate, QStringLiteral("&Go To End"), key("X"), tr("Go to the last step of the show"),
             navigate(&px::GoToEnd));
  animate->addSeparator();
  AddCommand(animate, QStringLiteral("Ne&xt Comment"), key("~"), tr("Go to the next step with a comment"),
             navigate(&px::NextComment));
  AddCommand(animate, QStringLiteral("Previo&us Comment"), key("`"), tr("Go to the previous step with a comment"),
             navigate(&px::PreviousComment));
  AddCommand(animate, QStringLiteral("Next S&ong"), key("("), tr("Go to the beginning of the next song"),
             navigate(&px::NextSong));
  AddCommand(animate, QStringLiteral("Previous Son&g"), key(")"), tr("Go to the beginning of the previous song"),
             navigate(&px::PreviousSong));
  animate->addSeparator();
  AddCommand(animate, QStringLiteral("Animation Options..."), key("A"),
             tr("Step size, tempo and what happens at pictures and at the end"), [this] {
               OnActiveView([this](FieldView& v) { EditAnimationOptions(v.doc(), v.ui(), this); });
             });
  AddCommand(animate, QStringLiteral("Song List..."), QKeySequence(), tr("The songs of the show and their steps"), [this] {
    OnActiveView([this](FieldView& v) {
      RunSongList(v.doc(), v.ui(), [&](SongListDialog& model) {
        return SongListQtDialog(model, v.ui(), this).exec() == QDialog::Accepted;
      });
    });
  });
  AddCommand(animate, QStringLiteral("MIDI Output Device..."), QKeySequence(), tr("The device the show's songs play on"),
             [this] {
               OnActiveView([this](FieldView& v) {
                 SystemMidiOut& devices = MidiService::Instance().Devices();
                 devices.Refresh();
                 RunMidiDeviceChoice(
                     v.doc(), v.ui(), devices,
                     [&](MidiDeviceDialog& model) {
                       return MidiDeviceQtDialog(model, v.ui(), this).exec() == QDialog::Accepted;
                     },
                     [&] { v.songPlayer().OpenShowDevice(); });
               });
             });
}

void MainWindow::UpdateAnimateStates(FieldView* view) {
  const bool hasView = view != nullptr;
  for (const char* name : kAnimateCommands) Command(QString::fromLatin1(name))->setEnabled(hasView);
  if (!hasView) {
    Command(QStringLiteral("Time Line..."))->setChecked(false);
    return;
  }
  const CPxDoc& doc = view->doc();
  Command(QStringLiteral("&Previous Step"))->setEnabled(doc.m_nCurrentStep > 0);
  Command(QStringLiteral("Next S&ong"))->setEnabled(CanNextSong(doc));
  Command(QStringLiteral("Previous Son&g"))->setEnabled(CanPreviousSong(doc));
  Command(QStringLiteral("Ne&xt Comment"))->setEnabled(CanNextComment(doc));
  Command(QStringLiteral("Time Line..."))->setChecked(TimeLineOf(view->showDocument()) != nullptr);
}

void MainWindow::ActivateClocks() {
  FieldView* active = ActiveView();
  // The view that lost the activation stops before the new one may start.
  for (FieldView* view : Views())
    if (view != active && m_shows.count(view)) view->clock().SetActive(false);
  if (active) active->clock().SetActive(true);
}

std::vector<FieldView*> MainWindow::ViewsOf(const ShowDocument& show) const {
  std::vector<FieldView*> views;
  for (const auto& [view, open] : m_shows)
    if (open.show.get() == &show) views.push_back(view);
  return views;
}

TimeLineWindow* MainWindow::TimeLineOf(const ShowDocument& show) const {
  for (const auto& [view, open] : m_shows)
    // A window closed by its own close button is hidden until it is deleted.
    if (open.show.get() == &show && open.timeLine && open.timeLine->isVisible()) return open.timeLine.data();
  return nullptr;
}

void MainWindow::ToggleTimeLine() {
  FieldView* view = ActiveView();
  if (!view) return;
  ShowEntry& open = m_shows.at(view);
  if (open.timeLine && open.timeLine->isVisible()) {
    delete open.timeLine.data();
  } else {
    delete open.timeLine.data();
    open.timeLine = new TimeLineWindow(view->doc(), this);
    // Queued: while the window is being destroyed its pointer still reads as set.
    connect(
        open.timeLine, &QObject::destroyed, this,
        [this] {
          if (m_mdi) UpdateCommandStates();
        },
        Qt::QueuedConnection);
    open.timeLine->show();
  }
  UpdateCommandStates();
}

void MainWindow::WriteStepBox(const ShowDocument& show, const std::string& text) {
  FieldView* active = ActiveView();
  if (m_stepBox && active && &active->showDocument() == &show) m_stepBox->setText(QString::fromStdString(text));
}

}  // namespace px
