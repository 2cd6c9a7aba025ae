// Page styles in the builder: sheets taken as their elements come, hidden elements passed
// over, and what the page decides laid over the builder's fonts, sections and lists.
#include <algorithm>
#include <cmath>

#include "html/builder/HtmlBuilder.h"
#include "html/document/IndentManager.h"
#include "html/document/SectionList.h"
#include "html/tables/Table.h"
#include "platform/Screen.h"

namespace {

// Font sizes the page gives are held within these scales (twelfths of the default size).
constexpr int MinStyleScale = 1;
constexpr int MaxStyleScale = 120;

// The face the page's sans-serif family names.
constexpr const char* SansSerifFace = "Arial";

constexpr TPropertySet FontProperties =
    PropertyBit(spColor) | PropertyBit(spFontFamily) | PropertyBit(spFontSize) |
    PropertyBit(spFontWeight) | PropertyBit(spFontStyle) | PropertyBit(spTextDecorationLine) |
    PropertyBit(spVerticalAlign);

TFontStyles Switch(TFontStyles style, TFontStyles bit, bool on) {
  return on ? TFontStyles(style | bit) : TFontStyles(style & ~bit);
}

// The style bits the page decides for an element's text.
TFontStyles StyleBits(const TOpenElement& element, TFontStyles style) {
  const TComputedStyle& computed = element.Style;
  if (element.Owns(spFontWeight)) style = Switch(style, fsBold, computed.FontWeight >= 600);
  if (element.Owns(spFontStyle)) style = Switch(style, fsItalic, computed.Italic);
  if (element.Owns(spTextDecorationLine)) {
    const TDecorationLines lines = computed.Decoration | computed.InheritedDecoration;
    style = Switch(style, fsUnderline, lines & tdUnderline);
    style = Switch(style, fsStrikeOut, lines & tdLineThrough);
  }
  return style;
}

TJustify JustifyOf(TTextAlign align, bool rightToLeft) {
  switch (align) {
    case taCenter: return jCentre;
    case taRight: return jRight;
    case taLeft:
    case taJustify: return jLeft;  // lines are not stretched
    case taStart: return rightToLeft ? jRight : jLeft;
    case taEnd: return rightToLeft ? jLeft : jRight;
  }
  return jLeft;
}

}  // namespace

void THtmlBuilder::SetStyleOptions(const TPageStyleOptions& options) {
  if (!options.UsePageStyles) {
    Styles.reset();
    Tokens.KeepStyleSheets = false;
    return;
  }
  TComputedStyle initial;
  initial.FontPx = PointsToPixels(Document.FontSize);
  initial.RootFontPx = initial.FontPx;
  initial.Color = Document.FontColor;
  initial.Background = initial.Backdrop = Document.Background;
  Styles = std::make_unique<TPageStyles>(options, initial);
  Tokens.KeepStyleSheets = true;
}

std::string THtmlBuilder::StyleTagName() const {
  // The tokenizer reads a heading's level apart from its name.
  if ((Sym() == symHeading || Sym() == symHeadingEnd) && Tokens.TokenValue > 0)
    return Tokens.TagName + char('0' + Tokens.TokenValue);
  return Tokens.TagName;
}

void THtmlBuilder::TakeStyleSource() {
  if (Sym() == symStyle) {
    const TAttribute* media = nullptr;
    for (const auto& attribute : Tokens.Attributes)
      if (attribute->Name == "MEDIA") media = attribute.get();
    Styles->AddStyleElement(Tokens.TokenText, media ? &media->StrValue : nullptr);
  } else if (Tokens.TagName == "LINK") {
    Styles->AddLinkElement(Tokens.Attributes, Head.BaseUrl);
  }
}

bool THtmlBuilder::MayStartPageStyles() const {
  if (Sym() == symStyle || Tokens.TagName == "LINK") return true;
  for (const auto& attribute : Tokens.Attributes)
    if (attribute->Name == "STYLE") return true;
  return false;
}

