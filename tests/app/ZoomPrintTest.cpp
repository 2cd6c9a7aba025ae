// View > Zoom and File > Print and Export as PDF in the main window. How pages are cut is
// the viewer's (tests/viewer); the PDF's pages are counted by the end-to-end walk.

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QPrinter>
#include <QTemporaryDir>
#include <QtTest/QTest>
#include <fstream>

#include "FakeShell.h"
#include "app/MainWindow.h"
#include "html/viewer/Viewer.h"
#include "platform/qt/QtGraphics.h"
#include "platform/qt/QtWindowing.h"

namespace {

class ZoomPrint : public testing::Test {
 protected:
  void SetUp() override {
    Window = std::make_unique<TTamblinF>(Windowing, Shell, Folder.path());
    Window->Viewer().SetProgressiveLoading(false);
    Window->ShowMessage = [this](const QString& text, const QString& kind) {
      Messages << kind + ": " + text;
    };
    Window->show();
    Window->activateWindow();
    QApplication::processEvents();
    std::ofstream(Path("page.htm").toStdString()) << "<title>Page</title><p>Some text";
    Window->Viewer().OpenHtmlFile(Path("page.htm").toStdString());
  }
  QString Path(const char* name) const { return QDir(Folder.path()).filePath(name); }
  static bool IsPdf(const QString& fileName) {
    QFile file(fileName);
    return file.open(QIODevice::ReadOnly) && file.read(5) == "%PDF-";
  }

  QTemporaryDir Folder;
  TQtGraphics Graphics;
  TQtWindowing Windowing{Graphics};
  TFakeShell Shell;
  std::unique_ptr<TTamblinF> Window;
  QStringList Messages;
};

}  // namespace

TEST_F(ZoomPrint, ZoomKeysStepThePageAndTheStepLastsAcrossPages) {
  TriruRedu& viewer = Window->Viewer();
  QTest::keyClick(Window.get(), Qt::Key_Plus, Qt::ControlModifier);
  EXPECT_EQ(viewer.Zoom(), 110);
  QTest::keyClick(Window.get(), Qt::Key_Equal, Qt::ControlModifier);
  EXPECT_EQ(viewer.Zoom(), 125);
  for (int i = 0; i < 3; ++i) QTest::keyClick(Window.get(), Qt::Key_Minus, Qt::ControlModifier);
  EXPECT_EQ(viewer.Zoom(), 90);
  viewer.OpenHtmlFile(Path("page.htm").toStdString() + "#again");
  EXPECT_EQ(viewer.Zoom(), 90);
  QTest::keyClick(Window.get(), Qt::Key_0, Qt::ControlModifier);
  EXPECT_EQ(viewer.Zoom(), 100);
  EXPECT_EQ(viewer.DefFontSize(), 12);  // the font dialog's size stays the page's own
  // The steps end at 300 and 50 %.
  for (int i = 0; i < 20; ++i) Window->Action("ZoomIn1")->trigger();
  EXPECT_EQ(viewer.Zoom(), 300);
  for (int i = 0; i < 20; ++i) Window->Action("ZoomOut1")->trigger();
  EXPECT_EQ(viewer.Zoom(), 50);
}

TEST_F(ZoomPrint, PrintAndExportWriteWhereTheDialogsSayAndReportWhatFails) {
  Window->AskPdfFileName = [&] { return Path("page.pdf"); };
  Window->Action("ExportPdf1")->trigger();
  EXPECT_TRUE(IsPdf(Path("page.pdf")));
  // The print dialog chose "Print to file".
  Window->AskPrinter = [&](QPrinter& printer) {
    printer.setOutputFileName(Path("printed.pdf"));
    return true;
  };
  Window->Action("Print1")->trigger();
  EXPECT_TRUE(IsPdf(Path("printed.pdf")));
  EXPECT_TRUE(Messages.isEmpty()) << Messages.join("; ").toStdString();

  // Cancelled dialogs write nothing; a file that cannot be written is reported.
  Window->AskPdfFileName = [] { return QString(); };
  Window->AskPrinter = [](QPrinter&) { return false; };
  QFile::remove(Path("page.pdf"));
  QFile::remove(Path("printed.pdf"));
  Window->Action("ExportPdf1")->trigger();
  Window->Action("Print1")->trigger();
  EXPECT_FALSE(QFile::exists(Path("page.pdf")) || QFile::exists(Path("printed.pdf")));
  Window->AskPdfFileName = [&] { return Path("no/such/folder/page.pdf"); };
  Window->Action("ExportPdf1")->trigger();
  EXPECT_EQ(Messages, QStringList{"error: Can't write file: " + Path("no/such/folder/page.pdf")});
}
