// Drawing one step as the field view does, for real: a 500-member show with every line family
// switched on, painted by the QPainter canvas into a 1920 x 1080 image on the offscreen
// platform. Playback at tempo 300 leaves 200 ms per step; the drawing should take under 8.
#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <memory>

#include "qtdraw/chart.h"

namespace px {
namespace {

constexpr int kFormations = 20;
constexpr int kPerFormation = 25;

// Twenty formations (lines, ellipses and rectangles in turn) of 25 members each at step 0.
std::unique_ptr<CPxDoc> FiveHundredMembers() {
  auto doc = std::make_unique<CPxDoc>();
  doc->m_bVertical4 = doc->m_bVertical2 = doc->m_bVertical1 = 1;
  doc->m_bHorizontal4 = doc->m_bHorizontal2 = doc->m_bHorizontal1 = 1;
  doc->m_bDotted2 = doc->m_bDotted1 = 1;
  for (int i = 0; i < kFormations; ++i) {
    const int left = 1000 + (i % 5) * 1300, top = 600 + (i / 5) * 850;
    auto shape = std::make_unique<CDrawRect>(CRect{left, top, left + 1100, top + 650});
    shape->m_nShape = (i % 3 == 0) ? SHAPE_LINE : (i % 3 == 1) ? SHAPE_ELLIPSE : SHAPE_RECTANGLE;
    CFormation* f = doc->AddFormation(std::move(shape));
    f->RecalcOutline();
    for (int k = 0; k < kPerFormation; ++k) {
      auto person = std::make_unique<CPerson>();
      person->m_nNumber = i * kPerFormation + k + 1;
      person->m_nShape = SHAPE_SQUARE + k % 4;
      doc->AddPerson(std::move(person))->AssignToFormation(nullptr, f);
    }
  }
  doc->RecalcPositions();
  return doc;
}

void BM_PaintStep_1920x1080(benchmark::State& state) {
  auto doc = FiveHundredMembers();
  FieldViewState view;
  FieldViewDrawOptions options;
  QImage image(1920, 1080, QImage::Format_RGB32);
  const FieldMapping mapping = FieldMapping::Isotropic(view.m_nExtent, QSizeF(image.size()));
  const QRectF all(QPointF(0, 0), QSizeF(image.size()));
  for (auto _ : state) {
    QPainter painter(&image);
    DrawChart(painter, mapping, all, false, *doc, view, options);
    painter.end();
    benchmark::DoNotOptimize(image.constBits());
  }
  state.counters["members"] = static_cast<double>(doc->m_people.size());
}

BENCHMARK(BM_PaintStep_1920x1080)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace px

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
