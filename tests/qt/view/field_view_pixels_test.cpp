// The field view drawn for real on the offscreen platform: the isotropic mapping, the grey
// surround, the field colour, the perspective, the selected colour and printed pages.
#include <gtest/gtest.h>

#include <QFontMetrics>
#include <QImage>
#include <QPainter>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>
#include <functional>

#include "app/show_document.h"
#include "core/formation/formation.h"
#include "core/support/scripted_ui.h"
#include "qtdraw/chart.h"
#include "view/field_view.h"
#include "qt/view/field_view_fixture.h"

namespace px {
namespace {

constexpr QRgb kSurround = qRgb(192, 192, 192);

using test::Count;
using test::Dark;

class FieldPixels : public test::FieldViewFixture {
 protected:
  // Whether a pixel of the colour lies within one pixel of (x, y) along the row.
  static bool NearX(const QImage& image, int x, int y, QRgb colour) {
    for (int dx = -1; dx <= 1; ++dx)
      if (image.pixel(x + dx, y) == colour) return true;
    return false;
  }
};

TEST_F(FieldPixels, FieldSitsInTheGreySurroundThroughTheIsotropicMapping) {
  const QImage image = Shot();
  // Field (720, 360)-(7920, 4140) at 0.2 pixels per unit: (144, 72)-(1584, 828). Row 400 is
  // field y 2000, between the yard lines at 1800 and 2160; column 400 is x 2000, between the
  // lines at 1800 and 2160 and clear of their numbers.
  for (const auto& [x, y] : {std::pair{141, 400}, {1587, 400}, {400, 69}, {400, 831}})
    EXPECT_EQ(image.pixel(x, y), kSurround) << x << "," << y;
  for (const auto& [x, y] : {std::pair{147, 400}, {1581, 400}, {400, 75}, {400, 825}})
    EXPECT_EQ(image.pixel(x, y), qRgb(255, 255, 255)) << x << "," << y;
  // The 50 yard line: x 4320 is pixel 864.
  EXPECT_TRUE(NearX(image, 864, 400, qRgb(0, 0, 0)));
  EXPECT_EQ(image.pixel(868, 400), qRgb(255, 255, 255));
}

TEST_F(FieldPixels, OneScaleForBothAxesAndAWorldSmallerThanTheWindowSitsInItsMiddle) {
  // 648 / 4320 = 0.15 < 1728 / 8640 = 0.2: the field is 7200 x 0.15 = 1080 pixels wide, and
  // the whole chart (6300 units, 945 pixels) is shorter than the 1000-pixel window.
  view->SetDeviceResolution(QSize(1728, 648));
  doc().m_crField = RGB(20, 140, 60);
  const QImage image = Shot();
  const QRgb field = qRgb(20, 140, 60);
  auto first = [&](int from, int step, auto at) {
    for (int i = from; i >= 0 && i < 1728; i += step)
      if (at(i) == field) return i;
    return -1;
  };
  const int left = first(0, 1, [&](int x) { return image.pixel(x, 300); });
  const int right = first(image.width() - 1, -1, [&](int x) { return image.pixel(x, 300); });
  EXPECT_NEAR(right - left, 1080, 2);
  EXPECT_NEAR(left, image.width() - 1 - right, 2);
  const int top = first(0, 1, [&](int y) { return y < image.height() ? image.pixel(800, y) : 0u; });
  EXPECT_NEAR(top, (1000 - 945) / 2 + 54, 2);  // the field's top at 360 units is 54 pixels down
}

TEST_F(FieldPixels, PerspectiveFieldFillsTheViewFromItsFarEdgeDown) {
  view->Toggle3D();
  const QImage image = Shot();
  // The far edge 4140 - trunc(2400 * 3780 / 7180) = 2877; what is drawn starts half a yard
  // spacing above it (2697) and ends with the chart at 6300: 3603 units, 720.6 pixels, in
  // the middle of the 1000-pixel window, 139.7 rows down. The far edge is row 175.7, the
  // near edge (4140) row 428.3; above the far edge is surround only, no flat field.
  EXPECT_EQ(Count(image, [](QRgb p) { return p == qRgb(255, 255, 255); }, QRect(0, 0, 1728, 170)), 0);
  EXPECT_TRUE(NearX(image, 864, 180, qRgb(0, 0, 0)));
  EXPECT_TRUE(NearX(image, 864, 425, qRgb(0, 0, 0)));
  EXPECT_FALSE(NearX(image, 864, 170, qRgb(0, 0, 0)));
  EXPECT_EQ(image.pixel(700, 300), qRgb(255, 255, 255));
}

TEST_F(FieldPixels, SelectedFormationIsDrawnInTheSelectedColourUntilDeselected) {
  // (2000, 1000)-(3000, 2000) is pixels (400, 200)-(600, 400); row 250 is field y 1250,
  // clear of the yard lines at 1080 and 1440 and of the handles at 1000 and 1500.
  AddRectangle(CRect{2000, 1000, 3000, 2000});
  const QRgb selected = qRgb(0, 255, 0);  // the default m_crSelectedFormation
  EXPECT_TRUE(NearX(Shot(), 400, 250, qRgb(0, 0, 0)));

  view->SelectTool("Formation Select Pointer");
  QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, QPoint(400, 300));
  ASSERT_EQ(doc().m_selection.formations.size(), 1u);
  EXPECT_TRUE(NearX(Shot(), 400, 250, selected));

  QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, QPoint(1000, 600));  // empty field: the selection goes
  EXPECT_TRUE(doc().m_selection.formations.empty());
  const QImage after = Shot();
  EXPECT_TRUE(NearX(after, 400, 250, qRgb(0, 0, 0)));
  EXPECT_FALSE(NearX(after, 400, 250, selected));
  EXPECT_EQ(doc().m_formations.front()->m_logpen.lopnColor, RGB(0, 0, 0));
}

TEST_F(FieldPixels, PeoplePointerClickOnAParkedPersonSelectsIt) {
  auto person = std::make_unique<CPerson>();
  person->m_nNumber = 1;
  doc().AddPerson(std::move(person));
  doc().ParkPeopleWithoutPlace();
  // Parked at (72, 216), marker +-24: pixels (9.6 .. 24, 38.4 .. 48).
  view->SelectTool("People Select Pointer");
  QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, QPoint(14, 43));
  ASSERT_EQ(doc().m_selection.people.size(), 1u);
  QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, QPoint(60, 43));
  EXPECT_TRUE(doc().m_selection.people.empty());
}

TEST_F(FieldPixels, PeopleShownAsPicturesUseTheChosenFileOrTheGroupsOwn) {
  QTemporaryDir dir;
  QImage red(8, 8, QImage::Format_RGB32);
  red.fill(Qt::red);
  const QString file = dir.filePath(QStringLiteral("horns.bmp"));
  ASSERT_TRUE(red.save(file, "BMP"));
  doc().m_strSymbolBitmapFile[GROUP_HORNS] = file.toStdString();
  doc().LoadSymbolBitmaps();
  doc().m_bPeopleAsBitmaps = 1;
  for (int group : {GROUP_HORNS, GROUP_DRUMS}) {
    auto person = std::make_unique<CPerson>();
    person->m_nNumber = group;
    person->m_nGroup = group;
    doc().AddPerson(std::move(person));
  }
  doc().ParkPeopleWithoutPlace();
  const QImage image = Shot();
  // Parked at (72, 216) and (72, 360), each picture 48 units square: pixels (9.6 .. 19.2,
  // 38.4 .. 48) and (9.6 .. 19.2, 67.2 .. 76.8).
  EXPECT_EQ(image.pixel(14, 43), qRgb(255, 0, 0));
  EXPECT_GT(Count(image, Dark, QRect(10, 68, 9, 9)), 3);  // the built-in drum, drawn in black
}

TEST_F(FieldPixels, TextBandShowsTheStep) {
  // Without fonts every text is a row of boxes and checks of text would pass wrongly.
  const QFontMetrics metrics(QFont(QStringLiteral("Arial")));
  ASSERT_NE(metrics.horizontalAdvance(QStringLiteral("iiii")), metrics.horizontalAdvance(QStringLiteral("WWWW")));
  const QImage image = Shot();
  // The band starts at (720, 4500): pixel (144, 900); its text is 96 units (19 pixels) high.
  EXPECT_GT(Count(image, Dark, QRect(144, 900, 116, 20)), 40);
  EXPECT_EQ(image.pixel(400, 960), kSurround);  // the show information starts lower (1044)
}

TEST_F(FieldPixels, ZoomKeepsTheMiddleOfTheViewInTheMiddle) {
  view->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  view->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  view->resize(1600, 700);
  QTest::qWait(1);
  view->ScrollTo(CPoint{0, 0});
  view->ZoomIn();
  EXPECT_EQ(view->state().m_nExtent, 7776);
  // Middle of the old world: (0 + 8640 / 2, 0 + 8640 / 4) = (4320, 2160); the new top-left
  // is that less half the new world: (4320 - 3888, 2160 - 1944) = (432, 216).
  EXPECT_EQ(view->ScrollPosition().x, 432);
  EXPECT_EQ(view->ScrollPosition().y, 216);
}

