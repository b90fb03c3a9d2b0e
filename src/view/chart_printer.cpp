#include "view/chart_printer.h"

#include <QFileDialog>
#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QPrintPreviewDialog>

#include "qtdraw/chart_output.h"

namespace px {
namespace {

constexpr const char* kCaption = "Print";

}  // namespace

ChartPrinter::ChartPrinter() : m_printer(QPrinter::HighResolution) { m_printer.setPageLayout(DefaultChartPageLayout()); }

void ChartPrinter::Print(CPxDoc& doc, Ui& ui, QWidget* parent) {
  QPrintDialog dialog(&m_printer, parent);
  dialog.setMinMax(1, ChartPageCount(doc));
  dialog.setOption(QAbstractPrintDialog::PrintPageRange);
  if (dialog.exec() != QDialog::Accepted) return;
  const bool range = m_printer.printRange() == QPrinter::PageRange;
  if (DrawChartPages(m_printer, doc, range ? m_printer.fromPage() : 0, range ? m_printer.toPage() : 0) == 0)
    ui.MessageBox("The printer could not be opened.", kCaption);
}

void ChartPrinter::Preview(CPxDoc& doc, QWidget* parent) {
  QPrintPreviewDialog dialog(&m_printer, parent);
  QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested, &dialog,
                   [&doc](QPrinter* printer) { DrawChartPages(*printer, doc); });
  dialog.resize(900, 700);
  dialog.exec();
}

void ChartPrinter::Setup(QWidget* parent) {
  QPageSetupDialog dialog(&m_printer, parent);
  dialog.exec();
}

bool ChartPrinter::ExportPdf(CPxDoc& doc, Ui& ui, QWidget* parent, QString path) {
  if (path.isEmpty())
    path = QFileDialog::getSaveFileName(parent, QObject::tr("Export PDF"), QString(), QObject::tr("PDF Files (*.pdf)"));
  if (path.isEmpty()) return false;
  if (!path.endsWith(QLatin1String(".pdf"), Qt::CaseInsensitive)) path += QLatin1String(".pdf");
  QString error;
  const QPageLayout layout = m_printer.pageLayout();
  if (WriteChartPdf(path, doc, &error, &layout)) return true;
  ui.MessageBox(error.toStdString(), "Export PDF");
  return false;
}

}  // namespace px
