#pragma once
// A field view of its own on a new show, shown without frame or scroll bars at a fixed
// resolution where one pixel is five field units: field (x, y) is pixel (x / 5, y / 5).
#include <gtest/gtest.h>

#include <QImage>
#include <QTest>
#include <functional>
#include <memory>

#include "app/show_document.h"
#include "core/support/scripted_ui.h"
#include "view/field_view.h"

namespace px::test {

// The pixels of `image` within `area` (all of it when empty) that `keep` accepts.
inline int Count(const QImage& image, const std::function<bool(QRgb)>& keep, QRect area = {}) {
  if (area.isEmpty()) area = image.rect();
  int n = 0;
  for (int y = area.top(); y <= area.bottom(); ++y)
    for (int x = area.left(); x <= area.right(); ++x) n += keep(image.pixel(x, y));
  return n;
}
inline bool Dark(QRgb p) { return qGray(p) < 100; }

class FieldViewFixture : public ::testing::Test {
 protected:
  void SetUp() override {
    view = std::make_unique<FieldView>(*show, ui);
    view->setFrameShape(QFrame::NoFrame);
    view->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    view->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // 1728 / 8640 = 0.2 and 864 / (8640 / 2) = 0.2.
    view->SetDeviceResolution(QSize(1728, 864));
    view->resize(1728, 1000);
    view->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(view.get()));
  }
  CPxDoc& doc() { return show->doc(); }
  QImage Shot() { return view->viewport()->grab().toImage().convertToFormat(QImage::Format_RGB32); }
  CFormation* AddRectangle(CRect rect, int kind = SHAPE_RECTANGLE) {
    auto formation = std::make_unique<CDrawRect>(rect);
    formation->m_nShape = kind;
    CFormation* added = doc().AddFormation(std::move(formation));
    added->RecalcOutline();
    return added;
  }

  ScriptedUi ui;
  std::unique_ptr<ShowDocument> show = ShowDocument::New();
  std::unique_ptr<FieldView> view;
};

}  // namespace px::test
