#pragma once
// The Time Line window: the whole show as a vertical scale of steps with its pictures, its
// songs and the current step. Modeless, one per show; closing it deletes it.
#include <QWidget>

namespace px {

class CPxDoc;

class TimeLineWindow : public QWidget {
  Q_OBJECT
 public:
  TimeLineWindow(const CPxDoc& doc, QWidget* parent);

  // The title again (the show's title may have changed) and a repaint.
  void Refresh();

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  const CPxDoc& m_doc;
};

}  // namespace px
