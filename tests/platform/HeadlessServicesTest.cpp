// Headless timers, posted calls, the event loop pass and the clipboard.

#include "platform/headless/HeadlessGraphics.h"
#include "platform/headless/HeadlessWindowing.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

struct TSetUp {
  THeadlessGraphics Graphics;
  THeadlessWindowing Windowing{Graphics};
  std::vector<std::string> Log;

  std::unique_ptr<TTimer> Timer(const std::string& name, int interval) {
    auto timer = Windowing.CreateTimer();
    timer->SetInterval(interval);
    timer->OnTimer = [this, name] { Log.push_back(name + "@" + std::to_string(Windowing.TickCount())); };
    return timer;
  }
};

using TLog = std::vector<std::string>;

}  // namespace

TEST(HeadlessTimers, FireInTimeOrderOnlyWhileEnabledWithAnInterval) {
  TSetUp s;
  auto a = s.Timer("a", 30);
  auto b = s.Timer("b", 50);
  auto off = s.Timer("off", 10);
  auto zero = s.Timer("zero", 0);
  a->SetEnabled(true);
  b->SetEnabled(true);
  zero->SetEnabled(true);
  s.Windowing.AdvanceTime(100);
  EXPECT_EQ(s.Log, (TLog{"a@30", "b@50", "a@60", "a@90", "b@100"}));
  EXPECT_EQ(s.Windowing.TickCount(), 100);

  // Enabling again, or a new interval, counts from now.
  s.Log.clear();
  a->SetEnabled(false);
  s.Windowing.AdvanceTime(15);
  a->SetEnabled(true);
  b->SetInterval(20);
  s.Windowing.AdvanceTime(40);
  EXPECT_EQ(s.Log, (TLog{"b@135", "a@145", "b@155"}));
  s.Windowing.AdvanceTime(-50);
  EXPECT_EQ(s.Windowing.TickCount(), 155);
}

TEST(HeadlessTimers, AHandlerMayDestroyItsOwnTimer) {
  TSetUp s;
  auto doomed = s.Timer("doomed", 10);
  doomed->OnTimer = [&] {
    s.Log.push_back("doomed");
    doomed.reset();
  };
  doomed->SetEnabled(true);
  s.Windowing.AdvanceTime(50);
  EXPECT_EQ(s.Log, TLog{"doomed"});
}

TEST(HeadlessPostedCalls, RunInOrderOnlyWhenRunAndNeverAfterTheirWindow) {
  TSetUp s;
  auto host = s.Windowing.CreateHost(10, 10);
  auto panel = s.Windowing.CreateWindow(*host);
  host->Post([&] {
    s.Log.push_back("first");
    host->Post([&] { s.Log.push_back("posted meanwhile"); });
  });
  panel->Post([&] { s.Log.push_back("to the panel"); });
  host->Post([&] { s.Log.push_back("third"); });
  EXPECT_TRUE(s.Log.empty());

  panel.reset();
  EXPECT_EQ(s.Windowing.RunPosted(), 2);
  EXPECT_EQ(s.Log, (TLog{"first", "third"}));
  EXPECT_EQ(s.Windowing.RunPosted(), 1);
  EXPECT_EQ(s.Log.back(), "posted meanwhile");
  EXPECT_EQ(s.Windowing.RunPosted(), 0);
}

TEST(HeadlessEventLoop, AWaitingLoopInsideAPostedCallSeesTimeInputAndOtherCalls) {
  // The shape of a drag that scrolls while the pointer stays outside: a posted call that loops,
  // letting the event loop run, until the button comes up.
  TSetUp s;
  auto host = s.Windowing.CreateHost(100, 100);
  auto ticker = s.Timer("tick", 25);
  ticker->SetEnabled(true);
  host->PressMouse(mbLeft, 50, -20);
  int passes = 0;
  s.Windowing.OnPass = [&] {
    if (++passes == 3) host->Post([&] { s.Log.push_back("late call"); });
    if (passes == 6) host->ReleaseMouse(mbLeft, 50, 50);
  };
  host->Post([&] {
    while (s.Windowing.HeldButtons() & ssLeft) s.Windowing.ProcessPendingEvents();
    s.Log.push_back("loop ended at y=" + std::to_string(host->PointerPosition().Y));
  });
  s.Windowing.RunPosted();
  EXPECT_EQ(passes, 6);
  EXPECT_EQ(s.Windowing.TickCount(), 60);
  EXPECT_EQ(s.Log, (TLog{"tick@25", "late call", "tick@50", "loop ended at y=50"}));
}

TEST(HeadlessClipboard, HoldsOneThingAtATime) {
  TSetUp s;
  TClipboard& clipboard = s.Windowing.Clipboard();
  clipboard.SetText(U"caf\u00E9");
  EXPECT_EQ(clipboard.Text(), U"caf\u00E9");

  TBitmap mask(2, 1, true);
  mask.SetPixel(0, 0, clWhite);
  clipboard.SetImage(mask);
  EXPECT_FALSE(clipboard.Text());
  ASSERT_TRUE(clipboard.Image());
  EXPECT_FALSE(clipboard.Image()->Monochrome());
  EXPECT_EQ(clipboard.Image()->Pixel(0, 0), clWhite);
  EXPECT_EQ(clipboard.Image()->Pixel(1, 0), clBlack);
}
