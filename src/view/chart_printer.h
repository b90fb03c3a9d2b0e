#pragma once
// Print, Print Preview, Print Setup and Export PDF of field charts, sharing one printer
// whose setup lasts while the program runs.
#include <QPrinter>
#include <QString>
#include <QWidget>

#include "core/doc/pxdoc.h"
#include "core/ui/ui.h"

namespace px {

class ChartPrinter {
 public:
  ChartPrinter();

  QPrinter& printer() { return m_printer; }

  // "&Print...": the print dialog (pages 1 to the page count), then the chosen pages.
  void Print(CPxDoc& doc, Ui& ui, QWidget* parent);
  // "Print Pre&view".
  void Preview(CPxDoc& doc, QWidget* parent);
  // "P&rint Setup...": paper, orientation and margins.
  void Setup(QWidget* parent);
  // "Export PDF...": the printed pages into a PDF file chosen by the designer; `path` skips
  // the file dialog.
  bool ExportPdf(CPxDoc& doc, Ui& ui, QWidget* parent, QString path = QString());

 private:
  QPrinter m_printer;
};

}  // namespace px
