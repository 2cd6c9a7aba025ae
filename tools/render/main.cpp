// tamblin-render: draws a page into a PNG picture, as the viewer shows it.
//   tamblin-render [--width W] [--height H] [--full] [--headless] FILE OUT.png

#include <QApplication>
#include <QImage>

#include <algorithm>
#include <cstdlib>
#include <exception>
#include <iostream>
#include <memory>
#include <string>

#include "platform/headless/HeadlessGraphics.h"
#include "platform/qt/QtGraphics.h"
#include "tools/PageBuild.h"

namespace {

// The viewer's margins around the page.
constexpr int MarginWidth = 10;
constexpr int MarginHeight = 5;

struct TRenderOptions {
  int Width = 800;
  int Height = 600;
  bool Full = false;
  bool Headless = false;
  bool AsText = false;
  std::string File;
  std::string Out;
};

int Usage() {
  std::cerr << "usage: tamblin-render [--width W] [--height H] [--full] [--headless] [--text] "
               "FILE OUT.png\n";
  return 2;
}

bool ParseArguments(int argc, char** argv, TRenderOptions& options) {
  for (int i = 1; i < argc; ++i) {
    std::string arg = argv[i];
    auto number = [&](int& into) {
      if (i + 1 >= argc) return false;
      into = std::atoi(argv[++i]);
      return into > 0 && into <= 100000;
    };
    if (arg == "--width") {
      if (!number(options.Width)) return false;
    } else if (arg == "--height") {
      if (!number(options.Height)) return false;
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

// Largest picture --full will make, so a huge page cannot exhaust memory.
constexpr int MaxFullHeight = 30000;

void Render(TGraphicsFactory& graphics, const TRenderOptions& options) {
  TSectionList document(graphics);
  TAnchorList anchors;
  TBitmap measuring(1, 1);
  auto measuringCanvas = graphics.CanvasFor(measuring);

  TPageOptions page;
  page.Width = options.Width - 2 * MarginWidth;
  page.AsText = options.AsText;
  page.Top = MarginHeight;
  TDocumentSummary summary = BuildPage(options.File, page, document, anchors, *measuringCanvas);

  int height = options.Height;
  if (options.Full) height = std::min(std::max(1, summary.Height + 2 * MarginHeight), MaxFullHeight);

  TBitmap picture(options.Width, height);
  auto canvas = graphics.CanvasFor(picture);
  canvas->SetBrush(document.Background);
  canvas->FillRect({0, 0, options.Width, height});
  // Preformatted lines are clipped to the widest line, so nothing laid out is cut off.
  document.Render(*canvas, {MarginWidth, 1, options.Width, height},
                  std::max(summary.MaxWidth, page.Width), MarginWidth,
                  MarginHeight);
  if (!QtImageOf(picture).save(QString::fromStdString(options.Out), "PNG"))
    throw std::runtime_error("Can't write " + options.Out);
}

}  // namespace

int main(int argc, char** argv) {
  TRenderOptions options;
  if (!ParseArguments(argc, argv, options)) return Usage();
  if (!std::getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
  QApplication application(argc, argv);
  try {
    std::unique_ptr<TGraphicsFactory> graphics;
    if (options.Headless)
      graphics = std::make_unique<THeadlessGraphics>();
    else
      graphics = std::make_unique<TQtGraphics>();
    Render(*graphics, options);
  } catch (const std::exception& error) {
    std::cerr << error.what() << '\n';
    return 1;
  }
  return 0;
}
