#pragma once
// Pages with forms built on the headless platform, their controls found by name, and the
// submissions they make.

#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

#include "html/builder/Builder.h"
#include "html/document/SectionList.h"
#include "html/forms/FormControlObj.h"
#include "html/forms/HtmlForm.h"
#include "platform/headless/HeadlessFormControls.h"
#include "platform/headless/HeadlessGraphics.h"

using TResults = std::vector<std::u32string>;

class FormsTest : public ::testing::Test {
 protected:
  THeadlessGraphics Graphics;
  THeadlessFormControls Controls;
  TSectionList Document{Graphics};
  TAnchorList Anchors;
  TDocumentHead Head;
  std::vector<TResults> Submitted;

  void SetUp() override {
    Document.ControlFactory = &Controls;
    Document.OnFormSubmit = [this](const std::u32string&, const std::u32string&,
                                   const std::u32string&, const std::u32string&,
                                   TResults results) { Submitted.push_back(std::move(results)); };
  }

  // Builds the page and lays it out 600 pixels wide.
  void Build(std::string_view html) {
    ParseHtmlBuffer(Document, Anchors, html, {}, nullptr, {}, {}, {}, Head);
    TBitmap measuring(1, 1);
    auto canvas = Graphics.CanvasFor(measuring);
    int maxWidth = 0, curs = 0;
    Document.Arrange(*canvas, 0, 600, maxWidth, curs);
  }

  // The first control with this name, in document order, as the kind asked for.
  template <class Kind = TFormControlObj>
  Kind& Named(std::u32string_view name, int skip = 0) const {
    for (const auto& form : Document.Forms)
      for (const auto& control : form->ControlList)
        if (control->Name == name && skip-- == 0)
          if (auto* kind = dynamic_cast<Kind*>(control.get())) return *kind;
    throw std::runtime_error("no such control");
  }
  // The headless window of a control.
  template <class Window>
  Window& WindowOf(const TFormControlObj& control) const {
    return dynamic_cast<Window&>(*control.GetControl());
  }
  ThtmlForm& Form(std::size_t index) const { return *Document.Forms.at(index); }
};
