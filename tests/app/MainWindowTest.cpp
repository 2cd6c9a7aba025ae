// The main window's handlers, run offscreen with a fake shell and dialog answers given by
// the test.

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QListWidget>
#include <QStatusBar>
#include <QTemporaryDir>
#include <filesystem>
#include <fstream>

#include "MainWindowFixture.h"
#include "app/ImageForm.h"
#include "html/viewer/Viewer.h"


TEST_F(MainWindow, CommandLineForms) {
  // Without an index.htm beside the program the window starts empty.
  Window->FormShow(ParseCommandLine({}));
  EXPECT_EQ(Window->windowTitle(), "Tamblin");
  EXPECT_TRUE(Messages.isEmpty());

  Page("index.htm", "Start");
  Window->FormShow(ParseCommandLine({}));
  EXPECT_EQ(Window->windowTitle(), "Tamblin - Start");
  EXPECT_TRUE(Enabled("goMark") && Enabled("goRefresh"));
  // The dialogs do not start among the program's own pages.
  EXPECT_EQ(Window->DialogFolder(), QDir::homePath());

  // /d sets the dialog's folder and opens nothing; /DO asks at once and opens the choice by
  // its kind.
  Window->FormShow(ParseCommandLine({"/d", "/srv/pages"}));
  EXPECT_EQ(Window->DialogFolder(), "/srv/pages");
  EXPECT_EQ(Window->Viewer().DocTitle(), U"Start");
  OpenAnswer = QString::fromStdString(Page("chosen.txt", "Chosen"));
  Window->FormShow(ParseCommandLine({"/DO", "/srv/other"}));
  EXPECT_EQ(Window->Viewer().DocKind(), dkText);
  EXPECT_EQ(Window->windowTitle(), "Tamblin - chosen.txt");
  EXPECT_EQ(Window->DialogFolder(), Folder.path());

  // An absolute path, a file URL with an anchor, a missing file. Reload and Mark work for a
  // file named on the command line.
  const std::string other = Page("other page.htm", "Other", "<a name=end>end</a>");
  Window->FormShow(ParseCommandLine({other}));
  EXPECT_EQ(Window->Viewer().DocFileName(), other);
  EXPECT_EQ(Window->windowTitle(), "Tamblin - Other");
  EXPECT_TRUE(Enabled("goMark") && Enabled("goRefresh"));
  Window->FormShow(ParseCommandLine(
      {"file://" + QDir(Folder.path()).filePath("other%20page.htm#end").toStdString()}));
  EXPECT_EQ(Window->Viewer().DocFileName(), other);
  // As a file manager passes names: escapes and Latin-1 bytes are the name itself.
  const std::string escaped = Page("a%20b.htm", "Escaped");
  Window->FormShow(ParseCommandLine({escaped}));
  EXPECT_EQ(Window->Viewer().DocFileName(), escaped);
  const std::string latin1 = Folder.path().toStdString() + "/caf\xE9.htm";
  std::ofstream(latin1) << "<title>Latin</title>";
  Window->FormShow(ParseCommandLine({latin1}));
  EXPECT_EQ(Window->Viewer().DocFileName(), latin1);
  Window->FormShow(ParseCommandLine({"/no/such/page.htm"}));
  ASSERT_EQ(Messages.size(), 1);
  EXPECT_TRUE(Messages[0].startsWith("error: Can't locate file: /no/such/page.htm"));
}

