// What makes the field readable, in pixels: a formation lying on a field line still shows on
// screen, and printed pages use the paper and keep band members large enough to find.
#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <functional>

#include "qt/view/field_view_fixture.h"
#include "qtdraw/chart.h"
#include "qtdraw/chart_output.h"

namespace px {
namespace {

using test::Count;
using test::Dark;

using OutlinesOnLines = test::FieldViewFixture;

// The demo's brass box at step 8 has its left side on the 45 yard line (x 3960, column 792)
// and shows there in the brass colour; a black box on a black line shows as a wider line.
TEST_F(OutlinesOnLines, FormationOnAFieldLineStaysVisible) {
  FileResult result;
  view.reset();  // the view goes before the show it shows
  show = ShowDocument::Open(QStringLiteral(PYXARO_SOURCE_DIR "/examples/demo.sho"), result);
  ASSERT_TRUE(show) << result.message;
  SetUp();
  doc().SetCurrentStep(8);
  view->RefreshPositions();
  // Row 312 is y 1560, between two trumpets on that side; row 760 (y 3800) meets only the line.
  const QRect box(788, 312, 9, 1), bare(788, 760, 9, 1);
  QImage image = Shot();
  EXPECT_GE(Count(image, [](QRgb p) { return p == qRgb(176, 32, 32); }, box), 2);
  EXPECT_EQ(Count(image, Dark, bare), 1);

  view.reset();
  show = ShowDocument::New();
  SetUp();
  AddRectangle(CRect{3960, 1440, 4680, 2160});
  image = Shot();
  EXPECT_GE(Count(image, Dark, box), 2);
  EXPECT_EQ(Count(image, Dark, bare), 1);
}

// A letter-size page at 300 dots per inch, landscape, drawn as printing draws it.
QImage PrintedPage(CPxDoc& doc) {
  QImage page(3300, 2550, QImage::Format_RGB32);
  page.setDotsPerMeterX(11811);
  page.setDotsPerMeterY(11811);
  page.fill(Qt::white);
  QPainter painter(&page);
  DrawChartPage(painter, QSizeF(page.size()), doc);
  return page;
}

// The extent of the dark pixels within `area`.
QRect DarkBounds(const QImage& image, QRect area) {
  QRect bounds;
  for (int y = area.top(); y <= area.bottom(); ++y)
    for (int x = area.left(); x <= area.right(); ++x)
      if (Dark(image.pixel(x, y))) bounds |= QRect(x, y, 1, 1);
  return bounds;
}

TEST(PrintedPage, FieldFillsThePageAndMembersStayLegible) {
  CPxDoc doc;
  doc.m_nPeopleTextSize = 20;  // letters 10 inches high on the field
  doc.m_nPersonSize = 4;
  for (const auto& [number, letters, x] : {std::tuple{1, "T", 2000}, std::tuple{2, "", 5940}}) {
    auto person = std::make_unique<CPerson>();
    person->m_nNumber = number;
    person->m_strNote = letters;
    person->SetCurrentPosition(CPoint{x, 1980});
    doc.AddPerson(std::move(person));
  }
  const QImage page = PrintedPage(doc);
  // The field's outline runs across nearly the whole page.
  const QRect row = DarkBounds(page, QRect(0, 900, page.width(), 1));
  EXPECT_GT(row.width(), page.width() * 9 / 10);
  // 7 points at 300 dpi are 29 pixels: the letter and the square marker are about that big,
  // not the 9 and 3 pixels their sizes on the field would give.
  FieldViewState state;
  state.SetupField(doc);
  const FieldMapping mapping = ChartPageMapping(QSizeF(page.size()), state);
  const auto around = [&](int x) {
    const QPoint at = mapping.ToDevice(CPoint{x, 1980}).toPoint();
    return DarkBounds(page, QRect(at.x() - 50, at.y() - 50, 100, 100));
  };
  EXPECT_GE(around(2000).height(), 15);
  EXPECT_GE(around(5940).width(), 20);
}

}  // namespace
}  // namespace px
