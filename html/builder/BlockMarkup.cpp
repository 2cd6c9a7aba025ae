// Block structure: centred and aligned blocks, lists, preformatted text and plain text.
#include <climits>

#include "html/builder/HtmlBuilder.h"
#include "html/builder/AlignValue.h"
#include "html/builder/TabStops.h"
#include "html/document/BlockSpaces.h"
#include "html/document/ListItems.h"
#include "html/document/PreFormated.h"
#include "html/document/SectionList.h"
#include "html/parser/SourceText.h"

namespace {

constexpr char32_t LineEnd = 13;
// Pending preformatted text goes to the section once it is longer than this.
constexpr std::size_t PreFlushLength = 200;

const TSymbolSet ListEnds{symOlEnd, symUlEnd, symDirEnd, symMenuEnd, symDlEnd, symBlockquoteEnd};
const TSymbolSet ItemStarts{symLi, symDt, symDd};

bool IsLetter(char32_t upper) { return upper >= U'A' && upper <= U'Z'; }

bool IsListStart(TSymbol symbol) {
  return symbol == symOl || symbol == symUl || symbol == symDir || symbol == symMenu ||
         symbol == symDl;
}

}  // namespace

void THtmlBuilder::ParseBlock(int level, const TSymbolSet& stopSet, const TElementAction& block) {
  if (!CanNest()) {
    NextSymbol();
    return;
  }
  TNesting nesting(Nesting);
  const TJustify savedAlign = CurrentAlign;
  const bool savedRightToLeft = CurrentRightToLeft;
  if (block.Centred) {
    CurrentAlign = jCentre;
  } else {
    EnterDirection();
    CurrentAlign = AlignFromText(Tokens.AttributeText(symAlign)).value_or(CurrentAlign);
  }
  if (ItemAwaitsText()) {
    // A list item whose text has not begun takes the block's first lines beside its marker,
    // and a P right at the block's start adds no space, as right after LI.
    CurrentSection->Justify = CurrentAlign;
    CurrentSection->RightToLeft = CurrentRightToLeft;
    Tokens.SkipWhiteSpace();
    NextSymbol();
    if (Sym() == symPara) NextSymbol();
  } else {
    StartSection(level, CurrentAlign);
    NextSymbol();
  }
  // Any block's end tag closes the innermost block.
  ParseBody(level, stopSet + BlockEndSymbols());
  CurrentAlign = savedAlign;
  CurrentRightToLeft = savedRightToLeft;
  if (ItemAwaitsText()) {
    CurrentSection->Justify = CurrentAlign;
    CurrentSection->RightToLeft = CurrentRightToLeft;
  } else {
    StartSection(level, CurrentAlign);
  }
  if (BlockEndSymbols().Contains(Sym())) NextSymbol();
}

bool THtmlBuilder::ItemAwaitsText() const {
  return CurrentSection && CurrentSection->ListKind != lkNone && CurrentSection->Text.empty();
}

void THtmlBuilder::ParseNestedList(int level, const TSymbolSet& stopSet) {
  if (!CanNest()) {
    NextSymbol();
    return;
  }
  if (Sym() == symBlockquote) CloseSection();
  ParseList(level, Sym(), stopSet);
  // Any list end closes the innermost list. A list that stopped at a symbol of the stop set
  // (a table cell boundary, the end of a centred block) leaves that symbol to its owner.
  if (ListEnds.Contains(Sym())) NextSymbol();
}

