#pragma once
// Runs a benchmark on the headless graphics or, with real fonts, on Qt's.

#include <functional>

class TGraphicsFactory;

// Calls measure with the graphics asked for; returns the program's exit code (2 when Qt is
// asked for but the benchmarks were built without it).
int RunOnGraphics(bool qt, int argc, char** argv, const char* program,
                  const std::function<void(TGraphicsFactory&)>& measure);
