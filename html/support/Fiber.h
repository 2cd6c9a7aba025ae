#pragma once
// A body of work that runs on a stack of its own within the calling thread and can stop part
// way, to go on later from where it stopped: how a recursive parse is cut into slices without
// a second thread (the parse creates windows and calls the host, which must happen on the GUI
// thread).
//
// The stack is reserved whole when the fiber is made and memory is taken only as the body
// reaches into it; a page without access below it ends a body that overflows with a fault
// rather than letting it write over other memory.
//
// No exception crosses from one stack to the other: a failure of the body is caught on its
// own stack and thrown again by Resume once the body has ended. The switches tell the address
// sanitizer which stack is in use, so its checks stay exact on both.

#include <cstddef>
#include <exception>
#include <functional>
#include <ucontext.h>

// Thrown by Suspend in a body that is being cancelled. A body may catch it only to clean up
// and throw it on.
class TFiberCancelled {};

class TFiber {
 public:
  // Enough for the deepest nesting the builder allows and for the host's handlers it calls.
  static constexpr std::size_t DefaultStackBytes = std::size_t(8) << 20;

  // Nothing runs before the first Resume.
  explicit TFiber(std::function<void()> body, std::size_t stackBytes = DefaultStackBytes);
  // A body that has started and not ended is cancelled first (Cancel).
  ~TFiber();
  TFiber(const TFiber&) = delete;
  TFiber& operator=(const TFiber&) = delete;

  // Runs the body until it suspends itself or ends; answers whether it has ended. A failure
  // of the body is thrown from here, once. Not from inside the body.
  bool Resume();
  // From inside the body: goes back to whoever resumed it, and returns when the body is
  // resumed again. Throws TFiberCancelled when the fiber is being cancelled.
  void Suspend();
  // Ends a body that has not ended: it is resumed with every Suspend throwing
  // TFiberCancelled, so its stack unwinds, until it returns. What it threw is dropped. Not
  // from inside the body.
  void Cancel();

  bool Finished() const { return FFinished; }
  // The fiber whose body runs now on this thread, or null on the thread's own stack.
  static const TFiber* Current();
  // Whether the body runs now (Resume has not returned yet).
  bool Running() const { return FRunning; }

 private:
  static void Entry(unsigned high, unsigned low);
  // Saves the running context in save and goes on in target.
  static void SwitchTo(ucontext_t& save, const ucontext_t& target);

  std::function<void()> FBody;
  void* FMapping = nullptr;  // guard page and stack
  std::size_t FMappingBytes = 0;
  char* FStack = nullptr;    // the stack's lowest address
  std::size_t FStackBytes = 0;
  ucontext_t FFiberContext{};
  ucontext_t FCallerContext{};
  // For the sanitizer: the stack of whoever resumed the body, and the body's own fake frames
  // while it is suspended.
  const void* FCallerStack = nullptr;
  std::size_t FCallerStackBytes = 0;
  void* FFakeStack = nullptr;
  bool FStarted = false;
  bool FFinished = false;
  bool FRunning = false;
  bool FCancelling = false;
  std::exception_ptr FFailure;
  const TFiber* FResumer = nullptr;  // the fiber that resumed this one, if any
};