// A printed page drawn by the real canvas.
QImage PrintedPage(CPxDoc& doc) {
  QImage page(1100, 850, QImage::Format_RGB32);
  page.fill(Qt::white);
  QPainter painter(&page);
  FieldViewState state;
  state.SetupField(doc);
  FieldViewDrawOptions options;
  DrawChart(painter, PageMapping(page.size(), ChartBottom(state)), QRectF(page.rect()), true, doc, state, options);
  return page;
}

int ColouredPixels(const QImage& image) {
  return Count(image, [](QRgb p) { return !(qRed(p) == qGreen(p) && qGreen(p) == qBlue(p)); });
}

TEST_F(FieldPixels, PrintedPageWithoutColourIsBlackOnWhite) {
  doc().m_crField = RGB(20, 140, 60);
  doc().m_crLines8 = RGB(200, 0, 0);
  doc().m_crLines1 = RGB(0, 0, 200);
  doc().m_bVertical1 = 1;
  doc().m_crHash = RGB(255, 255, 0);
  CFormation* formation = AddRectangle(CRect{2000, 1000, 3000, 2000});
  formation->m_logpen.lopnColor = RGB(255, 0, 255);
  formation->m_logbrush = LOGBRUSH{BS_SOLID, RGB(0, 200, 200), 0};
  doc().m_selection.formations.push_back(formation);

  const QImage mono = PrintedPage(doc());
  EXPECT_EQ(ColouredPixels(mono), 0);
  EXPECT_EQ(mono.pixel(2, 2), qRgb(255, 255, 255));  // no grey surround on paper
  EXPECT_GT(Count(mono, [](QRgb p) { return p == qRgb(0, 0, 0); }), 2000);

  doc().m_bPrintColor = 1;
  EXPECT_GT(ColouredPixels(PrintedPage(doc())), 2000);
}

// One frame of `doc` at 800 x 400, drawn as the field view draws, with what `state` and
// `cache` kept from earlier frames (a fresh state and no cache: nothing kept).
QImage Frame(CPxDoc& doc, FieldViewState& state, CanvasCache* cache) {
  QImage image(800, 400, QImage::Format_RGB32);
  QPainter painter(&image);
  DrawChart(painter, FieldMapping::Isotropic(state.m_nExtent, QSizeF(image.size())), QRectF(image.rect()), false, doc,
            state, FieldViewDrawOptions{}, cache);
  return image;
}
QImage FreshFrame(CPxDoc& doc) {
  FieldViewState state;
  return Frame(doc, state, nullptr);
}

TEST(FieldFrames, WhatIsKeptBetweenFramesDrawsAsAFreshFrameUntilAndAfterTheShowChanges) {
  // Two people march from a line to a line with every label and the paths shown.
  CPxDoc doc;
  auto line = [&doc](int step, CRect rect) {
    doc.SetCurrentStep(step);
    auto shape = std::make_unique<CDrawRect>(rect);
    shape->m_nShape = SHAPE_LINE;
    CFormation* added = doc.AddFormation(std::move(shape));
    added->RecalcOutline();
    return added;
  };
  CFormation* from = line(0, CRect{2000, 1500, 4000, 1500});
  CFormation* to = line(8, CRect{3000, 2500, 5000, 3000});
  for (int id : {1, 2}) {
    auto person = std::make_unique<CPerson>();
    person->m_nNumber = id;
    if (id == 1) person->m_strNote = "T";  // letters instead of a marker
    person->m_logpen.lopnColor = RGB(200, 0, 0);
    CPerson* added = doc.AddPerson(std::move(person));
    added->AssignToFormation(nullptr, from);
    added->AssignToFormation(nullptr, to);
  }
  doc.m_bShowIdNumbers = doc.m_bShowMarchMode = doc.m_bShowPaths = 1;
  doc.m_bVertical1 = doc.m_bDotted1 = 1;
  doc.RecalcLastStep();
  doc.SetCurrentStep(4);
  doc.RecalcPositions();

  FieldViewState kept;
  CanvasCache cache;
  const QImage first = Frame(doc, kept, &cache);
  EXPECT_EQ(first, FreshFrame(doc));
  EXPECT_EQ(Frame(doc, kept, &cache), first);  // the field, paths and labels as kept

  // Moving the formation and recolouring the field change the show: nothing stale is drawn.
  to->ShiftBy(-600, 400);
  doc.m_crField = RGB(20, 140, 60);
  doc.SetModifiedFlag();
  doc.RecalcPositions();
  const QImage changed = Frame(doc, kept, &cache);
  EXPECT_NE(changed, first);
  EXPECT_EQ(changed, FreshFrame(doc));
}

}  // namespace
}  // namespace px
