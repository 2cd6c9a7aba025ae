#pragma once
// A main window run offscreen with a fake shell and dialog answers given by the test, in a
// temporary folder that also stands for the program's folder.

#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QTemporaryDir>
#include <QTest>
#include <filesystem>
#include <fstream>
#include <memory>

#include "FakeShell.h"
#include "app/MainWindow.h"
#include "html/document/SectionList.h"
#include "html/support/Utf8.h"
#include "html/viewer/Viewer.h"
#include "platform/Graphics.h"
#include "platform/qt/QtGraphics.h"
#include "platform/qt/QtWindow.h"
#include "platform/qt/QtWindowing.h"

class MainWindow : public testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(Folder.isValid());
    Window = std::make_unique<TTamblinF>(Windowing, Shell, Folder.path());
    Window->ShowMessage = [this](const QString& text, const QString& kind) {
      Messages << kind + ": " + text;
    };
    Window->AskYesNo = [this](const QString& question) {
      Messages << "question: " + question;
      return YesAnswer;
    };
    Window->AskOpenFileName = [this] { return OpenAnswer; };
    Window->AskSaveFileName = [this] { return SaveAnswer; };
    Window->SetDrawsSvg(false);
    // Loads finish inside the calls that start them, so each check sees the whole page.
    Window->Viewer().SetProgressiveLoading(false);
    Window->resize(600, 400);
    Window->show();
  }
  void TearDown() override { Window.reset(); }

  std::string Write(const QString& name, const std::string& text, bool executable = false) {
    const std::string path = QDir(Folder.path()).filePath(name).toStdString();
    std::filesystem::create_directories(std::filesystem::path(path).parent_path());
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

  // The viewer's drawing panel, painted once so that hit tests know where its lines are.
  QWidget* Panel() {
    QWidget* panel = dynamic_cast<TQtWindow&>(Window->Viewer().Panel()).Widget();
    panel->repaint();
    return panel;
  }
  // A real click on the panel, at a point of the page's first line (the margins are 10 and 5
  // pixels).
  void ClickPanel(QPoint at = QPoint(20, 12)) {
    QWidget* panel = Panel();
    QTest::mouseMove(panel, at);
    QTest::mouseClick(panel, Qt::LeftButton, Qt::NoModifier, at);
  }
  // A real click on the first place the page shows text (found as the find dialog finds it).
  void ClickText(std::u32string_view text) {
    TriruRedu& viewer = Window->Viewer();
    viewer.SetCaretPos(0);
    ASSERT_TRUE(viewer.FindNextText(text, true)) << EncodeUtf8(text);
    TBitmap bitmap(1, 1);
    const std::unique_ptr<TCanvas> canvas = Windowing.Graphics().CanvasFor(bitmap);
    int x = 0, y = 0;
    ASSERT_TRUE(viewer.Sections().PositionToPoint(*canvas, viewer.Sections().SelectionStart, x, y));
    // Lines are placed from the left margin; their tops include the top margin.
    ClickPanel(
        QPoint(x + viewer.MarginWidth() + 4 - viewer.HScrollPos(), y + 6 - viewer.VScrollPos()));
  }
  // Runs the event loop until done says so, for at most five seconds.
  template <typename TDone>
  static bool Await(TDone done) {
    for (int i = 0; i < 500 && !done(); ++i) QTest::qWait(10);
    return done();
  }

  QTemporaryDir Folder;
  TQtGraphics Graphics;
  TQtWindowing Windowing{Graphics};
  TFakeShell Shell;
  std::unique_ptr<TTamblinF> Window;
  QStringList Messages;
  QString OpenAnswer;
  QString SaveAnswer;
  bool YesAnswer = true;
};
