// The viewer on the real platform: painting the page, the scroll bars, and the clipboard.
#include <QApplication>
#include <QClipboard>
#include <QImage>
#include <QKeyEvent>
#include <QScrollBar>

#include <gtest/gtest.h>

#include <cstdlib>

#include "html/document/SectionList.h"
#include "html/viewer/Viewer.h"
#include "platform/qt/QtControls.h"
#include "platform/qt/QtGraphics.h"
#include "platform/qt/QtWindow.h"

namespace {

struct TQtViewer {
  TQtGraphics Graphics;
  TQtWindowing Windowing{Graphics};
  TQtViewerHost Host{Windowing};
  TriruRedu Viewer{Windowing, Host.Window()};

  TQtViewer() {
    Host.resize(300, 200);
    Host.show();
    QCoreApplication::processEvents();
  }
  QWidget& Panel() { return *static_cast<TQtWindow&>(Viewer.Panel()).Widget(); }
  QScrollBar& Vertical() { return *static_cast<TQtScrollBar&>(Viewer.VScrollBar()).Bar(); }
};

std::string Page(int lines) {
  std::string html = "<body bgcolor=\"#00ff00\">";
  for (int i = 0; i < lines; ++i) html += "Line " + std::to_string(i) + "<br>";
  return html;
}

}  // namespace

TEST(QtViewer, TheWidgetPaintsThePage) {
  TQtViewer qt;
  qt.Viewer.OpenHtmlBuffer(Page(3));
  const QImage image = qt.Panel().grab().toImage();
  ASSERT_FALSE(image.isNull());
  // Right of the short lines the page background shows; the lines themselves draw text.
  EXPECT_EQ(image.pixelColor(image.width() - 5, image.height() - 5), QColor(0, 255, 0));
  bool text = false;
  for (int x = 10; x < 60 && !text; ++x)
    for (int y = 5; y < 21 && !text; ++y) text = image.pixelColor(x, y) != QColor(0, 255, 0);
  EXPECT_TRUE(text);
}

TEST(QtViewer, TheBarsAppearAndMove) {
  TQtViewer qt;
  qt.Viewer.OpenHtmlBuffer(Page(3));
  EXPECT_FALSE(qt.Vertical().isVisible());
  qt.Viewer.OpenHtmlBuffer(Page(200));
  EXPECT_TRUE(qt.Vertical().isVisible());
  qt.Viewer.Panel().SetFocus();
  QKeyEvent press(QEvent::KeyPress, Qt::Key_PageDown, Qt::NoModifier);
  QApplication::sendEvent(&qt.Panel(), &press);
  EXPECT_GT(qt.Viewer.VScrollPos(), 0);
  EXPECT_EQ(qt.Vertical().value(), qt.Viewer.VScrollPos());
  // Moving the bar scrolls the page.
  qt.Vertical().triggerAction(QAbstractSlider::SliderToMinimum);
  EXPECT_EQ(qt.Viewer.VScrollPos(), 0);
}

TEST(QtViewer, TheClipboardReceivesTheCopy) {
  TQtViewer qt;
  qt.Viewer.OpenHtmlBuffer("Copied text");
  qt.Viewer.SelectAllText();
  qt.Viewer.CopySelectedText();
  EXPECT_TRUE(QGuiApplication::clipboard()->text().startsWith("Copied text"));
}

int main(int argc, char** argv) {
  setenv("QT_QPA_PLATFORM", "offscreen", 0);
  QApplication application(argc, argv);
  testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
