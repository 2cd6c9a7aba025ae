// Times a page of 1,000 form controls of every kind in the viewer: parse, layout and the first
// screen, then a 48-pixel scroll (one wheel notch) that moves every control in view, each with
// its repaint. Prints the median of several runs in milliseconds.
//   bench_forms [--qt]
// With --qt the controls are real widgets in a real (offscreen) window; without, the headless
// platform's.

#include <QApplication>

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "bench/Timing.h"
#include "html/viewer/Viewer.h"
#include "platform/headless/HeadlessGraphics.h"
#include "platform/headless/HeadlessWindow.h"
#include "platform/headless/HeadlessWindowing.h"
#include "platform/qt/QtGraphics.h"
#include "platform/qt/QtWindow.h"
#include "platform/qt/QtWindowing.h"

namespace {

constexpr int Runs = 5;
constexpr int Controls = 1000;
constexpr int Width = 800;
constexpr int Height = 600;
constexpr int Notch = 48;

// Lines of text each holding one control; the kinds take turns.
std::string FormPage() {
  std::string html = "<html><body><form action=/bench>";
  for (int i = 0; i < Controls; ++i) {
    const std::string n = std::to_string(i);
    html += "Field " + n + " ";
    switch (i % 8) {
      case 0: html += "<input name=e" + n + " value=\"text " + n + "\">"; break;
      case 1: html += "<input type=password name=p" + n + ">"; break;
      case 2: html += "<input type=checkbox name=c" + n + " checked>"; break;
      case 3: html += "<input type=radio name=r value=" + n + ">"; break;
      case 4: html += "<select name=s" + n + "><option>one<option selected>two</select>"; break;
      case 5: html += "<select name=l" + n + " size=3><option>a<option>b<option>c</select>"; break;
      case 6: html += "<textarea name=t" + n + " rows=2 cols=20>line\nline</textarea>"; break;
      default: html += "<input type=submit name=b" + n + " value=Go>"; break;
    }
    html += " after it<br>\n";
  }
  return html + "</form></body></html>";
}

void Report(const char* platform, std::vector<double>& first, std::vector<double>& scroll) {
  std::printf("%-9s %d controls: parse, layout and first screen %7.1f ms  48-pixel scroll %6.2f ms\n",
              platform, Controls, Median(first), Median(scroll));
}

void MeasureHeadless(const std::string& page) {
  THeadlessGraphics graphics;
  THeadlessWindowing windowing(graphics);
  auto host = windowing.CreateHost(Width, Height);
  std::vector<double> first, scroll;
  for (int run = 0; run < Runs; ++run) {
    TriruRedu viewer(windowing, *host);
    auto& panel = static_cast<THeadlessWindow&>(viewer.Panel());
    first.push_back(TimeMilliseconds([&] {
      viewer.OpenHtmlBuffer(page);
      host->PaintInvalid();
      panel.PaintInvalid();
    }));
    for (int step = 0; step < 9; ++step)
      scroll.push_back(TimeMilliseconds([&] {
        panel.TurnWheel(-120, 100, 100);
        panel.PaintInvalid();
      }));
  }
  Report("headless", first, scroll);
}

void MeasureQt(const std::string& page) {
  TQtGraphics graphics;
  TQtWindowing windowing(graphics);
  TQtViewerHost host(windowing);
  host.resize(Width, Height);
  host.show();
  QApplication::processEvents();
  std::vector<double> first, scroll;
  for (int run = 0; run < Runs; ++run) {
    TriruRedu viewer(windowing, host.Window());
    QApplication::processEvents();
    first.push_back(TimeMilliseconds([&] {
      viewer.OpenHtmlBuffer(page);
      host.repaint();
      QApplication::processEvents();
    }));
    for (int step = 0; step < 9; ++step)
      scroll.push_back(TimeMilliseconds([&] {
        viewer.ScrollTo(viewer.VScrollPos() + Notch);
        host.repaint();
        QApplication::processEvents();
      }));
  }
  Report("qt", first, scroll);
}

}  // namespace

int main(int argc, char** argv) {
  const bool qt = argc > 1 && std::strcmp(argv[1], "--qt") == 0;
  const std::string page = FormPage();
  if (!qt) {
    MeasureHeadless(page);
    return 0;
  }
  QApplication application(argc, argv);
  MeasureQt(page);
  return 0;
}