TEST_F(MainWindow, OpenByKindMarkHomeAndCaption) {
  EXPECT_FALSE(Enabled("goMark") || Enabled("goHome") || Enabled("goRefresh"));
  const std::string first = Page("first.htm", "First", "<a href=second.htm>next</a>");
  const std::string second = Page("second.htm", "Second");
  OpenAnswer = QString::fromStdString(first);
  Window->goOpenClick();
  EXPECT_EQ(Window->Viewer().DocFileName(), first);
  EXPECT_EQ(Window->windowTitle(), "Tamblin - First");
  EXPECT_TRUE(Enabled("goMark") && Enabled("goRefresh"));

  Window->gomarkClick();
  EXPECT_TRUE(Enabled("goHome"));
  EXPECT_EQ(Window->HomeFile(), first);

  // The caption follows every way of opening; home comes back to the mark.
  Window->Viewer().OpenHtmlFile(second);
  EXPECT_EQ(Window->windowTitle(), "Tamblin - Second");
  Window->goHomeClick();
  EXPECT_EQ(Window->Viewer().DocFileName(), first);
  EXPECT_EQ(Window->windowTitle(), "Tamblin - First");

  const std::string notes = Write("notes.TXT", "<b>plain</b>\nsecond line");
  Window->OpenChosenFile(QString::fromStdString(notes));
  EXPECT_EQ(Window->Viewer().DocKind(), dkText);
  EXPECT_EQ(Window->windowTitle(), "Tamblin - notes.TXT");
  // A marked text file comes home as text.
  Window->gomarkClick();
  Window->HandleDroppedFile(second);
  EXPECT_EQ(Window->windowTitle(), "Tamblin - Second");
  Window->goHomeClick();
  EXPECT_EQ(Window->Viewer().DocFileName(), notes);
  EXPECT_EQ(Window->Viewer().DocKind(), dkText);

  // A kind Tamblin does not show goes to the desktop; the page stays, and so do the buttons.
  const std::string pdf = Write("data.pdf", "x");
  Window->OpenChosenFile(QString::fromStdString(pdf));
  EXPECT_EQ(Shell.Calls, std::vector<std::string>{"desktop " + pdf});
  EXPECT_EQ(Window->Viewer().DocFileName(), notes);
  EXPECT_TRUE(Enabled("goMark") && Enabled("goRefresh"));
  Window->OpenChosenFile(QStringLiteral("/no/such.htm"));
  EXPECT_EQ(Messages, QStringList{"error: Can't locate file: /no/such.htm"});
  EXPECT_EQ(Window->Viewer().DocFileName(), notes);
}

TEST_F(MainWindow, HistoryListAndButtons) {
  const std::string a = Page("a.htm", "Page A");
  const std::string b = Page("b.htm", "Page B");
  const std::string c = Page("c.htm", "Page C");
  for (const std::string& page : {a, b, c}) Window->Viewer().OpenHtmlFile(page);
  QListWidget* list = Window->HistoryList();
  ASSERT_EQ(list->count(), 3);
  EXPECT_EQ(list->item(0)->text(), "Page C");
  EXPECT_TRUE(Enabled("goback"));
  EXPECT_FALSE(Enabled("gofwd"));

  Window->goBackClick();
  Window->goBackClick();
  EXPECT_EQ(Window->Viewer().DocFileName(), a);
  EXPECT_FALSE(Enabled("goback"));
  EXPECT_TRUE(Enabled("gofwd"));
  Window->goFwdClick();
  EXPECT_EQ(Window->Viewer().DocFileName(), b);

  // Choosing an item opens it as a new entry at the front.
  Window->cboHistoryClick(0);
  EXPECT_EQ(Window->Viewer().DocFileName(), c);
  EXPECT_EQ(Window->Viewer().HistoryIndex(), 0);
  EXPECT_EQ(list->count(), 3);
  EXPECT_EQ(list->item(0)->text(), "Page C");

  // An entry opens as the kind it was shown as: a picture is no page of "\x89PNG" text.
  QImage picture(4, 4, QImage::Format_RGB32);
  picture.fill(Qt::red);
  const std::string png = QDir(Folder.path()).filePath("red.png").toStdString();
  ASSERT_TRUE(picture.save(QString::fromStdString(png)));
  Window->Viewer().OpenImageFile(png);
  Window->Viewer().OpenHtmlFile(a);
  ASSERT_EQ(list->item(1)->text(), "red.png");
  Window->cboHistoryClick(1);
  EXPECT_EQ(Window->Viewer().DocFileName(), png);
  EXPECT_EQ(Window->Viewer().DocKind(), dkImage);

  // View > History shows and hides the list.
  EXPECT_FALSE(list->isVisible());
  Window->Action("History1")->trigger();
  EXPECT_TRUE(list->isVisible());
  EXPECT_TRUE(Window->Action("History1")->isChecked());
  Window->Action("History1")->trigger();
  EXPECT_FALSE(list->isVisible());
}

