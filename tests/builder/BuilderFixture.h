#pragma once
// Documents built from HTML text on the headless platform, and short ways to look at them.

#include <gtest/gtest.h>

#include <string>
#include <string_view>

#include "html/builder/Builder.h"
#include "html/document/ListItems.h"
#include "html/document/PreFormated.h"
#include "html/document/SectionList.h"
#include "html/parser/Colors.h"
#include "platform/headless/HeadlessGraphics.h"

class BuilderTest : public ::testing::Test {
 protected:
  THeadlessGraphics Graphics;
  TSectionList Document{Graphics};
  TAnchorList Anchors;
  TDocumentHead Head;
  TMetaType Meta;
  TSoundType Sound;
  TIncludeHandler Include;
  TScriptEvent Script;

  void Build(std::string_view html) {
    ParseHtmlBuffer(Document, Anchors, html, Meta, nullptr, Sound, Include, Script, Head);
  }

  // The kinds of the document's sections, separated by spaces.
  std::string Kinds() const {
    std::string kinds;
    for (const auto& section : Document) kinds += std::string(kinds.empty() ? "" : " ") + section->KindName();
    return kinds;
  }

  // The index-th section, which must be a text section (or a kind derived from it).
  template <typename Kind = TSection>
  Kind& At(std::size_t index) const {
    auto* section = dynamic_cast<Kind*>(&Document[index]);
    if (!section) throw std::logic_error("section " + std::to_string(index) + " is not of the kind");
    return *section;
  }
  std::u32string TextAt(std::size_t index) const { return At(index).Text.str(); }

  // The run of the index-th section that holds the character at pos.
  const TFontObj& RunAt(std::size_t index, int pos) const {
    int runIndex = 0;
    return At(index).Fonts.RunAt(pos, runIndex);
  }
  // A run's link; empty when it has none.
  static std::u32string UrlOf(const TFontObj& run) { return run.UrlTarget().Url; }
  static std::u32string TargetOf(const TFontObj& run) { return run.UrlTarget().Target; }
};
