// The Qt window layer: the host and its children, painting, input, scroll bars, posted calls,
// timers, clipboard, message boxes and exceptions from handlers.

#include "WindowRecorder.h"

#include "platform/qt/QtControls.h"
#include "platform/qt/QtGraphics.h"
#include "platform/qt/QtWindow.h"

#include <QApplication>
#include <QClipboard>
#include <QEventLoop>
#include <QKeyEvent>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>

#include <gtest/gtest.h>

#include <stdexcept>

using TLog = std::vector<std::string>;

namespace {

struct TQtSetUp {
  TQtGraphics Graphics;
  TQtWindowing Windowing{Graphics};
  TQtViewerHost Host{Windowing};
  TWindowRecorder HostEvents;
  TWindowRecorder PanelEvents;
  std::unique_ptr<TWindow> Panel = Windowing.CreateWindow(Host.Window());
  QWidget& PanelWidget = *static_cast<TQtWindow&>(*Panel).Widget();

  TQtSetUp() {
    Host.Window().SetEvents(&HostEvents);
    Panel->SetEvents(&PanelEvents);
    Host.resize(200, 100);
    Host.show();
    Panel->SetBounds({1, 1, 151, 81});
    HostEvents.Take();
  }
};

void SendMouse(QWidget& widget, QEvent::Type type, QPoint at, Qt::MouseButton button,
               Qt::MouseButtons held, Qt::KeyboardModifiers modifiers) {
  QMouseEvent event(type, at, widget.mapToGlobal(at), button, held, modifiers);
  QApplication::sendEvent(&widget, &event);
}

}  // namespace

TEST(QtWindows, ChildrenAreHiddenWidgetsOfTheHostAndGoInertWithIt) {
  TQtGraphics graphics;
  TQtWindowing windowing(graphics);
  auto* host = new TQtViewerHost(windowing);
  auto panel = windowing.CreateWindow(host->Window());
  auto bar = windowing.CreateScrollBar(host->Window(), sbVertical);
  QWidget* panelWidget = static_cast<TQtWindow&>(*panel).Widget();
  QScrollBar* barWidget = static_cast<TQtScrollBar&>(*bar).Bar();
  host->show();
  EXPECT_EQ(panelWidget->parentWidget(), host);
  EXPECT_EQ(barWidget->parentWidget(), host);
  EXPECT_FALSE(panel->Visible());
  EXPECT_FALSE(bar->Visible());
  EXPECT_GT(bar->Thickness(), 0);

  panel->SetBounds({1, 1, 151, 81});
  EXPECT_EQ(panelWidget->geometry(), QRect(1, 1, 150, 80));

  delete host;  // Qt deletes the children's widgets with it
  EXPECT_EQ(static_cast<TQtWindow&>(*panel).Widget(), nullptr);
  panel->Invalidate();
  panel->Post([] { FAIL() << "a call to a window that is gone ran"; });
  bar->SetParams(1, 2, 0, 10);
  EXPECT_EQ(panel->Bounds(), TRect{});
  QCoreApplication::processEvents();
}

TEST(QtWindows, PaintsGoThroughTheSinkOntoTheWidget) {
  TQtSetUp s;
  s.Panel->SetVisible(true);
  s.PanelEvents.PaintColor = clRed;
  const QImage shown = s.PanelWidget.grab().toImage();
  ASSERT_FALSE(s.PanelEvents.Painted.empty());
  EXPECT_EQ(s.PanelEvents.Painted.back(), (TRect{0, 0, 150, 80}));
  EXPECT_EQ(shown.pixelColor(149, 79), QColor(255, 0, 0));

  QCoreApplication::processEvents();  // the paints that showing the windows asked for
  s.PanelEvents.Painted.clear();
  s.Panel->ScrollPixels(10);  // moves the pixels and paints the uncovered strip at once
  EXPECT_EQ(s.PanelEvents.Painted, (std::vector<TRect>{{0, 0, 150, 10}}));
  QCoreApplication::processEvents();
  EXPECT_EQ(s.PanelEvents.Painted.size(), 1u);
}

