// Loading in slices: the start of a load, the slices the event loop runs, what the view shows
// while they run, and how a load is cancelled or finished at once (Viewer.h says when).
#include <algorithm>
#include <chrono>
#include <ctime>

#include "html/document/SectionList.h"
#include "html/viewer/LinkPath.h"
#include "html/viewer/Viewer.h"
#include "platform/Windowing.h"

std::uint64_t TriruRedu::LoadInSlices(const std::string& name, TDocKind kind,
                                      const std::u32string* anchor) {
  const std::int64_t start = NowMicros();
  const std::int64_t startProcessor = ProcessorMicros();
  FRefreshDelay = 0;
  PrepareDocument();
  const std::string previousName = FDocFileName;
  // The page is the one shown from now on, for the history and for the links it holds.
  FDocFileName = FullPath(name);
  FDocKind = kind;
  TakeHead(TDocumentHead());
  if (kind == dkHtml) StopSound();
  if (anchor) {
    FPlace.SetAnchor(*anchor);
  } else if (FDocFileName != previousName) {
    FPlace.SetY(0);
  } else {
    FPlace.SetY(VScrollPos());  // the same file again: the caller places it
  }
  if (FDocFileName != previousName) {
    FSections->SetScrollTop(0);
    SetHScrollPos(0);
  }
  FPageShown = false;
  auto parse = [this, name, kind, styles = StyleOptions(FDocFileName)](const TReadPace& pace) {
    if (kind == dkHtml)
      ParseHtmlFile(*FSections, FAnchorList, name, MetaCallback(), this, OnSoundRequest, OnInclude,
                    OnScript, FLoadHead, styles, pace);
    else
      ParseTextFile(*FSections, FAnchorList, name, FLoadHead, pace);
  };
  FLoad = std::make_unique<TProgressiveLoad>(*FSections, *FMeasureCanvas, FScroll.MarginHeight,
                                             FScroll.LayoutWidth(FHost.Width()),
                                             std::move(parse), FPacing);
  ++FLoadNumber;
  PostSlice();
  // The open operation holds the event loop as a slice does.
  // The open operation holds the event loop as a slice does, though it is none.
  FLoadStatistics = {};
  CountSlice(start, startProcessor);
  FLoadStatistics.Slices = 0;
  return CurrentDocument();
}

void TriruRedu::PostSlice() {
  FPanel->Post([this, number = FLoadNumber] {
    if (FLoad && number == FLoadNumber) RunLoadSlice();
  });
}

void TriruRedu::RunLoadSlice() {
  // Posted calls run also in a message loop a slice's handler opens: that slice posts the next.
  if (FLoad->Running()) return;
  const std::int64_t start = NowMicros();
  const std::int64_t startProcessor = ProcessorMicros();
  const int heightBefore = FSections->ArrangedHeight();
  bool more = false;
  try {
    FSections->GetBackgroundImage();
    more = FLoad->RunSlice([this] { return !FPageShown && PlaceReady(); });
  } catch (...) {
    // A layout that fails ends the load with the part laid out before.
    CancelLoad(false);
    throw;
  }
  TakeHead(FLoadHead);
  ShowLoadProgress(heightBefore);
  CountSlice(start, startProcessor);
  if (more)
    PostSlice();
  else
    EndLoad();
}

void TriruRedu::ShowLoadProgress(int heightBefore) {
  FScroll.SetDocumentWidth(FSections->ArrangedWidth());
  FScroll.SetDocumentHeight(FScroll.FullHeight(FSections->ArrangedHeight()));
  FollowAnimationTimer();
  ArrangeScrollBars();
  if (!FPageShown) {
    if (!PlaceReady()) return;
    FPageShown = true;
    GoToPlace();
    PlaceControls();
    InvalidatePanel();
    return;
  }
  if (FPlace.Pending() && PlaceReady()) {
    GoToPlace();
    return;
  }
  // Sections laid out since show when they reach into the view.
  if (FScroll.MarginHeight + heightBefore < VScrollPos() + FScroll.PanelHeight()) {
    PlaceControls();
    InvalidatePanel();
  }
}

