#pragma once
// A page built and laid out a slice at a time, so that a viewer can show its first screen at
// once and stay live while the rest loads.
//
// The builder is a recursive-descent parser that reads its source to the end in one call. It
// runs here on a stack of its own (Fiber.h) and pauses between the pieces of source it reads
// (PacedBytes.h); it never learns that it is cut into slices. A slice resumes the parse, lays
// out the sections it has added to the page since (TSectionList::ArrangeNext), and so on until
// its time is up. The builder adds a section to the page only once the section is complete (a
// table with all its rows), and each is laid out once, in order, as a whole layout would lay it
// out, so the page in the end is the one a load in one go gives.
//
// Everything runs on the calling thread: the parse creates form controls and calls the host's
// handlers as it does in one go.

#include <cstddef>
#include <cstdint>
#include <exception>
#include <functional>
#include <utility>

#include "html/parser/PacedBytes.h"
#include "html/support/Fiber.h"

class TCanvas;
class TSectionList;

// How a load is cut into slices.
struct TSlicePacing {
  // The time a slice may take, in microseconds: it ends at the first look at the clock past
  // it, after a section is laid out or between two pieces of source. Half of the 30 ms a
  // window may stay deaf to its user: the step that crosses the line, and what a busy machine
  // takes from the program while a slice runs, count on the wall clock too.
  std::int64_t Budget = 15000;
  // Bytes of source the parse reads between two looks at the clock.
  std::size_t Piece = 8192;
  // A steady clock in microseconds; none: the system's.
  std::function<std::int64_t()> Clock;
};

class TProgressiveLoad {
 public:
  // Runs the builder over the page, reading its source at the pace given (Builder.h).
  using TParse = std::function<void(const TReadPace& pace)>;

  // Lays the page out from y for width, as TSectionList::Arrange would, while parse builds it;
  // document and canvas must outlive the load. Nothing runs before the first slice.
  TProgressiveLoad(TSectionList& document, TCanvas& canvas, int y, int width, TParse parse,
                   TSlicePacing pacing);
  // Cancels the parse if it has not ended.
  ~TProgressiveLoad();
  TProgressiveLoad(const TProgressiveLoad&) = delete;
  TProgressiveLoad& operator=(const TProgressiveLoad&) = delete;

  // One slice: parses and lays out until the pacing's budget is spent, or until enough (asked
  // after each step) answers true. Answers whether work remains. A failure of the parse (or of
  // a handler it calls) ends the parse and waits in Failure; a failure of the layout is thrown.
  // Nothing while a slice runs (from a handler called inside one).
  bool RunSlice(const std::function<bool()>& enough = {});
  // Everything that remains, at once.
  void RunToEnd();
  // Ends the parse where it stands, unwinding the builder. The page keeps what was built,
  // laid out only in part. Not while a slice runs.
  void Cancel();
  // Lays the page out again from its top for another width, in the slices to come; the parse
  // goes on where it stands. Not while a slice runs.
  void Relayout(int width);

  bool Done() const;
  bool ParseDone() const { return FParse.Finished(); }
  // Whether a slice runs now: a handler the parse calls is inside it.
  bool Running() const { return FInSlice; }
  // What ended the parse early, if anything; taken once.
  std::exception_ptr TakeFailure() { return std::exchange(FFailure, nullptr); }

  // The longest a slice has taken, in microseconds, and how many have run.
  std::int64_t LongestSlice() const { return FLongestSlice; }
  int SliceCount() const { return FSliceCount; }

 private:
  std::int64_t Now() const;
  // At each piece of source: back to the slice when its time is up or sections wait to be
  // laid out.
  void Pause();
  // Lays out a section that waits, else parses on.
  void Step();

  TSectionList& Document;
  TCanvas& Canvas;
  int Top;
  TSlicePacing Pacing;
  TFiber FParse;
  std::int64_t FDeadline = 0;
  bool FInSlice = false;
  std::exception_ptr FFailure;
  std::int64_t FLongestSlice = 0;
  int FSliceCount = 0;
};
