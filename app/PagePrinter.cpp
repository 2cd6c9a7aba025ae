#include "app/PagePrinter.h"

#include <QPageLayout>
#include <QPainter>
#include <QPrinter>

#include "html/viewer/Viewer.h"
#include "platform/qt/QtPrintCanvas.h"

namespace {

// The engine's pixels per inch: fonts are sized for it.
constexpr double EnginePixelsPerInch = 96.0;

QString CannotWrite(const QPrinter& printer) {
  if (printer.outputFileName().isEmpty())
    return QStringLiteral("Can't print: the printer %1 is not available.")
        .arg(printer.printerName());
  return QStringLiteral("Can't write file: ") + printer.outputFileName();
}

}  // namespace

TPrintResult PrintViewerDocument(TriruRedu& viewer, QPrinter& printer) {
  TPrintResult result;
  QPainter painter;
  if (!painter.begin(&printer)) {
    result.Error = CannotWrite(printer);
    return result;
  }
  const double scale = printer.resolution() / EnginePixelsPerInch;
  const QRect page = printer.pageLayout().paintRectPixels(printer.resolution());
  const int width = int(page.width() / scale);
  const int height = int(page.height() / scale);
  painter.scale(scale, scale);
  TQtPaperGraphics paper;
  TQtPrintCanvas canvas(paper, width, height, painter);
  // The printer refused a page: what follows cannot print either.
  struct TNoNewPage {};
  try {
    result.Pages = viewer.PrintDocument(width, height, [&](int index, int) -> TCanvas& {
      if (index > 0 && !printer.newPage()) throw TNoNewPage();
      return canvas;
    });
  } catch (const TNoNewPage&) {
    painter.end();
    result.Error = CannotWrite(printer);
    return result;
  }
  if (!painter.end()) result.Error = CannotWrite(printer);
  return result;
}

void SetUpPdfPrinter(QPrinter& printer, const QString& fileName) {
  printer.setOutputFormat(QPrinter::PdfFormat);
  printer.setOutputFileName(fileName);
  printer.setPageMargins(QMarginsF(15, 15, 15, 15), QPageLayout::Millimeter);
}
