// The core half of drawing one step: field with every line family, formations and a
// 500-member band, emitted to a canvas that only counts (the painting itself is the Qt
// layer's share of the frame budget).
#include <benchmark/benchmark.h>

#include <memory>

#include "core/draw/field_view_draw.h"

namespace px {
namespace {

class CountingCanvas : public Canvas {
 public:
  CRect ClipBox() const override { return CRect{0, 0, 8640, 6000}; }
  void SetPen(const Pen&) override { ++state; }
  void SetBrush(const Brush&) override { ++state; }
  void SetFont(const Font&) override { ++state; }
  void SetTextColor(COLORREF) override { ++state; }
  void FillRect(const CRect&, COLORREF) override { ++primitives; }
  void Line(CPoint, CPoint) override { ++primitives; }
  void Polyline(const std::vector<CPoint>& points) override { primitives += points.size(); }
  void Polygon(const std::vector<CPoint>& points) override { primitives += points.size(); }
  void Ellipse(const CRect&) override { ++primitives; }
  void Rectangle(const CRect&) override { ++primitives; }
  void Pixel(CPoint, COLORREF) override { ++primitives; }
  void Text(CPoint, const std::string& text, TextAlign) override { primitives += text.size(); }
  int WrappedText(const CRect&, const std::string& text) override {
    primitives += text.size();
    return 96;
  }
  int MeasureWrappedText(const CRect&, const std::string&) override { return 96; }
  void Bitmap(const CRect&, const SymbolBitmap&) override { ++primitives; }
  size_t primitives = 0;
  size_t state = 0;
};

// Ten lines of fifty members each at step 0, every line family switched on.
std::unique_ptr<CPxDoc> BandShow() {
  auto doc = std::make_unique<CPxDoc>();
  doc->m_bVertical4 = doc->m_bVertical2 = doc->m_bVertical1 = 1;
  doc->m_bHorizontal4 = doc->m_bHorizontal2 = doc->m_bHorizontal1 = 1;
  doc->m_bDotted1 = 1;
  for (int row = 0; row < 10; ++row) {
    const int y = 800 + 300 * row;
    auto line = std::make_unique<CDrawRect>(CRect{1200, y, 7400, y});
    line->m_nShape = SHAPE_LINE;
    CFormation* f = doc->AddFormation(std::move(line));
    f->RecalcOutline();
    for (int i = 0; i < 50; ++i) {
      auto person = std::make_unique<CPerson>();
      person->m_nNumber = row * 50 + i + 1;
      person->m_nShape = SHAPE_SQUARE + i % 4;
      CPerson* p = doc->AddPerson(std::move(person));
      p->AssignToFormation(nullptr, f);
    }
  }
  doc->RecalcPositions();
  return doc;
}

void DrawOneStep(benchmark::State& state, bool everyOption) {
  auto doc = BandShow();
  if (everyOption) {
    doc->m_bShowIdNumbers = 1;
    doc->m_bShowMarchMode = 1;
    doc->m_bOutlinePast = doc->m_bOutlineFuture = 1;
  }
  FieldViewState view;
  FieldViewDrawOptions options;
  CountingCanvas canvas;
  for (auto _ : state) {
    DrawFieldView(canvas, *doc, view, options);
    benchmark::DoNotOptimize(canvas.primitives);
  }
  int onField = 0;
  for (const auto& p : doc->m_people) onField += p->m_ptPosition.y >= 800;
  state.counters["people on lines"] = onField;
  state.counters["primitives/frame"] =
      benchmark::Counter(static_cast<double>(canvas.primitives), benchmark::Counter::kAvgIterations);
}

void BM_DrawStep_AllLines(benchmark::State& state) { DrawOneStep(state, false); }
void BM_DrawStep_AllOptions(benchmark::State& state) { DrawOneStep(state, true); }

BENCHMARK(BM_DrawStep_AllLines)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_DrawStep_AllOptions)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace px

BENCHMARK_MAIN();
