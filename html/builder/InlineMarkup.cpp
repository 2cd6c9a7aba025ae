// Text-level markup: style switches, paragraphs, line breaks, headings, fonts and links.
#include <algorithm>
#include <cstdint>
#include <optional>

#include "html/builder/HtmlBuilder.h"
#include "html/builder/AlignValue.h"
#include "html/document/BlockSpaces.h"
#include "html/document/SectionList.h"
#include "html/parser/Colors.h"
#include "html/parser/Tables.h"
#include "html/support/Trim.h"
#include "html/support/Utf8.h"

namespace {

// Font scales of the headings H1 to H6; a bare H is level 0.
constexpr std::array<int, 7> HeadingScales{12, 24, 18, 15, 12, 10, 8};

// Only the first face of a FACE list is used, and only this much of the value is read.
constexpr std::size_t MaxFaceLength = 50;

}  // namespace

bool THtmlBuilder::ParseStyleSymbol() {
  const TElementAction& element = ElementAction(Sym());
  if (!element.Style) return false;
  // Switches, not counters: an inner end tag ends the style for the rest of the outer element.
  CurrentStyle = element.End ? CurrentStyle & ~element.Style : CurrentStyle | element.Style;
  return true;
}

void THtmlBuilder::ParseInlineElement(const TElementAction& element) {
  bool changed = ParseStyleSymbol();
  if (element.FixedPitch && element.End) {
    PopFont();
    changed = true;
  } else if (element.FixedPitch && PushFixedFont()) {
    // With a full stack the text keeps the font it is in.
    changed = true;
  }
  if (changed) RefreshFont();
}

void THtmlBuilder::ParseBreakOpportunity(int level) {
  EnsureSection(level);
  CurrentSection->AppendText(std::u32string_view(&BreakOpportunity, 1));
}

TJustify THtmlBuilder::ParagraphAlign(TSymbol symbol) const {
  // An end tag of P stores no attributes: the list still holds an earlier tag's.
  if (symbol == symParaEnd) return CurrentAlign;
  const std::optional<bool> rightToLeft = TagDirection();
  const TJustify start = !rightToLeft ? CurrentAlign : *rightToLeft ? jRight : jLeft;
  return AlignFromText(Tokens.AttributeText(symAlign)).value_or(start);
}

bool THtmlBuilder::TagRightToLeft(TSymbol symbol) const {
  if (symbol == symParaEnd) return CurrentRightToLeft;
  return TagDirection().value_or(CurrentRightToLeft);
}

void THtmlBuilder::ParseParagraph(int level) {
  CloseSection();
  if (!Tokens.AfterParagraph) CurrentCell->AddSection(std::make_unique<TParagraphSpace>());
  TJustify justify;
  bool rightToLeft;
  do {
    justify = ParagraphAlign(Sym());
    rightToLeft = TagRightToLeft(Sym());
    Tokens.SkipWhiteSpace();
    Tokens.AfterParagraph = true;
    NextSymbol();
  } while (Sym() == symPara || Sym() == symParaEnd);
  StartSection(level, justify);
  CurrentSection->RightToLeft = rightToLeft;
}

void THtmlBuilder::ParseBreak(int level) {
  // An empty line gets a space so that it keeps the height of a line of text.
  const TJustify justify = CurrentSection ? CurrentSection->EnsureText() : CurrentAlign;
  const bool rightToLeft = CurrentSection ? CurrentSection->RightToLeft : CurrentRightToLeft;
  CloseSection();
  StartSection(level, justify);
  CurrentSection->RightToLeft = rightToLeft;
  CurrentSection->ReadClear(Tokens.Attributes);
}

void THtmlBuilder::ParseHeading(int level) {
  if (FontStack.size() >= MaxFontStack) return;
  const int headingLevel = std::clamp(Tokens.TokenValue, 0, 6);
  CloseSection();
  PushNewFont();
  TopFont().SetScale(Document, HeadingScales[headingLevel]);
  if (headingLevel > 0) TopFont().SetStyle(TopFont().Style() | fsBold);
  CurrentCell->AddSection(std::make_unique<THeadingSpace>(headingLevel));
  StartSection(level, ParagraphAlign(symHeading));
  CurrentSection->RightToLeft = TagRightToLeft(symHeading);
}

