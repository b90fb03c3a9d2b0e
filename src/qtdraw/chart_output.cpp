#include "qtdraw/chart_output.h"

#include <QFileInfo>
#include <QImage>
#include <QImageWriter>
#include <QPainter>
#include <QPdfWriter>
#include <QSvgGenerator>

#include "core/draw/print_pages.h"
#include "qtdraw/chart.h"

namespace px {
namespace {

// Draws the show's current step over the whole device.
void DrawWholeChart(QPainter& painter, QSizeF size, CPxDoc& doc, FieldViewState& state) {
  state.SetupField(doc);
  const FieldMapping mapping = PageMapping(size, ChartBottom(state));
  FieldViewDrawOptions options;
  options.view.showsHandles = false;
  DrawChart(painter, mapping, QRectF(QPointF(0, 0), size), false, doc, state, options);
}

// Puts the show back at the step it showed before pages were drawn.
class KeepCurrentStep {
 public:
  explicit KeepCurrentStep(CPxDoc& doc) : m_doc(doc), m_step(doc.m_nCurrentStep) {}
  ~KeepCurrentStep() {
    if (m_doc.m_nCurrentStep != m_step) ShowStepForPrinting(m_doc, m_step);
  }

 private:
  CPxDoc& m_doc;
  int m_step;
};

bool Fail(QString* error, const QString& reason) {
  if (error) *error = reason;
  return false;
}

}  // namespace

QPageLayout DefaultChartPageLayout() {
  return QPageLayout(QPageSize(QPageSize::Letter), QPageLayout::Landscape, QMarginsF(18, 18, 18, 18), QPageLayout::Point);
}

void DrawChartPage(QPainter& painter, QSizeF size, CPxDoc& doc) {
  FieldViewState state;
  state.SetupField(doc);
  FieldViewDrawOptions options;
  options.view.showsHandles = false;
  DrawChart(painter, ChartPageMapping(size, state), QRectF(QPointF(0, 0), size), true, doc, state, options);
}

int ChartPageCount(const CPxDoc& doc) { return static_cast<int>(PrintedSteps(doc).size()); }

int DrawChartPages(QPagedPaintDevice& device, CPxDoc& doc, int firstPage, int lastPage) {
  const std::vector<int> steps = PrintedSteps(doc);
  KeepCurrentStep keep(doc);
  QPainter painter;
  int drawn = 0;
  for (size_t i = 0; i < steps.size(); ++i) {
    const int page = static_cast<int>(i) + 1;
    if ((firstPage > 0 && page < firstPage) || (lastPage > 0 && page > lastPage)) continue;
    if (drawn == 0) {
      if (!painter.begin(&device)) return 0;
    } else {
      device.newPage();
    }
    ShowStepForPrinting(doc, steps[i]);
    DrawChartPage(painter, QSizeF(device.width(), device.height()), doc);
    ++drawn;
  }
  if (painter.isActive()) painter.end();
  return drawn;
}

bool WriteStepImage(const QString& path, CPxDoc& doc, int step, QSize size, bool threeD, QString* error) {
  if (size.isEmpty()) return Fail(error, QStringLiteral("The picture size must not be empty."));
  KeepCurrentStep keep(doc);
  FieldViewState state;
  state.m_b3D = threeD;
  ShowStepForPrinting(doc, step);
  doc.ParkPeopleWithoutPlace(state.Parking());

  const QString suffix = QFileInfo(path).suffix().toLower();
  if (suffix == QLatin1String("svg")) {
    QSvgGenerator svg;
    svg.setFileName(path);
    svg.setSize(size);
    svg.setViewBox(QRect(QPoint(0, 0), size));
    svg.setTitle(QStringLiteral("Step %1").arg(step));
    QPainter painter;
    if (!painter.begin(&svg)) return Fail(error, QStringLiteral("Cannot write %1.").arg(path));
    DrawWholeChart(painter, size, doc, state);
    return true;
  }
  if (suffix == QLatin1String("pdf")) {
    QPdfWriter pdf(path);
    pdf.setResolution(96);
    pdf.setPageLayout(QPageLayout(QPageSize(QSizeF(size) * 72.0 / 96.0, QPageSize::Point), QPageLayout::Portrait,
                                  QMarginsF(0, 0, 0, 0)));
    QPainter painter;
    if (!painter.begin(&pdf)) return Fail(error, QStringLiteral("Cannot write %1.").arg(path));
    DrawWholeChart(painter, QSizeF(pdf.width(), pdf.height()), doc, state);
    return true;
  }
  if (suffix != QLatin1String("png")) return Fail(error, QStringLiteral("Unknown picture type: %1 (use .png, .svg or .pdf).").arg(path));
  QImage image(size, QImage::Format_RGB32);
  {
    QPainter painter(&image);
    DrawWholeChart(painter, size, doc, state);
  }
  QImageWriter writer(path, "png");
  if (!writer.write(image)) return Fail(error, QStringLiteral("Cannot write %1: %2").arg(path, writer.errorString()));
  return true;
}

bool WriteChartPdf(const QString& path, CPxDoc& doc, QString* error, const QPageLayout* layout) {
  QPdfWriter pdf(path);
  pdf.setResolution(300);
  pdf.setPageLayout(layout ? *layout : DefaultChartPageLayout());
  pdf.setTitle(QStringLiteral("Pyxaro field charts"));
  pdf.setCreator(QStringLiteral("Pyxaro"));
  if (DrawChartPages(pdf, doc) == 0) return Fail(error, QStringLiteral("Cannot write %1.").arg(path));
  return true;
}

}  // namespace px
