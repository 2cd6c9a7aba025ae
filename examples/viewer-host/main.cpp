// viewer-host FILE [--print-title]: a window of its own with a Tamblin viewer in it, showing
// FILE. With --print-title it prints the page's title and ends instead of waiting.

#include <QApplication>
#include <QMainWindow>
#include <cstdio>
#include <exception>
#include <string>

#include "html/support/Utf8.h"
#include "html/viewer/Viewer.h"
#include "platform/qt/QtGraphics.h"
#include "platform/qt/QtWindow.h"
#include "platform/qt/QtWindowing.h"

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  if (argc < 2) {
    std::fprintf(stderr, "usage: viewer-host FILE [--print-title]\n");
    return 2;
  }
  TQtGraphics graphics;
  TQtWindowing windowing(graphics);

  QMainWindow window;
  auto* host = new TQtViewerHost(windowing, &window);  // the widget the viewer fills
  window.setCentralWidget(host);
  window.resize(640, 480);
  TriruRedu viewer(windowing, host->Window());
  viewer.OnHotSpotCovered = [&](TriruRedu*, const std::u32string& url) {
    window.setWindowTitle(QString::fromStdString(EncodeUtf8(url)));
  };
  window.show();

  try {
    viewer.OpenHtmlFile(argv[1]);
  } catch (const std::exception& error) {
    std::fprintf(stderr, "%s\n", error.what());
    return 1;
  }
  if (argc > 2 && std::string(argv[2]) == "--print-title") {
    std::printf("%s\n", EncodeUtf8(viewer.DocTitle()).c_str());
    return 0;
  }
  return QApplication::exec();
}
