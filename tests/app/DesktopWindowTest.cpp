// The windows on the desktop: the picture window on a screen smaller than its picture, the
// main window's size, the options remembered between runs, and what ends with the window.

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QListWidget>
#include <QPointer>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QSettings>
#include <QSplitter>
#include <QTemporaryDir>

#include "FakeShell.h"
#include "app/FontForm.h"
#include "app/ImageForm.h"
#include "app/MainWindow.h"
#include "html/viewer/Viewer.h"
#include "platform/qt/QtGraphics.h"
#include "platform/qt/QtWindowing.h"

namespace {

class DesktopWindow : public testing::Test {
 protected:
  std::unique_ptr<TTamblinF> NewWindow() {
    return std::make_unique<TTamblinF>(Windowing, Shell, Folder.path());
  }
  QRect Available() const { return QGuiApplication::primaryScreen()->availableGeometry(); }

  QTemporaryDir Folder;
  TQtGraphics Graphics;
  TQtWindowing Windowing{Graphics};
  TFakeShell Shell;
};

void Press(QWidget& widget, int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
  QKeyEvent press(QEvent::KeyPress, key, modifiers);
  QApplication::sendEvent(&widget, &press);
}

}  // namespace

TEST_F(DesktopWindow, APictureLargerThanTheScreenScrollsInAWindowThatFits) {
  auto window = NewWindow();
  window->show();
  QImage picture(3000, 2000, QImage::Format_RGB32);
  picture.fill(Qt::darkCyan);
  window->PrepareImageMenu(picture, U"");
  window->Action("Viewimage")->trigger();
  QPointer<TImageForm> form = window->findChild<TImageForm*>("ImageForm");
  ASSERT_TRUE(form);
  QApplication::processEvents();
  // Within the available area, and resizable.
  EXPECT_TRUE(Available().contains(form->geometry())) << form->geometry().x();
  EXPECT_LT(form->width(), 3000);
  EXPECT_GT(form->width(), Available().width() / 2);
  EXPECT_NE(form->minimumSize(), form->maximumSize());
  // The picture scrolls, both ways.
  auto* scroll = form->findChild<QScrollArea*>();
  ASSERT_NE(scroll, nullptr);
  EXPECT_TRUE(scroll->horizontalScrollBar()->isVisible());
  EXPECT_TRUE(scroll->verticalScrollBar()->isVisible());
  EXPECT_EQ(scroll->verticalScrollBar()->maximum(), 2000 - scroll->viewport()->height());

  // Ctrl+W and Esc close it.
  Press(*form, Qt::Key_W, Qt::ControlModifier);
  QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_FALSE(form);
  window->Action("Viewimage")->trigger();
  form = window->findChild<TImageForm*>("ImageForm");
  ASSERT_TRUE(form);
  Press(*form, Qt::Key_Escape);
  QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_FALSE(form);

  // A picture only too tall is shown at its width, with room for the vertical bar.
  window->PrepareImageMenu(picture.copy(0, 0, 200, 2000), U"");
  window->Action("Viewimage")->trigger();
  form = window->findChild<TImageForm*>("ImageForm");
  ASSERT_TRUE(form);
  const int bar = form->style()->pixelMetric(QStyle::PM_ScrollBarExtent);
  EXPECT_EQ(form->width(), 200 + bar);
  EXPECT_LE(form->height(), Available().height());
}

TEST_F(DesktopWindow, TheMainWindowOpensAtTwoThirdsOfTheScreen) {
  auto window = NewWindow();
  EXPECT_EQ(window->size(), QSize(Available().width() * 2 / 3, Available().height() * 2 / 3));
  EXPECT_TRUE(Available().contains(window->geometry()));
}

TEST_F(DesktopWindow, OptionsAreRememberedBetweenRuns) {
  QSettings settings(Folder.filePath("tamblin.conf"), QSettings::IniFormat);
  {
    auto window = NewWindow();
    window->RememberOptions(settings);
    // Nothing stored yet: the defaults stay.
    EXPECT_EQ(window->Viewer().DefFontSize(), 12);
    EXPECT_EQ(window->Viewer().DefBackground(), clBtnFace);
    window->show();
    window->resize(500, 320);
    window->Action("History1")->trigger();
    window->findChild<QSplitter*>()->setSizes({200, 300});

    TFontForm form(Windowing, window.get());
    form.SetFaceName("Courier New");
    form.SetTextColor(clNavy);
    form.SetTextSize(18);
    form.SetLinkColor(clRed);
    form.SetBackColor(clLime);
    window->ApplyFontForm(form);  // OK: saved at once
    EXPECT_EQ(QSettings(settings.fileName(), QSettings::IniFormat).value("Font/Size").toInt(), 18);
    window->close();
  }
  auto window = NewWindow();
  window->RememberOptions(settings);
  TriruRedu& viewer = window->Viewer();
  EXPECT_EQ(viewer.DefFontName(), "Courier New");
  EXPECT_EQ(viewer.DefFontSize(), 18);
  EXPECT_EQ(viewer.DefFontColor(), clNavy);
  EXPECT_EQ(viewer.DefHotSpotColor(), clRed);
  EXPECT_EQ(viewer.DefBackground(), clLime);
  EXPECT_EQ(window->size(), QSize(500, 320));
  window->show();
  EXPECT_TRUE(window->Action("History1")->isChecked());
  EXPECT_TRUE(window->HistoryList()->isVisible());
  EXPECT_EQ(window->findChild<QSplitter*>()->sizes().value(0), 200);

  // A value that does not read as its option's type is left out.
  settings.setValue("Font/Size", "large");
  settings.setValue("Colors/Text", "dark");
  auto third = NewWindow();
  third->RememberOptions(settings);
  EXPECT_EQ(third->Viewer().DefFontSize(), 12);
  EXPECT_EQ(third->Viewer().DefFontColor(), clBtnText);
  EXPECT_EQ(third->Viewer().DefBackground(), clLime);
}

TEST_F(DesktopWindow, SoundsEndWhenTheWindowCloses) {
  auto window = NewWindow();
  window->show();
  window->close();
  EXPECT_EQ(Shell.Calls, std::vector<std::string>{"end sounds"});
}
