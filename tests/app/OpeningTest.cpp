// Every way of opening a file in the real window: links followed by kind (compressed pages
// among them), folders shown as listings, and the command line's file once the window has
// painted.

#include <QClipboard>
#include <QFileDialog>
#include <QStatusBar>
#include <QTimer>

#include "MainWindowFixture.h"
#include "tests/parser/Compressed.h"

TEST_F(MainWindow, LinksOpenByKind) {
  const std::string notes = Write("notes.txt", "<b>line one</b>\nline two");
  const std::string page = Page("page.htm", "Page", "<a href=notes.txt>NOTES NOTES NOTES</a>");
  Window->FormShow(ParseCommandLine({page}));
  QTest::mouseMove(Panel(), QPoint(20, 12));
  EXPECT_EQ(Window->StatusLine()->currentMessage(), "notes.txt");
  ClickPanel();
  // Text, shown as text, with the file's name in the caption; the status line has dropped
  // the link it followed.
  EXPECT_EQ(Window->Viewer().DocFileName(), notes);
  EXPECT_EQ(Window->Viewer().DocKind(), dkText);
  EXPECT_EQ(Window->windowTitle(), "Tamblin - notes.txt");
  EXPECT_EQ(Window->StatusLine()->currentMessage(), "");
  Window->goBackClick();
  EXPECT_EQ(Window->windowTitle(), "Tamblin - Page");

  // A compressed page is a page; its links are taken in its folder, as for the plain file.
  Write("book/next.htm", "<title>Next</title>");
  Write("book/manual.html.gz", Gzip("<title>Manual</title><a href=next.htm>NEXT NEXT</a>"));
  Window->Viewer().OpenHtmlFile(
      Page("book/index.htm", "Book", "<a href=manual.html.gz>MANUAL</a>"));
  ClickText(U"MANUAL");
  EXPECT_EQ(Window->windowTitle(), "Tamblin - Manual");
  ClickText(U"NEXT");
  EXPECT_EQ(Window->Viewer().DocFileName(), Folder.path().toStdString() + "/book/next.htm");
  EXPECT_TRUE(Messages.isEmpty()) << Messages.join("; ").toStdString();

  // A link to a missing text file says so, and the page stays.
  Window->Viewer().OpenHtmlFile(Page("broken.htm", "Broken", "<a href=gone.txt>GONE GONE</a>"));
  ClickPanel();
  EXPECT_EQ(Messages, QStringList{"error: Can't locate file: " + Folder.path() + "/gone.txt"});
  EXPECT_EQ(Window->windowTitle(), "Tamblin - Broken");
}

TEST_F(MainWindow, FoldersShowAsListingsThatLeadOn) {
  const std::string sub = Folder.path().toStdString() + "/sub";
  const std::string odd = Write("sub/<b>&.html", "<title>Odd</title>");
  Write("sub/inner/x.htm", "x");
  Write("sub/a.txt", "12345");
  // A dropped folder: its entries, folders first, each shown as itself, sizes for files.
  Window->HandleDroppedFile(sub);
  EXPECT_EQ(Window->Viewer().DocFileName(), sub + "/");
  EXPECT_EQ(Window->windowTitle().toStdString(), "Tamblin - Index of " + sub + "/");
  Window->Viewer().SelectAllText();
  Window->Viewer().CopySelectedText();
  const QString text = QGuiApplication::clipboard()->text();
  const qsizetype inner = text.indexOf("inner/"), name = text.indexOf("<b>&.html"),
                  txt = text.indexOf("a.txt");
  EXPECT_TRUE(inner >= 0 && inner < name && name < txt) << text.toStdString();
  EXPECT_TRUE(text.contains("5 bytes")) << text.toStdString();

  // Its links open by kind: the oddly named page, then back and up to the folder above.
  ClickText(U"<b>&.html");
  EXPECT_EQ(Window->Viewer().DocFileName(), odd);
  EXPECT_EQ(Window->windowTitle(), "Tamblin - Odd");
  Window->goBackClick();
  ClickText(U"inner/");
  EXPECT_EQ(Window->Viewer().DocFileName(), sub + "/inner/");
  ClickText(U"Up to the folder above");
  ClickText(U"Up to the folder above");
  EXPECT_EQ(Window->Viewer().DocFileName(), Folder.path().toStdString() + "/");
  // Reload reads the folder afresh.
  Write("new.htm", "");
  Window->goRefreshClick();
  EXPECT_GE(Window->Viewer().Sections().SearchText(0, U"new.htm", true), 0);

  // The command line takes a folder too.
  Window->FormShow(ParseCommandLine({sub}));
  EXPECT_EQ(Window->Viewer().DocFileName(), sub + "/");
  EXPECT_TRUE(Messages.isEmpty()) << Messages.join("; ").toStdString();
}

TEST_F(MainWindow, TheCommandLineFileLoadsOnceTheWindowHasPainted) {
  const std::string page = Page("big.htm", "Big", "<p>text");
  int paints = 0;
  struct TPaintCounter : QObject {
    int& Count;
    explicit TPaintCounter(int& count) : Count(count) {}
    bool eventFilter(QObject*, QEvent* event) override {
      if (event->type() == QEvent::Paint) ++Count;
      return false;
    }
  } counter(paints);
  Window->installEventFilter(&counter);
  int paintsAtLoad = -1;
  bool busyAtLoad = false;
  auto previous = Window->Viewer().OnProcessing;
  Window->Viewer().OnProcessing = [&](TriruRedu* viewer, bool on) {
    if (on && paintsAtLoad < 0) {
      paintsAtLoad = paints;
      busyAtLoad = QGuiApplication::overrideCursor() &&
                   QGuiApplication::overrideCursor()->shape() == Qt::WaitCursor;
    }
    previous(viewer, on);
  };
  bool started = false;
  Window->AfterStart = [&] { started = true; };
  Window->OpenWhenShown(ParseCommandLine({page}));
  EXPECT_EQ(Window->Viewer().DocFileName(), "");
  ASSERT_TRUE(Await([&] { return started; }));
  EXPECT_GT(paintsAtLoad, 0);
  EXPECT_TRUE(busyAtLoad);
  EXPECT_EQ(Window->Viewer().DocFileName(), page);
  EXPECT_EQ(Window->windowTitle(), "Tamblin - Big");
  Window->removeEventFilter(&counter);
}

TEST_F(MainWindow, TheOpenDialogOffersEveryKindAndStartsWhereTheFileWas) {
  // The real dialog, closed by the test once it shows.
  TTamblinF window(Windowing, Shell, Folder.path());
  window.ShowMessage = Window->ShowMessage;
  const std::string page = Page("docs/page.htm", "Page");
  window.FormShow(ParseCommandLine({page}));
  QStringList filters;
  QString folder;
  QTimer::singleShot(0, [&] {
    auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
    ASSERT_NE(dialog, nullptr);
    filters = dialog->nameFilters();
    folder = dialog->directory().absolutePath();
    dialog->reject();
  });
  window.goOpenClick();
  EXPECT_TRUE(filters.value(0).startsWith("All supported files (*.htm *.html *.xhtml"))
      << filters.join("; ").toStdString();
  EXPECT_EQ(filters.value(filters.size() - 1), "All files (*)");
  EXPECT_EQ(folder, Folder.path() + "/docs");
}