TEST_F(MainWindow, LinksGoWhereTheirKindBelongs) {
  Window->Viewer().OpenHtmlFile(Page("page.htm", "Page"));
  const std::string folder = Folder.path().toStdString() + "/";
  Write("tune.wav", "RIFF");
  Write("clip.avi", "AVI");
  Write("prog.exe", "MZ");
  Write("tool", "#!/bin/sh\n", true);

  EXPECT_EQ(Click(U"mailto:someone"), std::vector<std::string>{"url mailto:someone"});
  EXPECT_EQ(Click(U"https://example.org/"), std::vector<std::string>{"url https://example.org/"});
  EXPECT_EQ(Click(U"HTTP://x"), std::vector<std::string>{"viewer"});
  EXPECT_EQ(Click(U"news:group"), std::vector<std::string>{"viewer"});
  EXPECT_EQ(Click(U"tune.wav"), std::vector<std::string>{"sound " + folder + "tune.wav"});
  EXPECT_EQ(Window->Viewer().DocTitle(), U"Page");  // the page stays
  EXPECT_EQ(Click(U"clip.avi"), std::vector<std::string>{"desktop " + folder + "clip.avi"});
  EXPECT_EQ(Click(U"page.htm#x"), std::vector<std::string>{"viewer"});

  // Programs: asked first with the exact command; Cancel runs nothing.
  Shell.Confirm = false;
  EXPECT_EQ(Click(U"prog.exe?x=1"), std::vector<std::string>{"confirm " + folder + "prog.exe x=1"});
  Shell.Confirm = true;
  EXPECT_EQ(Click(U"prog.exe?x=1"), (std::vector<std::string>{"confirm " + folder + "prog.exe x=1",
                                                              "run " + folder + "prog.exe|x=1"}));
  EXPECT_EQ(Click(U"tool -v"), (std::vector<std::string>{"confirm " + folder + "tool -v",
                                                         "run " + folder + "tool|-v"}));
  // A program or sound that is not there is reported, never started.
  EXPECT_EQ(Click(U"gone.exe"), std::vector<std::string>{});
  ASSERT_EQ(Messages.size(), 1);
  EXPECT_TRUE(Messages[0].contains("gone.exe"));

  // Other kinds go to the desktop's handler, drawings too where the platform does not draw
  // them; one that is not there is reported.
  Write("manual.pdf", "%PDF");
  Write("drawing.svg", "<svg/>");
  EXPECT_EQ(Click(U"manual.pdf"), std::vector<std::string>{"desktop " + folder + "manual.pdf"});
  EXPECT_EQ(Click(U"drawing.svg"), std::vector<std::string>{"desktop " + folder + "drawing.svg"});
  EXPECT_EQ(Click(U"gone.pdf"), std::vector<std::string>{});
  EXPECT_EQ(Messages.back(), "error: Can't locate file: " + QString::fromStdString(folder) +
                                 "gone.pdf");

  Window->viewerHotSpotCovered(U"tune.wav");
  EXPECT_EQ(Window->StatusLine()->currentMessage(), "tune.wav");
}