void THtmlBuilder::ParseHeadingEnd() {
  if (FontStack.size() <= 1) return;
  CloseSection();
  CurrentCell->AddSection(std::make_unique<THeadingSpace>(Tokens.TokenValue));
  PopFont();
}

void THtmlBuilder::ParseAddress(int level) {
  CloseSection();
  if (Sym() == symAddressEnd) {
    PopFont();
    return;
  }
  // With a full stack the address keeps the font it is in rather than making that one italic.
  if (PushNewFont()) TopFont().SetStyle(TopFont().Style() | fsItalic);
  StartSection(level, CurrentAlign);
}

void THtmlBuilder::ParseAnchor(int level) {
  for (const auto& attribute : Tokens.Attributes) {
    if (attribute->Symbol == symHref) {
      if (InLink) EndLink();
      if (attribute->StrValue.empty()) continue;
      CurrentUrlTarget.Url = attribute->StrValue;
      CurrentUrlTarget.Target = Tokens.AttributeText(symTarget);
      InLink = true;
      // With a full stack the link text keeps the outer font rather than restyling it.
      if (PushNewFont()) {
        TopFont().SetStyle(TopFont().Style() | LinkStyle);
        TopFont().SetColor(Document.HotSpotColor);
      }
      if (CurrentSection)
        CurrentSection->SetLink(symHref, Document, TopFont(), &CurrentUrlTarget, CurrentStyle,
                                CurrentScript);
    } else if (attribute->Symbol == symName && !attribute->StrValue.empty()) {
      EnsureSection(level);
      AnchorList.Add(attribute->StrValue, CurrentSection.get());
    }
  }
}

bool THtmlBuilder::ParseFontTag(TSymbol symbol, const std::array<int, 7>& scales) {
  std::optional<int> size;
  std::optional<TColor> color;
  std::optional<std::u32string> face;
  for (const auto& attribute : Tokens.Attributes) {
    const std::u32string& text = attribute->StrValue;
    switch (attribute->Symbol) {
      case symSize: {
        std::int64_t number = attribute->IntValue;
        if (text.size() > 1 && (text[0] == U'+' || text[0] == U'-')) number += BaseFontSize;
        size = int(std::clamp<std::int64_t>(number, 1, 7));
        if (symbol == symBasefont) BaseFontSize = *size;
        break;
      }
      case symColor:
        if (symbol == symFont)
          if (auto value = ColorFromString(text)) color = *value;
        break;
      case symFace:
        if (symbol == symFont && !text.empty()) {
          std::u32string_view name = std::u32string_view(text).substr(0, MaxFaceLength);
          name = name.substr(0, name.find(U','));
          if (std::u32string trimmed = TrimControls(name); !trimmed.empty()) face = trimmed;
        }
        break;
      default: break;
    }
  }
  // A BASEFONT counts only before the document's first section.
  if (symbol == symBasefont && (CurrentCell != &Document || Document.Count() != 0)) return false;
  // The copy is pushed even when nothing changes, so that the end tag has a font to pop.
  if (!PushNewFont()) return false;
  if (!size && !color && !face) return false;
  if (color) TopFont().SetColor(*color | DocumentColorFlag);
  if (size) TopFont().SetScale(Document, scales[*size - 1]);
  if (face) TopFont().SetName(EncodeUtf8(*face));
  return true;
}

bool THtmlBuilder::ParseBigSmall(TSymbol symbol) {
  const auto found = std::find(FontSizeScales.begin(), FontSizeScales.end(), TopFont().Scale);
  if (found == FontSizeScales.end()) return false;
  const auto index = found - FontSizeScales.begin();
  const auto next = symbol == symBig ? index + 1 : index - 1;
  if (next < 0 || next >= std::ssize(FontSizeScales)) return false;
  if (!PushNewFont()) return false;
  TopFont().SetScale(Document, FontSizeScales[next]);
  return true;
}
