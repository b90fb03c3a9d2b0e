// One frame of the field view, as the screen gets it: the synthetic show of 500 members
// (bench/synthetic_show.h) with every drawing option on (every line family, ID numbers, march
// codes, past and future outlines, letters on a fifth of the band), painted by the QPainter
// canvas into a 1920 x 1080 image on the offscreen platform. Variants: mid-march (step 2008)
// and at a picture (step 2000), flat and in perspective, without and with Show Paths.
//
//   build/bench/bench_frame --benchmark_repetitions=5 --benchmark_report_aggregates_only=true
#include <benchmark/benchmark.h>

#include <QImage>
#include <QPainter>
#include <memory>

#include "qtdraw/chart.h"
#include "qt_bench_main.h"
#include "synthetic_show.h"

namespace px {
namespace {

constexpr int kMidMarch = 2008;
constexpr int kPicture = 2000;

std::unique_ptr<CPxDoc> RealisticShow() {
  auto doc = bench::BuildSyntheticShow(bench::kMixed);
  CPxDoc& d = *doc;
  d.m_bVertical4 = d.m_bVertical2 = d.m_bVertical1 = 1;
  d.m_bHorizontal4 = d.m_bHorizontal2 = d.m_bHorizontal1 = 1;
  d.m_bDotted2 = d.m_bDotted1 = 1;
  d.m_bShowIdNumbers = d.m_bShowMarchMode = 1;
  d.m_bOutlinePast = d.m_bOutlineFuture = 1;
  d.m_bLetterFill = 1;
  constexpr const char* kLetters[] = {"T", "C", "S", "F", "B"};
  for (size_t i = 0; i < d.m_people.size(); ++i) {
    CPerson& p = *d.m_people[i];
    if (i % 5 == 0)
      p.m_strNote = kLetters[i / 5 % 5];
    else
      p.m_nShape = SHAPE_SQUARE + static_cast<int>(i % 4);
  }
  d.m_comments.push_back("2000 Company front, horns up");
  return doc;
}

// range(0): the step; range(1): perspective; range(2): Show Paths.
void BM_Frame(benchmark::State& state) {
  static std::unique_ptr<CPxDoc> doc = RealisticShow();
  const int step = static_cast<int>(state.range(0));
  FieldViewState view;
  view.m_b3D = state.range(1) != 0;
  doc->m_bShowPaths = static_cast<int>(state.range(2));
  doc->SetCurrentStep(step);
  doc->RecalcPositions();
  state.SetLabel(std::string(step == kPicture ? "picture" : "mid-march") + (view.m_b3D ? " 3D" : " 2D") +
                 (doc->m_bShowPaths ? " paths" : ""));

  FieldViewDrawOptions options;
  CanvasCache cache;  // as the field view keeps one
  QImage image(1920, 1080, QImage::Format_RGB32);
  const FieldMapping mapping = FieldMapping::Isotropic(view.m_nExtent, QSizeF(image.size()));
  const QRectF all(QPointF(0, 0), QSizeF(image.size()));
  auto frame = [&] {
    QPainter painter(&image);
    DrawChart(painter, mapping, all, false, *doc, view, options, &cache);
  };
  frame();  // what a step's first frame computes once (positions of every step for the paths)
  for (auto _ : state) {
    frame();
    benchmark::DoNotOptimize(image.constBits());
  }
}
BENCHMARK(BM_Frame)
    ->ArgNames({"step", "3D", "paths"})
    ->Args({kMidMarch, 0, 0})
    ->Args({kPicture, 0, 0})
    ->Args({kMidMarch, 1, 0})
    ->Args({kPicture, 1, 0})
    ->Args({kMidMarch, 0, 1})
    ->Args({kPicture, 0, 1})
    ->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace px

int main(int argc, char** argv) { return RunPaintingBenchmarks(argc, argv); }
