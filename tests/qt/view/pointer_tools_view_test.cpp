// The real field view driven by mouse events: drawing, dragging, rubber-band selection,
// rotating and the lasso, checked in the show they edit.
#include <gtest/gtest.h>

#include <QTest>
#include <cmath>

#include "qt/view/field_view_fixture.h"

namespace px {
namespace {

class PointerToolsView : public test::FieldViewFixture {
 protected:
  static QPoint Px(int x, int y) { return QPoint(x / 5, y / 5); }
  QWidget* Surface() { return view->viewport(); }
  void Drag(QPoint from, QPoint to, Qt::KeyboardModifiers keys = {}) {
    QTest::mousePress(Surface(), Qt::LeftButton, keys, from);
    for (int i = 1; i <= 8; ++i) QTest::mouseMove(Surface(), from + (to - from) * i / 8);
    QTest::mouseRelease(Surface(), Qt::LeftButton, keys, to);
  }
};

TEST_F(PointerToolsView, DrawDragBandSelectAndRotate) {
  ASSERT_TRUE(view->SelectTool("Rectangle"));
  Drag(Px(1000, 500), Px(1500, 1000));
  ASSERT_EQ(doc().m_formations.size(), 1u);
  CFormation* drawn = doc().m_formations.front().get();
  EXPECT_EQ(drawn->m_nShape, SHAPE_RECTANGLE);
  // A pixel stands for the field point at its centre: 2.5 units in, truncated.
  EXPECT_EQ(NormalizedRect(drawn->m_rcBase), (CRect{1002, 502, 1502, 1002}));

  // Dragged by its top edge, 200 right and 100 down.
  ASSERT_TRUE(view->SelectTool("Formation Select Pointer"));
  Drag(Px(1100, 500), Px(1300, 600));
  EXPECT_EQ(NormalizedRect(drawn->m_rcBase), (CRect{1202, 602, 1702, 1102}));

  // A band from empty field over both formations selects the two.
  CFormation* second = AddRectangle(CRect{3000, 600, 3500, 1100});
  QTest::mousePress(Surface(), Qt::LeftButton, {}, Px(1000, 300));
  QTest::mouseMove(Surface(), Px(4000, 1300));
  EXPECT_TRUE(view->RubberBandShown().has_value());
  QTest::mouseRelease(Surface(), Qt::LeftButton, {}, Px(4000, 1300));
  EXPECT_FALSE(view->RubberBandShown().has_value());
  EXPECT_EQ(doc().m_selection.formations, (std::vector<CFormation*>{drawn, second}));

  // A quarter turn about the middle, grabbed on the bottom edge.
  doc().m_selection.formations = {drawn};
  ASSERT_TRUE(view->SelectTool("Rotate Pointer"));
  Drag(Px(1600, 1100), Px(1200, 1000));
  EXPECT_NEAR(drawn->m_dRotation, PI / 2, 0.03);
  // The status bar follows the pointer.
  QTest::mouseMove(Surface(), Px(100, 100));
  EXPECT_EQ(ui.m_statusTexts.back(), "Step: 0      2 formations, 0 people  [102, 102]");
}

TEST_F(PointerToolsView, ShiftLassoAddsPeople) {
  CFormation* formation = AddRectangle(CRect{2000, 2000, 3000, 2000}, SHAPE_LINE);
  std::vector<CPerson*> people;
  for (int id = 1; id <= 3; ++id) {
    auto person = std::make_unique<CPerson>();
    person->m_nNumber = id;
    people.push_back(doc().AddPerson(std::move(person)));
    people.back()->AssignToFormation(nullptr, formation);
  }
  view->RefreshPositions();
  const auto lasso = [&](CPerson* around, Qt::KeyboardModifiers keys) {
    const CPoint at = around->m_ptPosition;
    const QPoint corners[] = {Px(at.x - 60, at.y - 60), Px(at.x + 60, at.y - 60), Px(at.x + 60, at.y + 60),
                              Px(at.x - 60, at.y + 60)};
    ASSERT_TRUE(view->SelectTool("Lasso Pointer"));
    for (const QPoint& corner : corners) {
      QTest::mouseMove(Surface(), corner);
      QTest::mouseClick(Surface(), Qt::LeftButton, keys, corner);
    }
    QTest::mouseDClick(Surface(), Qt::LeftButton, keys, corners[3]);
  };
  lasso(people[0], {});
  EXPECT_EQ(doc().m_selection.people, std::vector<CPerson*>{people[0]});
  lasso(people[2], Qt::ShiftModifier);
  EXPECT_EQ(doc().m_selection.people, (std::vector<CPerson*>{people[0], people[2]}));
  EXPECT_EQ(doc().m_formations.size(), 1u);  // the lassos are gone
}

}  // namespace
}  // namespace px
