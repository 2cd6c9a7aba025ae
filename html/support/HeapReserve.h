#pragma once
// Growing the heap in one step for a document about to be built.
//
// A page is built from many small objects touched once, and the kernel then spends a large
// share of the time handing out one small page per fault. Reserving the room a document will
// take in one step, backed by huge pages where the kernel offers them, turns those faults
// into a few. It changes the process's allocator settings, so only the document loading path
// calls it.

#include <cstddef>

// Makes sure the free room at the top of the heap is at least bytes (capped), asking for huge
// pages for what it adds. Also keeps freed room for the next document instead of returning it
// to the system at once. Does nothing where the allocator is not the C library's own (builds
// with the address sanitizer) or bytes is small.
void ReserveHeap(std::size_t bytes);
