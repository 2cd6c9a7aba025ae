// Tamblin: a small and fast browser for local HTML files. See CommandLine.h for the command
// line; without a file it shows the start page index.htm that ships with the program.

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QTimer>
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
// epoch) once its first screen has gone to the display, and ends. The page is loaded before the
// event loop runs, so the first paint is the page's first screen; a benchmark started the clock.
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
  // --help and --version need no display.
  const std::vector<std::string> raw(argv + std::min(argc, 1), argv + argc);
  const TCommandLine early = ParseCommandLine(raw);
  if (early.Action == caHelp) {
    std::fputs(CommandLineUsage().c_str(), stdout);
    return 0;
  }
  if (early.Action == caVersion) {
    std::printf("tamblin %s\n", TAMBLIN_VERSION);
    return 0;
  }

  QApplication application(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Tamblin"));
  QApplication::setDesktopFileName(QStringLiteral("tamblin"));

  std::vector<std::string> arguments;
  const QStringList list = QApplication::arguments();
  for (qsizetype i = 1; i < list.size(); ++i) arguments.push_back(list.at(i).toStdString());
  const TCommandLine commandLine = ParseCommandLine(arguments);
  // The browser's choice for its own process: the first page's room in one step, and freed
  // room kept for the pages after it.
  PrepareHeapForDocuments(commandLine.Action == caOpen ? commandLine.Target.Path : std::string());

  TFirstScreenClock firstScreenClock;
  if (std::getenv("TAMBLIN_FIRST_SCREEN")) application.installEventFilter(&firstScreenClock);

  TQtGraphics graphics;
  TQtWindowing windowing(graphics);
  TDesktopShell shell;
  TTamblinF window(windowing, shell, PagesFolder());
  window.show();
  window.FormShow(commandLine);
  return QApplication::exec();
}
