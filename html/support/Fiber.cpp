#include "html/support/Fiber.h"

#include <cstdint>
#include <new>
#include <stdexcept>
#include <sys/mman.h>
#include <unistd.h>
#include <utility>

#if defined(__SANITIZE_ADDRESS__)
#define TAMBLIN_FIBER_SANITIZED 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define TAMBLIN_FIBER_SANITIZED 1
#endif
#endif
#ifdef TAMBLIN_FIBER_SANITIZED
#include <sanitizer/asan_interface.h>
#include <sanitizer/common_interface_defs.h>
#endif

namespace {

// The sanitizer learns of each switch: where the stack goes to before it, and where it came
// from after it. A null fakeStack at the start of a switch says the stack left is done with.
void StartSwitch([[maybe_unused]] void** fakeStack, [[maybe_unused]] const void* stack,
                 [[maybe_unused]] std::size_t bytes) {
#ifdef TAMBLIN_FIBER_SANITIZED
  __sanitizer_start_switch_fiber(fakeStack, stack, bytes);
#endif
}

void FinishSwitch([[maybe_unused]] void* fakeStack, [[maybe_unused]] const void** stackLeft,
                  [[maybe_unused]] std::size_t* bytesLeft) {
#ifdef TAMBLIN_FIBER_SANITIZED
  __sanitizer_finish_switch_fiber(fakeStack, stackLeft, bytesLeft);
#endif
}

std::size_t PageBytes() { return std::size_t(sysconf(_SC_PAGESIZE)); }

thread_local const TFiber* CurrentFiber = nullptr;

}  // namespace

TFiber::TFiber(std::function<void()> body, std::size_t stackBytes) : FBody(std::move(body)) {
  const std::size_t page = PageBytes();
  FStackBytes = (stackBytes + page - 1) / page * page;
  FMappingBytes = FStackBytes + page;
  FMapping = mmap(nullptr, FMappingBytes, PROT_READ | PROT_WRITE,
                  MAP_PRIVATE | MAP_ANONYMOUS | MAP_NORESERVE | MAP_STACK, -1, 0);
  if (FMapping == MAP_FAILED) throw std::bad_alloc();
  // The stack grows down, towards the page that ends it.
  mprotect(FMapping, page, PROT_NONE);
  FStack = static_cast<char*>(FMapping) + page;
  getcontext(&FFiberContext);
  FFiberContext.uc_stack.ss_sp = FStack;
  FFiberContext.uc_stack.ss_size = FStackBytes;
  FFiberContext.uc_link = nullptr;
  const auto self = reinterpret_cast<std::uintptr_t>(this);
  makecontext(&FFiberContext, reinterpret_cast<void (*)()>(&TFiber::Entry), 2,
              unsigned(self >> 32), unsigned(self & 0xFFFFFFFFu));
}

TFiber::~TFiber() {
  Cancel();
#ifdef TAMBLIN_FIBER_SANITIZED
  // The frame the body started in never returns, so its guard bytes are still marked; memory
  // mapped here later must not inherit them.
  __asan_unpoison_memory_region(FStack, FStackBytes);
#endif
  munmap(FMapping, FMappingBytes);
}

// The switches are made with getcontext and setcontext rather than swapcontext: the sanitizer
// intercepts swapcontext to forget what it knows of the stack switched to, which the
// annotations here keep exact instead.
void TFiber::SwitchTo(ucontext_t& save, const ucontext_t& target) {
  volatile bool back = false;
  getcontext(&save);
  if (back) return;  // resumed through save
  back = true;
  setcontext(&target);
}

void TFiber::Entry(unsigned high, unsigned low) {
  auto& fiber = *reinterpret_cast<TFiber*>(std::uintptr_t(high) << 32 | std::uintptr_t(low));
  FinishSwitch(nullptr, &fiber.FCallerStack, &fiber.FCallerStackBytes);
  try {
    fiber.FBody();
  } catch (const TFiberCancelled&) {
  } catch (...) {
    fiber.FFailure = std::current_exception();
  }
  fiber.FFinished = true;
  // This stack is left for good.
  StartSwitch(nullptr, fiber.FCallerStack, fiber.FCallerStackBytes);
  setcontext(&fiber.FCallerContext);
}

bool TFiber::Resume() {
  if (FRunning) throw std::logic_error("fiber resumed from inside itself");
  if (FFinished) return true;
  FStarted = true;
  FRunning = true;
  FResumer = std::exchange(CurrentFiber, this);
  void* callerFakeStack = nullptr;
  StartSwitch(&callerFakeStack, FStack, FStackBytes);
  SwitchTo(FCallerContext, FFiberContext);
  FinishSwitch(callerFakeStack, nullptr, nullptr);
  CurrentFiber = FResumer;
  FRunning = false;
  if (FFinished && FFailure) std::rethrow_exception(std::exchange(FFailure, nullptr));
  return FFinished;
}

const TFiber* TFiber::Current() { return CurrentFiber; }

void TFiber::Suspend() {
  if (FCancelling) throw TFiberCancelled();
  StartSwitch(&FFakeStack, FCallerStack, FCallerStackBytes);
  SwitchTo(FFiberContext, FCallerContext);
  FinishSwitch(FFakeStack, &FCallerStack, &FCallerStackBytes);
  if (FCancelling) throw TFiberCancelled();
}

void TFiber::Cancel() {
  if (FRunning) throw std::logic_error("fiber cancelled from inside itself");
  if (!FStarted) {
    FFinished = true;
    return;
  }
  FCancelling = true;
  while (!FFinished) {
    try {
      Resume();
    } catch (...) {
      // What a body throws while it unwinds is of no use to anyone.
    }
  }
  FFailure = nullptr;
}
