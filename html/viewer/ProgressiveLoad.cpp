#include "html/viewer/ProgressiveLoad.h"

#include <algorithm>
#include <chrono>
#include <limits>

#include "html/document/SectionList.h"

namespace {

// Keeps a flag set for as long as it lives.
class TFlagScope {
 public:
  explicit TFlagScope(bool& flag) : Flag(flag) { Flag = true; }
  ~TFlagScope() { Flag = false; }
  TFlagScope(const TFlagScope&) = delete;
  TFlagScope& operator=(const TFlagScope&) = delete;

 private:
  bool& Flag;
};

}  // namespace

TProgressiveLoad::TProgressiveLoad(TSectionList& document, TCanvas& canvas, int y, int width,
                                   TParse parse, TSlicePacing pacing)
    : Document(document),
      Canvas(canvas),
      Top(y),
      Pacing(std::move(pacing)),
      FParse([this, parse = std::move(parse)] {
        parse(TReadPace{Pacing.Piece, [this] { Pause(); }});
      }) {
  Document.StartArrange(Top, width);
}

TProgressiveLoad::~TProgressiveLoad() { FParse.Cancel(); }

std::int64_t TProgressiveLoad::Now() const {
  if (Pacing.Clock) return Pacing.Clock();
  using namespace std::chrono;
  return duration_cast<microseconds>(steady_clock::now().time_since_epoch()).count();
}

bool TProgressiveLoad::Done() const { return FParse.Finished() && !Document.Waiting(); }

void TProgressiveLoad::Pause() {
  if (Now() >= FDeadline || Document.Waiting()) FParse.Suspend();
}

void TProgressiveLoad::Step() {
  if (Document.Waiting()) {
    Document.ArrangeNext(Canvas);
    return;
  }
  try {
    FParse.Resume();
  } catch (...) {
    FFailure = std::current_exception();
  }
}

bool TProgressiveLoad::RunSlice(const std::function<bool()>& enough) {
  if (FInSlice) return !Done();
  TFlagScope inSlice(FInSlice);
  const std::int64_t start = Now();
  FDeadline = start + Pacing.Budget;
  while (!Done()) {
    Step();
    if (Now() >= FDeadline || (enough && enough())) break;
  }
  ++FSliceCount;
  FLongestSlice = std::max(FLongestSlice, Now() - start);
  return !Done();
}

void TProgressiveLoad::RunToEnd() {
  if (FInSlice) return;
  TFlagScope inSlice(FInSlice);
  FDeadline = std::numeric_limits<std::int64_t>::max();
  while (!Done()) Step();
}

void TProgressiveLoad::Cancel() { FParse.Cancel(); }

void TProgressiveLoad::Relayout(int width) { Document.StartArrange(Top, width); }