void THtmlBuilder::ParseList(int level, TSymbol listSymbol, const TSymbolSet& stopSet) {
  TNesting nesting(Nesting);
  TRestore<int> savedListLevel(ListLevel);
  ListLevel = level;
  // A block inside an item ends where the item does.
  const TSymbolSet itemStops = stopSet + ListEnds + ItemStarts;
  int number = 1;
  char32_t numberStyle = U'1';
  bool plain = false;
  if (listSymbol == symOl) {
    const TAttribute* start = FindAttribute(Tokens.Attributes, symStart);
    if (start && start->IntValue >= 0) number = start->IntValue;
    const std::u32string type = Tokens.AttributeText(symType);
    if (!type.empty()) numberStyle = type[0];
  } else if (listSymbol == symUl) {
    plain = FindAttribute(Tokens.Attributes, symPlain) != nullptr;
  }
  CloseSection();
  NextSymbol();

  int itemLevel = level;
  while (Sym() != symEof) {
    if (StyleDropsTag()) {
      NextSymbol();
      continue;
    }
    if (ListEnds.Contains(Sym())) break;
    if (IsListStart(Sym()) || Sym() == symBlockquote) {
      ParseNestedList(level + 1, stopSet);
      continue;
    }
    switch (Sym()) {
      case symHr: ParseHorzLine(); break;
      case symLi: {
        CloseSection();
        if (const TAttribute* value = FindAttribute(Tokens.Attributes, symValue);
            value && (value->IntValue != 0 || value->StrValue == U"0"))
          number = value->IntValue;
        const TItemMarker marker = StyledItemMarker({listSymbol == symOl, numberStyle, plain});
        if (marker.Numbered) {
          StartSection(std::make_unique<TOListItem>(Document.RunFonts, level, &CurrentUrlTarget,
                                                    StyledFont(), marker.NumberStyle, number,
                                                    StyledStyle()));
        } else {
          auto item = std::make_unique<TUListItem>(Document.RunFonts, level, &CurrentUrlTarget,
                                                   StyledFont(), StyledStyle());
          item->NoBullet = marker.Hidden;
          StartSection(std::move(item));
        }
        if ((marker.Numbered || listSymbol == symOl) && number < INT_MAX) ++number;
        // Items are read from the side their direction starts from.
        CurrentSection->RightToLeft = TagRightToLeft(symLi);
        if (CurrentSection->RightToLeft) CurrentSection->Justify = jRight;
        itemLevel = level;
        Tokens.SkipWhiteSpace();
        NextSymbol();
        if (Sym() == symPara) NextSymbol();
        break;
      }
      case symDt:
      case symDd:
        CloseSection();
        // The term stands one level left of its definition.
        itemLevel = Sym() == symDt ? level - 1 : level;
        StartSection(
            std::make_unique<TDListItem>(Document.RunFonts, itemLevel, &CurrentUrlTarget,
                                         StyledFont(), StyledStyle()));
        if (CurrentRightToLeft) CurrentSection->Justify = jRight;
        NextSymbol();
        break;
      case symTable:
        // A list item that starts with a table keeps its marker line.
        if (CurrentSection) CurrentSection->EnsureText();
        ParseTable(itemLevel);
        break;
      default:
        if (ParseCommonSymbol(itemLevel, itemStops)) break;
        if (stopSet.Contains(Sym())) return;
        NextSymbol();
    }
  }
  CloseSection();
}

void THtmlBuilder::StartPreLine(int level) {
  StartSection(std::make_unique<TPreFormated>(Document.RunFonts, level, jLeft, &CurrentUrlTarget,
                                              StyledFont(), StyledStyle()));
}

void THtmlBuilder::AppendPreChar(char32_t ch, bool tab) {
  if (tab)
    AppendTab(PreText, CurrentSection->Text.size() + PreText.size());
  else
    PreText += ch;
  if (PreText.size() > PreFlushLength) FlushPreText();
}

void THtmlBuilder::FlushPreText() {
  CurrentSection->AppendText(PreText);
  PreText.clear();
}

void THtmlBuilder::NextPreLine(int level) {
  FlushPreText();
  CloseSection();
  StartPreLine(level);
}

