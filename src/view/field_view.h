#pragma once
// The field view: one show's field at its current step, drawn by core through a QPainter
// canvas with the isotropic mapping, with zoom, the perspective mode, the pointer tools that
// edit the show with the mouse, and the timer that plays the show while the view is the
// active one.
#include <QAbstractScrollArea>
#include <QImage>
#include <QTimer>
#include <optional>
#include <vector>

#include "core/animation/animation_clock.h"
#include "core/animation/animation_host.h"
#include "core/animation/midi_song_player.h"
#include "core/draw/field_view_draw.h"
#include "core/tools/pointer_tools.h"
#include "qtdraw/canvas_cache.h"
#include "qtdraw/field_mapping.h"

namespace px {

class ShowDocument;

class FieldView : public QAbstractScrollArea,
                  public DocViewObserver,
                  public ToolView,
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
  MidiSongPlayer& songPlayer() { return m_player; }
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

  // The show's selection of formations and people, drawn selected.
  bool IsSelected(const CFormation* record) const;
  // The pointer tools this view feeds with its mouse events.
  PointerTools& tools() { return m_tools; }
  // The tool choice every field view of the program shares.
  static ToolChoice& SharedToolChoice();
  // The field point under a viewport point.
  CPoint FieldPoint(QPointF viewportPoint) const;
  // The rubber band being dragged, in field units.
  const std::optional<CRect>& RubberBandShown() const { return m_band; }

  // The drawing options of the current state (selection, handles, labels).
  FieldViewDrawOptions DrawOptions() const;

  // DocViewObserver
  void OnObjectRemoved(const CFormation* object) override;
  void OnUpdate() override;
  // FormationView
  void InvalidateFormation(const CFormation&) override { viewport()->update(); }
  void SetWaitCursor(bool busy) override;
  // CommandView
  bool Is3D() const override { return m_state.m_b3D; }
  CRect FieldRect() const override { return m_state.m_rcField; }
  int& PasteCount() override { return m_pasteCount; }
  bool SelectTool(const std::string& plainText) override;
  bool IsCurrentTool(const std::string& plainText) const override { return m_tools.IsCurrent(plainText); }
  // ToolView
  double PixelsPerFieldUnit() const override { return Mapping().scale; }
  void SetToolCursor(ToolCursor cursor) override;
  void ShowRubberBand(const std::optional<CRect>& band) override;
  void EditProperties() override { emit editPropertiesRequested(); }
  // Positions at the current step again, the people without one parked for this view.
  void RefreshPositions();
  // AnimationHost
  void ArmTimer(int periodMs) override { m_timer.start(periodMs); }
  void KillTimer() override { m_timer.stop(); }
  void ClearSelectedPeople() override;

 signals:
  // The current step, the zoom or the perspective changed.
  void viewChanged();
  // A double click asks for the properties of the one selected formation.
  void editPropertiesRequested();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void scrollContentsBy(int dx, int dy) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void UpdateScrollBars();
  QSizeF ScrollableWorld() const;
  void Zoom(bool (FieldViewState::*change)());
  void Changed3DSetting(bool changed);
  // Hands a mouse event to the tools at its field point; false when they do not take it.
  bool FeedTool(const QMouseEvent& event, void (PointerTools::*operation)(CPoint, Keys));
  void DrawRubberBand(QPainter& painter, const QRect& exposed) const;

  ShowDocument& m_show;
  Ui& m_ui;
  FieldViewState m_state;
  QSize m_resolution;
  QImage m_buffer;  // the drawing is made here and copied to the screen in one go
  CanvasCache m_canvasCache;  // fonts, shaped labels and the paths layer, kept between frames
  int m_pasteCount = 0;
  std::optional<CRect> m_band;
  ToolCursor m_cursor = ToolCursor::Arrow;
  MidiSongPlayer m_player;  // the show's songs, on the program's MIDI player
  QTimer m_timer;
  AnimationClock m_clock;
  PointerTools m_tools;
};

}  // namespace px