void THtmlBuilder::MeetStyledTag() {
  TOpenElements& elements = Styles->Elements;
  // Until the page has some style, its elements are not followed: a page without CSS pays
  // for nothing but this test.
  if (!elements.PageStyled && !(Tokens.StartTag && MayStartPageStyles())) return;
  bool opened = false;  // the current start tag's element is open already
  for (;;) {
    if (!opened && Tokens.EndTag) {
      if (elements.Close(StyleTagName()) && elements.ClosedBlocked) StyledLineBreak();
      break;
    }
    if (!opened && !Tokens.StartTag) break;
    if (!opened) {
      TakeStyleSource();
      elements.Open(Sym(), StyleTagName(), Tokens.Attributes);
    }
    opened = false;
    const TOpenElement& element = *elements.Current();
    if (element.Style.Display != dpNone || !elements.PageStyled) {
      if (element.Blocked) StyledLineBreak();
      break;
    }
    const THiddenEnd end = SkipHiddenElement();
    if (end == heClosed) {
      if (elements.ClosedBlocked) StyledLineBreak();
      break;
    }
    opened = end == heOpened;
  }
  FollowStyledFont();
}

THtmlBuilder::THiddenEnd THtmlBuilder::SkipHiddenElement() {
  TOpenElements& elements = Styles->Elements;
  const std::size_t hidden = elements.Depth();  // its index, plus one
  const std::string hiddenTag = elements.Current()->Tag;
  // A void element ends with its tag.
  bool ended = elements.VoidOpen();
  for (;;) {
    Tokens.NextSymbol();
    if (ended || Sym() == symEof) return heNext;
    if (Tokens.StartTag) {
      if (Sym() == symScript && !Tokens.SelfClosing) {
        // A script is text up to its end tag, never markup.
        do Tokens.NextScriptSymbol();
        while (Sym() != symEof && Sym() != symScriptEnd);
        continue;
      }
      TakeStyleSource();
      elements.Open(Sym(), StyleTagName(), Tokens.Attributes);
      // A tag that implies the hidden element's end opens where it stood.
      if (elements.Depth() <= hidden) return heOpened;
    } else if (Tokens.EndTag) {
      const std::string tag = StyleTagName();
      elements.Close(tag);
      if (elements.Depth() < hidden) {
        // The end tag of an element around the hidden one ends that element as well.
        if (tag != hiddenTag) return heClosed;
        ended = true;
      }
    }
  }
}

bool THtmlBuilder::StyleDropsTag() const {
  if (!Styles) return false;
  if (Tokens.EndTag) return Styles->Elements.ClosedInlined;
  const TOpenElement* element = Styles->Elements.Current();
  return Tokens.StartTag && element && element->Inlined && element->Symbol == Sym();
}

const TOpenElement* THtmlBuilder::StyledElement() const {
  if (!Styles || !Styles->Elements.PageStyled) return nullptr;
  return Styles->Elements.Current();
}

const TMyFont& THtmlBuilder::StyledFont() {
  const TOpenElement* element = StyledElement();
  if (!element || !(element->Owned & FontProperties)) return TopFont();
  const TComputedStyle& computed = element->Style;
  StyleFont = TopFont();
  if (element->Owns(spFontFamily) && computed.FontFamily) {
    for (const TFontFamily& family : *computed.FontFamily) {
      if (family.Generic == gfMonospace) {
        StyleFont.SetName(Document.PreFontName);
        StyleFont.Fixed = true;
      } else if (family.Generic == gfSerif) {
        StyleFont.SetName(Document.FontName);
        StyleFont.Fixed = false;
      } else if (family.Generic == gfSansSerif) {
        StyleFont.SetName(SansSerifFace);
        StyleFont.Fixed = false;
      } else if (Styles->FamilyKnown(family.Name)) {
        StyleFont.SetName(family.Name);
        StyleFont.Fixed = false;
      } else {
        continue;
      }
      break;
    }
  }
  if (element->Owns(spFontSize)) {
    const double defaultPx = PointsToPixels(Document.FontSize);
    const double scale = defaultPx > 0 ? 12 * computed.FontPx / defaultPx : 12;
    StyleFont.SetScale(Document, int(std::clamp<double>(std::lround(scale), MinStyleScale,
                                                        MaxStyleScale)));
  }
  if (element->Owns(spColor) && element->ReadableColor) StyleFont.SetColor(computed.Color);
  StyleFont.SetStyle(StyleBits(*element, StyleFont.Style()));
  return StyleFont;
}

