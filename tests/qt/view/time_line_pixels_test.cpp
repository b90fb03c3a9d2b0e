// The Time Line window drawn for real: step numbers beside the scale, and the markers at
// the first and the last step and the current-step arrow drawn whole.
#include <gtest/gtest.h>

#include <QImage>
#include <QTest>

#include "core/doc/pxdoc.h"
#include "view/time_line_window.h"

namespace px {
namespace {

int CountColour(const QImage& image, QRgb colour, QRect area) {
  int n = 0;
  for (int y = area.top(); y <= area.bottom(); ++y)
    for (int x = area.left(); x <= area.right(); ++x) n += image.pixel(x, y) == colour;
  return n;
}

QImage Shot(TimeLineWindow& window) { return window.grab().toImage().convertToFormat(QImage::Format_RGB32); }

TEST(TimeLinePixels, StepNumbersAndWholeMarkersAtBothEnds) {
  CPxDoc doc;
  for (int step : {0, 16, 32}) {
    doc.SetCurrentStep(step);
    doc.AddFormation(std::make_unique<CDrawRect>(CRect{1000, 1000, 2000, 1000}));
  }
  TimeLineWindow window(doc, nullptr);
  window.resize(180, 520);
  const QRgb green = qRgb(0, 255, 0), red = qRgb(255, 0, 0);
  const QRect top(0, 0, 180, 20), middle(0, 250, 180, 20), bottom(0, 500, 180, 20);

  doc.SetCurrentStep(16);
  const QImage atMiddle = Shot(window);
  doc.SetCurrentStep(32);
  const QImage atEnd = Shot(window);
  // Each picture marker, the first and last included, shows as many pixels as the middle one.
  const int whole = CountColour(atEnd, green, middle);
  EXPECT_GT(whole, 20);
  EXPECT_EQ(CountColour(atEnd, green, top), whole);
  EXPECT_EQ(CountColour(atEnd, green, bottom), whole);
  // The arrow at the last step is as whole as at the middle, and stays off the right edge.
  const int arrow = CountColour(atMiddle, red, middle);
  EXPECT_GT(arrow, 20);
  EXPECT_EQ(CountColour(atEnd, red, bottom), arrow);
  EXPECT_EQ(CountColour(atEnd, red, QRect(179, 0, 1, 520)), 0);
  // Numbers left of the scale at steps 0 and 32: dark text in the left column at both ends.
  auto dark = [&](QRect area) {
    int n = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
      for (int x = area.left(); x <= area.right(); ++x) n += qGray(atEnd.pixel(x, y)) < 128;
    return n;
  };
  EXPECT_GT(dark(QRect(0, 0, 14, 14)), 5);
  EXPECT_GT(dark(QRect(0, 506, 20, 14)), 5);
}

}  // namespace
}  // namespace px
