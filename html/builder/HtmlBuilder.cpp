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
  Tokens.Start();
  ParseBody(0, TSymbolSet());
}

void THtmlBuilder::BuildPlainText() {
  Tokens.NextChar();
  ParsePlainText();
}

void THtmlBuilder::Finish() {
  Tokens.Attributes.Clear();
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
  if (!CurrentSection) StartSection(level, CurrentAlign);
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
      case symBlockquote:
        // A list inside a centred block of a list item starts again at the first level.
        ParseNestedList(1, stopSet);
        break;
      case symCenter:
      case symDiv: ParseAlignedBlock(level, stopSet); break;
      default:
        if (ParseCommonSymbol(level)) break;
        if (stopSet.Contains(Sym())) return;
        NextSymbol();
    }
  }
  NextSymbol();
}

bool THtmlBuilder::ParseCommonSymbol(int level) {
  if (ParseStyleSymbol()) {
    RefreshFont();
    NextSymbol();
    return true;
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
    case symTt:
    case symCode:
    case symKbd:
    case symSamp: ParseFixedFont(); break;
    case symTtEnd:
    case symCodeEnd:
    case symKbdEnd:
    case symSampEnd:
    case symFontEnd:
    case symBigEnd:
    case symSmallEnd:
      PopFont();
      RefreshFont();
      break;
    case symAddress:
    case symAddressEnd: ParseAddress(level); break;
    case symPre: ParsePreformatted(level); return true;
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
