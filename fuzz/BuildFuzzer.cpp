// Builds arbitrary bytes into a document, then lays it out and draws it on the headless
// platform. The first byte is a flags byte:
//   bit 0      read the rest as a plain-text file instead of HTML
//   bit 1      answer include directives with the first 64 bytes of the input
//   bit 2      set the meta, sound and script handlers
//   bit 3      lay the document out and draw it
//   bit 4      read the page's styles (its STYLE elements and attributes; LINK names no file)
//   bits 5-7   layout width: 40 + 120 * value pixels
// Form controls are built with the headless controls; every form is reset and submitted.

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "html/builder/Builder.h"
#include "html/builder/HtmlBuilder.h"
#include "html/document/SectionList.h"
#include "html/forms/HtmlForm.h"
#include "html/images/ImageCache.h"
#include "html/images/ImageSource.h"
#include "html/support/Errors.h"
#include "platform/Bitmap.h"
#include "platform/headless/HeadlessFormControls.h"
#include "platform/headless/HeadlessGraphics.h"

#include "FuzzDocument.h"


extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  const std::uint8_t flags = data[0];
  const std::string_view source(reinterpret_cast<const char*>(data + 1), size - 1);

  // Each input starts from an empty image cache, so pictures of one input never show in another.
  ImageCache().Clear();
  THeadlessGraphics graphics;
  THeadlessFormControls controls;
  TSectionList document(graphics);
  TInputImages images(source);
  document.ImageSource = &images;
  TAnchorList anchors;
  TDocumentHead head;
  std::size_t reported = 0;
  document.ControlFactory = &controls;
  document.OnFormSubmit = [&](const std::u32string&, const std::u32string&, const std::u32string&,
                              const std::u32string&, TStringList results) {
    reported += results.size();
  };

  TIncludeHandler include;
  if (flags & 2) {
    include = [&](TriruRedu*, const std::u32string&, TStringList, const char*& buffer,
                  std::size_t& length) {
      buffer = source.data();
      length = std::min<std::size_t>(source.size(), 64);
    };
  }
  TMetaType meta;
  TSoundType sound;
  TScriptEvent script;
  if (flags & 4) {
    meta = [&](TriruRedu*, const std::u32string& httpEq, const std::u32string& name,
               const std::u32string& content) {
      reported += httpEq.size() + name.size() + content.size();
    };
    sound = [&](TriruRedu*, const std::u32string& src, int, bool) { reported += src.size(); };
    script = [&](TriruRedu*, const std::u32string& language, std::u32string text) {
      reported += language.size() + text.size();
    };
  }

  try {
    if (flags & 1) {
      THtmlBuilder builder(source, document, anchors, head);
      builder.BuildPlainText();
      builder.Finish();
    } else {
      TPageStyleOptions styles;
      styles.UsePageStyles = flags & 16;
      ParseHtmlBuffer(document, anchors, source, meta, nullptr, sound, include, script, head,
                      styles);
    }
  } catch (const EParseError&) {
  }

  // Every anchor must point at a live section.
  for (const auto& [name, section] : anchors)
    if (!section || !section->KindName()) __builtin_trap();
  if (flags & 8) LayOutAndDraw(graphics, document, 40 + 120 * (flags >> 5));
  for (const auto& form : document.Forms) {
    form->SubmitTheForm(U"button=pressed");
    form->ResetControls();
  }
  return 0;
}
