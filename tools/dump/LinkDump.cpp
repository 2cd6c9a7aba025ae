#include "tools/dump/LinkDump.h"

#include <cstdlib>
#include <iostream>
#include <memory>
#include <string>

#include "html/viewer/Viewer.h"
#include "platform/headless/HeadlessGraphics.h"
#include "platform/headless/HeadlessWindow.h"
#include "platform/headless/HeadlessWindowing.h"
#include "tools/Json.h"

namespace {

int Usage() {
  std::cerr << "usage: tamblin-dump link [--width N] FILE X Y\n";
  return 2;
}

}  // namespace

int RunLink(int argc, char** argv) {
  int width = 800;
  std::string file;
  int numbers[2] = {0, 0};
  int given = 0;
  for (int i = 2; i < argc; ++i) {
    const std::string arg = argv[i];
    if (arg == "--width" && i + 1 < argc) {
      width = std::atoi(argv[++i]);
      if (width < 1 || width > 20000) return Usage();
    } else if (file.empty()) {
      file = arg;
    } else if (given < 2) {
      numbers[given++] = std::atoi(arg.c_str());
    } else {
      return Usage();
    }
  }
  if (file.empty() || given < 2) return Usage();

  THeadlessGraphics graphics;
  THeadlessWindowing windowing(graphics);
  auto host = windowing.CreateHost(width, 600);
  TriruRedu viewer(windowing, *host);
  viewer.SetViewImages(true);
  viewer.OpenHtmlFile(file);
  auto& panel = static_cast<THeadlessWindow&>(viewer.Panel());
  host->PaintInvalid();
  panel.PaintInvalid();

  // The pointer shows the hand over anything a click follows; the click itself is caught
  // before the viewer acts on it.
  const int x = numbers[0], y = numbers[1];
  bool followed = false;
  std::u32string url;
  viewer.OnHotSpotClick = [&](TriruRedu*, const std::u32string& src, bool& handled) {
    followed = true;
    url = src;
    handled = true;
  };
  panel.MoveMouse(x, y);
  const bool hand = panel.Cursor() == crHand;
  panel.Click(mbLeft, x, y);

  TJson json = TJson::MakeObject();
  if (followed)
    json.Set("hit", true).Set("url", url).Set("target", viewer.HotSpotTarget());
  else if (hand)
    json.Set("hit", true).Set("control", true);
  else
    json.Set("hit", false);
  std::cout << json.Print() << '\n';
  return 0;
}
