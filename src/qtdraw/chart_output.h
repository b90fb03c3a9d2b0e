#pragma once
// Field charts on paper and in files, drawn with the same code as the screen: the printed
// pages (one step per page, chosen by the show's print range) and single steps as images.
#include <QPagedPaintDevice>
#include <QPainter>
#include <QSize>
#include <QString>

#include "core/doc/pxdoc.h"

namespace px {

// Draws the printed pages on a paged device (a printer or a PDF writer). `firstPage` and
// `lastPage` choose a 1-based range, 0 for no limit. The show's current step is the same
// afterwards. Returns the number of pages drawn.
int DrawChartPages(QPagedPaintDevice& device, CPxDoc& doc, int firstPage = 0, int lastPage = 0);

// One printed page of the show's current step, filling `size` device pixels.
void DrawChartPage(QPainter& painter, QSizeF size, CPxDoc& doc);

// The pages printing would make.
int ChartPageCount(const CPxDoc& doc);

// One step as the field view draws it, at `size` pixels: a PNG, SVG or PDF by the file's
// extension. False with a reason in `error` when the file cannot be written.
bool WriteStepImage(const QString& path, CPxDoc& doc, int step, QSize size, bool threeD, QString* error);

// The printed pages as a PDF file (US Letter, landscape, unless a layout is given).
bool WriteChartPdf(const QString& path, CPxDoc& doc, QString* error, const QPageLayout* layout = nullptr);

// The page layout charts are printed on unless the designer chooses another.
QPageLayout DefaultChartPageLayout();

}  // namespace px
