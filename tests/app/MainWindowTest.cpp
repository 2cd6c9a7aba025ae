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

#include "FakeShell.h"
#include "app/ImageForm.h"
#include "app/MainWindow.h"
#include "html/viewer/Viewer.h"
#include "platform/qt/QtGraphics.h"
#include "platform/qt/QtWindowing.h"

namespace {

class MainWindow : public testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(Folder.isValid());
    Window = std::make_unique<TTamblinF>(Windowing, Shell, Folder.path());
    Window->ShowMessage = [this](const QString& text, const QString& kind) {
      Messages << kind + ": " + text;
    };
    Window->AskOpenFileName = [this] { return OpenAnswer; };
    Window->AskSaveFileName = [this] { return SaveAnswer; };
    Window->resize(600, 400);
    Window->show();
  }
  void TearDown() override { Window.reset(); }

  std::string Write(const QString& name, const std::string& text, bool executable = false) {
    const std::string path = QDir(Folder.path()).filePath(name).toStdString();
    std::ofstream(path, std::ios::binary) << text;
    if (executable)
      std::filesystem::permissions(path, std::filesystem::perms::owner_exec,
                                   std::filesystem::perm_options::add);
    return path;
  }
  std::string Page(const QString& name, const std::string& title, const std::string& body = "") {
    return Write(name, "<title>" + title + "</title>" + body);
  }
  bool Enabled(const char* action) const { return Window->Action(action)->isEnabled(); }
  std::vector<std::string> Click(const std::u32string& link) {
    Shell.Calls.clear();
    bool handled = false;
    Window->viewerHotSpotClick(link, handled);
    if (!handled) Shell.Calls.push_back("viewer");
    return Shell.Calls;
  }

  QTemporaryDir Folder;
  TQtGraphics Graphics;
  TQtWindowing Windowing{Graphics};
  TFakeShell Shell;
  std::unique_ptr<TTamblinF> Window;
  QStringList Messages;
  QString OpenAnswer;
  QString SaveAnswer;
};

}  // namespace

TEST_F(MainWindow, CommandLineForms) {
  // Without an index.htm beside the program the window starts empty.
  Window->FormShow(ParseCommandLine({}));
  EXPECT_EQ(Window->windowTitle(), "Tamblin");
  EXPECT_TRUE(Messages.isEmpty());

  const std::string index = Page("index.htm", "Start");
  Window->FormShow(ParseCommandLine({}));
  EXPECT_EQ(Window->windowTitle(), "Tamblin - Start");
  EXPECT_TRUE(Enabled("goMark") && Enabled("goRefresh"));
  EXPECT_EQ(Window->DialogFolder(), Folder.path());

  // /d sets the dialog's folder and opens nothing; /DO asks at once and opens the choice as HTML.
  Window->FormShow(ParseCommandLine({"/d", "/srv/pages"}));
  EXPECT_EQ(Window->DialogFolder(), "/srv/pages");
  EXPECT_EQ(Window->Viewer().DocFileName(), index);
  OpenAnswer = QString::fromStdString(Page("chosen.txt", "Chosen"));
  Window->FormShow(ParseCommandLine({"/DO", "/srv/other"}));
  EXPECT_EQ(Window->Viewer().DocTitle(), U"Chosen");
  EXPECT_EQ(Window->windowTitle(), "Tamblin - Chosen");

  // An absolute path, a file URL with an anchor, a missing file.
  const std::string other = Page("other page.htm", "Other", "<a name=end>end</a>");
  Window->FormShow(ParseCommandLine({other}));
  EXPECT_EQ(Window->Viewer().DocFileName(), other);
  Window->FormShow(ParseCommandLine(
      {"file://" + QDir(Folder.path()).filePath("other%20page.htm#end").toStdString()}));
  EXPECT_EQ(Window->Viewer().DocFileName(), other);
  Window->FormShow(ParseCommandLine({"/no/such/page.htm"}));
  ASSERT_EQ(Messages.size(), 1);
  EXPECT_TRUE(Messages[0].startsWith("error: Can't locate file: /no/such/page.htm"));
}

TEST_F(MainWindow, OpenByExtensionMarkHomeAndCaption) {
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
  EXPECT_EQ(Window->HomeFile().toStdString(), first);

  // Following a link leaves the caption alone; home comes back to the mark.
  bool handled = false;
  Window->viewerHotSpotClick(U"second.htm", handled);
  EXPECT_FALSE(handled);
  Window->Viewer().OpenHtmlFile(second);
  EXPECT_EQ(Window->windowTitle(), "Tamblin - First");
  Window->goHomeClick();
  EXPECT_EQ(Window->Viewer().DocFileName(), first);

  Window->OpenChosenFile(QString::fromStdString(Write("notes.TXT", "<b>plain</b>")));
  EXPECT_EQ(Window->Viewer().DocKind(), dkText);
  // Other extensions open nothing, from the dialog or dropped.
  Window->OpenChosenFile(QString::fromStdString(Write("data.pdf", "x")));
  EXPECT_EQ(Window->Viewer().DocKind(), dkText);
  const QString title = Window->windowTitle();
  Window->HandleDroppedFile(QString::fromStdString(second));
  EXPECT_EQ(Window->Viewer().DocFileName(), second);
  EXPECT_EQ(Window->windowTitle(), title);  // a drop does not set the caption
  Window->OpenChosenFile(QStringLiteral("/no/such.htm"));
  EXPECT_EQ(Messages.size(), 1);
  EXPECT_EQ(Window->Viewer().DocFileName(), second);
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
  EXPECT_EQ(Shell.Calls,
            std::vector<std::string>{"instance " + Folder.path().toStdString() + "/next.htm#top"});
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

TEST_F(MainWindow, FindAndAbout) {
  Window->Viewer().OpenHtmlFile(Page("page.htm", "Page", "<p>Alpha beta ALPHA"));
  Window->FindDialog1Find(QStringLiteral("alpha"), false);
  Window->FindDialog1Find(QStringLiteral("alpha"), false);
  EXPECT_TRUE(Messages.isEmpty());
  Window->FindDialog1Find(QStringLiteral("alpha"), false);
  Window->FindDialog1Find(QStringLiteral("Gamma"), true);
  EXPECT_EQ(Messages, (QStringList{"information: No more alpha found!",
                                   "information: No more Gamma found!"}));
  Messages.clear();
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
