// Tamblin: a small and fast browser for local HTML files. See CommandLine.h for the command
// line; without a file it shows the start page index.htm that ships with the program. The
// window shows and paints itself before it opens what the command line names.

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <QTimer>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <sys/resource.h>
#include <vector>

#include "app/CommandLine.h"
#include "app/MainWindow.h"
#include "app/Shell.h"
#include "html/support/HeapReserve.h"
#include "html/viewer/Viewer.h"
#include "platform/qt/QtGraphics.h"
#include "platform/qt/QtWindow.h"
#include "platform/qt/QtWindowing.h"

namespace {

// The pages stand beside the program in the build, and in share/tamblin once installed.
QString PagesFolder() {
  const QDir program(QApplication::applicationDirPath());
  if (QFileInfo::exists(program.filePath(QStringLiteral("help.htm")))) return program.path();
  return QDir::cleanPath(program.filePath(QStringLiteral("../share/tamblin")));
}

long long WallMicros() {
  const auto now = std::chrono::system_clock::now().time_since_epoch();
  return static_cast<long long>(std::chrono::duration_cast<std::chrono::microseconds>(now).count());
}

// For benchmarks, which start the clock. With TAMBLIN_FIRST_SCREEN set, the program prints the
// wall clock (microseconds since the epoch) once the first screen of the page it was started
// with has gone to the display, and ends. With TAMBLIN_LOAD_REPORT set as well, it goes on
// until that page is loaded whole, then prints the wall clock again, the longest time a slice
// of the load held the event loop (in wall and in processor time), the number of slices and
// its peak memory, and ends.
class TFirstScreenClock : public QObject {
 public:
  TFirstScreenClock(TriruRedu& viewer, bool untilLoaded)
      : Viewer(viewer), UntilLoaded(untilLoaded) {}

  // From when the page is asked for on; the window has painted itself empty before.
  void Start(QWidget* panel) {
    Panel = panel;
    qApp->installEventFilter(this);
    if (!UntilLoaded) return;
    Loading = Viewer.Processing();
    TriruRedu::TProcessingEvent previous = Viewer.OnProcessing;
    Viewer.OnProcessing = [this, previous](TriruRedu* sender, bool on) {
      if (previous) previous(sender, on);
      if (on) return;
      Loading = false;
      const TriruRedu::TLoadStatistics& statistics = Viewer.LoadStatistics();
      std::printf("load end at %lld\nlongest slice %lld us\nlongest slice processor %lld us\n"
                  "slices %d\n",
                  WallMicros(), static_cast<long long>(statistics.LongestSlice),
                  static_cast<long long>(statistics.LongestSliceProcessor), statistics.Slices);
      std::fflush(stdout);
      EndWhenDone();
    };
  }

  bool eventFilter(QObject* watched, QEvent* event) override {
    // The page's first screen is the first paint of the panel once the viewer shows the page.
    if (event->type() == QEvent::Paint && !Seen && watched == Panel && Viewer.PageShown()) {
      Seen = true;
      // Fires once this paint has been flushed to the display.
      QTimer::singleShot(0, [this] {
        std::printf("first screen at %lld\n", WallMicros());
        std::fflush(stdout);
        Shown = true;
        EndWhenDone();
      });
    }
    return QObject::eventFilter(watched, event);
  }

 private:
  void EndWhenDone() {
    if (!Shown || Loading) return;
    if (UntilLoaded) {
      rusage usage{};
      getrusage(RUSAGE_SELF, &usage);
      std::printf("peak %ld KB\n", usage.ru_maxrss);
      std::fflush(stdout);
    }
    std::_Exit(0);
  }

  TriruRedu& Viewer;
  bool UntilLoaded;
  QWidget* Panel = nullptr;
  bool Seen = false;
  bool Shown = false;
  bool Loading = false;
};

}  // namespace

int main(int argc, char** argv) {
  // The arguments are taken as the bytes they are, before anything converts them; --help
  // and --version need no display, nor does a command line that is wrong.
  const std::vector<std::string> arguments(argv + std::min(argc, 1), argv + argc);
  const TCommandLine commandLine = ParseCommandLine(arguments);
  if (commandLine.Action == caHelp) {
    std::fputs(CommandLineUsage().c_str(), stdout);
    return 0;
  }
  if (commandLine.Action == caVersion) {
    std::printf("tamblin %s\n", TAMBLIN_VERSION);
    return 0;
  }
  if (commandLine.Action == caError) {
    std::fprintf(stderr, "tamblin: %s\n", commandLine.Error.c_str());
    std::fputs(CommandLineUsage().c_str(), stderr);
    return 2;
  }

  // The command line is Tamblin's alone: Qt gets no arguments to take options from.
  int qtArgc = 1;
  QApplication application(qtArgc, argv);
  QApplication::setApplicationName(QStringLiteral("Tamblin"));
  QApplication::setDesktopFileName(QStringLiteral("tamblin"));

  // The browser's choice for its own process: the first page's room in one step, and freed
  // room kept for the pages after it.
  PrepareHeapForDocuments(commandLine.Action == caOpen ? commandLine.Target.Path : std::string());

  TQtGraphics graphics;
  TQtWindowing windowing(graphics);
  TDesktopShell shell;
  // The user's options, in the config folder (XDG_CONFIG_HOME, else ~/.config).
  QSettings settings(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("tamblin"),
                     QStringLiteral("tamblin"));
  TTamblinF window(windowing, shell, PagesFolder());
  window.RememberOptions(settings);
  TFirstScreenClock firstScreenClock(window.Viewer(), std::getenv("TAMBLIN_LOAD_REPORT"));
  if (std::getenv("TAMBLIN_FIRST_SCREEN"))
    window.AfterStart = [&] {
      firstScreenClock.Start(dynamic_cast<TQtWindow&>(window.Viewer().Panel()).Widget());
    };
  window.show();
  window.OpenWhenShown(commandLine);
  return QApplication::exec();
}