TEST(QtWindows, InputReachesTheSinkAndUnhandledKeysTheParent) {
  TQtSetUp s;
  SendMouse(s.PanelWidget, QEvent::MouseButtonPress, {10, 20}, Qt::LeftButton, Qt::LeftButton,
            Qt::ShiftModifier);
  SendMouse(s.PanelWidget, QEvent::MouseMove, {12, -5}, Qt::NoButton, Qt::LeftButton,
            Qt::NoModifier);
  SendMouse(s.PanelWidget, QEvent::MouseButtonRelease, {12, -5}, Qt::LeftButton, Qt::NoButton,
            Qt::NoModifier);
  SendMouse(s.PanelWidget, QEvent::MouseButtonDblClick, {3, 4}, Qt::RightButton,
            Qt::RightButton, Qt::ControlModifier);
  EXPECT_EQ(s.PanelEvents.Take(), (TLog{"down L shift+left 10,20", "move left 12,-5",
                                        "up L - 12,-5", "double R ctrl+right 3,4"}));

  s.PanelEvents.Handles = false;
  QKeyEvent pageDown(QEvent::KeyPress, Qt::Key_PageDown, Qt::ShiftModifier);
  QApplication::sendEvent(&s.PanelWidget, &pageDown);
  QKeyEvent letter(QEvent::KeyPress, Qt::Key_Q, Qt::NoModifier, "q");
  QApplication::sendEvent(&s.PanelWidget, &letter);
  QKeyEvent unknown(QEvent::KeyPress, Qt::Key_VolumeUp, Qt::NoModifier);
  QApplication::sendEvent(&s.PanelWidget, &unknown);
  EXPECT_EQ(s.PanelEvents.Take(), (TLog{"key 34 shift", "key 81 -"}));
  EXPECT_EQ(s.HostEvents.Take(), (TLog{"key 34 shift", "key 81 -"}));

  QWheelEvent wheel(QPointF(5, 6), s.PanelWidget.mapToGlobal(QPointF(5, 6)), QPoint(),
                    QPoint(0, -240), Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
  QApplication::sendEvent(&s.PanelWidget, &wheel);
  EXPECT_EQ(s.PanelEvents.Take(), TLog{"wheel -240 - 5,6"});
}

TEST(QtWindows, ExceptionsFromHandlersGoToTheWindowingNotThroughQt) {
  TQtSetUp s;
  struct TFailing : TWindowEvents {
    void MouseDown(TMouseButton, TShiftState, int, int) override {
      throw std::runtime_error("Out of Resources");
    }
  } failing;
  s.Panel->SetEvents(&failing);
  int caught = 0;
  s.Windowing.OnException = [&](std::exception_ptr) { ++caught; };
  SendMouse(s.PanelWidget, QEvent::MouseButtonPress, {1, 1}, Qt::LeftButton, Qt::LeftButton,
            Qt::NoModifier);
  s.Panel->Post([] { throw std::runtime_error("posted"); });
  QCoreApplication::processEvents();
  EXPECT_EQ(caught, 2);
}

TEST(QtScrollBars, ShowTheRangeAndReportUserActionsWithTheirOwnSteps) {
  TQtSetUp s;
  auto owned = s.Windowing.CreateScrollBar(s.Host.Window(), sbVertical);
  QScrollBar& qt = *static_cast<TQtScrollBar&>(*owned).Bar();
  TScrollBar& bar = *owned;
  bar.SetSmallChange(16);
  bar.SetLargeChange(184);
  bar.SetParams(100, 201, 0, 1000);
  EXPECT_EQ(qt.maximum(), 800);
  EXPECT_EQ(qt.pageStep(), 201);
  EXPECT_EQ(qt.value(), 100);

  std::vector<std::pair<TScrollCode, int>> heard;
  bar.OnScroll = [&](TScrollCode code, int& position) {
    heard.emplace_back(code, position);
    if (code == scLineUp) position = 500;
  };
  qt.triggerAction(QAbstractSlider::SliderPageStepAdd);
  EXPECT_EQ(qt.value(), 284);
  qt.triggerAction(QAbstractSlider::SliderSingleStepSub);
  EXPECT_EQ(qt.value(), 500);
  EXPECT_EQ(bar.Position(), 500);
  qt.setSliderPosition(700);  // as a drag of the thumb does
  qt.triggerAction(QAbstractSlider::SliderToMaximum);
  EXPECT_EQ(heard, (std::vector<std::pair<TScrollCode, int>>{
                       {scPageDown, 284}, {scLineUp, 268}, {scTrack, 700}, {scBottom, 800}}));
  EXPECT_EQ(bar.Position(), 800);

  heard.clear();
  bar.SetPosition(3);
  EXPECT_EQ(qt.value(), 3);
  EXPECT_TRUE(heard.empty());
}

TEST(QtServices, PostedCallsAndTimersRunFromTheEventLoop) {
  TQtSetUp s;
  std::vector<std::string> log;
  s.Host.Window().Post([&] { log.push_back("host"); });
  s.Panel->Post([&] { log.push_back("panel"); });
  s.Host.Window().Post([&] { log.push_back("host again"); });
  EXPECT_TRUE(log.empty());
  s.Panel.reset();
  QCoreApplication::processEvents();
  EXPECT_EQ(log, (std::vector<std::string>{"host", "host again"}));

  auto timer = s.Windowing.CreateTimer();
  QEventLoop loop;
  int ticks = 0;
  timer->SetInterval(5);
  timer->OnTimer = [&] {
    if (++ticks == 3) {
      timer->SetEnabled(false);
      loop.quit();
    }
  };
  const std::int64_t start = s.Windowing.TickCount();
  timer->SetEnabled(true);
  QTimer::singleShot(5000, &loop, &QEventLoop::quit);
  loop.exec();
  EXPECT_EQ(ticks, 3);
  EXPECT_GE(s.Windowing.TickCount() - start, 10);
}

TEST(QtServices, ClipboardCarriesTextAndImages) {
  TQtGraphics graphics;
  TQtWindowing windowing(graphics);
  TClipboard& clipboard = windowing.Clipboard();
  clipboard.SetText(U"caf\u00E9 \U0001F600");
  EXPECT_EQ(QGuiApplication::clipboard()->text(), QString::fromUcs4(U"caf\u00E9 \U0001F600"));
  EXPECT_EQ(clipboard.Text(), U"caf\u00E9 \U0001F600");

  TBitmap picture(2, 1);
  picture.SetPixel(0, 0, clRed);
  picture.SetPixel(1, 0, clNavy);
  clipboard.SetImage(picture);
  ASSERT_TRUE(clipboard.Image());
  EXPECT_EQ(*clipboard.Image(), picture);
  EXPECT_FALSE(clipboard.Text());

  // A picture with an alpha channel keeps it.
  TBitmap glass(1, 1);
  glass.SetAlphaChannel(true);
  glass.SetPixelAlpha(0, 0, clRed, 128);
  clipboard.SetImage(glass);
  const QColor held = QGuiApplication::clipboard()->image().pixelColor(0, 0);
  EXPECT_EQ(held.alpha(), 128);
  EXPECT_EQ(held.red(), 255);
}

TEST(QtServices, MessageBoxAnswersWithTheButtonChosen) {
  TQtGraphics graphics;
  TQtWindowing windowing(graphics);
  const auto choose = [](QMessageBox::StandardButton button) {
    QTimer::singleShot(0, [button] {
      auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
      ASSERT_NE(box, nullptr);
      if (button == QMessageBox::NoButton)
        box->reject();  // closed without a button
      else
        box->button(button)->click();
    });
  };
  choose(QMessageBox::No);
  EXPECT_EQ(windowing.MessageBox("Start it?", "Tamblin", mkConfirmation, bsYesNoCancel), mrNo);
  choose(QMessageBox::NoButton);
  EXPECT_EQ(windowing.MessageBox("Sure?", "Tamblin", mkConfirmation, bsYesNo), mrNo);
}
