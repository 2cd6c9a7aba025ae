// tamblin-form-host PAGE RESULTS: a window holding one viewer that shows PAGE and appends
// every form submission to RESULTS: its method and action on one line, then one line per
// "name=value" entry, then a line "--". The end-to-end tests drive it under a virtual X server.
#include <QApplication>
#include <QMainWindow>

#include <fstream>
#include <iostream>

#include "html/support/Utf8.h"
#include "html/viewer/Viewer.h"
#include "platform/qt/QtGraphics.h"
#include "platform/qt/QtWindow.h"
#include "platform/qt/QtWindowing.h"

int main(int argc, char** argv) {
  if (argc != 3) {
    std::cerr << "usage: tamblin-form-host PAGE RESULTS\n";
    return 2;
  }
  QApplication application(argc, argv);
  TQtGraphics graphics;
  TQtWindowing windowing(graphics);
  QMainWindow window;
  window.setWindowTitle("Form host");
  auto* host = new TQtViewerHost(windowing, &window);
  window.setCentralWidget(host);
  TriruRedu viewer(windowing, host->Window());
  const std::string results = argv[2];
  viewer.OnFormSubmit = [&](TriruRedu*, const std::u32string& action, const std::u32string&,
                            const std::u32string&, const std::u32string& method,
                            TStringList entries) {
    std::ofstream out(results, std::ios::app);
    out << EncodeUtf8(method) << ' ' << EncodeUtf8(action) << '\n';
    for (const std::u32string& entry : entries) out << EncodeUtf8(entry) << '\n';
    out << "--\n";
  };
  window.resize(500, 400);
  window.show();
  viewer.OpenHtmlFile(argv[1]);
  return application.exec();
}
