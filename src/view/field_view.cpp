#include "view/field_view.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QScrollBar>
#include <algorithm>
#include <cmath>

#include "app/show_document.h"
#include "core/animation/navigation.h"
#include "core/animation/song_for_step.h"
#include "core/doc/hit_test.h"
#include "qtdraw/chart.h"

namespace px {

FieldView::FieldView(ShowDocument& show, Ui& ui, QWidget* parent)
    : QAbstractScrollArea(parent), m_show(show), m_ui(ui), m_clock(show.doc(), ui, m_player, *this) {
  // Steps are beats: keep their spacing even.
  m_timer.setTimerType(Qt::PreciseTimer);
  connect(&m_timer, &QTimer::timeout, this, &FieldView::AnimationTick);
  viewport()->setAttribute(Qt::WA_OpaquePaintEvent);
  viewport()->setAttribute(Qt::WA_NoSystemBackground);
  setFocusPolicy(Qt::StrongFocus);
  horizontalScrollBar()->setSingleStep(10);
  verticalScrollBar()->setSingleStep(10);
  doc().AddView(this);
  m_state.SetupField(doc());
  doc().ParkPeopleWithoutPlace(m_state.Parking());
  UpdateScrollBars();
}

FieldView::~FieldView() { doc().RemoveView(this); }

CPxDoc& FieldView::doc() { return m_show.doc(); }

void FieldView::SetDeviceResolution(QSize resolution) {
  m_resolution = resolution;
  UpdateScrollBars();
  viewport()->update();
}

QSize FieldView::DeviceResolution() const {
  if (m_resolution.isValid()) return m_resolution;
  // The normal extent fits the window, so Zoom Normal shows the whole field whatever its size.
  const QSize page = viewport()->size();
  return page.isEmpty() ? QSize(1024, 768) : page;
}

// How much of the world scrolls: the 120-yard span across, and from the top of what is drawn
// down to the show information.
QSizeF FieldView::ScrollableWorld() const {
  const int top = m_state.ContentTop(m_show.doc());
  return QSizeF(FIELD_EXTENT, std::max(FieldViewState::kNormalExtent / 2 - top, ChartBottom(m_state) - top));
}

FieldMapping FieldView::Mapping() const {
  FieldMapping mapping = FieldMapping::Isotropic(m_state.m_nExtent, DeviceResolution());
  const QSizeF world = ScrollableWorld();
  const QSizeF page = QSizeF(viewport()->size()) / mapping.scale;
  // What is smaller than the window sits in its middle instead of against its left or top.
  const double x = world.width() < page.width() ? -(page.width() - world.width()) / 2
                                                : horizontalScrollBar()->value() / mapping.scale;
  const double y = world.height() < page.height() ? -(page.height() - world.height()) / 2
                                                  : verticalScrollBar()->value() / mapping.scale;
  mapping.worldOrigin = QPointF(x, y + m_state.ContentTop(m_show.doc()));
  return mapping;
}

CPoint FieldView::ScrollPosition() const {
  const QPointF origin = Mapping().worldOrigin;
  return CPoint{static_cast<int>(std::lround(origin.x())), static_cast<int>(std::lround(origin.y()))};
}

void FieldView::ScrollTo(CPoint topLeft) {
  const double scale = Mapping().scale;
  horizontalScrollBar()->setValue(static_cast<int>(std::lround(topLeft.x * scale)));
  verticalScrollBar()->setValue(static_cast<int>(std::lround((topLeft.y - m_state.ContentTop(m_show.doc())) * scale)));
}

void FieldView::UpdateScrollBars() {
  m_state.SetupField(doc());
  const double scale = FieldMapping::IsotropicScale(m_state.m_nExtent, DeviceResolution());
  const QSizeF world = ScrollableWorld();
  const int width = static_cast<int>(std::ceil(world.width() * scale));
  const int height = static_cast<int>(std::ceil(world.height() * scale));
  const QSize page = viewport()->size();
  horizontalScrollBar()->setRange(0, std::max(0, width - page.width()));
  horizontalScrollBar()->setPageStep(page.width());
  verticalScrollBar()->setRange(0, std::max(0, height - page.height()));
  verticalScrollBar()->setPageStep(page.height());
}

FieldViewDrawOptions FieldView::DrawOptions() const {
  FieldViewDrawOptions options;
  options.view.isSelected = [this](const CFormation* record) { return IsSelected(record); };
  options.view.playing = m_show.doc().m_bPlaying;
  options.songAtStep = [](const CPxDoc& doc, int step) { return SongForStep(doc, step).fileName; };
  return options;
}

void FieldView::paintEvent(QPaintEvent* event) {
  const QRect exposed = event->rect();
  if (exposed.isEmpty()) return;
  if (m_buffer.width() < exposed.width() || m_buffer.height() < exposed.height())
    m_buffer = QImage(exposed.size().expandedTo(viewport()->size()), QImage::Format_RGB32);
  {
    QPainter painter(&m_buffer);
    painter.translate(-exposed.topLeft());
    DrawChart(painter, Mapping(), QRectF(exposed), false, doc(), m_state, DrawOptions(), &m_canvasCache);
  }
  QPainter screen(viewport());
  screen.drawImage(exposed.topLeft(), m_buffer, QRect(QPoint(0, 0), exposed.size()));
}

void FieldView::resizeEvent(QResizeEvent* event) {
  QAbstractScrollArea::resizeEvent(event);
  UpdateScrollBars();
}

void FieldView::scrollContentsBy(int, int) { viewport()->update(); }

void FieldView::Zoom(bool (FieldViewState::*change)()) {
  const int oldExtent = m_state.m_nExtent;
  const CPoint oldTopLeft = ScrollPosition();
  if (!(m_state.*change)()) return;
  setUpdatesEnabled(false);
  UpdateScrollBars();
  ScrollTo(m_state.ScrollAfterZoom(oldTopLeft, oldExtent, doc()));
  setUpdatesEnabled(true);
  viewport()->update();
  emit viewChanged();
}

void FieldView::ZoomIn() { Zoom(&FieldViewState::ZoomIn); }
void FieldView::ZoomOut() { Zoom(&FieldViewState::ZoomOut); }

void FieldView::ZoomNormal() {
  m_state.ZoomNormal();
  UpdateScrollBars();
  viewport()->update();
  emit viewChanged();
}

void FieldView::Toggle3D() {
  m_state.Toggle3D(doc());
  m_selectedPeople.clear();
  doc().ParkPeopleWithoutPlace(m_state.Parking());
  UpdateScrollBars();
  viewport()->update();
  emit viewChanged();
}

void FieldView::Changed3DSetting(bool changed) {
  if (!changed) return;
  UpdateScrollBars();
  viewport()->update();
  emit viewChanged();
}

void FieldView::Increase3DHeight() { Changed3DSetting(FieldViewState::Increase3DHeight(doc())); }
void FieldView::Decrease3DHeight() { Changed3DSetting(FieldViewState::Decrease3DHeight(doc())); }
void FieldView::Increase3DDepth() { Changed3DSetting(FieldViewState::Increase3DDepth(doc())); }
void FieldView::Decrease3DDepth() { Changed3DSetting(FieldViewState::Decrease3DDepth(doc())); }

bool FieldView::IsSelected(const CFormation* record) const {
  const auto& formations = m_show.doc().m_selection.formations;
  return std::find(formations.begin(), formations.end(), record) != formations.end() ||
         std::find(m_selectedPeople.begin(), m_selectedPeople.end(), record) != m_selectedPeople.end();
}

void FieldView::ClearSelection() {
  doc().m_selection.formations.clear();
  m_selectedPeople.clear();
}

void FieldView::SelectAt(QPoint viewportPoint, bool add) {
  // Picking through the perspective is the pointer tools' business; the flat field only.
  if (m_state.m_b3D) return;
  const CPoint point = Mapping().ToField(QPointF(viewportPoint) + QPointF(0.5, 0.5));
  if (!add) ClearSelection();
  if (CPerson* person = PersonAt(doc(), point)) {
    if (std::find(m_selectedPeople.begin(), m_selectedPeople.end(), person) == m_selectedPeople.end())
      m_selectedPeople.push_back(person);
  } else if (CFormation* formation = FormationAt(doc(), point)) {
    auto& formations = doc().m_selection.formations;
    if (std::find(formations.begin(), formations.end(), formation) == formations.end()) formations.push_back(formation);
  }
  doc().UpdateAllViews();
}

void FieldView::mousePressEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return QAbstractScrollArea::mousePressEvent(event);
  SelectAt(event->position().toPoint(), event->modifiers() & Qt::ShiftModifier);
}

void FieldView::keyPressEvent(QKeyEvent* event) {
  // Left and right page through the steps; the other keys scroll.
  switch (event->key()) {
    case Qt::Key_Right:
      px::NextStep(doc(), m_ui);
      return;
    case Qt::Key_Left:
      px::PreviousStep(doc(), m_ui);
      return;
    default:
      QAbstractScrollArea::keyPressEvent(event);
  }
}

void FieldView::OnObjectRemoved(const CFormation* object) { std::erase(m_selectedPeople, object); }

void FieldView::OnUpdate() {
  // The show parks people for the flat field; the perspective parks them in rows of its own.
  if (m_state.m_b3D) doc().ParkPeopleWithoutPlace(m_state.Parking());
  UpdateScrollBars();
  viewport()->update();
}

void FieldView::SetWaitCursor(bool busy) {
  if (busy)
    viewport()->setCursor(Qt::WaitCursor);
  else
    viewport()->unsetCursor();
}

void FieldView::RefreshPositions() {
  for (const auto& person : doc().m_people) person->GetPosition(doc().m_nCurrentStep);
  doc().ParkPeopleWithoutPlace(m_state.Parking());
}

}  // namespace px
