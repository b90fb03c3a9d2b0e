#include "core/draw/field_view_draw.h"

#include <gtest/gtest.h>

#include "core/draw/print_pages.h"
#include "core/support/recording_canvas.h"

namespace px {
namespace {

using test::Call;
using test::Op;
using test::RecordingCanvas;

TEST(FieldViewDraw, FieldThenFormationsThenPeople) {
  CPxDoc doc;
  doc.m_bDirectionalIndicators = 0;
  doc.m_dFieldWidth = 1680;  // laid out afresh on every drawing: 3480 .. 5160
  auto line = std::make_unique<CDrawRect>(CRect{3600, 800, 4800, 800});
  line->m_nShape = SHAPE_LINE;
  doc.AddFormation(std::move(line));
  auto person = std::make_unique<CPerson>();
  person->m_nNumber = 1;
  CPerson* p = doc.AddPerson(std::move(person));
  doc.RecalcPositions();  // no place: parked at (72, 216)

  FieldViewState state;
  RecordingCanvas canvas(CRect{0, 0, 8640, 6000});
  DrawFieldView(canvas, doc, state, {});
  EXPECT_EQ(state.m_rcField.left, 3480);
  ASSERT_FALSE(canvas.calls.empty());
  EXPECT_EQ(canvas.calls.front().op, Op::FillRect);
  // The formation line comes after the field's lines, the person's marker last.
  const auto formationLine = std::find_if(canvas.calls.begin(), canvas.calls.end(), [](const Call& c) {
    return c.op == Op::Line && c.points[0] == CPoint{3600, 800};
  });
  const auto lastWrapped = std::find_if(canvas.calls.rbegin(), canvas.calls.rend(),
                                        [](const Call& c) { return c.op == Op::WrappedText; });
  ASSERT_NE(formationLine, canvas.calls.end());
  ASSERT_NE(lastWrapped, canvas.calls.rend());
  EXPECT_LT(lastWrapped.base() - 1 - canvas.calls.begin(), formationLine - canvas.calls.begin());
  EXPECT_EQ(canvas.calls.back().op, Op::Rectangle);
  EXPECT_EQ(canvas.calls.back().rect, (CRect{72 - 24, 216 - 24, 72 + 24, 216 + 24}));
  EXPECT_EQ(p->m_ptPosition, (CPoint{72, 216}));

  // In 3D the view's perspective comes from the state: the plain formation is left out and
  // the person is a projected quadrilateral.
  state.m_b3D = true;
  canvas.Clear();
  DrawFieldView(canvas, doc, state, {});
  EXPECT_EQ(std::count_if(canvas.calls.begin(), canvas.calls.end(),
                          [](const Call& c) { return c.op == Op::Line && c.points[0].y == 800; }),
            0);
  EXPECT_EQ(canvas.calls.back().op, Op::Polygon);
}

TEST(PrintPages, OneStepPerPageForEachRange) {
  CPxDoc doc;
  for (int step : {0, 8, 8, 16}) {
    doc.SetCurrentStep(step);
    doc.AddFormation(std::make_unique<CDrawRect>(CRect{1000, 1000, 2000, 2000}));
  }
  doc.SetCurrentStep(5);
  doc.m_nLastStep = 16;
  doc.m_nPrintRange = PRINT_CURRENT_STEP;
  EXPECT_EQ(PrintedSteps(doc), (std::vector<int>{5}));
  doc.m_nPrintRange = PRINT_PICTURES;
  EXPECT_EQ(PrintedSteps(doc), (std::vector<int>{0, 8, 16}));
  doc.m_nPrintRange = PRINT_STEPS;  // page p shows step p - 1
  const auto steps = PrintedSteps(doc);
  ASSERT_EQ(steps.size(), 17u);
  EXPECT_EQ(steps[0], 0);
  EXPECT_EQ(steps[16], 16);

  ShowStepForPrinting(doc, 8);
  EXPECT_EQ(doc.m_nCurrentStep, 8);
}

}  // namespace
}  // namespace px
