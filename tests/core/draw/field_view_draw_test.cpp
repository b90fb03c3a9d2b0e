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
  doc.AddPerson(std::make_unique<CPerson>());
  doc.RecalcPositions();  // no place: parked at (72, 216)
  FieldViewState state;
  RecordingCanvas canvas(CRect{0, 0, 8640, 6000});
  DrawFieldView(canvas, doc, state, {});
  EXPECT_EQ(state.m_rcField.left, 3480);
  const size_t n = canvas.calls.size();
  ASSERT_GE(n, 3u);
  EXPECT_EQ(canvas.calls[n - 3].op, Op::WrappedText);  // the band, then the formation, the person
  EXPECT_EQ(canvas.calls[n - 2].points, (std::vector<CPoint>{{3600, 800}, {4800, 800}}));
  EXPECT_EQ(canvas.calls[n - 1].rect, (CRect{48, 192, 96, 240}));

  state.m_b3D = true;  // the perspective comes from the state: the plain line is left out
  canvas.calls.clear();
  DrawFieldView(canvas, doc, state, {});
  EXPECT_EQ(canvas.calls.back().op, Op::Polygon);
  EXPECT_EQ(canvas.calls[canvas.calls.size() - 2].op, Op::WrappedText);
}

TEST(PrintPages, OneStepPerPage) {
  CPxDoc doc;
  for (int step : {0, 8, 8, 16}) {
    doc.SetCurrentStep(step);
    doc.AddFormation(std::make_unique<CDrawRect>(CRect{1000, 1000, 2000, 2000}));
  }
  doc.SetCurrentStep(5);
  doc.m_nPrintRange = PRINT_CURRENT_STEP;
  EXPECT_EQ(PrintedSteps(doc), (std::vector<int>{5}));
  doc.m_nPrintRange = PRINT_PICTURES;
  EXPECT_EQ(PrintedSteps(doc), (std::vector<int>{0, 8, 16}));
  doc.m_nPrintRange = PRINT_STEPS;  // page p shows step p - 1
  EXPECT_EQ(PrintedSteps(doc).size(), 17u);
  EXPECT_EQ(PrintedSteps(doc).back(), 16);
}

}  // namespace
}  // namespace px