void THtmlBuilder::ParsePreformatted(int level, const TElementAction& element) {
  CloseSection();
  // With a full stack the text keeps the font it is in; only a font pushed here is popped.
  const bool pushed = PushFixedFont();
  StartPreLine(level);
  Tokens.InPreformatted = true;
  PreText.clear();
  if (Tokens.SelfClosing) {
    // "<pre/>" holds nothing.
  } else if (element.RawText) {
    ReadPlainTextLines(level);
  } else {
    // A line end right after the start tag only sets the text apart from it.
    if (Tokens.CurCh == LineEnd) Tokens.NextChar();
    // Characters are read one by one so that every space and line end stays; only tags and
    // entities go through the symbol reader.
    bool ended = false;
    while (!ended && Tokens.CurCh != EndOfInput) {
      const char32_t ch = Tokens.CurCh;
      if (ch == LineEnd) {
        NextPreLine(level);
        Tokens.NextChar();
        continue;
      }
      if (ch == U'&') {
        NextSymbol();
        PreText += Tokens.TokenText;
        continue;
      }
      if (ch != U'<') {
        AppendPreChar(ch, Tokens.CurChIsTab);
        Tokens.NextChar();
        continue;
      }
      NextSymbol();
      // IDs of the tags on a line point at the line.
      PlacePendingAnchors();
      if (ParseStyleSymbol()) {
        FlushPreText();
        RefreshFont();
        continue;
      }
      if (ElementAction(Sym()).Kind == ekPicture) {
        FlushPreText();
        ParseInlineSvg(level, std::move(Tokens.TokenText));
        continue;
      }
      switch (Sym()) {
        case symPara:
        case symBr:
          NextPreLine(level);
          if (Tokens.CurCh == LineEnd) Tokens.NextChar();
          break;
        case symPreEnd:
        case symListingEnd:
        case symTdEnd:
        case symThEnd: ended = true; break;
        case symText:
          // A "<" that begins no tag is text, as in a comparison written in a code sample.
          PreText += Tokens.TokenText;
          break;
        case symAnchor:
          FlushPreText();
          ParseAnchor(level);
          break;
        case symAnchorEnd:
          FlushPreText();
          EndLink();
          break;
        case symScript:
          FlushPreText();
          ParseScript();
          break;
        case symFont:
        case symBasefont:
          FlushPreText();
          if (ParseFontTag(Sym(), PreFontSizeScales)) RefreshFont();
          break;
        case symFontEnd:
          PopFont();
          FlushPreText();
          RefreshFont();
          break;
        case symForm:
        case symFormEnd:
        case symInput:
        case symSelect:
        case symTextarea:
          FlushPreText();
          ParseFormSymbol(level);
          break;
        case symImg:
          FlushPreText();
          ParseImage(level);
          break;
        case symMap:
          ParseMap();
          break;
        default: break;
      }
    }
  }
  // A last line with text ends without a line end; the space a blank last line gives goes
  // after it all the same.
  const bool lastLineHasText = !CurrentSection->Text.empty() || !PreText.empty();
  FlushPreText();
  CloseSection();
  Tokens.InPreformatted = false;
  if (pushed) PopFont();
  if (lastLineHasText) CurrentCell->AddSection(std::make_unique<TParagraphSpace>());
  // Either way the text ends with a gap, a blank last line or the space: as after a P, white
  // space is no text here, and a P right after adds no second gap.
  Tokens.SkipWhiteSpace();
  Tokens.AfterParagraph = true;
  NextSymbol();
}

void THtmlBuilder::ReadPlainTextLines(int level) {
  // Comment openers and entities are text here, like everything up to the end tag.
  TRestore<bool> commentsAreText(Tokens.InScript);
  Tokens.InScript = true;
  std::string name;
  while (Tokens.CurCh != EndOfInput) {
    const char32_t ch = Tokens.CurCh;
    if (ch == LineEnd) {
      NextPreLine(level);
      Tokens.NextChar();
      continue;
    }
    if (ch != U'<') {
      AppendPreChar(ch, Tokens.CurChIsTab);
      Tokens.NextChar();
      continue;
    }
    // The end tag, or text that only begins like one.
    std::u32string written(1, ch);
    Tokens.NextChar();
    if (Tokens.CurCh == U'/') {
      written += Tokens.CurCh;
      Tokens.NextChar();
      name.clear();
      while (name.size() <= 3 && IsLetter(Tokens.CurChUpper)) {
        name += char(Tokens.CurChUpper);
        written += Tokens.CurCh;
        Tokens.NextChar();
      }
      if (name == "XMP" && !IsLetter(Tokens.CurChUpper)) {
        while (Tokens.CurCh != U'>' && Tokens.CurCh != EndOfInput) Tokens.NextChar();
        if (Tokens.CurCh == U'>') Tokens.NextChar();
        return;
      }
    }
    PreText += written;
  }
}

void THtmlBuilder::ParsePlainText() {
  // A text file has no body section before its first line.
  CurrentSection.reset();
  PushFixedFont();
  StartPreLine(0);
  Tokens.InPreformatted = true;
  PreText.clear();
  for (char32_t ch = Tokens.CurCh; ch != EndOfInput; ch = Tokens.CurCh) {
    if (ch == LineEnd)
      NextPreLine(0);
    else
      AppendPreChar(ch, Tokens.CurChIsTab);
    Tokens.NextChar();
  }
  FlushPreText();
  CloseSection();
  Tokens.InPreformatted = false;
  PopFont();
}
