// One step of dragging a formation with the select pointer, as the field view runs it: the
// pointer moves 10 field units, the selected formation (a line of 30 people) follows, the
// positions of the current step are refreshed and the whole view is redrawn at 1920 x 1080,
// on the synthetic show of 500 members (bench/synthetic_show.h) at a picture.
//
//   build/bench/bench_drag --benchmark_repetitions=5 --benchmark_report_aggregates_only=true
#include <benchmark/benchmark.h>

#include <QImage>
#include <QPainter>
#include <memory>

#include "core/tools/pointer_tools.h"
#include "core/ui/quiet_ui.h"
#include "qtdraw/chart.h"
#include "qt_bench_main.h"
#include "synthetic_show.h"

namespace px {
namespace {

constexpr int kPicture = 2000;

// The field view as the tools see it, on a 1920-pixel screen at zoom Normal.
class BenchView : public ToolView {
 public:
  void InvalidateFormation(const CFormation&) override {}
  void SetWaitCursor(bool) override {}
  bool Is3D() const override { return false; }
  CRect FieldRect() const override { return CRect{720, 360, 7920, 4140}; }
  int& PasteCount() override { return m_pasteCount; }
  double PixelsPerFieldUnit() const override { return 1920.0 / 8640.0; }
  void SetToolCursor(ToolCursor) override {}
  void ShowRubberBand(const std::optional<CRect>&) override {}
  void EditProperties() override {}

 private:
  int m_pasteCount = 0;
};

void BM_DragStep(benchmark::State& state) {
  auto doc = bench::BuildSyntheticShow(bench::kMixed, 10, kPicture + 1);
  doc->m_bShowIdNumbers = 1;
  // A line of 30 people of the first section at the picture.
  const CPoint centre{4320, 2400};
  CFormation* line = bench::AddShape(*doc, kPicture, SHAPE_LINE, centre, 1200, 0, 0.0);
  for (int i = 0; i < 30; ++i) {
    CPerson* person = doc->m_people[static_cast<size_t>(i)].get();
    person->Deassign(kPicture);
    person->AssignToFormation(nullptr, line);
  }
  doc->SetCurrentStep(kPicture);
  doc->RecalcPositions();

  QuietUi ui;
  BenchView view;
  PointerTools tools(*doc, ui, view);
  tools.SelectTool("Formation Select Pointer");
  tools.ButtonDown(CPoint{centre.x + 100, centre.y}, Keys{});

  FieldViewState viewState;
  FieldViewDrawOptions options;
  options.view.isSelected = [&doc](const CFormation* f) { return doc->m_selection.Has(f); };
  CanvasCache cache;
  QImage image(1920, 1080, QImage::Format_RGB32);
  const FieldMapping mapping = FieldMapping::Isotropic(viewState.m_nExtent, QSizeF(image.size()));
  const QRectF all(QPointF(0, 0), QSizeF(image.size()));
  auto frame = [&] {
    QPainter painter(&image);
    DrawChart(painter, mapping, all, false, *doc, viewState, options, &cache);
  };
  frame();
  int x = centre.x + 110;
  tools.Move(CPoint{x, centre.y}, Keys{false, false, true});
  if (line->m_rcBase.left != centre.x - 590) state.SkipWithError("the line does not follow the pointer");
  int direction = 10;
  for (auto _ : state) {
    // Back and forth, so the line stays in the middle of the field however long it runs.
    if (x > centre.x + 1000 || x < centre.x - 1000) direction = -direction;
    x += direction;
    tools.Move(CPoint{x, centre.y}, Keys{false, false, true});
    frame();
    benchmark::DoNotOptimize(image.constBits());
  }
}
BENCHMARK(BM_DragStep)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace px

int main(int argc, char** argv) { return RunPaintingBenchmarks(argc, argv); }