TFontStyles THtmlBuilder::StyledStyle() const {
  const TOpenElement* element = StyledElement();
  return element ? StyleBits(*element, CurrentStyle) : CurrentStyle;
}

int THtmlBuilder::StyledScript() const {
  const TOpenElement* element = StyledElement();
  if (!element || !element->Owns(spVerticalAlign)) return CurrentScript;
  switch (element->OwnedScript) {
    case vaSub: return skSubscript;
    case vaSuper: return skSuperscript;
    case vaBaseline: break;
  }
  return skNormal;
}

void THtmlBuilder::FollowStyledFont() {
  TStyledFontKey key;
  if (const TOpenElement* element = StyledElement()) {
    const TComputedStyle& style = element->Style;
    key.Owned = element->Owned & FontProperties;
    // Only what the page decides counts: the rest is the builder's, as it was.
    if (element->Owns(spFontFamily)) key.Family = style.FontFamily;
    if (element->Owns(spFontSize)) key.FontPx = style.FontPx;
    if (element->Owns(spFontWeight)) key.Weight = style.FontWeight;
    if (element->Owns(spFontStyle)) key.Italic = style.Italic;
    if (element->Owns(spTextDecorationLine))
      key.Lines = style.Decoration | style.InheritedDecoration;
    if (element->Owns(spColor) && element->ReadableColor) key.Color = style.Color;
    if (element->Owns(spVerticalAlign)) key.Script = element->OwnedScript;
  }
  if (key == StyledFontKey) return;
  StyledFontKey = key;
  if (!CurrentSection) return;
  // Preformatted text read so far keeps the font it was read in.
  if (Tokens.InPreformatted) FlushPreText();
  RefreshFont();
}

void THtmlBuilder::StyledLineBreak() {
  if (Tokens.InPreformatted || !CurrentSection || CurrentSection->Text.empty()) return;
  StartSection(SectionLevel, CurrentAlign);
}

void THtmlBuilder::StyleSection(TSection& section) {
  SectionLevel = section.Level;
  const TOpenElement* element = StyledElement();
  if (!element) return;
  if (element->ExtraLevels) {
    section.Level = std::max(section.Level + element->ExtraLevels, 0);
    section.Indent = section.Level * LevelIndent;
  }
  if (element->Owns(spTextAlign))
    section.Justify = JustifyOf(element->Style.TextAlign, CurrentRightToLeft);
}

void THtmlBuilder::StyleCell(TCellObj& cell) const {
  const TOpenElement* element = StyledElement();
  if (!element) return;
  if (element->Owns(spBackgroundColor)) {
    cell.Cell.HasBackground = element->Style.HasBackground;
    cell.Cell.BackgroundColor = element->Style.Background;
  }
  if (element->Owns(spWhiteSpace))
    cell.NoWrap = element->Style.WhiteSpace == wsNoWrap || element->Style.WhiteSpace == wsPre;
}

THtmlBuilder::TItemMarker THtmlBuilder::StyledItemMarker(TItemMarker builderMarker) const {
  const TOpenElement* element = StyledElement();
  if (!element || !element->Owns(spListStyleType)) return builderMarker;
  switch (element->Style.ListStyleType) {
    case lsDisc:
    case lsCircle:
    case lsSquare: return {};
    case lsNone: return {false, U'1', true};
    case lsDecimal: return {true, U'1'};
    case lsLowerAlpha: return {true, U'a'};
    case lsUpperAlpha: return {true, U'A'};
    case lsLowerRoman: return {true, U'i'};
    case lsUpperRoman: return {true, U'I'};
  }
  return builderMarker;
}
