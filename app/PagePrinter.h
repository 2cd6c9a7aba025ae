#pragma once
// Printing the viewer's document on a QPrinter: a printer chosen in the print dialog or a PDF
// file. The document is laid out for the width between the page's margins at 96 pixels per
// inch, so text prints at its size in points, and cut into pages between its lines and
// pictures. Pages print on white with a light desktop's colours (QtPrintCanvas.h).

#include <QString>

class QPrinter;
class TriruRedu;

struct TPrintResult {
  int Pages = 0;
  QString Error;  // empty when everything was printed
};

TPrintResult PrintViewerDocument(TriruRedu& viewer, QPrinter& printer);

// A printer that writes a PDF file of the default paper size with margins of 15 mm.
void SetUpPdfPrinter(QPrinter& printer, const QString& fileName);
