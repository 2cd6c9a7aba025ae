#include "html/support/HeapReserve.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <filesystem>

#if defined(__has_feature)
#if __has_feature(address_sanitizer)
#define TAMBLIN_SANITIZED_ALLOCATOR 1
#endif
#endif
#if defined(__GLIBC__) && !defined(__SANITIZE_ADDRESS__) && !defined(TAMBLIN_SANITIZED_ALLOCATOR)
#include <malloc.h>
#include <sys/mman.h>
#include <unistd.h>
#define TAMBLIN_HEAP_RESERVE 1
#endif

#ifdef TAMBLIN_HEAP_RESERVE
namespace {

// A built document takes about this many bytes of memory for every byte of its source.
constexpr std::size_t DocumentBytesPerSourceByte = 16;
constexpr std::size_t MinimumReserve = std::size_t(4) << 20;
constexpr std::size_t MaximumReserve = std::size_t(1) << 30;
constexpr std::uintptr_t HugePage = std::uintptr_t(2) << 20;

// Makes sure the free room at the top of the heap is at least bytes, asking for huge pages for
// what it adds.
void ReserveHeap(std::size_t bytes) {
  // Room already free in the heap was touched before, so it faults no more.
  const std::size_t free = mallinfo2().fordblks;
  if (free >= bytes) return;
  // No free block can serve a request above all the free room together, so the allocator
  // grows the heap for it, by the pad as well.
  mallopt(M_TOP_PAD, int(bytes - free));
  const auto before = reinterpret_cast<std::uintptr_t>(sbrk(0));
  void* probe = std::malloc(free + 64);
  // The compiler would drop an allocation nobody reads, and the growth with it.
  asm volatile("" : : "r"(probe) : "memory");
  const auto after = reinterpret_cast<std::uintptr_t>(sbrk(0));
  mallopt(M_TOP_PAD, 128 << 10);
  std::free(probe);
  const std::uintptr_t start = (before + HugePage - 1) & ~(HugePage - 1);
  if (after > start + HugePage)
    madvise(reinterpret_cast<void*>(start), (after - start) & ~(HugePage - 1), MADV_HUGEPAGE);
}

}  // namespace
#endif

void PrepareHeapForDocuments(const std::string& firstFile) {
#ifdef TAMBLIN_HEAP_RESERVE
  // Large blocks come from the heap too, so they share its huge pages; freed room stays for
  // the next document.
  mallopt(M_MMAP_THRESHOLD, 32 << 20);
  mallopt(M_TRIM_THRESHOLD, int(MaximumReserve));
  if (firstFile.empty()) return;
  std::error_code error;
  const auto size = std::filesystem::file_size(firstFile, error);
  if (error) return;
  const std::size_t bytes =
      std::min(std::size_t(size), MaximumReserve / DocumentBytesPerSourceByte) *
      DocumentBytesPerSourceByte;
  if (bytes >= MinimumReserve) ReserveHeap(bytes);
#else
  (void)firstFile;
#endif
}
