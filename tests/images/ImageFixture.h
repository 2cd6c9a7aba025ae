#pragma once
// Documents with pictures on the headless platform. Pictures come from a host that answers
// image requests from memory (TStreamSource), so no file is needed; the shared image cache is
// emptied before and after every test.
//
// Numbers worked out by hand: the default font (12 points) is 16 pixels high with descent 4
// and 8 pixels per character; Arial 8 points, used for ALT text, is 11 pixels high with
// descent 3 and 6 pixels per character.

#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <string>
#include <string_view>

#include "html/builder/Builder.h"
#include "html/document/Section.h"
#include "html/document/SectionList.h"
#include "html/images/ImageCache.h"
#include "html/images/ImageObj.h"
#include "html/images/ImageSource.h"
#include "platform/Bitmap.h"
#include "platform/headless/HeadlessGraphics.h"
#include "tools/PictureFiles.h"

// A host that answers image requests from a table of streams.
class TStreamSource : public TImageSource {
 public:
  std::map<std::u32string, std::string> Streams;
  std::map<std::u32string, int> Requests;  // how often each source was asked for
  bool Waiting = false;                    // answer WaitStream() to everything

  bool AnswersImageRequests() const override { return true; }
  const TMemoryStream* RequestImage(const std::u32string& source) override {
    ++Requests[source];
    if (Waiting) return WaitStream();
    const auto found = Streams.find(source);
    return found == Streams.end() ? nullptr : &found->second;
  }
  std::string ImageFileName(std::u32string_view) const override { return {}; }
};

// A solid picture.
inline TBitmap Solid(int width, int height, TColor color) {
  TBitmap picture(width, height);
  picture.Fill(color);
  return picture;
}

class ImageTest : public ::testing::Test {
 protected:
  THeadlessGraphics Graphics;
  TStreamSource Source;
  std::unique_ptr<TSectionList> Document = MakeDocument();
  TAnchorList Anchors;
  TBitmap Surface{400, 300};
  std::unique_ptr<TCanvas> Canvas = Graphics.CanvasFor(Surface);

  void SetUp() override { ImageCache().Clear(); }
  void TearDown() override {
    Document.reset();
    ImageCache().Clear();
  }

  std::unique_ptr<TSectionList> MakeDocument() {
    auto document = std::make_unique<TSectionList>(Graphics);
    document->ImageSource = &Source;
    return document;
  }

  // Offers the bytes of a picture under a source name.
  void Offer(const std::u32string& name, const TBytes& bytes) { Source.Streams[name] = AsStream(bytes); }

  // Builds html into the document (which must be empty), lays it out for width and draws it
  // onto a white surface.
  void Show(std::string_view html, int width = 400) {
    TDocumentHead head;
    ParseHtmlBuffer(*Document, Anchors, html, {}, nullptr, {}, {}, {}, head);
    Arrange(width);
    Render();
  }
  int Arrange(int width) {
    int maxWidth = 0, curs = 0;
    return Document->Arrange(*Canvas, 0, width, maxWidth, curs);
  }
  void Render() {
    Surface.Fill(clWhite);
    Document->Render(*Canvas, {0, 0, Surface.Width(), Surface.Height()}, Surface.Width(), 0, 0);
  }

  // The index-th text section.
  TSection& SectionAt(std::size_t index) const { return dynamic_cast<TSection&>((*Document)[index]); }
  // The n-th image of the document, in order.
  TImageObj& ImageAt(std::size_t n) const {
    for (const auto& section : *Document)
      if (auto* text = dynamic_cast<TSection*>(section.get()))
        for (const auto& image : text->Images) {
          if (n == 0) return dynamic_cast<TImageObj&>(*image);
          --n;
        }
    throw std::out_of_range("no such image");
  }
  // The link a point leads to (document coordinates), or "" for none.
  std::u32string LinkAt(int x, int y) {
    TInlineControl* control = nullptr;
    std::optional<TUrlTarget> link;
    if (!Document->LinkAt(*Canvas, x, y, control, link) || !link) return U"";
    return link->Url;
  }
  int CountOf(TColor color) const {
    int count = 0;
    for (int y = 0; y < Surface.Height(); ++y)
      for (int x = 0; x < Surface.Width(); ++x) count += Surface.Pixel(x, y) == color;
    return count;
  }
};
