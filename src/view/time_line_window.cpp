#include "view/time_line_window.h"

#include <QPainter>

#include "core/animation/time_line.h"
#include "core/doc/pxdoc.h"
#include "core/util/cp1252.h"
#include "qtdraw/qt_canvas.h"

namespace px {

TimeLineWindow::TimeLineWindow(const CPxDoc& doc, QWidget* parent) : QWidget(parent, Qt::Window), m_doc(doc) {
  setAttribute(Qt::WA_DeleteOnClose);
  setAttribute(Qt::WA_OpaquePaintEvent);  // the drawing fills the whole window
  // A tall, narrow scale: long shows still get a tick every few steps.
  resize(180, 520);
  Refresh();
}

void TimeLineWindow::Refresh() {
  setWindowTitle(QString::fromStdString(Cp1252ToUtf8(TimeLineTitle(m_doc))));
  update();
}

void TimeLineWindow::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  // The scale is laid out in the window's own pixels: one unit is one pixel.
  const CRect client{0, 0, width(), height()};
  QtCanvas canvas(painter, FieldMapping{}, client, false);
  DrawTimeLineWindow(canvas, m_doc, client);
}

}  // namespace px
