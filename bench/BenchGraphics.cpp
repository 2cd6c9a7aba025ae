#include "bench/BenchGraphics.h"

#include <cstdio>
#include <cstdlib>

#include "platform/headless/HeadlessGraphics.h"

#ifdef TAMBLIN_BENCH_WITH_QT
#include <QGuiApplication>

#include "platform/qt/QtGraphics.h"
#endif

int RunOnGraphics(bool qt, int argc, char** argv, const char* program,
                  const std::function<void(TGraphicsFactory&)>& measure) {
  (void)program;  // named only in the message of a build without Qt
  if (!qt) {
    THeadlessGraphics graphics;
    measure(graphics);
    return 0;
  }
#ifdef TAMBLIN_BENCH_WITH_QT
  if (!std::getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
  QGuiApplication application(argc, argv);
  TQtGraphics graphics;
  measure(graphics);
  return 0;
#else
  (void)argc;
  (void)argv;
  std::fprintf(stderr, "%s: built without Qt\n", program);
  return 2;
#endif
}
