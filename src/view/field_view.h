#pragma once
// The field view: one show's field at its current step, drawn by core through a QPainter
// canvas with the isotropic mapping, with zoom, the perspective mode, selection by a click,
// and the timer that plays the show while the view is the active one.
#include <QAbstractScrollArea>
#include <QImage>
#include <QTimer>
#include <vector>

#include "core/animation/animation_clock.h"
#include "core/animation/animation_host.h"
#include "core/animation/song_player.h"
#include "core/draw/field_view_draw.h"
#include "core/formation/formation_view.h"
#include "qtdraw/canvas_cache.h"
#include "qtdraw/field_mapping.h"

namespace px {

class ShowDocument;

class FieldView : public QAbstractScrollArea,
                  public DocViewObserver,
                  public FormationView,
                  public AnimationHost {
  Q_OBJECT
 public:
  // `ui` is the show's: the view's commands and its clock talk to it.
  FieldView(ShowDocument& show, Ui& ui, QWidget* parent = nullptr);
  ~FieldView() override;

  ShowDocument& showDocument() { return m_show; }
  CPxDoc& doc();
  Ui& ui() { return m_ui; }
  // The clock that plays the show in this view, and the timer that drives it.
  AnimationClock& clock() { return m_clock; }
  const QTimer& animationTimer() const { return m_timer; }
  // One period of the animation timer (what its timeout does).
  void AnimationTick() { m_clock.OnTimer(); }
  FieldViewState& state() { return m_state; }
  const FieldViewState& state() const { return m_state; }

  // The device resolution the isotropic mapping fits the visible world into: the window's
  // size unless set (tests fix it so pixels land in known places).
  void SetDeviceResolution(QSize resolution);
  QSize DeviceResolution() const;
  // Field units to viewport pixels, scrolling included.
  FieldMapping Mapping() const;
  // The field point at the viewport's top-left corner.
  CPoint ScrollPosition() const;
  void ScrollTo(CPoint topLeft);

  // View commands.
  void ZoomIn();
  void ZoomOut();
  void ZoomNormal();
  void Toggle3D();
  void Increase3DHeight();
  void Decrease3DHeight();
  void Increase3DDepth();
  void Decrease3DDepth();

  // Selection: formations live in the document's list, people in the view.
  const std::vector<CPerson*>& SelectedPeople() const { return m_selectedPeople; }
  bool IsSelected(const CFormation* record) const;
  // A click at a viewport point: the person there, else the formation there, becomes the
  // selection (or joins it with `add`); a click on nothing empties it unless `add`.
  void SelectAt(QPoint viewportPoint, bool add);
  void ClearSelection();

  // The drawing options of the current state (selection, handles, labels).
  FieldViewDrawOptions DrawOptions() const;

  // DocViewObserver
  void OnObjectRemoved(const CFormation* object) override;
  void OnUpdate() override;
  // FormationView
  void InvalidateFormation(const CFormation&) override { viewport()->update(); }
  void SetWaitCursor(bool busy) override;
  // Positions at the current step again, the people without one parked for this view.
  void RefreshPositions();
  // AnimationHost
  void ArmTimer(int periodMs) override { m_timer.start(periodMs); }
  void KillTimer() override { m_timer.stop(); }
  void ClearSelectedPeople() override { m_selectedPeople.clear(); }

 signals:
  // The current step, the zoom or the perspective changed.
  void viewChanged();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void scrollContentsBy(int dx, int dy) override;
  void mousePressEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void UpdateScrollBars();
  QSizeF ScrollableWorld() const;
  void Zoom(bool (FieldViewState::*change)());
  void Changed3DSetting(bool changed);

  ShowDocument& m_show;
  Ui& m_ui;
  FieldViewState m_state;
  QSize m_resolution;
  QImage m_buffer;  // the drawing is made here and copied to the screen in one go
  CanvasCache m_canvasCache;  // fonts, shaped labels and the paths layer, kept between frames
  std::vector<CPerson*> m_selectedPeople;
  SilentSongPlayer m_player;  // songs stay silent until the program has MIDI output
  QTimer m_timer;
  AnimationClock m_clock;
};

}  // namespace px
