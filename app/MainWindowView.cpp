// The main window's commands that show the page another way: zoom, print, export as PDF.

#include <QFileDialog>
#include <QFileInfo>
#include <QPrintDialog>
#include <QPrinter>

#include "app/MainWindow.h"
#include "app/PagePrinter.h"
#include "app/ZoomSteps.h"
#include "html/viewer/Viewer.h"
#include "platform/Cursor.h"
#include "platform/qt/QtWindowing.h"

namespace {

constexpr int ActualSize = 100;

}  // namespace

void TTamblinF::ZoomClick(int direction) {
  viewer->SetZoom(direction == 0 ? ActualSize : NextZoomStep(viewer->Zoom(), direction));
}

void TTamblinF::Print1Click() {
  QPrinter printer(QPrinter::HighResolution);
  if (AskPrinter(printer)) PrintTo(printer);
}

void TTamblinF::ExportPdf1Click() {
  const QString fileName = AskPdfFileName();
  if (fileName.isEmpty()) return;
  QPrinter printer(QPrinter::HighResolution);
  SetUpPdfPrinter(printer, fileName);
  PrintTo(printer);
}

bool TTamblinF::RunPrintDialog(QPrinter& printer) {
  QPrintDialog dialog(&printer, this);
  dialog.setObjectName(QStringLiteral("PrintDialog1"));
  // The whole document prints: it is cut into pages only once the paper is known.
  dialog.setOption(QAbstractPrintDialog::PrintPageRange, false);
  dialog.setOption(QAbstractPrintDialog::PrintCurrentPage, false);
  dialog.setOption(QAbstractPrintDialog::PrintSelection, false);
  return dialog.exec() == QDialog::Accepted;
}

QString TTamblinF::RunPdfDialog() {
  // The page's own name with ".pdf", beside it.
  const QFileInfo document(QString::fromStdString(viewer->DocFileName()));
  const QString suggested =
      viewer->DocFileName().empty()
          ? FDialogFolder
          : document.dir().filePath(document.completeBaseName() + QStringLiteral(".pdf"));
  QFileDialog dialog(this, QStringLiteral("Export as PDF"), suggested,
                     QStringLiteral("PDF Files (*.pdf)"));
  dialog.setObjectName(QStringLiteral("ExportDialog1"));
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  dialog.setDefaultSuffix(QStringLiteral("pdf"));
  dialog.setOption(QFileDialog::DontUseNativeDialog);
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return QString();
  return dialog.selectedFiles().first();
}

void TTamblinF::PrintTo(QPrinter& printer) {
  TBusyCursor busy(FWindowing);
  const TPrintResult result = PrintViewerDocument(*viewer, printer);
  if (!result.Error.isEmpty()) ShowError(result.Error);
}
