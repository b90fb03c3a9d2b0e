#include "view/field_view.h"

#include <QFileInfo>
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
#include "view/midi_service.h"
#include "view/tool_cursors.h"

namespace px {

FieldView::FieldView(ShowDocument& show, Ui& ui, QWidget* parent)
    : QAbstractScrollArea(parent),
      m_show(show),
      m_ui(ui),
      m_player(show.doc(), ui, []() -> MidiPlayer& { return MidiService::Instance().Player(); },
               [this] { return m_show.Path().isEmpty() ? std::string() : QFileInfo(m_show.Path()).absolutePath().toStdString(); }),
      m_clock(show.doc(), ui, m_player, *this),
      m_tools(show.doc(), ui, *this, &SharedToolChoice()) {
  m_player.SetClock(&m_clock);
  // Steps are beats: keep their spacing even.
  m_timer.setTimerType(Qt::PreciseTimer);
  connect(&m_timer, &QTimer::timeout, this, &FieldView::AnimationTick);
  viewport()->setAttribute(Qt::WA_OpaquePaintEvent);
  viewport()->setAttribute(Qt::WA_NoSystemBackground);
  setFocusPolicy(Qt::StrongFocus);
  viewport()->setMouseTracking(true);  // the status line and the cursors follow the pointer
  horizontalScrollBar()->setSingleStep(10);
  verticalScrollBar()->setSingleStep(10);
  doc().AddView(this);
  m_state.SetupField(doc());
  doc().ParkPeopleWithoutPlace(m_state.Parking());
  UpdateScrollBars();
}

FieldView::~FieldView() { doc().RemoveView(this); }

ToolChoice& FieldView::SharedToolChoice() {
  static ToolChoice choice;
  return choice;
}

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
  options.view.rotateTool = m_tools.CurrentTool() == TOOL_ROTATE;
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
    DrawRubberBand(painter, exposed);
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
  doc().m_selection.people.clear();
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
  const Selection& selection = m_show.doc().m_selection;
  const auto& people = selection.people;
  return selection.Has(record) || std::find(people.begin(), people.end(), record) != people.end();
}

void FieldView::ClearSelectedPeople() { doc().m_selection.people.clear(); }

CPoint FieldView::FieldPoint(QPointF viewportPoint) const {
  return Mapping().ToField(viewportPoint + QPointF(0.5, 0.5));
}

bool FieldView::FeedTool(const QMouseEvent& event, void (PointerTools::*operation)(CPoint, Keys)) {
  // The tools edit the flat field with the left button; the perspective is for looking only.
  const bool buttonEvent = event.type() != QEvent::MouseMove;
  if (m_state.m_b3D || (buttonEvent && event.button() != Qt::LeftButton)) return false;
  const CPoint point = FieldPoint(event.position());
  Keys keys;
  keys.shift = event.modifiers() & Qt::ShiftModifier;
  keys.ctrl = event.modifiers() & Qt::ControlModifier;
  keys.button = event.buttons() & Qt::LeftButton;
  (m_tools.*operation)(point, keys);
  if (!buttonEvent) m_ui.SetStatusText(m_tools.StatusLine(point));
  return true;
}

void FieldView::mousePressEvent(QMouseEvent* event) {
  setFocus();
  if (!FeedTool(*event, &PointerTools::ButtonDown)) QAbstractScrollArea::mousePressEvent(event);
}

void FieldView::mouseDoubleClickEvent(QMouseEvent* event) {
  if (!FeedTool(*event, &PointerTools::DoubleClick)) QAbstractScrollArea::mouseDoubleClickEvent(event);
}

void FieldView::mouseReleaseEvent(QMouseEvent* event) {
  if (!FeedTool(*event, &PointerTools::ButtonUp)) QAbstractScrollArea::mouseReleaseEvent(event);
}

void FieldView::mouseMoveEvent(QMouseEvent* event) {
  if (!FeedTool(*event, &PointerTools::Move)) QAbstractScrollArea::mouseMoveEvent(event);
}

bool FieldView::SelectTool(const std::string& plainText) {
  const bool selected = m_tools.SelectTool(plainText);
  viewport()->update();
  return selected;
}

void FieldView::SetToolCursor(ToolCursor cursor) {
  if (cursor == m_cursor) return;
  m_cursor = cursor;
  viewport()->setCursor(ToolCursorImage(cursor));
}

void FieldView::ShowRubberBand(const std::optional<CRect>& band) {
  m_band = band;
  viewport()->update();
}

void FieldView::DrawRubberBand(QPainter& painter, const QRect& exposed) const {
  if (!m_band) return;
  const QRectF band = Mapping().ToDevice(*m_band);
  if (!band.intersects(QRectF(exposed).adjusted(-1, -1, 1, 1))) return;
  // The focus rectangle: a dotted line that shows on any background.
  painter.setBrush(Qt::NoBrush);
  painter.setPen(QPen(Qt::white, 1));
  painter.drawRect(band);
  painter.setPen(QPen(Qt::black, 1, Qt::DotLine));
  painter.drawRect(band);
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

// The show drops removed records from its selection; the view keeps none of its own.
void FieldView::OnObjectRemoved(const CFormation*) {}

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
    viewport()->setCursor(ToolCursorImage(m_cursor));
}

void FieldView::RefreshPositions() {
  for (const auto& person : doc().m_people) person->GetPosition(doc().m_nCurrentStep);
  doc().ParkPeopleWithoutPlace(m_state.Parking());
}

}  // namespace px
