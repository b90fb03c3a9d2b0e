// Field charts on paper and in files: printed pages by print range, the current step kept,
// Print Preview and Export PDF, and pyxaro-cli render and print.
#include <gtest/gtest.h>

#include <QBuffer>
#include <QFile>
#include <QImage>
#include <QPdfWriter>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QRegularExpression>
#include <QTemporaryDir>

#include "core/doc/show_file.h"
#include "core/support/files.h"
#include "qt/qt_support.h"
#include "qtdraw/chart_output.h"
#include "view/chart_printer.h"

namespace px {
namespace {

const QString kDemo = QStringLiteral(PYXARO_SOURCE_DIR "/examples/demo.sho");

using CliRun = test::CliOutput;

CliRun RunCli(const QStringList& args) { return test::RunPyxaroCli(args.join(QLatin1Char(' ')).toStdString()); }

int PdfPages(const QByteArray& pdf) {
  static const QRegularExpression page(QStringLiteral("/Type\\s*/Page[^s]"));
  return static_cast<int>(QString::fromLatin1(pdf).count(page));
}

QByteArray ReadAll(const QString& path) {
  const std::vector<char> bytes = test::ReadAll(path.toStdString());
  return {bytes.data(), static_cast<qsizetype>(bytes.size())};
}

std::unique_ptr<CPxDoc> Demo() {
  auto doc = std::make_unique<CPxDoc>();
  EXPECT_TRUE(ReadShowFile(kDemo.toStdString(), *doc).ok);
  return doc;
}

int PagesOf(CPxDoc& doc) {
  QBuffer buffer;
  buffer.open(QIODevice::WriteOnly);
  QPdfWriter pdf(&buffer);
  pdf.setPageLayout(DefaultChartPageLayout());
  const int drawn = DrawChartPages(pdf, doc);
  EXPECT_EQ(PdfPages(buffer.data()), drawn);
  return drawn;
}

TEST(ChartPages, PrintRangeChoosesThePagesAndTheShowKeepsItsStep) {
  auto doc = Demo();
  doc->SetCurrentStep(5);
  // The demo's formations stand at steps 0, 8, 16 and 32: four pictures.
  ASSERT_EQ(doc->m_nPrintRange, 2);
  EXPECT_EQ(PagesOf(*doc), 4);
  EXPECT_EQ(doc->m_nCurrentStep, 5);
  doc->m_nPrintRange = 0;  // "Current Step"
  EXPECT_EQ(PagesOf(*doc), 1);
  doc->m_nPrintRange = 1;  // "Steps": one page for each of steps 0 .. last
  EXPECT_EQ(PagesOf(*doc), doc->m_nLastStep + 1);
  EXPECT_EQ(doc->m_nCurrentStep, 5);
}

TEST(ChartPages, PageRangeLimitsThePrintedPages) {
  auto doc = Demo();
  QBuffer buffer;
  buffer.open(QIODevice::WriteOnly);
  QPdfWriter pdf(&buffer);
  EXPECT_EQ(DrawChartPages(pdf, *doc, 2, 3), 2);
  EXPECT_EQ(PdfPages(buffer.data()), 2);
}

class PrinterCommands : public test::AppFixture {};

TEST_F(PrinterCommands, PreviewShowsEveryPageAndExportWritesThem) {
  FieldView* view = window->OpenShow(kDemo);
  ASSERT_NE(view, nullptr);
  int previewPages = 0;
  test::WithModal<QPrintPreviewDialog>([&] { Run("Print Pre&view"); },
                                       [&](QPrintPreviewDialog& d) {
                                         previewPages = d.findChild<QPrintPreviewWidget*>()->pageCount();
                                         d.reject();
                                       });
  EXPECT_EQ(previewPages, 4);

  const QString pdf = Path(QStringLiteral("charts"));
  ASSERT_TRUE(window->chartPrinter().ExportPdf(view->doc(), ui, window.get(), pdf));
  EXPECT_EQ(PdfPages(ReadAll(pdf + QStringLiteral(".pdf"))), 4);
}

TEST_F(PrinterCommands, PrintSendsTheChosenPagesToThePrinter) {
  FieldView* view = window->OpenShow(kDemo);
  ASSERT_NE(view, nullptr);
  // No printer exists here: the printer writes a PDF file instead.
  const QString pdf = Path(QStringLiteral("printed.pdf"));
  window->chartPrinter().printer().setOutputFileName(pdf);
  test::WithModal<QPrintDialog>([&] { Run("&Print..."); },
                                [&](QPrintDialog& d) {
                                  EXPECT_EQ(d.maxPage(), 4);
                                  d.accept();
                                });
  EXPECT_EQ(PdfPages(ReadAll(pdf)), 4);
}

TEST_F(PrinterCommands, ExportThatCannotWriteSaysSo) {
  FieldView* view = window->NewShow();
  EXPECT_FALSE(window->chartPrinter().ExportPdf(view->doc(), ui, window.get(), Path(QStringLiteral("no/such/dir/x.pdf"))));
  ASSERT_EQ(ui.m_messages.size(), 1u);
  EXPECT_EQ(ui.m_messages[0].caption, "Export PDF");
}

TEST(CliCharts, RenderDrawsTheStepAsTheViewDoes) {
  QTemporaryDir dir;
  const QString png = dir.filePath(QStringLiteral("step.png"));
  // 1728 x 1400: 1728 / 8640 = 0.2 is below 1400 / 6300, so one pixel is five field units.
  const CliRun run = RunCli({"render", kDemo, "--step", "16", "-o", png, "--width", "1728", "--height", "1400"});
  ASSERT_EQ(run.status, 0) << run.err;
  const QImage image(png);
  ASSERT_EQ(image.size(), QSize(1728, 1400));
  EXPECT_EQ(image.pixel(141, 400), qRgb(192, 192, 192));  // the field's left edge 720 is pixel 144
  EXPECT_EQ(image.pixel(147, 400), qRgb(255, 255, 255));

  const QString svg = dir.filePath(QStringLiteral("step.svg"));
  ASSERT_EQ(RunCli({"render", kDemo, "--step", "0", "-o", svg}).status, 0);
  const QByteArray svgText = ReadAll(svg);
  EXPECT_TRUE(svgText.startsWith("<?xml") && svgText.contains("<svg"));
  EXPECT_TRUE(svgText.contains("Step 0"));

  const QString pdf = dir.filePath(QStringLiteral("step.pdf"));
  ASSERT_EQ(RunCli({"render", kDemo, "--step", "8", "--3d", "-o", pdf}).status, 0);
  EXPECT_EQ(PdfPages(ReadAll(pdf)), 1);
}

TEST(CliCharts, PrintWritesThePagesPrintingWouldMakeAndMistakesEndWithAStatus) {
  QTemporaryDir dir;
  const QString pdf = dir.filePath(QStringLiteral("charts.pdf"));
  const CliRun run = RunCli({"print", kDemo, "-o", pdf});
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.out, QStringLiteral("4 pages written to %1\n").arg(pdf).toStdString());
  EXPECT_EQ(PdfPages(ReadAll(pdf)), 4);

  const QString out = dir.filePath(QStringLiteral("x.png"));
  EXPECT_EQ(RunCli({"render", kDemo, "-o", out}).status, 2);  // no --step
  EXPECT_EQ(RunCli({"render", kDemo, "--step", "-3", "-o", out}).status, 2);
  const CliRun unknown = RunCli({"render", kDemo, "--step", "1", "-o", dir.filePath(QStringLiteral("x.gif"))});
  EXPECT_EQ(unknown.status, 1);
  EXPECT_NE(unknown.err.find("use .png, .svg or .pdf"), std::string::npos);
  EXPECT_FALSE(QFile::exists(out));

  const QString damaged = dir.filePath(QStringLiteral("damaged.sho"));
  QFile file(damaged);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.write(QByteArray("\x01\x00\x0c\x00", 4));
  file.close();
  const CliRun bad = RunCli({"print", damaged, "-o", dir.filePath(QStringLiteral("d.pdf"))});
  EXPECT_EQ(bad.status, 1);
  EXPECT_EQ(bad.err, damaged.toStdString() + ": Unexpected file format.\n");
}

}  // namespace
}  // namespace px
