#include "platform/headless/HeadlessWindowing.h"

#include "platform/headless/HeadlessFormControls.h"

#include <algorithm>
#include <stdexcept>

void THeadlessClipboard::SetText(std::u32string_view text) {
  FText = std::u32string(text);
  FImage.reset();
}

void THeadlessClipboard::SetImage(const TBitmap& image) {
  TBitmap colour(image.Width(), image.Height());
  for (int y = 0; y < image.Height(); ++y)
    for (int x = 0; x < image.Width(); ++x) colour.SetPixel(x, y, image.Pixel(x, y));
  FImage = std::move(colour);
  FText.reset();
}

std::unique_ptr<THeadlessWindow> THeadlessWindowing::CreateHost(int width, int height) {
  auto host = std::make_unique<THeadlessWindow>(*this, nullptr);
  host->SetBounds({0, 0, width, height});
  host->SetVisible(true);
  return host;
}

THeadlessWindow& THeadlessWindowing::Own(TWindow& parent) {
  auto* own = dynamic_cast<THeadlessWindow*>(&parent);
  if (!own) throw std::invalid_argument("the parent window belongs to another platform");
  return *own;
}

std::unique_ptr<TWindow> THeadlessWindowing::CreateWindow(TWindow& parent) {
  return std::make_unique<THeadlessWindow>(*this, &Own(parent));
}

std::unique_ptr<TScrollBar> THeadlessWindowing::CreateScrollBar(TWindow& parent,
                                                                TScrollBarKind kind) {
  return std::make_unique<THeadlessScrollBar>(Own(parent), kind);
}

std::unique_ptr<TFormControlFactory> THeadlessWindowing::CreateFormControls(TWindow&) {
  return std::make_unique<THeadlessFormControls>();
}

std::unique_ptr<TTimer> THeadlessWindowing::CreateTimer() {
  return std::make_unique<THeadlessTimer>(*this);
}

TMessageAnswer THeadlessWindowing::MessageBox(const std::string& text, const std::string& caption,
                                              TMessageKind kind, TMessageButtons buttons) {
  FMessages.push_back({text, caption, kind, buttons});
  return buttons == bsYesNo || buttons == bsYesNoCancel ? mrYes : mrOk;
}

void THeadlessWindowing::Forget(THeadlessWindow* window) {
  std::erase_if(FPosted, [window](const TPostedCall& posted) { return posted.Target == window; });
  std::erase(FAllWindows, window);
  if (FFocused == window) FFocused = nullptr;
}

void THeadlessWindowing::Forget(THeadlessTimer* timer) { std::erase(FTimers, timer); }

void THeadlessWindowing::Schedule(THeadlessTimer* timer) {
  timer->FDue = FNow + timer->Interval();
  timer->FOrder = ++FTimerOrder;
}

THeadlessTimer* THeadlessWindowing::NextDue(std::int64_t limit) const {
  THeadlessTimer* next = nullptr;
  for (THeadlessTimer* timer : FTimers) {
    if (!timer->Running() || timer->FDue > limit) continue;
    if (!next || timer->FDue < next->FDue || (timer->FDue == next->FDue && timer->FOrder < next->FOrder))
      next = timer;
  }
  return next;
}

void THeadlessWindowing::AdvanceTime(std::int64_t milliseconds) {
  const std::int64_t target = FNow + std::max<std::int64_t>(milliseconds, 0);
  while (THeadlessTimer* timer = NextDue(target)) {
    FNow = timer->FDue;
    timer->FDue += timer->Interval();
    timer->FOrder = ++FTimerOrder;
    // A copy, because the handler may destroy its own timer.
    const std::function<void()> handler = timer->OnTimer;
    if (handler) handler();
  }
  FNow = std::max(FNow, target);
}

void THeadlessWindowing::Enqueue(THeadlessWindow* target, std::function<void()> call) {
  FPosted.push_back({++FPostNumber, target, std::move(call)});
}

int THeadlessWindowing::RunPosted() {
  if (FPosted.empty()) return 0;
  const std::uint64_t last = FPosted.back().Number;
  int count = 0;
  // Calls may run further posted calls themselves (through ProcessPendingEvents), so each is
  // taken off the queue before it runs.
  while (!FPosted.empty() && FPosted.front().Number <= last) {
    const std::function<void()> call = std::move(FPosted.front().Call);
    FPosted.pop_front();
    if (call) call();
    ++count;
  }
  return count;
}

void THeadlessWindowing::MoveFocus(THeadlessWindow* window) {
  if (FFocused == window) return;
  THeadlessWindow* old = FFocused;
  FFocused = window;
  if (old) old->SendFocus(false);
  if (window) window->SendFocus(true);
}

bool THeadlessWindowing::PressKey(TKey key, TShiftState shift) {
  const TShiftState state = TShiftState((shift & (ssShift | ssAlt | ssCtrl)) | FHeld);
  for (THeadlessWindow* window = FFocused; window; window = window->Parent())
    if (window->FEvents && window->FEvents->KeyDown(key, state)) return true;
  return false;
}

void THeadlessWindowing::ProcessPendingEvents() {
  AdvanceTime(PassDuration);
  if (OnPass) {
    const std::function<void()> pass = OnPass;
    pass();
  }
  RunPosted();
  for (std::size_t i = 0; i < FAllWindows.size(); ++i) FAllWindows[i]->PaintInvalid();
}
