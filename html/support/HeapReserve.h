#pragma once
// Setting the heap up for the documents a program will build.
//
// A page is built from many small objects touched once, and the kernel then spends a large
// share of the time handing out one small page per fault. Growing the heap in one step by the
// room a document will take, backed by huge pages where the kernel offers them, turns those
// faults into a few; keeping freed room instead of returning it to the system at once lets the
// next document use it without faulting again.
//
// Both change the allocator's settings for the whole process, so they are the program's
// choice, never the engine's: nothing in the engine calls this. The browser calls it at
// start-up; the tools and benchmarks that time it may; a program that hosts the viewer does
// only if it wants the same for itself.

#include <string>

// Large blocks come from the heap and freed room stays for the next document; then the heap
// grows, in huge pages, by the room the document built from firstFile will take (nothing when
// the file is small or cannot be found; an empty name sets the allocator up alone). Does
// nothing where the allocator is not the C library's own (builds with the address sanitizer).
void PrepareHeapForDocuments(const std::string& firstFile);
