#pragma once
// A viewer on the headless platform, with a temporary folder for the files it opens.
//
// Numbers worked out by hand: the default font (12 points) is 16 pixels high with a descent
// of 4 and advances 8 pixels per character; headless scroll bars are 16 pixels thick.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <string_view>

#include "html/document/SectionList.h"
#include "html/viewer/Viewer.h"
#include "platform/headless/HeadlessControls.h"
#include "platform/headless/HeadlessGraphics.h"
#include "platform/headless/HeadlessWindowing.h"

// A folder of its own under the system's temporary folder, removed with the object.
class TTempFolder {
 public:
  TTempFolder() {
    const auto base = std::filesystem::temp_directory_path();
    for (int i = 0;; ++i) {
      Path = base / ("tamblin-viewer-" + std::to_string(::getpid()) + "-" + std::to_string(i));
      if (std::filesystem::create_directories(Path)) break;
    }
  }
  ~TTempFolder() {
    std::error_code error;
    std::filesystem::remove_all(Path, error);
  }
  TTempFolder(const TTempFolder&) = delete;
  TTempFolder& operator=(const TTempFolder&) = delete;

  // Writes a file (creating folders on the way) and answers its full name.
  std::string Write(const std::string& name, std::string_view content) const {
    const auto file = Path / name;
    std::filesystem::create_directories(file.parent_path());
    std::ofstream(file, std::ios::binary) << content;
    return file.string();
  }
  std::string Name(const std::string& name) const { return (Path / name).string(); }

  std::filesystem::path Path;
};

class ViewerTest : public ::testing::Test {
 protected:
  static constexpr int HostWidth = 400;
  static constexpr int HostHeight = 300;

  THeadlessGraphics Graphics;
  THeadlessWindowing Windowing{Graphics};
  std::unique_ptr<THeadlessWindow> Host = Windowing.CreateHost(HostWidth, HostHeight);
  std::unique_ptr<TriruRedu> Viewer = std::make_unique<TriruRedu>(Windowing, *Host);
  TTempFolder Folder;

  // The viewer has the keyboard focus, as after the user clicked it.
  void SetUp() override { Viewer->Panel().SetFocus(); }

  THeadlessWindow& Panel() const { return static_cast<THeadlessWindow&>(Viewer->Panel()); }
  TSectionList& Document() const { return Viewer->Sections(); }
  int SelectionStart() const { return Document().SelectionStart; }
  int SelectionEnd() const { return Document().SelectionEnd; }

  // Shows HTML and paints it once (hit tests use where the lines were last drawn).
  void Show(std::string_view html) {
    Viewer->OpenHtmlBuffer(html);
    Paint();
  }
  void Paint() {
    Host->PaintInvalid();
    Panel().PaintInvalid();
  }
  // A page of count paragraphs "Line i", each one section of 16 pixels.
  static std::string Lines(int count, std::string_view prefix = "Line ") {
    std::string html;
    for (int i = 0; i < count; ++i) html += std::string(prefix) + std::to_string(i) + "<br>";
    return html;
  }
};
