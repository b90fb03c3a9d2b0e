#pragma once
// The field view: one show's field at its current step, drawn by core through a QPainter
// canvas with the isotropic mapping, with zoom, the perspective mode, step commands and
// selection by a click.
#include <QAbstractScrollArea>
#include <QImage>
#include <vector>

#include "core/draw/field_view_draw.h"
#include "core/formation/formation_view.h"
#include "qtdraw/field_mapping.h"

namespace px {

class ShowDocument;

class FieldView : public QAbstractScrollArea, public DocViewObserver, public FormationView {
  Q_OBJECT
 public:
  explicit FieldView(ShowDocument& show, QWidget* parent = nullptr);
  ~FieldView() override;

  ShowDocument& showDocument() { return m_show; }
  CPxDoc& doc();
  FieldViewState& state() { return m_state; }
  const FieldViewState& state() const { return m_state; }

  // The device resolution the isotropic mapping fits the visible world into: the screen's
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
  void NextStep();
  void PreviousStep();
  void GoToStep(int step);

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
  void Zoom(bool (FieldViewState::*change)());
  void Changed3DSetting(bool changed);
  void StepChanged();

  ShowDocument& m_show;
  FieldViewState m_state;
  QSize m_resolution;
  QImage m_buffer;  // the drawing is made here and copied to the screen in one go
  std::vector<CPerson*> m_selectedPeople;
};

}  // namespace px
