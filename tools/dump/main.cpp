// tamblin-dump: prints what the engine makes of a document, as JSON.
//   tamblin-dump tokens FILE
//       the symbol stream, one object per line
//   tamblin-dump doc [--width N] [--font-size N] [--text] [--no-styles] [--qt] [--progressive]
//                    FILE
//       the document laid out for width N (600) at font size N (12), on the headless
//       platform or, with --qt, with real fonts; --no-styles leaves the page's styles out;
//       --progressive builds and lays it out in slices as small as they come, as a viewer
//       loading in slices does
//   tamblin-dump forms FILE
//       the page's forms and what each submits with no button pressed
//   tamblin-dump link [--width N] FILE X Y      what a click there follows (LinkDump.h)
//   tamblin-dump gif [--png N OUT] FILE         the GIF's frames (GifDump.h)

#include <cstdlib>
#include <cstring>
#include <exception>
#include <iostream>
#include <memory>
#include <string>

#include "html/parser/DocumentFile.h"
#include "platform/headless/HeadlessFormControls.h"
#include "platform/headless/HeadlessGraphics.h"
#include "tools/PageBuild.h"
#include "tools/dump/FormsJson.h"
#include "tools/dump/GifDump.h"
#include "tools/dump/LinkDump.h"
#include "tools/dump/TokenDump.h"

#ifdef TAMBLIN_DUMP_WITH_QT
#include <QGuiApplication>

#include "platform/qt/QtGraphics.h"
#endif

namespace {

int Usage() {
  std::cerr << "usage: tamblin-dump tokens FILE\n"
               "       tamblin-dump doc [--width N] [--font-size N] [--text] [--no-styles] [--qt] "
               "[--progressive] FILE\n"
               "       tamblin-dump forms FILE\n"

               "       tamblin-dump link [--width N] FILE X Y\n"
               "       tamblin-dump gif [--png N OUT] FILE\n";
  return 2;
}

struct TDocOptions {
  TPageOptions Page;
  bool Qt = false;
  std::string File;
};

bool ParseDocArguments(int argc, char** argv, TDocOptions& options) {
  for (int i = 2; i < argc; ++i) {
    std::string arg = argv[i];
    auto number = [&](int& into, int low, int high) {
      if (i + 1 >= argc) return false;
      into = std::atoi(argv[++i]);
      return into >= low && into <= high;
    };
    if (arg == "--width") {
      if (!number(options.Page.Width, 1, 1000000)) return false;
    } else if (arg == "--font-size") {
      if (!number(options.Page.FontSize, 1, 1000)) return false;
    } else if (arg == "--text") {
      options.Page.AsText = true;
    } else if (arg == "--no-styles") {
      options.Page.UsePageStyles = false;
    } else if (arg == "--qt") {
      options.Qt = true;
    } else if (arg == "--progressive") {
      options.Page.Progressive = true;
    } else if (options.File.empty()) {
      options.File = arg;
    } else {
      return false;
    }
  }
  return !options.File.empty();
}

void DumpDocument(TGraphicsFactory& graphics, const TDocOptions& options, bool forms = false) {
  THeadlessFormControls controls;
  TSectionList document(graphics);
  document.ControlFactory = &controls;
  TAnchorList anchors;
  TBitmap measuring(1, 1);
  auto canvas = graphics.CanvasFor(measuring);
  TDocumentSummary summary = BuildPage(options.File, options.Page, document, anchors, *canvas);
  std::cout << (forms ? FormsJson(document) : DocumentJson(document, anchors, summary)).Print()
            << '\n';
}

int RunDoc(int argc, char** argv) {
  TDocOptions options;
  if (!ParseDocArguments(argc, argv, options)) return Usage();
  if (options.Qt) {
#ifdef TAMBLIN_DUMP_WITH_QT
    if (!std::getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QGuiApplication application(argc, argv);
    TQtGraphics graphics;
    DumpDocument(graphics, options);
    return 0;
#else
    std::cerr << "tamblin-dump: built without Qt, --qt is not available\n";
    return 2;
#endif
  }
  THeadlessGraphics graphics;
  DumpDocument(graphics, options);
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) return Usage();
  std::string mode = argv[1];
  try {
    if (mode == "tokens" && argc == 3) {
      std::string bytes = ReadDocumentFile(argv[2]);
      DumpTokens(bytes, std::cout);
      return 0;
    }
    if (mode == "doc") return RunDoc(argc, argv);
    if (mode == "forms" && argc == 3) {
      THeadlessGraphics graphics;
      TDocOptions options;
      options.File = argv[2];
      DumpDocument(graphics, options, true);
      return 0;
    }
    if (mode == "link") return RunLink(argc, argv);
    if (mode == "gif") return RunGif(argc, argv);
  } catch (const std::exception& error) {
    std::cout.flush();
    std::cerr << error.what() << '\n';
    return 1;
  }
  return Usage();
}
