// The builder's state, its section and font helpers, and the body loop.
#include "html/builder/HtmlBuilder.h"

#include "html/builder/AlignValue.h"
#include "html/document/SectionList.h"

THtmlBuilder::THtmlBuilder(TSourceText source, TSectionList& document,
                           TAnchorList& anchorList, TDocumentHead& head)
    : Tokens(std::move(source)), Document(document), AnchorList(anchorList), Head(head),
      CurrentCell(&document) {
  Head = TDocumentHead();
  FontStack.reserve(MaxFontStack);
  TFontDesc base;
  base.Name = Document.FontName;
  base.Color = Document.FontColor;
  base.CharSet = Document.CharSet;
  auto& font = FontStack.emplace_back(std::make_unique<TMyFont>(base));
  font->SetScale(Document, 12);
  StartSection(0, jLeft);
}

void THtmlBuilder::BuildHtml() {
  Tokens.NextChar();
  NextSymbol();
  ParseBody(0, TSymbolSet());
}

void THtmlBuilder::BuildPlainText() {
  Tokens.NextChar();
  ParsePlainText();
}

void THtmlBuilder::Finish() {
  Tokens.Attributes.Clear();
  // IDs at the very end of the page point at its end.
  if (!PendingAnchors.empty() && !FontStack.empty()) EnsureSection(0);
  CloseSection();
  FontStack.clear();
  CurrentUrlTarget.Clear();
  InLink = false;
}

// --- Sections, fonts and links.

void THtmlBuilder::CloseSection() {
  if (CurrentSection) CurrentCell->AddSection(std::move(CurrentSection));
}

void THtmlBuilder::EnsureSection(int level) {
  // Content goes to the section that is ensured: the IDs of the elements before it are there.
  if (CurrentSection)
    PlacePendingAnchors();
  else
    StartSection(level, CurrentAlign);
}

void THtmlBuilder::StartSection(int level, TJustify justify) {
  StartSection(std::make_unique<TSection>(Document.RunFonts, level, justify, &CurrentUrlTarget,
                                          TopFont(), CurrentStyle));
}

void THtmlBuilder::StartSection(std::unique_ptr<TSection> section) {
  // An open section is kept, never dropped: anchors may point at it.
  CloseSection();
  CurrentSection = std::move(section);
  CurrentSection->RightToLeft = CurrentRightToLeft;
  CurrentScript = skNormal;
  PlacePendingAnchors();
}

void THtmlBuilder::PlacePendingAnchors() {
  for (const std::u32string& name : PendingAnchors) AnchorList.Add(name, CurrentSection.get());
  PendingAnchors.clear();
}

std::optional<bool> THtmlBuilder::TagDirection() const {
  const TAttribute* dir = FindAttribute(Tokens.Attributes, symDir);
  return dir ? RightToLeftFromText(dir->StrValue) : std::nullopt;
}

void THtmlBuilder::EnterDirection() {
  const std::optional<bool> rightToLeft = TagDirection();
  if (!rightToLeft) return;
  CurrentRightToLeft = *rightToLeft;
  CurrentAlign = *rightToLeft ? jRight : jLeft;
}

bool THtmlBuilder::PushNewFont() {
  if (FontStack.size() >= MaxFontStack) return false;
  FontStack.push_back(std::make_unique<TMyFont>(TopFont()));
  return true;
}

bool THtmlBuilder::PushFixedFont() {
  if (!PushNewFont()) return false;
  TopFont().Fixed = true;
  TopFont().SetName(Document.PreFontName);
  TopFont().SetScale(Document, 10);
  return true;
}

void THtmlBuilder::PopFont() {
  if (FontStack.size() > 1) FontStack.pop_back();
}

void THtmlBuilder::RefreshFont() {
  if (CurrentSection) CurrentSection->ChangeFont(Document, TopFont(), CurrentStyle, CurrentScript);
}