TEST_F(MainWindow, IncludesFormResultsAndObjectClicks) {
  Write("part.htm", "<b>spliced part</b>");
  const std::string page = Page("inc.htm", "Inc",
                                "<p><!--#include FILE=\"part.htm\"--> on <!--#date--> "
                                "<!--#include FILE=\"missing.htm\"-->end");
  // Include names are taken in the folder of the page being opened, also the first one.
  Window->FormShow(ParseCommandLine({page}));
  Window->Viewer().SelectAllText();
  Window->Viewer().CopySelectedText();
  const QString text = QGuiApplication::clipboard()->text();
  EXPECT_TRUE(text.contains("spliced part on ")) << text.toStdString();
  EXPECT_TRUE(text.contains(QString::number(QDate::currentDate().year()))) << text.toStdString();
  EXPECT_TRUE(text.trimmed().endsWith("end")) << text.toStdString();

  Window->viewerFormSubmit({U"a=1", U"b=2"});
  Window->viewerFormSubmit({U"c=3"});
  SaveAnswer = QDir(Folder.path()).filePath("results.txt");
  Window->SaveFormResults1Click();
  EXPECT_EQ(ReadWholeFile(SaveAnswer.toStdString()), "a=1\nb=2\nc=3\n");
  Window->SaveFormResults1Click();
  EXPECT_EQ(ReadWholeFile(SaveAnswer.toStdString()), "");
  SaveAnswer.clear();  // cancelled: nothing written, nothing lost
  Window->viewerFormSubmit({U"d=4"});
  Window->SaveFormResults1Click();
  EXPECT_EQ(Window->FormResults().Lines().size(), 1u);

  Window->viewerObjectClick({coCheckBox, U"Cheese", false, U"display"});
  Window->viewerObjectClick({coNotAControl, U"", false, U"Hello"});
  EXPECT_EQ(Messages, (QStringList{"plain: Cheese is unchecked", "plain: Hello"}));
}

TEST_F(MainWindow, ImageMenuAndImageWindow) {
  const std::string page = Page("page.htm", "Page");
  Page("next.htm", "Next");
  Window->Viewer().OpenHtmlFile(page);

  Window->PrepareImageMenu(QImage(), U"");
  EXPECT_FALSE(Enabled("Viewimage") || Enabled("CopyImageToClipboard") ||
               Enabled("OpenInNewWindow"));

  QImage picture(300, 200, QImage::Format_RGB32);
  picture.fill(QColor(10, 120, 200));
  Window->PrepareImageMenu(picture, U"next.htm#top");
  EXPECT_TRUE(Enabled("Viewimage") && Enabled("CopyImageToClipboard") &&
              Enabled("OpenInNewWindow"));
  Window->Action("OpenInNewWindow")->trigger();
  // The new window is given a file URL, which carries any name unchanged.
  EXPECT_EQ(Shell.Calls, std::vector<std::string>{"instance file://" +
                                                  Folder.path().toStdString() + "/next.htm#top"});
  Window->PrepareImageMenu(picture, U"missing.htm");
  EXPECT_FALSE(Enabled("OpenInNewWindow"));

  Window->Action("CopyImageToClipboard")->trigger();
  EXPECT_EQ(QGuiApplication::clipboard()->image().size(), QSize(300, 200));

  Window->Action("Viewimage")->trigger();
  auto* form = dynamic_cast<TImageForm*>(Window->findChild<QWidget*>("ImageForm"));
  ASSERT_NE(form, nullptr);
  EXPECT_TRUE(form->isWindow());
  // Above the main window, which owns it, not above every window of the desktop.
  EXPECT_EQ(form->parentWidget(), Window.get());
  EXPECT_FALSE(form->windowFlags() & Qt::WindowStaysOnTopHint);
  EXPECT_EQ(form->size(), QSize(300, 200));
  EXPECT_EQ(form->windowTitle(), "");
  EXPECT_EQ(form->ImageBitmap().pixelColor(150, 100), QColor(10, 120, 200));
}

TEST_F(MainWindow, AboutAndHelp) {
  Window->About1Click();
  ASSERT_EQ(Messages.size(), 1);
  EXPECT_TRUE(Messages[0].contains("Tamblin"));
  // Help is a page beside the program, shown in the window itself.
  Page("help.htm", "Tamblin Help");
  Window->Action("Contents1")->trigger();
  EXPECT_EQ(Window->Viewer().DocTitle(), U"Tamblin Help");
  EXPECT_EQ(Window->Action("Contents1")->shortcut(), QKeySequence(Qt::Key_F1));
}

int main(int argc, char** argv) {
  setenv("QT_QPA_PLATFORM", "offscreen", 0);
  QApplication application(argc, argv);
  testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
