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
#include <vector>

#include "app/CommandLine.h"
#include "app/MainWindow.h"
#include "app/Shell.h"
#include "html/support/HeapReserve.h"
#include "platform/qt/QtGraphics.h"
#include "platform/qt/QtWindowing.h"

namespace {

// The pages stand beside the program in the build, and in share/tamblin once installed.
QString PagesFolder() {
  const QDir program(QApplication::applicationDirPath());
  if (QFileInfo::exists(program.filePath(QStringLiteral("help.htm")))) return program.path();
  return QDir::cleanPath(program.filePath(QStringLiteral("../share/tamblin")));
}

// With TAMBLIN_FIRST_SCREEN set, the program prints the wall clock (microseconds since the
// epoch) once the first screen of the page it was started with has gone to the display, and
// ends; a benchmark started the clock. It watches paints from when that page is loaded (the
// window has painted itself empty before).
class TFirstScreenClock : public QObject {
 public:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Paint && !Seen) {
      Seen = true;
      // Fires once this paint has been flushed to the display.
      QTimer::singleShot(0, [] {
        const auto now = std::chrono::system_clock::now().time_since_epoch();
        std::printf("first screen at %lld\n",
                    static_cast<long long>(
                        std::chrono::duration_cast<std::chrono::microseconds>(now).count()));
        std::fflush(stdout);
        std::_Exit(0);
      });
    }
    return QObject::eventFilter(watched, event);
  }

 private:
  bool Seen = false;
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

  TFirstScreenClock firstScreenClock;
  TQtGraphics graphics;
  TQtWindowing windowing(graphics);
  TDesktopShell shell;
  // The user's options, in the config folder (XDG_CONFIG_HOME, else ~/.config).
  QSettings settings(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("tamblin"),
                     QStringLiteral("tamblin"));
  TTamblinF window(windowing, shell, PagesFolder());
  window.RememberOptions(settings);
  if (std::getenv("TAMBLIN_FIRST_SCREEN"))
    window.AfterStart = [&] { application.installEventFilter(&firstScreenClock); };
  window.show();
  window.OpenWhenShown(commandLine);
  return QApplication::exec();
}
