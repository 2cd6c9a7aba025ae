#pragma once
// A document on the headless platform, where a font of 12 points is 16 pixels high with
// descent 4 and every character 8 pixels wide.

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "html/document/Section.h"
#include "html/document/SectionList.h"
#include "platform/Bitmap.h"
#include "platform/headless/HeadlessGraphics.h"

// An inline image of a fixed size that records where it was drawn.
class TFakeImage : public TInlineImage {
 public:
  TFakeImage(int width, int height, TImageAlign align, int hSpace = 0) {
    ImageWidth = width;
    ImageHeight = height;
    Align = align;
    HSpace = hSpace;
  }
  void ComputeSize(TSectionList&, TCanvas&, int, const TFontObj&) override {}
  void DrawImage(TCanvas&, int x, const TFontObj&, int baseline, int top) override {
    DrawnX = x;
    DrawnBaseline = baseline;
    DrawnTop = top;
  }
  // The picture fills the image's box from where it was drawn: the line top (iaTop) or its
  // bottom on the baseline.
  bool ContainsPoint(int x, int y, int& xInImage, int& yInImage) const override {
    const int top = Align == iaBottom ? DrawnBaseline - ImageHeight : DrawnTop;
    xInImage = x - DrawnX;
    yInImage = y - top;
    return DrawnX >= 0 && xInImage >= 0 && xInImage < ImageWidth && yInImage >= 0 &&
           yInImage < ImageHeight;
  }
  // Answers a click itself when told to, with AnswerControl and AnswerUrl.
  bool AnswersClick(int, int, TInlineControl*& formControl,
                    std::optional<TUrlTarget>& link) override {
    if (!Answers) return false;
    formControl = AnswerControl;
    if (!AnswerUrl.empty()) link.emplace().Url = AnswerUrl;
    return true;
  }
  int DrawnX = -1, DrawnBaseline = -1, DrawnTop = -1;
  bool Answers = false;
  TInlineControl* AnswerControl = nullptr;
  std::u32string AnswerUrl;
};

// A form control 40 by 20 pixels that records what is done to its window.
class TFakeControl : public TInlineControl {
 public:
  int Width() const override { return 40; }
  int Height() const override { return 20; }
  void Place(int x, int top, TColor) override { PlacedX = x, PlacedTop = top; }
  void Hide() override { Hidden = true; }
  void MoveOutOfSight() override { OutOfSight = true; }
  bool HasFocus() const override { return Focused; }
  int PlacedX = -1, PlacedTop = -1;
  bool Hidden = false, OutOfSight = false, Focused = false;
};

class DocumentTest : public ::testing::Test {
 protected:
  THeadlessGraphics Graphics;
  TSectionList Document{Graphics};
  TBitmap Surface{400, 300};
  std::unique_ptr<TCanvas> Canvas = Graphics.CanvasFor(Surface);

  // The builder's base font: the document's face and colour at scale 12.
  TMyFont BaseFont() const {
    TFontDesc desc;
    desc.Name = Document.FontName;
    desc.Size = Document.FontSize;
    desc.Color = Document.FontColor;
    return TMyFont(desc);
  }

  // A text section holding text, added to the document.
  template <typename Kind = TSection, typename... Args>
  Kind& AddText(std::u32string_view text, Args&&... args) {
    auto section = MakeSection<Kind>(std::forward<Args>(args)...);
    section->AppendText(text);
    Kind& result = *section;
    Document.AddSection(std::move(section));
    return result;
  }

  template <typename Kind = TSection, typename... Args>
  std::unique_ptr<Kind> MakeSection(Args&&... args) {
    if constexpr (sizeof...(Args) == 0)
      return std::make_unique<Kind>(Document.RunFonts, 0, jLeft, nullptr, BaseFont());
    else
      return std::make_unique<Kind>(Document.RunFonts, std::forward<Args>(args)...);
  }

  // Lays the document out for a width; returns its height.
  int Arrange(int width) {
    int maxWidth = 0, curs = 0;
    return Document.Arrange(*Canvas, 0, width, maxWidth, curs);
  }

  void RenderAll() {
    Surface.Fill(clWhite);
    Document.Render(*Canvas, {0, 0, Surface.Width(), Surface.Height()}, Surface.Width(), 0, 0);
  }

  int CountOf(TColor color) const {
    int count = 0;
    for (int y = 0; y < Surface.Height(); ++y)
      for (int x = 0; x < Surface.Width(); ++x) count += Surface.Pixel(x, y) == color;
    return count;
  }

  // The text of each line of a section.
  static std::vector<std::u32string> LineTexts(const TSection& section) {
    std::vector<std::u32string> texts;
    for (const LineRec& line : section.Lines)
      texts.push_back(section.Text.substr(std::size_t(line.Start), std::size_t(line.Count)));
    return texts;
  }
};
