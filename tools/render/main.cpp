// tamblin-render: draws a page into a PNG picture through the viewer control, as the window
// shows it: panel, margins, border and scroll bars.
//   tamblin-render [--width W] [--height H] [--full] [--scroll Y] [--headless] [--text]
//                  FILE[#anchor] OUT.png

#include <QApplication>
#include <QImage>
#include <QPixmap>

#include <algorithm>
#include <cstring>
#include <cstdlib>
#include <exception>
#include <iostream>
#include <memory>
#include <stdexcept>
#include <string>

#include "html/support/HeapReserve.h"
#include "html/viewer/Viewer.h"
#include "platform/Bitmap.h"
#include "platform/headless/HeadlessGraphics.h"
#include "platform/headless/HeadlessWindow.h"
#include "platform/headless/HeadlessWindowing.h"
#include "platform/qt/QtGraphics.h"
#include "platform/qt/QtWindow.h"
#include "platform/qt/QtWindowing.h"
#include "tools/PictureFiles.h"

namespace {

struct TRenderOptions {
  int Width = 800;
  int Height = 600;
  bool Full = false;
  int Scroll = 0;
  bool Headless = false;
  bool AsText = false;
  std::string File;
  std::string Out;
};

// Largest picture --full makes, so a huge page cannot exhaust memory.
constexpr int MaxFullHeight = 16000;

// Writes the picture, which is all there is left to do, and ends the process there: the system
// takes the memory of the whole document back in one step, where freeing its objects one by
// one takes a tenth of the run. Sanitizer builds tear everything down as usual, so that the
// sweeps that run them check the teardown and find leaks.
void SavePictureAndEnd(const TBitmap& picture, const std::string& fileName) {
  if (!WriteFile(fileName, WriteFastPng(picture)))
    throw std::runtime_error("Can't write " + fileName);
#ifndef __SANITIZE_ADDRESS__
  std::cout.flush();
  std::cerr.flush();
  std::_Exit(0);
#endif
}

// The window drawn straight into a bitmap, which QtImageOf lends to Qt as an image: no
// intermediate picture of the whole window is made.
TBitmap PictureOf(QWidget& window) {
  TBitmap picture(window.width(), window.height());
  QImage image = QtImageOf(picture);
  window.render(&image);
  return picture;
}

int Usage() {
  std::cerr << "usage: tamblin-render [--width W] [--height H] [--full] [--scroll Y] "
               "[--headless] [--text] FILE[#anchor] OUT.png\n";
  return 2;
}

bool ParseArguments(int argc, char** argv, TRenderOptions& options) {
  for (int i = 1; i < argc; ++i) {
    std::string arg = argv[i];
    auto number = [&](int& into, int low) {
      if (i + 1 >= argc) return false;
      into = std::atoi(argv[++i]);
      return into >= low && into <= 100000000;
    };
    if (arg == "--width") {
      if (!number(options.Width, 1) || options.Width > 20000) return false;
    } else if (arg == "--height") {
      if (!number(options.Height, 1) || options.Height > MaxFullHeight) return false;
    } else if (arg == "--scroll") {
      if (!number(options.Scroll, 0)) return false;
    } else if (arg == "--full") {
      options.Full = true;
    } else if (arg == "--headless") {
      options.Headless = true;
    } else if (arg == "--text") {
      options.AsText = true;
    } else if (options.File.empty()) {
      options.File = arg;
    } else if (options.Out.empty()) {
      options.Out = arg;
    } else {
      return false;
    }
  }
  return !options.File.empty() && !options.Out.empty();
}

void Open(TriruRedu& viewer, const TRenderOptions& options) {
  viewer.SetViewImages(true);  // as the browser shows pages
  if (options.AsText)
    viewer.OpenTextFile(options.File);
  else
    viewer.OpenHtmlFile(options.File);
  if (options.Scroll > 0) viewer.ScrollTo(options.Scroll);
}

// The height that shows the whole page: its height and the border.
int FullHeight(const TriruRedu& viewer) {
  return std::clamp(viewer.DocumentHeight() + 2, 1, MaxFullHeight);
}

// Real fonts and real scroll bars: the viewer in a widget, grabbed.
void RenderWithQt(const TRenderOptions& options) {
  TQtGraphics graphics;
  TQtWindowing windowing(graphics);
  std::exception_ptr failure;
  windowing.OnException = [&](std::exception_ptr error) { failure = error; };
  // Nobody answers a box here: its text goes to the error output and it takes the answer
  // that closing it would give.
  windowing.OnMessageBox = [](const std::string& text, const std::string&, TMessageKind,
                              TMessageButtons buttons) {
    std::cerr << text << '\n';
    return buttons == bsOk ? mrOk : buttons == bsYesNo ? mrNo : mrCancel;
  };
  TQtViewerHost host(windowing);
  host.resize(options.Width, options.Height);
  host.show();
  TriruRedu viewer(windowing, host.Window());
  QApplication::processEvents();
  Open(viewer, options);
  if (options.Full) host.resize(options.Width, FullHeight(viewer));
  QApplication::processEvents();
  if (failure) std::rethrow_exception(failure);
  SavePictureAndEnd(PictureOf(host), options.Out);
}

// Fixed metrics: the host and the panel painted and put together. The headless scroll bars
// have no pixels of their own; their places show as the bare host.
void RenderHeadless(const TRenderOptions& options) {
  THeadlessGraphics graphics;
  THeadlessWindowing windowing(graphics);
  auto host = windowing.CreateHost(options.Width, options.Height);
  TriruRedu viewer(windowing, *host);
  Open(viewer, options);
  if (options.Full) host->SetBounds({0, 0, options.Width, FullHeight(viewer)});
  windowing.RunPosted();
  host->PaintInvalid();
  auto& panel = static_cast<THeadlessWindow&>(viewer.Panel());
  panel.PaintInvalid();

  TBitmap picture = host->Surface();
  auto canvas = graphics.CanvasFor(picture);
  const TRect bounds = panel.Bounds();
  canvas->CopyRect(bounds, panel.Surface(), {0, 0, bounds.Width(), bounds.Height()});
  SavePictureAndEnd(picture, options.Out);
}

}  // namespace

int main(int argc, char** argv) {
  TRenderOptions options;
  if (!ParseArguments(argc, argv, options)) return Usage();
  // As the browser does for its first page, so that the two cost the same.
  PrepareHeapForDocuments(options.File);
  if (!std::getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
  QApplication application(argc, argv);
  try {
    if (options.Headless)
      RenderHeadless(options);
    else
      RenderWithQt(options);
  } catch (const std::exception& error) {
    std::cerr << error.what() << '\n';
    return 1;
  }
  return 0;
}