void THtmlBuilder::EndLink() {
  if (InLink) {
    CurrentUrlTarget.Clear();
    InLink = false;
    PopFont();
  }
  if (CurrentSection)
    CurrentSection->SetLink(symAnchorEnd, Document, TopFont(), nullptr, CurrentStyle,
                            CurrentScript);
}

// --- The body loop.

void THtmlBuilder::NextSymbol() {
  Tokens.NextSymbol();
  if (!Tokens.StartTag) return;
  if (const TAttribute* id = FindAttribute(Tokens.Attributes, symId); id && !id->StrValue.empty())
    PendingAnchors.push_back(id->StrValue);
}

void THtmlBuilder::ParseBody(int level, const TSymbolSet& stopSet) {
  while (Sym() != symEof && Sym() != symBodyEnd) {
    switch (Sym()) {
      case symTitle: ParseTitle(); break;
      case symHtml: ParseHtmlTag(); break;
      case symBody: ParseBodyTag(level); break;
      case symHr: ParseHorzLine(); break;
      case symBase: ParseBase(); break;
      case symMeta: ParseMeta(); break;
      case symBgsound: ParseSound(); break;
      case symOl:
      case symUl:
      case symDir:
      case symMenu:
      case symDl:
      case symBlockquote: ParseNestedList(ListLevel + 1, stopSet); break;
      default:
        if (ParseCommonSymbol(level, stopSet)) break;
        if (stopSet.Contains(Sym())) return;
        NextSymbol();
    }
  }
  NextSymbol();
}

bool THtmlBuilder::ParseCommonSymbol(int level, const TSymbolSet& stopSet) {
  const TElementAction& element = ElementAction(Sym());
  switch (element.Kind) {
    case ekInline:
      ParseInlineElement(element);
      NextSymbol();
      return true;
    case ekBlock:
      // The end tag of a block that is not open means nothing.
      if (element.End) return false;
      ParseBlock(level, stopSet, element);
      return true;
    case ekPreformatted:
      if (element.End) return false;
      ParsePreformatted(level, element);
      return true;
    case ekPicture:
      ParseInlineSvg(level, std::move(Tokens.TokenText));
      NextSymbol();
      return true;
    case ekBreakOpportunity:
      ParseBreakOpportunity(level);
      NextSymbol();
      return true;
    case ekOwn: break;
  }
  switch (Sym()) {
    case symPara:
    case symParaEnd: ParseParagraph(level); return true;
    case symBr: ParseBreak(level); break;
    case symHeading: ParseHeading(level); break;
    case symHeadingEnd: ParseHeadingEnd(); break;
    case symSub:
    case symSup:
      EnsureSection(level);
      CurrentScript = Sym() == symSub ? skSubscript : skSuperscript;
      RefreshFont();
      break;
    case symSubEnd:
    case symSupEnd:
      CurrentScript = skNormal;
      RefreshFont();
      break;
    case symFontEnd:
    case symBigEnd:
    case symSmallEnd:
      PopFont();
      RefreshFont();
      break;
    case symAddress:
    case symAddressEnd: ParseAddress(level); break;
    case symAnchor: ParseAnchor(level); break;
    case symAnchorEnd: EndLink(); break;
    case symText:
      EnsureSection(level);
      CurrentSection->AppendText(Tokens.TokenText);
      break;
    case symFont:
    case symBasefont:
      if (ParseFontTag(Sym(), FontSizeScales)) RefreshFont();
      break;
    case symBig:
    case symSmall:
      if (ParseBigSmall(Sym())) RefreshFont();
      break;
    case symScript: ParseScript(); break;
    case symForm:
    case symFormEnd:
    case symInput:
    case symSelect:
    case symTextarea:
    case symTextareaEnd:
      if (!ParseFormSymbol(level)) return false;
      break;
    case symTable: ParseTable(level); return true;
    case symImg: ParseImage(level); break;
    case symMap: ParseMap(); break;
    default: return false;
  }
  NextSymbol();
  return true;
}