bool TriruRedu::PlaceReady() {
  if (FLoad->Done()) return true;  // nothing more comes: the place is what there is
  const std::optional<int> y = FPlace.Resolve(*FSections, FAnchorList);
  return y && FScroll.MarginHeight + FSections->ArrangedHeight() >= *y + FScroll.PanelHeight();
}

void TriruRedu::GoToPlace() {
  if (const std::optional<int> y = FPlace.Resolve(*FSections, FAnchorList)) {
    ApplyVPos(*y);
    if (FPlace.IsAnchor()) SetHScrollPos(0);
  }
  FPlace.Clear();
}

void TriruRedu::EndLoad() {
  const std::uint64_t document = CurrentDocument();
  const std::unique_ptr<TProgressiveLoad> load = std::move(FLoad);
  ++FLoadNumber;
  const std::exception_ptr failure = load->TakeFailure();
  TakeHead(FLoadHead);
  if (ApplyPendingDefaults()) {
    LayoutDocument();
  } else {
    FScroll.SetDocumentWidth(FSections->ArrangedWidth());
    FScroll.SetDocumentHeight(FScroll.FullHeight(FSections->ArrangedHeight()));
    FollowAnimationTimer();
    ArrangeScrollBars();
    PlaceControls();
  }
  if (!FPageShown || FPlace.Pending()) {
    // FLoad is gone, so the place resolves against the whole page.
    if (const std::optional<int> y = FPlace.Resolve(*FSections, FAnchorList)) {
      ApplyVPos(*y);
      if (FPlace.IsAnchor()) SetHScrollPos(0);
    }
    FPlace.Clear();
  }
  FPageShown = true;
  InvalidatePanel();
  // Its handler may go on to another page.
  SetProcessing(false);
  if (failure) std::rethrow_exception(failure);
  FireMetaRefresh(document);
}

void TriruRedu::CancelLoad(bool keepProcessing) {
  if (!FLoad) return;
  const std::unique_ptr<TProgressiveLoad> load = std::move(FLoad);
  ++FLoadNumber;
  load->Cancel();
  FPlace.Clear();
  FPageShown = true;
  InvalidatePanel();
  if (!keepProcessing) SetProcessing(false);
}

bool TriruRedu::FinishLoadFirst() {
  const std::uint64_t document = CurrentDocument();
  if (FLoad && !FLoad->Running()) FinishLoading();
  return StillShows(document);
}

void TriruRedu::FinishLoading() {
  if (!FLoad || FLoad->Running()) return;
  TBusyCursor busy(FWindowing);
  try {
    FSections->GetBackgroundImage();
    FLoad->RunToEnd();
  } catch (...) {
    CancelLoad(false);
    throw;
  }
  EndLoad();
}

void TriruRedu::RelayoutLoad(int hostWidth) {
  // Until the page is laid out down to where the view was, the panel shows nothing of it.
  if (FPageShown) {
    FPlace.SetPosition(DocPosition());
    FPageShown = false;
  }
  FLoad->Relayout(FScroll.LayoutWidth(hostWidth));
  FScroll.SetLaidOutWidth(hostWidth);
}

std::int64_t TriruRedu::NowMicros() const {
  if (FPacing.Clock) return FPacing.Clock();
  using namespace std::chrono;
  return duration_cast<microseconds>(steady_clock::now().time_since_epoch()).count();
}

std::int64_t TriruRedu::ProcessorMicros() {
  timespec now{};
  clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
  return std::int64_t(now.tv_sec) * 1000000 + now.tv_nsec / 1000;
}

void TriruRedu::CountSlice(std::int64_t startMicros, std::int64_t startProcessorMicros) {
  FLoadStatistics.LongestSlice =
      std::max(FLoadStatistics.LongestSlice, NowMicros() - startMicros);
  FLoadStatistics.LongestSliceProcessor = std::max(FLoadStatistics.LongestSliceProcessor,
                                                   ProcessorMicros() - startProcessorMicros);
  ++FLoadStatistics.Slices;
}
